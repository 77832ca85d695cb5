#include "output/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace pc {

namespace {

bool writeAllBytes(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes,
                                      const WholeFileWriter &writer)
{
    if (path.isEmpty())
        return QStringLiteral("no file name");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    // A FIFO would wait for a reader for ever; a device is not the user's file.
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const bool written = writer ? writer(file, bytes) : writeAllBytes(file, bytes);
    if (!written || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace pc
