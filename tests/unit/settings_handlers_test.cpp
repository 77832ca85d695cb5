// The settings file read at start and written at close, on the form model.

#include "app_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
