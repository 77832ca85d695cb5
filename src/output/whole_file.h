#pragma once
// Writes a file the user asked for (a report, a picture, the settings): whole
// or not at all, and only to a regular file or a new path (never into a
// folder, a FIFO or a device). Reads a file the program takes in (a design,
// the settings, a sketch, a batch) only from a regular file and up to a
// limit, without paying for the limit.

#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

namespace pc {

// Hands the bytes to the file; false when not every byte went. The default
// writes them until done or refused; tests put a failing one here.
using WholeFileWriter = std::function<bool(QFileDevice &file, const QByteArray &bytes)>;

// Nothing when the file now holds `bytes`; otherwise the reason, and the file
// is as it was. The bytes go, unbuffered so that a full disk fails the write
// itself, into a temporary file beside the target, which replaces it only
// when every write, the flush and the sync of the commit succeeded.
std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes,
                                      const WholeFileWriter &writer = {});

// The device's bytes from where it stands, at most `limit` + 1 of them, so
// that a caller sees "more than the limit" without reading the rest. The
// buffer grows with what comes: a 2 KB file costs 2 KB, not the limit, even
// when the file grows while it is read. A read error stops the read; the
// device's error() says so.
QByteArray readAtMost(QIODevice &device, qint64 limit);

// A file taken in whole: its bytes, or why not.
struct FileRead
{
    enum Fault { None, Missing, Folder, NotRegular, TooLarge, CannotRead };
    Fault fault = None;
    // The system's words when the file could not be opened or read.
    QString systemReason;
    QByteArray bytes;
};

// The bytes of the regular file at `path` (symbolic links followed), when it
// holds at most `limit` of them. A folder, a FIFO or a device is refused
// before it is opened, and opened without waiting, so a FIFO put there
// between the look and the open cannot hold the program.
FileRead readRegularFile(const QString &path, qint64 limit);

// The reason for a refusal in words that follow "cannot be read: "
// ("there is no such file", "it is a folder", ...). Empty for None.
QString fileReadReason(const FileRead &read);

} // namespace pc
