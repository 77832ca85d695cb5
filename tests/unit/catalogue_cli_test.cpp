// Runs the built pilecorr-cli on catalogue files and sources.

#include "case_row.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue_test_support.h"
#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace {

using pc::test::CliRun;

CliRun cli(const QStringList &args)
{
    return pc::test::runCli(args);
}

const QString Corrupted =
    QStringLiteral("\"SSP Pilecorr.pkd\" file seems to be corrupted. Reinstall original file.");

TEST(CatalogueCli, DumpBuildDumpIsTheIdentity)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fixture = QStringLiteral(PILECORR_BINARY_DIR "/fixtures/small/SSP Pilecorr.pkd");
    const CliRun first = cli({QStringLiteral("catalogue"), QStringLiteral("dump"), fixture});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();

    const QString source = dir.filePath(QStringLiteral("small.json"));
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(first.out);
    f.close();
    const QString rebuilt = dir.filePath(QStringLiteral("SSP Pilecorr.pkd"));
    const CliRun build =
        cli({QStringLiteral("catalogue"), QStringLiteral("build"), source, rebuilt});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();

    const CliRun second = cli({QStringLiteral("catalogue"), QStringLiteral("dump"), rebuilt});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, first.out);

    QFile a(fixture), b(rebuilt);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(CatalogueCli, FailuresWriteNothingAndSayWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char *name, const QByteArray &bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    const QString out = dir.filePath(QStringLiteral("out.pkd"));

    struct Case
    {
        const char *name;
        QStringList args;
        QString stderrHas;
    } const cases[] = {
        {"source error",
         {QStringLiteral("build"), write("bad.json", "{\"FamilyName\": [\"A\"]}"), out},
         QStringLiteral("SectionName: missing")},
        {"not JSON",
         {QStringLiteral("build"), write("broken.json", "{ nope"), out},
         QStringLiteral("not valid JSON")},
        // The JSON parser recurses once per level: this deep a source once
        // ended the command on its stack.
        {"nested deeper than the stack",
         {QStringLiteral("build"),
          write("deep.json", QByteArray(200000, '[') + QByteArray(200000, ']')), out},
         QStringLiteral("deeper than 64 levels")},
        {"sketches of a deep source",
         {QStringLiteral("sketches"),
          write("deep2.json", QByteArray(200000, '{') + QByteArray(200000, '}')),
          dir.filePath(QStringLiteral("sketches"))},
         QStringLiteral("deeper than 64 levels")},
        {"missing source",
         {QStringLiteral("build"), dir.filePath(QStringLiteral("none.json")), out},
         QStringLiteral("none.json")},
        {"damaged file",
         {QStringLiteral("dump"), write("bad.pkd", QByteArray(559, '\x01'))},
         Corrupted},
        {"missing file",
         {QStringLiteral("dump"), dir.filePath(QStringLiteral("none.pkd"))},
         Corrupted},
    };
    for (const auto &c : cases) {
        const CliRun r = cli(QStringList{QStringLiteral("catalogue")} + c.args);
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(c.stderrHas))
            << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.name;
    }
}

// The built catalogue goes to a regular file or a new path only: a FIFO or a
// device named as the target was once replaced by the file, and the command
// said it succeeded.
TEST(CatalogueCli, BuildNeverReplacesWhatIsNotARegularFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fixture = QStringLiteral(PILECORR_BINARY_DIR "/fixtures/small/SSP Pilecorr.pkd");
    const CliRun dumped = cli({QStringLiteral("catalogue"), QStringLiteral("dump"), fixture});
    ASSERT_EQ(dumped.exitCode, 0);
    const QString source = dir.filePath(QStringLiteral("small.json"));
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dumped.out);
    }
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));

    const struct
    {
        QString target;
        QString says;
    } cases[] = {
        {fifo, QStringLiteral("it is not a regular file")},
        {folder, QStringLiteral("it is a folder")},
        {dir.filePath(QStringLiteral("no/such/folder/out.pkd")), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        const CliRun r =
            cli({QStringLiteral("catalogue"), QStringLiteral("build"), source, c.target});
        EXPECT_EQ(r.exitCode, 1);
        const QString err = QString::fromUtf8(r.err);
        EXPECT_TRUE(err.contains(c.target + QStringLiteral(": ") + c.says)) << err.toStdString();
    }
    struct stat st
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(CatalogueCli, DumpOfARefusedFileSaysWhereTheReaderStopped)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    pc::Catalogue damaged = pc::test::smallFixture();
    damaged.GradeFy[1] = std::numeric_limits<double>::quiet_NaN();
    const QByteArray good = pc::writeCatalogue(pc::test::smallFixture());

    struct Case
    {
        const char *name;
        QByteArray bytes;
        QString reason; // the line after the program's message
    } const cases[] = {
        {"yield strength not a number", pc::writeCatalogue(damaged),
         QStringLiteral("GradeFy[1]: nan is outside above 0 .. 10000")},
        // Two families and six sections: the reduced areas, 4 x 6 float64,
        // start at byte 98.
        {"file cut short", good.left(200),
         QStringLiteral("RedA at byte 98: needs 192 bytes, the file has 102 left")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const QString path = dir.filePath(QStringLiteral("cat.pkd"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const CliRun r = cli({QStringLiteral("catalogue"), QStringLiteral("dump"), path});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
        EXPECT_EQ(QString::fromUtf8(r.err), Corrupted + QLatin1Char('\n') + path +
                                                QStringLiteral(": ") + c.reason + QLatin1Char('\n'))
            << c.name;
    }
}

} // namespace
