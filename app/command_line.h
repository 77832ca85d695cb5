#pragma once
// The Qt program's command line, read before any window (or QApplication)
// exists, so that --help, --version and a wrong option need no display.

#include "window/app.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace pc::gui {

struct CommandLine
{
    enum class Action {
        Run,     // open the main window
        Script,  // play a script on the window (--script)
        Help,    // print `text` on standard output, exit 0
        Version, // the same
        Error,   // print `text` on standard error, exit 2
    };
    Action action = Action::Run;
    // Run: the settings file (--settings, made absolute; empty: the usual
    // place) and the catalogue named by the argument (made absolute; empty:
    // the working directory's).
    QString settingsPath;
    QString cataloguePath;
    QString text;
};

// `arguments` as the process got them, the program's name first. Any
// "--script" hands the whole line to the script driver's own reading, as
// before. The options Qt itself takes (-platform NAME, -style NAME and the
// like) are let through for QApplication.
CommandLine parseCommandLine(const QStringList &arguments);

// The options of a run of the window: the settings file named, else
// `usualSettings()` (asked only then); the catalogue named; the disclaimer
// asked.
AppOptions appOptionsFor(const CommandLine &line, const std::function<QString()> &usualSettings);

// The usage text --help prints.
QString commandLineHelp();

} // namespace pc::gui
