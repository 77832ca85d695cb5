#include "window/ini_text.h"

namespace pc {

namespace {

// One line of the text: [begin, contentEnd) is what it says, [contentEnd,
// end) its line end ("\r\n", "\n" or nothing on a last line without one).
struct Line
{
    qsizetype begin = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0;
};

std::vector<Line> splitLines(const QByteArray &text)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const qsizetype nl = text.indexOf('\n', pos);
        if (nl < 0) {
            line.contentEnd = line.end = text.size();
        } else {
            line.end = nl + 1;
            line.contentEnd = nl > pos && text[nl - 1] == '\r' ? nl - 1 : nl;
        }
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

QByteArray contentOf(const QByteArray &text, const Line &line)
{
    QByteArray content = text.mid(line.begin, line.contentEnd - line.begin);
    // A byte order mark before the first line is no part of what it says.
    if (line.begin == 0 && content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    return content;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

// The name of a "[name]" line; nothing for any other line.
std::optional<QByteArray> sectionName(const QByteArray &content)
{
    const QByteArray line = content.trimmed();
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype close = line.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return line.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line; nothing for a comment, a blank line or a
// line without "=".
std::optional<QByteArray> keyName(const QByteArray &content)
{
    const QByteArray line = content.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#') || line.startsWith('['))
        return std::nullopt;
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0)
        return std::nullopt;
    QByteArray key = line.left(eq).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    return key;
}

// Where a key stands: its section's header line and the lines after it up to
// the next header, and the key's line among them.
struct Found
{
    std::optional<std::size_t> header;
    std::size_t sectionEnd = 0; // one past the section's last line
    std::optional<std::size_t> key;
};

Found find(const QByteArray &text, const std::vector<Line> &lines, const QByteArray &section,
           const QByteArray &key)
{
    Found found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<QByteArray> name = sectionName(contentOf(text, lines[i]));
        if (!found.header) {
            if (name && sameName(*name, section))
                found.header = i;
            continue;
        }
        if (name) {
            found.sectionEnd = i;
            return found;
        }
        if (!found.key) {
            const std::optional<QByteArray> k = keyName(contentOf(text, lines[i]));
            if (k && sameName(*k, key))
                found.key = i;
        }
    }
    found.sectionEnd = lines.size();
    return found;
}

QByteArray lineEndOf(const QByteArray &text)
{
    const qsizetype nl = text.indexOf('\n');
    return nl > 0 && text[nl - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

bool isBlank(const QByteArray &text, const Line &line)
{
    return contentOf(text, line).trimmed().isEmpty();
}

QByteArray valueBytes(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    // A value is one line.
    bytes.replace('\r', QByteArray());
    bytes.replace('\n', QByteArray());
    return bytes;
}

} // namespace

std::optional<QString> iniValue(const QByteArray &text, const QByteArray &section,
                                const QByteArray &key)
{
    const std::vector<Line> lines = splitLines(text);
    const Found found = find(text, lines, section, key);
    if (!found.key)
        return std::nullopt;
    const QByteArray content = contentOf(text, lines[*found.key]);
    QByteArray value = content.mid(content.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}

QByteArray iniWithEntries(const QByteArray &text, const std::vector<IniEntry> &entries)
{
    QByteArray out = text;
    for (const IniEntry &entry : entries) {
        const QByteArray eol = lineEndOf(out);
        const QByteArray value = valueBytes(entry.value);
        const std::vector<Line> lines = splitLines(out);
        const Found found = find(out, lines, entry.section, entry.key);
        if (found.key) {
            const Line &line = lines[*found.key];
            const QByteArray spelt = *keyName(contentOf(out, line));
            const qsizetype begin =
                line.begin == 0 && out.startsWith("\xEF\xBB\xBF") ? 3 : line.begin;
            out.replace(begin, line.contentEnd - begin, spelt + '=' + value);
        } else if (found.header) {
            // After the section's last line that is not blank, so that blank
            // lines between sections stay between them.
            std::size_t last = *found.header;
            for (std::size_t i = *found.header + 1; i < found.sectionEnd; ++i)
                if (!isBlank(out, lines[i]))
                    last = i;
            const Line &after = lines[last];
            QByteArray added = entry.key + '=' + value + eol;
            if (after.end == after.contentEnd)
                added.prepend(eol); // the text's last line had no line end
            out.insert(after.end, added);
        } else {
            if (!out.isEmpty() && !out.endsWith('\n'))
                out += eol;
            out += '[' + entry.section + ']' + eol + entry.key + '=' + value + eol;
        }
    }
    return out;
}

} // namespace pc
