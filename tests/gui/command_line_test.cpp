// The Qt program's command line, read before any window exists.

#include "command_line.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Action = pc::gui::CommandLine::Action;

QString absolute(const char *path)
{
    return QFileInfo(QString::fromUtf8(path)).absoluteFilePath();
}

TEST(CommandLine, WhatTheProgramIsToldToDo)
{
    struct Case
    {
        const char *name;
        QStringList args; // after the program's name
        Action action;
        QString settings;
        QString catalogue;
        const char *textHolds; // for help, version and errors
    };
    const Case cases[] = {
        {"nothing: the window on the working directory", {}, Action::Run, {}, {}, ""},
        {"a catalogue", {"/data/my.pkd"}, Action::Run, {}, "/data/my.pkd", ""},
        {"a relative catalogue is made absolute",
         {"cat/my.pkd"},
         Action::Run,
         {},
         absolute("cat/my.pkd"),
         ""},
        {"settings without a script",
         {"--settings", "/tmp/s.INI"},
         Action::Run,
         "/tmp/s.INI",
         {},
         ""},
        {"settings written with =",
         {"--settings=rel.INI", "/d/c.pkd"},
         Action::Run,
         absolute("rel.INI"),
         "/d/c.pkd",
         ""},
        {"Qt's own options are let through",
         {"-platform", "offscreen", "-style", "fusion", "-reverse", "/d/c.pkd"},
         Action::Run,
         {},
         "/d/c.pkd",
         ""},
        {"--help", {"--help"}, Action::Help, {}, {}, "--settings FILE"},
        {"-h", {"-h", "/d/c.pkd"}, Action::Help, {}, {}, "CATALOGUE"},
        {"--version", {"--version"}, Action::Version, {}, {}, "Pilecorr 2.5.0.3\n"},
        {"-v", {"-v"}, Action::Version, {}, {}, "2.5.0.3"},
        {"an unknown option", {"--frobnicate"}, Action::Error, {}, {}, "frobnicate"},
        {"an unknown short option", {"-x"}, Action::Error, {}, {}, "Usage: pilecorr"},
        {"--settings without its file", {"--settings"}, Action::Error, {}, {}, "settings"},
        {"--settings with an empty file",
         {"--settings", ""},
         Action::Error,
         {},
         {},
         "--settings needs a file"},
        {"two catalogues", {"a.pkd", "b.pkd"}, Action::Error, {}, {}, "one catalogue at most"},
        {"a script, whatever follows",
         {"--settings", "s.INI", "--script", "x.script", "--ppi", "120"},
         Action::Script,
         {},
         {},
         ""},
    };
    for (const Case &c : cases) {
        QStringList args = c.args;
        args.prepend(QStringLiteral("/usr/bin/pilecorr"));
        const pc::gui::CommandLine line = pc::gui::parseCommandLine(args);
        EXPECT_EQ(line.action, c.action) << c.name;
        EXPECT_EQ(line.settingsPath, c.settings) << c.name;
        EXPECT_EQ(line.cataloguePath, c.catalogue) << c.name;
        EXPECT_TRUE(line.text.contains(QString::fromUtf8(c.textHolds)))
            << c.name << ": " << qPrintable(line.text);
        if (c.action == Action::Error) {
            EXPECT_TRUE(line.text.contains(QStringLiteral("Usage: pilecorr"))) << c.name;
        }
    }
}

// --settings replaces the usual settings file also without --script, and the
// catalogue named reaches the program.
TEST(CommandLine, TheWindowsRunTakesWhatTheLineNames)
{
    int asked = 0;
    const auto usual = [&asked] {
        ++asked;
        return QStringLiteral("/opt/pc/pilecorr.INI");
    };
    const pc::AppOptions named = pc::gui::appOptionsFor(
        pc::gui::parseCommandLine({QStringLiteral("pilecorr"), QStringLiteral("--settings"),
                                   QStringLiteral("/tmp/mine.INI"), QStringLiteral("/d/c.pkd")}),
        usual);
    EXPECT_EQ(named.settingsPath, QStringLiteral("/tmp/mine.INI"));
    EXPECT_EQ(named.cataloguePath, QStringLiteral("/d/c.pkd"));
    EXPECT_TRUE(named.askDisclaimer);
    EXPECT_EQ(asked, 0);

    const pc::AppOptions plain =
        pc::gui::appOptionsFor(pc::gui::parseCommandLine({QStringLiteral("pilecorr")}), usual);
    EXPECT_EQ(plain.settingsPath, QStringLiteral("/opt/pc/pilecorr.INI"));
    EXPECT_EQ(plain.cataloguePath, QString());
    EXPECT_TRUE(plain.askDisclaimer);
    EXPECT_EQ(asked, 1);
}

} // namespace
