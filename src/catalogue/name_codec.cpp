#include "catalogue/name_codec.h"

#include <QStringDecoder>

#include <array>

namespace pc {

namespace {

// Both directions of the code page as tables, built once from the decoder so
// that thousands of names decode without a converter call each.
struct AnsiTables
{
    std::array<char16_t, 256> toUnicode{};
    std::vector<int16_t> fromUnicode = std::vector<int16_t>(65536, -1);
    // True when 0x00-0x7F and 0xA0-0xFF stand for the same code points, as in
    // Windows-1252: those characters then skip the large table.
    bool latinRanges = true;

    int byteOf(char16_t u) const
    {
        if (latinRanges && (u < 0x80 || (u >= 0xA0 && u <= 0xFF)))
            return u;
        return fromUnicode[u];
    }
    // A 16-bit unit as the program holds it: through the 8-bit code page,
    // '?' where the unit has no 8-bit form.
    char16_t held(char16_t u) const
    {
        const int b = byteOf(u);
        return b < 0 ? char16_t('?') : toUnicode[static_cast<size_t>(b)];
    }

    AnsiTables()
    {
        QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder(QStringDecoder::Latin1, QStringDecoder::Flag::Stateless);
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = static_cast<char>(b);
        const QString text = decoder.decode(all);
        for (int b = 0; b < 256; ++b) {
            const char16_t u = b < text.size() ? text.at(b).unicode() : char16_t(b);
            toUnicode[static_cast<size_t>(b)] = u;
            if (fromUnicode[u] < 0)
                fromUnicode[u] = static_cast<int16_t>(b);
            if ((b < 0x80 || b >= 0xA0) && u != b)
                latinRanges = false;
        }
        for (int u = 0; u < 0x100; ++u)
            if ((u < 0x80 || u >= 0xA0) && fromUnicode[u] != u)
                latinRanges = false;
    }
};

const AnsiTables &tables()
{
    static const AnsiTables t;
    return t;
}

uint16_t wrap(long v)
{
    return static_cast<uint16_t>(static_cast<unsigned long>(v) & 0xFFFFu);
}

// A stored byte of a short name, shifted by `shift`, as the program holds it:
// back through the code page, with '?' where a character has no 8-bit form.
char16_t unshiftChar(const AnsiTables &t, unsigned char stored, int shift)
{
    return t.held(wrap(long(t.toUnicode[stored]) - shift));
}

// unshiftChar for every byte and every shift the name lists use (keys -13 ..
// 15 at positions 0 .. 16), so that thousands of section names decode with
// one table look-up per character.
struct ShiftedNameTables
{
    static constexpr int MinShift = -13;
    static constexpr int MaxShift = 15 + MaxShortNameLength - 2;
    std::array<std::array<char16_t, 256>, MaxShift - MinShift + 1> chars{};

    explicit ShiftedNameTables(const AnsiTables &t)
    {
        for (int shift = MinShift; shift <= MaxShift; ++shift)
            for (int b = 0; b < 256; ++b)
                chars[size_t(shift - MinShift)][size_t(b)] =
                    unshiftChar(t, static_cast<unsigned char>(b), shift);
    }
    char16_t decoded(int shift, unsigned char stored) const
    {
        return chars[size_t(shift - MinShift)][stored];
    }
};

const ShiftedNameTables &shiftedTables()
{
    static const ShiftedNameTables t(tables());
    return t;
}

// The 8-bit form of a 16-bit unit, or -1.
int ansiByte(char16_t u)
{
    return tables().byteOf(u);
}

// A 16-bit text as the program holds it: through the 8-bit code page, with
// '?' for a unit that has no 8-bit form.
QString throughAnsi(const char16_t *units, int length)
{
    const auto &t = tables();
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    for (int i = 0; i < length; ++i)
        dst[i] = QChar(t.held(units[i]));
    return out;
}

} // namespace

QString decodeAnsi(const char *bytes, int length)
{
    const auto &t = tables();
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    for (int i = 0; i < length; ++i)
        dst[i] = QChar(t.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}

QByteArray encodeAnsi(const QString &text)
{
    QByteArray out(text.size(), '?');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = ansiByte(text.at(i).unicode());
        if (b >= 0)
            out[i] = static_cast<char>(b);
    }
    return out;
}

bool isAnsiText(const QString &text)
{
    for (const QChar c : text)
        if (ansiByte(c.unicode()) < 0)
            return false;
    return true;
}

QString decodeShiftedName(const char *chars, int length, int key)
{
    if (length < 0)
        length = 0;
    if (length > MaxShortNameLength)
        length = MaxShortNameLength;
    const auto &t = tables();
    const auto &shifted = shiftedTables();
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    // Positions 1 .. L-1 (1-based) are shifted by (p - 1) + key; the last
    // character is stored as is.
    const bool tabled = key >= ShiftedNameTables::MinShift &&
                        key + MaxShortNameLength - 2 <= ShiftedNameTables::MaxShift;
    for (int p = 1; p <= length; ++p) {
        const int shift = p < length ? (p - 1) + key : 0;
        const auto b = static_cast<unsigned char>(chars[p - 1]);
        dst[p - 1] = QChar(tabled ? shifted.decoded(shift, b) : unshiftChar(t, b, shift));
    }
    return out;
}

std::optional<QByteArray> encodeShiftedName(const QString &name, int key)
{
    const int length = static_cast<int>(name.size());
    if (length > MaxShortNameLength || !isAnsiText(name))
        return std::nullopt;
    QByteArray stored(length, '\0');
    for (int p = 1; p <= length; ++p) {
        long u = name.at(p - 1).unicode();
        if (p < length)
            u += (p - 1) + key;
        const int b = ansiByte(wrap(u));
        if (b < 0)
            return std::nullopt;
        stored[p - 1] = static_cast<char>(b);
    }
    if (decodeShiftedName(stored.constData(), length, key) != name)
        return std::nullopt;
    return stored;
}

QString decodeColumnName(const std::vector<uint16_t> &units, ColumnTable table)
{
    const int m = static_cast<int>(table);
    std::vector<char16_t> shifted(units.size());
    for (size_t i = 1; i <= units.size(); ++i)
        shifted[i - 1] = wrap(long(units[i - 1]) - 50 - long(i % size_t(m)));
    return throughAnsi(shifted.data(), static_cast<int>(shifted.size()));
}

std::optional<std::vector<uint16_t>> encodeColumnName(const QString &name, ColumnTable table)
{
    if (!isAnsiText(name))
        return std::nullopt;
    const int m = static_cast<int>(table);
    std::vector<uint16_t> units(static_cast<size_t>(name.size()));
    for (size_t i = 1; i <= units.size(); ++i)
        units[i - 1] = wrap(long(name.at(qsizetype(i - 1)).unicode()) + 50 + long(i % size_t(m)));
    if (decodeColumnName(units, table) != name)
        return std::nullopt;
    return units;
}

QString decodeAnnexName(const std::vector<uint16_t> &units)
{
    const auto &t = tables();
    QString out(static_cast<qsizetype>(units.size()), Qt::Uninitialized);
    QChar *dst = out.data();
    for (size_t i = 0; i < units.size(); ++i)
        dst[i] = QChar(t.toUnicode[units[i] & 0xFFu]);
    return out;
}

std::optional<std::vector<uint16_t>> encodeAnnexName(const QString &name)
{
    if (!isAnsiText(name))
        return std::nullopt;
    const QByteArray bytes = encodeAnsi(name);
    std::vector<uint16_t> units(static_cast<size_t>(bytes.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i)
        units[size_t(i)] = static_cast<unsigned char>(bytes[i]);
    return units;
}

} // namespace pc
