#pragma once
// Text encodings of the catalogue file: the 8-bit code page (Windows-1252),
// the shifted short names of families, sections and grades, the shifted
// column names of the corrosion tables and the annex names. Decoding never
// fails; encoding (used by the writer) reports texts the file cannot hold.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace pc {

// Longest short name a record of a name block holds.
constexpr int MaxShortNameLength = 18;

// Windows-1252, decoded through QStringDecoder once into a table.
QString decodeAnsi(const char *bytes, int length);
// Characters without an 8-bit form become '?'.
QByteArray encodeAnsi(const QString &text);
// True when every character of `text` has an 8-bit form that decodes back to it.
bool isAnsiText(const QString &text);

// Start keys of the shifted name lists.
enum class NameList { Family = 1, Section = 2, Grade = 3 };

// The key of a name list: advanced once before each name, in list order
// (3, 5, ..., 15, -13, -11, ... for the family names).
class NameShiftKey
{
public:
    explicit NameShiftKey(NameList list) : key_(static_cast<int>(list)) {}
    int next()
    {
        key_ = (key_ < -13 || key_ > 13) ? -13 : key_ + 2;
        return key_;
    }

private:
    int key_;
};

// Undoes the shift of a stored name: `chars` holds `length` (0..18) bytes of
// the record, `key` is the already advanced key of this name.
QString decodeShiftedName(const char *chars, int length, int key);
// The stored bytes of `name` under `key`; nothing when the name is longer than
// 18 characters or a character cannot be stored so that it reads back.
std::optional<QByteArray> encodeShiftedName(const QString &name, int key);

// Column-name tables and their shift modulus.
enum class ColumnTable { Atmos = 4, Soil = 5, Water = 6 };

// Undoes the column shift of `units` (16-bit values as stored).
QString decodeColumnName(const std::vector<uint16_t> &units, ColumnTable table);
// The stored units of a column name; nothing when a character has no 8-bit form.
std::optional<std::vector<uint16_t>> encodeColumnName(const QString &name, ColumnTable table);

// Annex names: one 8-bit character per stored unit, its low byte.
QString decodeAnnexName(const std::vector<uint16_t> &units);
std::optional<std::vector<uint16_t>> encodeAnnexName(const QString &name);

} // namespace pc
