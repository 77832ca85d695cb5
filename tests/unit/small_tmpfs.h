#pragma once
// A small file system of its own (tmpfs) mounted in a temporary folder, for
// tests of a disk that fills up. Mounting needs the right to mount (root in
// the build containers); without it `mounted()` is false and `reason()` says
// why, for the test to skip with.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace pc::test {

class SmallTmpfs
{
public:
    // `options` as mount(8) takes them, e.g. "size=8k" or "size=8k,ro".
    explicit SmallTmpfs(const char *options)
    {
        if (!dir_.isValid()) {
            reason_ = QStringLiteral("no temporary folder to mount on");
            return;
        }
        const QByteArray where = QFile::encodeName(dir_.path());
        unsigned long flags = 0;
        QByteArray data(options);
        if (data.endsWith(",ro")) {
            flags |= MS_RDONLY;
            data.chop(3);
        }
        if (::mount("tmpfs", where.constData(), "tmpfs", flags, data.constData()) != 0) {
            reason_ = QStringLiteral("cannot mount a tmpfs here (%1); this test needs the "
                                     "right to mount, as the build containers have")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        mounted_ = true;
    }
    ~SmallTmpfs()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;

    bool mounted() const { return mounted_; }
    const QString &reason() const { return reason_; }
    QString filePath(const QString &name) const { return dir_.filePath(name); }
    QString path() const { return dir_.path(); }

    // Fills the file system with a file of this name until no byte more fits.
    bool fill(const QString &name) const
    {
        QFile filler(filePath(name));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        // Single bytes into the last part of a block.
        while (filler.write("x", 1) == 1) {
        }
        return true;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};

} // namespace pc::test
