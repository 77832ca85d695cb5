#include "output/whole_file.h"

#include "case_row.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

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

} // namespace
