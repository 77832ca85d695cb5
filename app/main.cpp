// The Qt program: `pilecorr [--settings FILE] [CATALOGUE]` runs the main
// window on the catalogue named or that of the working directory;
// `pilecorr --script FILE [options]` plays a script of the headless driver on
// the real window and prints what `pilecorr-cli script` prints for it
// (`--screenshots DIR` also saves a picture of each page shown). The command
// line is read before QApplication exists: --help, --version and a wrong
// option need no display.

#include "command_line.h"
#include "driver/script_runner.h"
#include "gui_session.h"
#include "page_picture.h"
#include "qt_platform.h"
#include "script_player.h"
#include "window/app.h"
#include "window/catalogue_locator.h"
#include "window/settings_file.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>

namespace {

int scriptError(const QString &message)
{
    std::fprintf(stderr, "pilecorr --script: %s\n", message.toLocal8Bit().constData());
    return pc::driver::ScriptError;
}

int runScriptMode(QStringList args)
{
    QString screenshots;
    if (const auto i = args.indexOf(QStringLiteral("--screenshots")); i >= 0) {
        if (i + 1 >= args.size())
            return scriptError(QStringLiteral("--screenshots needs a folder"));
        screenshots = args[i + 1];
        args.remove(i, 2);
    }
    pc::driver::ScriptOptions options;
    options.programName = QStringLiteral("pilecorr --script");
    QString scriptPath;
    QString error;
    if (!pc::driver::parseScriptArguments(args, options, scriptPath, error))
        return scriptError(error);
    QByteArray script;
    if (!pc::driver::readScriptFile(scriptPath, script))
        return scriptError(QStringLiteral("cannot read %1").arg(scriptPath));
    pc::gui::WidgetScriptTarget target(screenshots);
    const int status = pc::driver::runScript(script, options, std::cout, std::cerr, {}, &target);
    std::cout.flush();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const pc::gui::CommandLine line = pc::gui::parseCommandLine(arguments);
    switch (line.action) {
    case pc::gui::CommandLine::Action::Help:
    case pc::gui::CommandLine::Action::Version:
        std::fputs(line.text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case pc::gui::CommandLine::Action::Error:
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return 2;
    case pc::gui::CommandLine::Action::Run:
    case pc::gui::CommandLine::Action::Script:
        break;
    }

    QApplication application(argc, argv);
    // Window and message captions are the program's own texts; without this the
    // platform may append the executable's name to them.
    QApplication::setApplicationDisplayName(QString());

    if (line.action == pc::gui::CommandLine::Action::Script) {
        // The arguments as QApplication left them (without Qt's own options).
        QStringList args = QApplication::arguments();
        args.removeFirst();
        args.removeAt(args.indexOf(QStringLiteral("--script")));
        return runScriptMode(args);
    }

    pc::QtPlatform platform;
    pc::AppOptions options = pc::gui::appOptionsFor(line, pc::defaultSettingsLocation);
    options.catalogueFolders = {pc::installedDataFolder(QCoreApplication::applicationDirPath())};
    pc::App app(platform, options);
    pc::gui::Session session(app, {});
    pc::gui::takePagePicturesFrom(platform, session);
    QObject::connect(&session, &pc::gui::Session::ended, &application,
                     [](int code) { QApplication::exit(code); });
    app.start();
    session.afterUserAction();
    if (app.ended())
        return app.exitCode();
    return QApplication::exec();
}
