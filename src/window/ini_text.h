#pragma once
// INI text as the settings file holds it: "[Section]" lines, each followed by
// "key=value" lines. Read and edited on the file's bytes, so that a write
// changes only the lines of the keys it sets: comments, the order of the
// sections, other keys, their spelling, their encoding and the line ends stay
// as the user left them. Section and key names are matched without regard to
// ASCII case, the first section of a name and its first key of a name count,
// and a value is everything after the first "=" (a ";" in it is part of it).

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace pc {

// The value of `key` in `section`: trimmed of blanks, one pair of surrounding
// double quotes removed (as earlier versions of this program wrote it),
// decoded as UTF-8. Nothing when the section or the key is missing.
std::optional<QString> iniValue(const QByteArray &text, const QByteArray &section,
                                const QByteArray &key);

struct IniEntry
{
    QByteArray section;
    QByteArray key;
    QString value;
};

// `text` with every entry set, in the order given: an existing key's line
// becomes "key=value" (the key spelt as found, the value unquoted, the line
// end kept); a missing key is added after the last line of its section that
// is not blank; a missing section is added at the end of the text. New lines
// end as the text's first line does (CR LF or LF; LF in an empty text).
QByteArray iniWithEntries(const QByteArray &text, const std::vector<IniEntry> &entries);

} // namespace pc
