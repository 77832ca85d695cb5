#pragma once
// Writes a file the user asked for (a report, a picture, the settings): whole
// or not at all, and only to a regular file or a new path (never into a
// folder, a FIFO or a device). Reads a file the program takes in (a design,
// the settings, a sketch) up to a limit without paying for the limit.

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

} // namespace pc
