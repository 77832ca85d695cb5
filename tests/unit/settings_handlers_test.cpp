// The settings file read at start and written at close, on the form model.

#include "app_fixture.h"
#include "small_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct AppWithSettings
{
    pc::ScriptedPlatform p;
    std::unique_ptr<pc::App> a;

    explicit AppWithSettings(const QString &settingsPath)
    {
        pc::AppOptions o;
        o.settingsPath = settingsPath;
        a = std::make_unique<pc::App>(p, o);
        const pc::Catalogue c = pc::test::handlerCatalogue();
        a->catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        a->start();
    }
};

TEST(SettingsHandlers, ASettingsFileThatCannotBeWrittenIsReportedAndTheProgramCloses)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString path = blocker + QStringLiteral("/pilecorr.INI");

    AppWithSettings run(path);
    ASSERT_FALSE(run.a->ended());
    run.a->closeMainWindow();
    EXPECT_TRUE(run.a->ended());
    EXPECT_EQ(run.a->exitCode(), 0);
    ASSERT_EQ(run.p.messages().size(), 1u);
    EXPECT_EQ(run.p.messages()[0].kind, pc::MessageKind::Plain);
    EXPECT_EQ(run.p.messages()[0].caption, pc::ApplicationTitle);
    EXPECT_TRUE(run.p.messages()[0].text.contains(path));
}

TEST(SettingsHandlers, AStartWithoutSettingsFileWritesOneAtCloseOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pilecorr.INI"));
    AppWithSettings run(path);
    EXPECT_FALSE(QFile::exists(path));
    run.a->f.userClick(run.a->f.MenuImperial);
    run.a->closeMainWindow();
    EXPECT_TRUE(run.p.messages().empty());
    // The next start reads it back.
    AppWithSettings again(path);
    EXPECT_FALSE(again.a->s.UnitsMetric);
    EXPECT_TRUE(again.a->f.MenuImperial.checked());
    EXPECT_EQ(again.a->f.Edit_Sfmin.text(), QStringLiteral("1.50"));
    EXPECT_EQ(again.a->f.Edit_SfMax.text(), QStringLiteral("10.00"));
}

bool savedMessageShown(const pc::ScriptedPlatform &p, const QString &path)
{
    return p.messages().size() == 1 && p.messages()[0].kind == pc::MessageKind::Plain &&
           p.messages()[0].caption == pc::ApplicationTitle &&
           p.messages()[0].text == QStringLiteral("The settings could not be saved in\r\n") + path;
}

// A FIFO at the settings path: the start reads no settings and does not wait
// for a writer, the close does not wait for a reader, says that the settings
// were not saved, and the FIFO stays.
TEST(SettingsHandlers, AFifoAtTheSettingsPathNeitherHangsNorIsReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pilecorr.INI"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0644), 0);
    AppWithSettings run(path);
    ASSERT_FALSE(run.a->ended());
    EXPECT_EQ(run.a->f.Edit_Sfmin.text(), QStringLiteral("1.50"));
    run.a->closeMainWindow();
    EXPECT_TRUE(run.a->ended());
    EXPECT_TRUE(savedMessageShown(run.p, path));
    struct stat st
    {
    };
    ASSERT_EQ(::lstat(QFile::encodeName(path), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A disk with room for nothing more: the old file stays as it was and the
// user is told.
TEST(SettingsHandlers, AFullDiskKeepsTheOldFileAndSaysSo)
{
    const pc::test::SmallTmpfs disk("size=8k");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    const QString path = disk.filePath(QStringLiteral("pilecorr.INI"));
    const QByteArray old = "[Units]\nMetric=1\n[SFMinReq]\nSFMinRequired=2.00\n[SFMaxReq]\n"
                           "SFMaxRequired=9.00\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(old), old.size());
    }
    ASSERT_TRUE(disk.fill(QStringLiteral("filler")));
    AppWithSettings run(path);
    ASSERT_EQ(run.a->f.Edit_Sfmin.text(), QStringLiteral("2.00"));
    run.a->f.userClick(run.a->f.MenuImperial);
    run.a->closeMainWindow();
    EXPECT_TRUE(savedMessageShown(run.p, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
}

} // namespace
