#pragma once
// Writes a picture the user asked for to the file the user chose: whole or
// not at all, and only to a regular file or a new path (never into a folder,
// a FIFO or a device).

#include <QByteArray>
#include <QString>

#include <optional>

namespace pc {

// Nothing when the file now holds `bytes`; otherwise the reason, and the file
// is as it was.
std::optional<QString> writePictureFile(const QString &path, const QByteArray &bytes);

} // namespace pc
