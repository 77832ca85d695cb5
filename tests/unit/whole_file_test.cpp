#include "output/whole_file.h"

#include "case_row.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using pc::readAtMost;
using pc::test::caseRow;

QByteArray pattern(qsizetype n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

// A device that says it holds nothing yet and hands out a few bytes per
// read, as a pipe or a file being written does: the reader must go on until
// the end, not stop at what the device announced.
class Trickle : public QIODevice
{
public:
    explicit Trickle(QByteArray bytes) : bytes_(std::move(bytes)) { open(ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 0; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = std::min<qint64>({max, 7, bytes_.size() - at_});
        std::copy_n(bytes_.constData() + at_, n, data);
        at_ += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 at_ = 0;
};

TEST(ReadAtMost, ReadsTheWholeFileUpToOneByteBeyondTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr qint64 Limit = 100'000; // more than one chunk of the reader
    const struct
    {
        qsizetype size;
        qsizetype expected;
    } cases[] = {{0, 0},
                 {1, 1},
                 {2048, 2048},
                 {64 * 1024, 64 * 1024},
                 {Limit, Limit},
                 {Limit + 1, Limit + 1},
                 {3 * Limit, Limit + 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(caseRow(cases, c));
        const QByteArray bytes = pattern(c.size);
        QFile file(dir.filePath(QStringLiteral("f")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(readAtMost(file, Limit), bytes.left(c.expected));
        EXPECT_EQ(file.error(), QFileDevice::NoError);
    }
}

TEST(ReadAtMost, GoesOnPastWhatTheDeviceAnnounced)
{
    const QByteArray bytes = pattern(70'000);
    Trickle whole(bytes);
    EXPECT_EQ(readAtMost(whole, 100'000), bytes);
    Trickle cut(bytes);
    EXPECT_EQ(readAtMost(cut, 1000), bytes.left(1001));
}

TEST(ReadAtMost, StopsAtAnErrorWithWhatCameBefore)
{
    QBuffer closed;
    EXPECT_TRUE(readAtMost(closed, 10).isEmpty()); // not open: read() fails
    QBuffer buffer;
    buffer.setData(pattern(10));
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    ASSERT_TRUE(buffer.seek(4));
    EXPECT_EQ(readAtMost(buffer, 100), pattern(10).mid(4)); // from where it stands
}

// What the program takes in whole comes only from a regular file within
// the limit; everything else is refused before it is read, and a FIFO is
// refused without waiting for a writer (the test would hang otherwise).
TEST(ReadRegularFile, TakesOnlyARegularFileWithinTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&dir](const char *name) { return dir.filePath(QLatin1String(name)); };
    const auto put = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    constexpr qint64 Limit = 100;
    ASSERT_TRUE(put(at("empty"), {}));
    ASSERT_TRUE(put(at("full"), pattern(Limit)));
    ASSERT_TRUE(put(at("over"), pattern(Limit + 1)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("full", QFile::encodeName(at("link")).constData()), 0);
    ASSERT_EQ(::symlink("loop", QFile::encodeName(at("loop")).constData()), 0);
    ASSERT_EQ(::symlink("folder", QFile::encodeName(at("folderlink")).constData()), 0);

    using pc::FileRead;
    const struct
    {
        QString path;
        FileRead::Fault fault;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {at("empty"), FileRead::None, {}, ""},
        {at("full"), FileRead::None, pattern(Limit), ""},
        {at("link"), FileRead::None, pattern(Limit), ""},
        {at("over"), FileRead::TooLarge, {}, "it is far larger than such a file can be"},
        {at("missing"), FileRead::Missing, {}, "there is no such file"},
        {at("full") + QStringLiteral("/below"), FileRead::Missing, {}, "there is no such file"},
        {QString(), FileRead::Missing, {}, "there is no such file"},
        {at("folder"), FileRead::Folder, {}, "it is a folder"},
        {at("folderlink"), FileRead::Folder, {}, "it is a folder"},
        {at("fifo"), FileRead::NotRegular, {}, "it is not a regular file"},
        {QStringLiteral("/dev/null"), FileRead::NotRegular, {}, "it is not a regular file"},
        {at("loop"), FileRead::CannotRead, {}, "Too many levels of symbolic links"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const FileRead read = pc::readRegularFile(c.path, Limit);
        EXPECT_EQ(read.fault, c.fault);
        EXPECT_EQ(read.bytes, c.bytes);
        EXPECT_EQ(pc::fileReadReason(read), QString::fromUtf8(c.reason));
    }
}

} // namespace
