#include "output/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

FileRead readRegularFile(const QString &path, qint64 limit)
{
    FileRead r;
    const auto refuse = [&r](FileRead::Fault fault, QString reason = {}) {
        r.fault = fault;
        r.systemReason = std::move(reason);
        r.bytes.clear();
        return r;
    };
    if (path.isEmpty())
        return refuse(FileRead::Missing);
    QFile file;
#ifdef Q_OS_UNIX
    const QByteArray encoded = QFile::encodeName(path);
    struct stat st
    {
    };
    if (::stat(encoded.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR
                   ? refuse(FileRead::Missing)
                   : refuse(FileRead::CannotRead, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISDIR(st.st_mode))
        return refuse(FileRead::Folder);
    if (!S_ISREG(st.st_mode))
        return refuse(FileRead::NotRegular);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT
                   ? refuse(FileRead::Missing)
                   : refuse(FileRead::CannotRead, QString::fromLocal8Bit(std::strerror(errno)));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(FileRead::NotRegular);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(FileRead::CannotRead, file.errorString());
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(FileRead::Missing);
    if (info.isDir())
        return refuse(FileRead::Folder);
    if (!info.isFile())
        return refuse(FileRead::NotRegular);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(FileRead::CannotRead, file.errorString());
#endif
    if (file.size() > limit)
        return refuse(FileRead::TooLarge);
    r.bytes = readAtMost(file, limit);
    if (file.error() != QFileDevice::NoError)
        return refuse(FileRead::CannotRead, file.errorString());
    if (r.bytes.size() > limit) // it grew while it was read
        return refuse(FileRead::TooLarge);
    return r;
}

QString fileReadReason(const FileRead &read)
{
    switch (read.fault) {
    case FileRead::None:
        return {};
    case FileRead::Missing:
        return QStringLiteral("there is no such file");
    case FileRead::Folder:
        return QStringLiteral("it is a folder");
    case FileRead::NotRegular:
        return QStringLiteral("it is not a regular file");
    case FileRead::TooLarge:
        return QStringLiteral("it is far larger than such a file can be");
    case FileRead::CannotRead:
        break;
    }
    return read.systemReason.isEmpty() ? QStringLiteral("it cannot be read") : read.systemReason;
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
