#include "output/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

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

QByteArray readAtMost(QIODevice &device, qint64 limit)
{
    constexpr qint64 Chunk = 64 * 1024;
    QByteArray bytes;
    const qint64 wanted = std::max<qint64>(limit, 0) + 1;
    while (bytes.size() < wanted) {
        // What the device says it holds, and one more to see its end; then
        // whatever it grew by, a chunk at a time.
        const qint64 room = wanted - bytes.size();
        const qint64 step =
            std::clamp<qint64>(device.bytesAvailable() + 1, 1, std::min(room, Chunk));
        const qsizetype at = bytes.size();
        bytes.resize(at + static_cast<qsizetype>(step));
        const qint64 got = device.read(bytes.data() + at, step);
        bytes.resize(at + static_cast<qsizetype>(std::max<qint64>(got, 0)));
        if (got <= 0)
            break;
    }
    return bytes;
}

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
