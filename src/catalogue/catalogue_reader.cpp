#include "catalogue/catalogue_reader.h"

#include "catalogue/catalogue_checks.h"
#include "catalogue/name_codec.h"

#include <QFile>
#include <QtEndian>

#include <cstring>
#include <memory>
#include <new>

namespace pc {

namespace {

// Where the bytes come from: memory or an open file. Every read is a block
// read of exactly the asked size; asking past the end is a failure.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual qint64 remaining() const = 0;
    virtual qint64 offset() const = 0;
    virtual bool read(void *dst, qint64 n) = 0;
    virtual bool skip(qint64 n) = 0;
    // The next n bytes in place, consumed, when the source holds them in
    // memory; null otherwise.
    virtual const char *take(qint64) { return nullptr; }
};

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(const QByteArray &bytes) : data_(bytes.constData()), size_(bytes.size())
    {}
    qint64 remaining() const override { return size_ - pos_; }
    qint64 offset() const override { return pos_; }
    bool read(void *dst, qint64 n) override
    {
        if (n < 0 || n > remaining())
            return false;
        if (n > 0)
            std::memcpy(dst, data_ + pos_, static_cast<size_t>(n));
        pos_ += n;
        return true;
    }
    bool skip(qint64 n) override
    {
        if (n < 0 || n > remaining())
            return false;
        pos_ += n;
        return true;
    }
    const char *take(qint64 n) override
    {
        if (n < 0 || n > remaining())
            return nullptr;
        const char *p = data_ + pos_;
        pos_ += n;
        return p;
    }

private:
    const char *data_;
    qint64 size_;
    qint64 pos_ = 0;
};

class FileSource : public ByteSource
{
public:
    explicit FileSource(QFile &file) : file_(file), size_(file.size()) {}
    qint64 remaining() const override { return size_ - file_.pos(); }
    qint64 offset() const override { return file_.pos(); }
    bool read(void *dst, qint64 n) override
    {
        if (n < 0 || n > remaining())
            return false;
        return n == 0 || file_.read(static_cast<char *>(dst), n) == n;
    }
    bool skip(qint64 n) override
    {
        if (n < 0 || n > remaining())
            return false;
        return file_.seek(file_.pos() + n);
    }

private:
    QFile &file_;
    qint64 size_;
};

// A field's bytes read from a file, without zero-filling the buffer first.
class Scratch
{
public:
    char *get(qint64 n)
    {
        if (n > size_) {
            data_.reset(new char[static_cast<size_t>(n)]);
            size_ = n;
        }
        return data_.get();
    }

private:
    std::unique_ptr<char[]> data_;
    qint64 size_ = 0;
};

// Record size of one short name and of the whole block per name.
constexpr qint64 NameRecordSize = 19;
constexpr qint64 NameBlockSizePerName = 36;

enum class Minimum { Zero, One };

class Reader
{
public:
    explicit Reader(ByteSource &src) : src_(src) {}

    const QString &why() const { return why_; }

    bool readAll(Catalogue &c)
    {
        int families = 0, sections = 0, steps = 0, grades = 0, annexes = 0, lives = 0,
            protections = 0, spares = 0;
        if (!count16(families, "FamilyCount", Minimum::One) ||
            !count16(sections, "SectionCount", Minimum::One) ||
            !nameBlock(&c.FamilyName, families, NameList::Family, "FamilyName"))
            return false;
        if (!familyRanges(c.FamilyRange, families))
            return false;
        if (!count16(steps, "LossStepCount", Minimum::One) ||
            !array(c.LossStep, steps, "LossStep") || !table(&c.RedA, steps, sections, "RedA") ||
            !table(&c.RedI, steps, sections, "RedI") ||
            !table(&c.RedWel, steps, sections, "RedWel") ||
            !table<double>(nullptr, steps, sections, "RedSpare"))
            return false;
        if (!nameBlock(&c.SectionName, sections, NameList::Section, "SectionName") ||
            !skip(2 * qint64(sections), "U-profile flags") ||
            !skip(8 * qint64(sections), "SectionSpare1") ||
            !array(c.SectionWidth, sections, "SectionWidth") ||
            !array(c.SectionMass, sections, "SectionMass") ||
            !array(c.SectionTf, sections, "SectionTf") ||
            !array(c.SectionTw, sections, "SectionTw") ||
            !skip(4 * 8 * qint64(sections), "SectionFlangeB .. SectionSpare3") ||
            !array(c.SectionMaxLength, sections, "SectionMaxLength"))
            return false;
        if (!gradeCount(grades) || !nameBlock(&c.GradeName, grades, NameList::Grade, "GradeName") ||
            !array(c.GradeFy, grades, "GradeFy") || !array(c.GradeFyKsi, grades, "GradeFyKsi") ||
            !table(&c.Availability, sections, grades, "Availability"))
            return false;
        if (!count16(annexes, "AnnexCount", Minimum::Zero))
            return false;
        for (int a = 0; a < annexes; ++a) {
            c.Annexes.emplace_back();
            if (!annex(c.Annexes.back(), a))
                return false;
        }
        if (!count16(lives, "ServiceLifeCount", Minimum::One) ||
            !array(c.ServiceLife, lives, "ServiceLife") ||
            !count16(protections, "ProtectionCount", Minimum::One) ||
            !array(c.ProtectionYears, protections, "ProtectionYears") ||
            !skip(25 * 8, "TrailerMatrix") || !skip(3 * 8, "three values after TrailerMatrix"))
            return false;
        double limits[2] = {0, 0};
        if (!read(limits, sizeof limits, "MaxWallLength, MaxCorrosionRate"))
            return false;
        fromLittleEndian(limits, 2);
        c.MaxWallLength = limits[0];
        c.MaxCorrosionRate = limits[1];
        return count16(spares, "SpareListCount", Minimum::One) &&
               nameBlock(nullptr, spares, NameList::Family, "SpareListName") &&
               skip(16 * qint64(spares), "SpareListValue");
    }

private:
    bool fail(const QString &field, const QString &reason)
    {
        why_ = QStringLiteral("%1 at byte %2: %3").arg(field).arg(src_.offset()).arg(reason);
        return false;
    }
    bool fail(const char *field, const QString &reason)
    {
        return fail(QString::fromLatin1(field), reason);
    }

    template <typename Field> bool needs(qint64 bytes, const Field &field)
    {
        if (bytes <= src_.remaining())
            return true;
        return fail(field, QStringLiteral("needs %1 bytes, the file has %2 left")
                               .arg(bytes)
                               .arg(src_.remaining()));
    }

    template <typename Field> bool read(void *dst, qint64 n, const Field &field)
    {
        return needs(n, field) && (src_.read(dst, n) || fail(field, QStringLiteral("read failed")));
    }

    // A whole field of n bytes in one block read: in place from memory, or
    // through `scratch` from a file. Null on failure.
    template <typename Field> const char *block(qint64 n, Scratch &scratch, const Field &field)
    {
        if (!needs(n, field))
            return nullptr;
        if (const char *p = src_.take(n))
            return p;
        char *buffer = scratch.get(n);
        return read(buffer, n, field) ? buffer : nullptr;
    }

    template <typename Field> bool skip(qint64 n, const Field &field)
    {
        return needs(n, field) && (src_.skip(n) || fail(field, QStringLiteral("read failed")));
    }

    template <typename T> static void fromLittleEndian(T *values, qsizetype n)
    {
        if constexpr (sizeof(T) > 1)
            qFromLittleEndian<T>(values, n, values);
    }

    template <typename Field> bool int16(int16_t &v, const Field &field)
    {
        if (!read(&v, 2, field))
            return false;
        fromLittleEndian(&v, 1);
        return true;
    }

    template <typename Field> bool checkCount(int n, const Field &field, Minimum min)
    {
        if (n < 0)
            return fail(field, QStringLiteral("count %1 is negative").arg(n));
        if (n == 0 && min == Minimum::One)
            return fail(field, QStringLiteral("count is 0, at least 1 is needed"));
        return true;
    }

    template <typename Field> bool count16(int &n, const Field &field, Minimum min)
    {
        int16_t v = 0;
        if (!int16(v, field))
            return false;
        n = v;
        return checkCount(n, field, min);
    }

    bool gradeCount(int &n)
    {
        int8_t v = 0;
        if (!read(&v, 1, "GradeCount"))
            return false;
        n = v;
        return checkCount(n, "GradeCount", Minimum::One);
    }

    // n values of T; the remaining size is checked before anything is allocated.
    template <typename T, typename Field> bool array(std::vector<T> &out, int n, const Field &field)
    {
        if (!needs(qint64(n) * qint64(sizeof(T)), field))
            return false;
        out.resize(static_cast<size_t>(n));
        if (!read(out.data(), qint64(n) * qint64(sizeof(T)), field))
            return false;
        fromLittleEndian(out.data(), n);
        return true;
    }

    // rows x cols values of T, row after row, read straight into the table;
    // `out` null skips the table.
    template <typename T> bool table(FlatTable<T> *out, int rows, int cols, const char *field)
    {
        const qint64 count = qint64(rows) * qint64(cols);
        const qint64 bytes = count * qint64(sizeof(T));
        if (!out)
            return skip(bytes, field);
        if (!needs(bytes, field))
            return false;
        out->resizeForOverwrite(static_cast<size_t>(rows), static_cast<size_t>(cols));
        if (!read(out->data(), bytes, field))
            return false;
        fromLittleEndian(out->data(), count);
        return true;
    }

    bool familyRanges(std::vector<std::array<int16_t, 2>> &out, int families)
    {
        std::vector<int16_t> flat;
        if (!array(flat, 2 * (families + 1), "FamilyRange"))
            return false;
        out.resize(static_cast<size_t>(families + 1));
        for (size_t r = 0; r < out.size(); ++r)
            out[r] = {flat[2 * r], flat[2 * r + 1]};
        return true;
    }

    // A block of n records of 19 bytes followed by 17 x n filler bytes. With
    // `out` null (the spare list) the names are read past and not kept.
    bool nameBlock(std::vector<QString> *out, int n, NameList list, const char *field)
    {
        if (!needs(NameBlockSizePerName * n, field))
            return false;
        Scratch scratch;
        const char *records = block(NameRecordSize * n, scratch, field);
        if (!records)
            return false;
        if (out) {
            NameShiftKey key(list);
            out->reserve(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) {
                const char *record = records + NameRecordSize * i;
                const int length =
                    std::min(int(static_cast<unsigned char>(record[0])), MaxShortNameLength);
                out->push_back(decodeShiftedName(record + 1, length, key.next()));
            }
        }
        return skip((NameBlockSizePerName - NameRecordSize) * n, field);
    }

    // int16 length, then that many 16-bit units; a length of 0 or less is empty.
    bool wideText(std::vector<uint16_t> &units, const QString &field)
    {
        int16_t length = 0;
        if (!int16(length, field))
            return false;
        units.clear();
        return length <= 0 || array(units, length, field);
    }

    bool columns(std::vector<QString> &names, std::vector<std::vector<double>> &losses, int years,
                 ColumnTable table, const QString &prefix, const char *kind)
    {
        const QString countField = prefix + QLatin1String(kind) + QLatin1String("ColCount");
        const QString nameField = prefix + QLatin1String(kind) + QLatin1String("ColName");
        const QString lossField = prefix + QLatin1String(kind) + QLatin1String("Loss");
        int count = 0;
        if (!count16(count, countField, Minimum::One) || !needs(2 * qint64(count), nameField))
            return false;
        names.reserve(static_cast<size_t>(count));
        std::vector<uint16_t> units;
        for (int i = 0; i < count; ++i) {
            if (!wideText(units, nameField))
                return false;
            names.push_back(decodeColumnName(units, table));
        }
        if (!needs(qint64(years) * count * 8, lossField))
            return false;
        losses.resize(static_cast<size_t>(years));
        for (auto &row : losses)
            if (!array(row, count, lossField))
                return false;
        return true;
    }

    bool annex(Annex &x, int a)
    {
        const QString prefix = QStringLiteral("Annexes[%1].").arg(a);
        std::vector<uint16_t> units;
        if (!wideText(units, prefix + QLatin1String("AnnexName")))
            return false;
        x.AnnexName = decodeAnnexName(units);
        int years = 0;
        if (!count16(years, prefix + QLatin1String("AnnexYearCount"), Minimum::One) ||
            !array(x.AnnexYear, years, prefix + QLatin1String("AnnexYear")))
            return false;
        return columns(x.AtmosColName, x.AtmosLoss, years, ColumnTable::Atmos, prefix, "Atmos") &&
               columns(x.SoilColName, x.SoilLoss, years, ColumnTable::Soil, prefix, "Soil") &&
               columns(x.WaterColName, x.WaterLoss, years, ColumnTable::Water, prefix, "Water");
    }

    ByteSource &src_;
    QString why_;
};

std::optional<Catalogue> readFrom(ByteSource &src, QString *why)
{
    Catalogue c;
    Reader reader(src);
    QString reason;
    try {
        if (!reader.readAll(c))
            reason = reader.why();
    } catch (const std::bad_alloc &) {
        reason = QStringLiteral("memory for a list cannot be obtained");
    }
    if (reason.isEmpty()) {
        if (const auto d = findCatalogueDamage(c))
            reason = d->field + QLatin1String(": ") + d->reason;
    }
    if (!reason.isEmpty()) {
        if (why)
            *why = reason;
        return std::nullopt;
    }
    c.deriveLoadedValues();
    return c;
}

} // namespace

std::optional<Catalogue> readCatalogue(const QByteArray &bytes, QString *why)
{
    MemorySource src(bytes);
    return readFrom(src, why);
}

std::optional<Catalogue> readCatalogueFile(const QString &path, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.isSequential()) {
        if (why)
            *why = QStringLiteral("%1 is not a regular file").arg(path);
        return std::nullopt;
    }
    FileSource src(file);
    return readFrom(src, why);
}

} // namespace pc
