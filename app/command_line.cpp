#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

namespace pc::gui {

namespace {

const QString Usage = QStringLiteral(
    "Usage: pilecorr [--settings FILE] [CATALOGUE]\n"
    "       pilecorr --script FILE [--cwd DIR] [--settings FILE] [--decimal-separator C]\n"
    "                [--system-decimal-separator C] [--ppi N] [--disclaimer]\n"
    "                [--screenshots DIR]\n"
    "       pilecorr --help | --version\n");

// Qt's own options, which QApplication reads and removes; given with a value
// or alone.
const char *const QtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",        "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet",    "display",
    "session",     "geometry",           "title",         "qmljsdebugger",
};
const char *const QtFlags[] = {"reverse", "nograb", "dograb", "widgetcount", "sync"};

CommandLine error(const QString &why)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.text = QStringLiteral("pilecorr: %1\n").arg(why) + Usage +
                QStringLiteral("Try 'pilecorr --help' for more information.\n");
    return line;
}

} // namespace

QString commandLineHelp()
{
    return Usage +
           QStringLiteral(
               "\n"
               "Steel sheet pile corrosion and safety factors.\n"
               "\n"
               "Arguments:\n"
               "  CATALOGUE            the catalogue file to open (a file of any name, or a\n"
               "                       folder holding \"SSP Pilecorr.pkd\"); without it the\n"
               "                       program looks for \"SSP Pilecorr.pkd\" in the working\n"
               "                       directory, then in its installed data folder\n"
               "                       (../share/pilecorr beside the program), and offers\n"
               "                       to browse for it\n"
               "\n"
               "Options:\n"
               "  -h, --help           print this text and exit\n"
               "  -v, --version        print the program's version and exit\n"
               "  --settings FILE      read the unit system, Sfmin and Sfmax from FILE at\n"
               "                       start and save them there at close, instead of the\n"
               "                       usual settings file\n"
               "  --script FILE        play a script of the headless driver on the window\n"
               "                       and print what `pilecorr-cli script` prints for it;\n"
               "                       the options after it are the driver's, and\n"
               "                       --screenshots DIR saves a picture of each page shown\n");
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    if (arguments.contains(QStringLiteral("--script"))) {
        CommandLine line;
        line.action = CommandLine::Action::Script;
        return line;
    }

    QCommandLineParser parser;
    // "-platform offscreen" is one option, as Qt reads it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption settings(QStringLiteral("settings"), QString(),
                                      QStringLiteral("FILE"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(settings);
    for (const char *name : QtOptionsWithValue)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("VALUE")));
    for (const char *name : QtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments))
        return error(parser.errorText());

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.text = commandLineHelp();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.text = ApplicationTitle.trimmed() + QLatin1Char('\n');
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return error(QStringLiteral("one catalogue at most, not %1").arg(positional.join(' ')));
    if (parser.values(settings).size() > 1)
        return error(QStringLiteral("--settings given more than once"));
    if (parser.isSet(settings)) {
        const QString file = parser.value(settings);
        if (file.isEmpty())
            return error(QStringLiteral("--settings needs a file"));
        line.settingsPath = QFileInfo(file).absoluteFilePath();
    }
    if (!positional.isEmpty()) {
        if (positional[0].isEmpty())
            return error(QStringLiteral("the catalogue's name is empty"));
        line.cataloguePath = QFileInfo(positional[0]).absoluteFilePath();
    }
    return line;
}

AppOptions appOptionsFor(const CommandLine &line, const std::function<QString()> &usualSettings)
{
    AppOptions options;
    options.askDisclaimer = true;
    options.settingsPath = line.settingsPath.isEmpty() ? usualSettings() : line.settingsPath;
    options.cataloguePath = line.cataloguePath;
    return options;
}

} // namespace pc::gui
