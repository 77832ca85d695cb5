#include "window/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    EXPECT_EQ(readAll(path), QStringLiteral("[SFMaxReq]\nSFMaxRequired=10.00\n\n"
                                            "[SFMinReq]\nSFMinRequired=1.50\n\n"
                                            "[Units]\nMetric=1\n"));

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
