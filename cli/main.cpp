#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char Usage[] =
    "Usage: pilecorr-cli COMMAND [options]\n"
    "\n"
    "Commands:\n"
    "  check      the report of one design (text as \"Print To File\" writes it, or JSON)\n"
    "  search     the sections of a family whose Sf,red lies in a band\n"
    "  summary    the safety factor summary of a family (CSV or JSON)\n"
    "  life       the service life curve of one design, year by year (CSV or JSON)\n"
    "  batch      one design per row of a CSV file, one result row each\n"
    "  catalogue  dump FILE | build SOURCE.json OUT.pkd | sketches SOURCE.json OUTDIR\n"
    "  script     FILE [--cwd DIR] [--settings FILE] [--decimal-separator C]\n"
    "             [--system-decimal-separator C] [--ppi N] [--disclaimer]\n"
    "\n"
    "Options:\n"
    "  -h, --help  Prints this help; COMMAND --help prints the command's.\n"
    "  --version   Prints the version.\n";

int usageError(const QString &message)
{
    if (!message.isEmpty())
        std::fprintf(stderr, "pilecorr-cli: %s\n", message.toLocal8Bit().constData());
    std::fputs(Usage, stderr);
    return 2;
}

} // namespace

bool answersHelpOrVersion(const QStringList &args, const char *usage)
{
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(usage, stdout);
        return true;
    }
    if (args.contains(QLatin1String("--version"))) {
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return true;
    }
    return false;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The options before the command are the program's; everything from the
    // command on belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Prints the version."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command."));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(QStringLiteral("a command is needed"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("catalogue"))
        return runCatalogueCommand(args);
    if (command == QLatin1String("script"))
        return runScriptCommand(args);
    if (command == QLatin1String("check") || command == QLatin1String("search") ||
        command == QLatin1String("summary") || command == QLatin1String("life") ||
        command == QLatin1String("batch"))
        return runDesignCommand(command, args);
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}
