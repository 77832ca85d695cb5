#include "case_row.h"
#include "window/settings_file.h"

#include "small_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeAll(const QString &path, const QByteArray &text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(SettingsFile, BesideTheExecutableOrInTheConfigurationDirectory)
{
    struct Case
    {
        const char *exe;
        bool writable;
        const char *expected;
    };
    const Case cases[] = {
        {"/opt/pc/Pilecorr.exe", true, "/opt/pc/Pilecorr.INI"},
        {"/opt/pc/Pilecorr.exe", false, "/home/u/.config/pilecorr/Pilecorr.INI"},
        {"/usr/bin/pilecorr", true, "/usr/bin/pilecorr.INI"},
        {"/usr/bin/pilecorr", false, "/home/u/.config/pilecorr/pilecorr.INI"},
        {"/x/a.b.exe", true, "/x/a.b.INI"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        QString asked;
        const QString location = pc::settingsLocation(
            QString::fromLatin1(c.exe),
            [&](const QString &dir) {
                asked = dir;
                return c.writable;
            },
            QStringLiteral("/home/u/.config/pilecorr"));
        EXPECT_EQ(location, QString::fromLatin1(c.expected)) << c.exe;
        EXPECT_EQ(asked, QFileInfo(QString::fromLatin1(c.exe)).absolutePath());
    }
}

TEST(SettingsFile, ReadsTheThreeEntriesAsStored)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.INI"));
    EXPECT_FALSE(pc::readSettingsFile(path).metric); // no file
    EXPECT_FALSE(pc::readSettingsFile(QString()).sfMin);

    // A decimal comma without quotes (as a program that does not quote writes
    // it) and one with quotes both come back whole.
    writeAll(path, "[Units]\nMetric=0\n[SFMinReq]\nSFMinRequired=2,50\n"
                   "[SFMaxReq]\nSFMaxRequired=\"6,00\"\n");
    const pc::StoredSettings s = pc::readSettingsFile(path);
    EXPECT_EQ(s.metric, QStringLiteral("0"));
    EXPECT_EQ(s.sfMin, QStringLiteral("2,50"));
    EXPECT_EQ(s.sfMax, QStringLiteral("6,00"));

    writeAll(path, "[Units]\nMetric=1\n");
    const pc::StoredSettings missing = pc::readSettingsFile(path);
    EXPECT_EQ(missing.metric, QStringLiteral("1"));
    EXPECT_FALSE(missing.sfMin);
    EXPECT_FALSE(missing.sfMax);
}

TEST(SettingsFile, WritesItsEntriesAndKeepsEverythingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/p.INI"));
    // The directory is made when missing.
    ASSERT_TRUE(pc::writeSettingsFile(path, QStringLiteral("1"), QStringLiteral("1.50"),
                                      QStringLiteral("10.00")));
    EXPECT_EQ(readAll(path), QStringLiteral("[Units]\nMetric=1\n"
                                            "[SFMinReq]\nSFMinRequired=1.50\n"
                                            "[SFMaxReq]\nSFMaxRequired=10.00\n"));

    writeAll(path, "[Units]\nMetric=1\nColour=blue\n\n[Window]\nLeft=10\n");
    ASSERT_TRUE(pc::writeSettingsFile(path, QStringLiteral("0"), QStringLiteral("2,00"),
                                      QStringLiteral("3,00")));
    const QString written = readAll(path);
    EXPECT_TRUE(written.contains(QStringLiteral("Colour=blue"))) << qPrintable(written);
    EXPECT_TRUE(written.contains(QStringLiteral("[Window]\nLeft=10"))) << qPrintable(written);
    const pc::StoredSettings back = pc::readSettingsFile(path);
    EXPECT_EQ(back.metric, QStringLiteral("0"));
    EXPECT_EQ(back.sfMin, QStringLiteral("2,00"));
    EXPECT_EQ(back.sfMax, QStringLiteral("3,00"));
    // Nothing is left beside the file (the temporary file it was written to
    // has been renamed into place).
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files),
              QStringList{QStringLiteral("p.INI")});
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsReported)
{
    QTemporaryDir dir;
    // Its directory would have to be made where a file stands.
    const QString blocker = dir.filePath(QStringLiteral("file"));
    writeAll(blocker, "not a directory\n");
    EXPECT_FALSE(pc::writeSettingsFile(blocker + QStringLiteral("/p.INI"), QStringLiteral("1"),
                                       QStringLiteral("1.50"), QStringLiteral("10.00")));
    EXPECT_FALSE(pc::writeSettingsFile(QString(), QStringLiteral("1"), QStringLiteral("1.50"),
                                       QStringLiteral("10.00")));
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

bool write(const QString &path, const pc::SettingsBytesWriter &writer = {})
{
    return pc::writeSettingsFile(path, QStringLiteral("0"), QStringLiteral("2,50"),
                                 QStringLiteral("6,00"), writer);
}

// What a user keeps in the file besides the program's three keys, with the
// file's own line ends and a Latin-1 name.
const QByteArray UsersFile = "; kept by hand\r\n"
                             "[Window]\r\n"
                             "Name=M\xFCller\r\n"
                             "note=a;b\r\n"
                             "\r\n"
                             "[units]\r\n"
                             "metric=1\r\n"
                             "[SFMaxReq]\r\n"
                             "SFMaxRequired=\"10,00\"\r\n";

TEST(SettingsFile, ACloseKeepsWhatTheUserWroteInTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.INI"));
    writeAll(path, UsersFile);
    ASSERT_TRUE(write(path));
    EXPECT_EQ(readBytes(path), QByteArray("; kept by hand\r\n"
                                          "[Window]\r\n"
                                          "Name=M\xFCller\r\n"
                                          "note=a;b\r\n"
                                          "\r\n"
                                          "[units]\r\n"
                                          "metric=0\r\n"
                                          "[SFMaxReq]\r\n"
                                          "SFMaxRequired=6,00\r\n"
                                          "[SFMinReq]\r\n"
                                          "SFMinRequired=2,50\r\n"));
    const pc::StoredSettings back = pc::readSettingsFile(path);
    EXPECT_EQ(back.metric, QStringLiteral("0"));
    EXPECT_EQ(back.sfMin, QStringLiteral("2,50"));
    EXPECT_EQ(back.sfMax, QStringLiteral("6,00"));
}

// Anything but a regular file at the path: it reads as no file, at once, and
// is neither written into nor replaced.
TEST(SettingsFile, OnlyARegularFileIsReadOrWritten)
{
    QTemporaryDir dir;
    struct Case
    {
        const char *name;
        std::function<bool(const QString &path)> make;
        mode_t type;
    };
    const Case cases[] = {
        {"a FIFO", [](const QString &path) { return ::mkfifo(QFile::encodeName(path), 0644) == 0; },
         S_IFIFO},
        {"a folder", [](const QString &path) { return QDir().mkdir(path); }, S_IFDIR},
        {"a socket",
         [](const QString &path) {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const QByteArray name = QFile::encodeName(path);
             if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
                 return false;
             std::memcpy(address.sun_path, name.constData(), name.size());
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound = s >= 0 && ::bind(s, reinterpret_cast<const sockaddr *>(&address),
                                                 sizeof address) == 0;
             if (s >= 0)
                 ::close(s);
             return bound;
         },
         S_IFSOCK},
        // A device node of its own (the null device's numbers), made only
        // where this process may make one.
        {"a device",
         [](const QString &path) {
             return ::mknod(QFile::encodeName(path), S_IFCHR | 0666, makedev(1, 3)) == 0;
         },
         S_IFCHR},
    };
    int made = 0;
    for (const Case &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name).replace(' ', '_'));
        if (!c.make(path)) {
            ASSERT_EQ(c.type, static_cast<mode_t>(S_IFCHR)) << c.name << " could not be made";
            continue; // only root makes device nodes
        }
        ++made;
        const pc::StoredSettings stored = pc::readSettingsFile(path);
        EXPECT_FALSE(stored.metric || stored.sfMin || stored.sfMax) << c.name;
        EXPECT_FALSE(write(path)) << c.name;
        struct stat st
        {
        };
        ASSERT_EQ(::lstat(QFile::encodeName(path), &st), 0) << c.name;
        EXPECT_EQ(st.st_mode & S_IFMT, c.type) << c.name << " was replaced";
    }
    EXPECT_GE(made, 3);
    // Nothing was left beside them (no temporary file of a write).
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              made);
}

// The old file stays byte for byte, and no temporary file is left, whenever
// the new contents do not all go out.
TEST(SettingsFile, AFailedWriteKeepsTheOldFile)
{
    struct Case
    {
        const char *name;
        pc::SettingsBytesWriter writer;
    };
    const Case cases[] = {
        {"nothing written", [](QFileDevice &, const QByteArray &) { return false; }},
        {"half written",
         [](QFileDevice &file, const QByteArray &bytes) {
             file.write(bytes.left(bytes.size() / 2));
             return false;
         }},
        {"all written, a failure reported",
         [](QFileDevice &file, const QByteArray &bytes) {
             file.write(bytes);
             return false;
         }},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.INI"));
        writeAll(path, UsersFile);
        EXPECT_FALSE(write(path, c.writer)) << c.name;
        EXPECT_EQ(readBytes(path), UsersFile) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("p.INI")})
            << c.name;
    }
}

// A real failure of the system's write: a file size limit for this process
// stops the new contents after a few bytes.
TEST(SettingsFile, AWriteTheSystemRefusesKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.INI"));
    writeAll(path, UsersFile);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 16;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = write(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), UsersFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("p.INI")});
    // Without the limit the same write goes through.
    EXPECT_TRUE(write(path));
    EXPECT_EQ(pc::readSettingsFile(path).sfMin, QStringLiteral("2,50"));
}

TEST(SettingsFile, AFullDiskKeepsTheOldFile)
{
    const pc::test::SmallTmpfs disk("size=8k");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    const QString path = disk.filePath(QStringLiteral("p.INI"));
    writeAll(path, UsersFile);
    ASSERT_TRUE(disk.fill(QStringLiteral("filler")));

    EXPECT_FALSE(write(path));
    EXPECT_EQ(readBytes(path), UsersFile);
    QStringList left = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("filler"), QStringLiteral("p.INI")}));

    // With room again the same write goes through.
    ASSERT_TRUE(QFile::remove(disk.filePath(QStringLiteral("filler"))));
    EXPECT_TRUE(write(path));
    EXPECT_EQ(pc::readSettingsFile(path).metric, QStringLiteral("0"));
}

TEST(SettingsFile, AFolderIsWritableOnlyWhenAFileCanBeMadeInIt)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file"));
    writeAll(file, "x");
    EXPECT_TRUE(pc::settingsDirectoryWritable(dir.path()));
    EXPECT_FALSE(pc::settingsDirectoryWritable(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(pc::settingsDirectoryWritable(file));
    EXPECT_FALSE(pc::settingsDirectoryWritable(QString()));
    if (::geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        EXPECT_FALSE(pc::settingsDirectoryWritable(locked));
    }

    // A read-only file system (an installed program's image) whose
    // permission bits allow everyone to write: the settings go to the
    // configuration folder.
    const pc::test::SmallTmpfs image("size=8k,mode=0777,ro");
    if (!image.mounted())
        GTEST_SKIP() << qPrintable(image.reason());
    ASSERT_EQ(QFileInfo(image.path()).permissions() & QFileDevice::WriteOther,
              QFileDevice::WriteOther);
    EXPECT_FALSE(pc::settingsDirectoryWritable(image.path()));
    EXPECT_EQ(pc::settingsLocation(image.path() + QStringLiteral("/pilecorr"),
                                   pc::settingsDirectoryWritable,
                                   QStringLiteral("/home/u/.config/pilecorr")),
              QStringLiteral("/home/u/.config/pilecorr/pilecorr.INI"));
}

TEST(SettingsFile, TextsSavedForTheBand)
{
    struct Case
    {
        QChar decimal;
        const char *sfmin, *sfmax;
        const char *savedMin, *savedMax;
    };
    const Case cases[] = {
        {'.', "", "", "1.50", "10.00"},
        {'.', "1.5", "20", "1.50", "20.00"},
        {'.', "2", "2.1", "2.00", "10.00"}, // not above 1.1 x 2.00 = 2.20
        {'.', "2", "2.3", "2.00", "2.30"},
        {'.', "", "6", "1.50", "6.00"},     // an empty Sfmin counts as 1.50
        {'.', ",", "1.6", "1.50", "10.00"}, // not a number: the default
        {'.', "2", ".", "2.00", "10.00"},
        {',', "2,5", "6", "2,50", "6,00"},
        {',', "2.5", "6", "1,50", "6,00"}, // a point is not the user's separator
    };
    for (const Case &c : cases) {
        const QString sfmin = QString::fromLatin1(c.sfmin);
        EXPECT_EQ(pc::settingsSfMinText(sfmin, c.decimal), QString::fromLatin1(c.savedMin))
            << c.sfmin;
        EXPECT_EQ(pc::settingsSfMaxText(QString::fromLatin1(c.sfmax), sfmin, c.decimal),
                  QString::fromLatin1(c.savedMax))
            << c.sfmin << " " << c.sfmax;
    }
}

} // namespace
