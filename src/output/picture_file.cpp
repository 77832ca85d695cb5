#include "output/picture_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace pc {

std::optional<QString> writePictureFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return QStringLiteral("no file name");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    // A FIFO would wait for a reader for ever; a device is no picture file.
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");

    // Unbuffered, so that a full disk fails the write itself; the temporary
    // file is renamed into place only when everything was written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += n;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace pc
