#include "commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage:\n"
               "  pilecorr-cli catalogue dump FILE\n"
               "  pilecorr-cli catalogue build SOURCE.json OUT.pkd\n"
               "  pilecorr-cli catalogue sketches SOURCE.json OUTDIR\n"
               "  pilecorr-cli script FILE [--cwd DIR] [--settings FILE] [--decimal-separator C]\n"
               "                      [--system-decimal-separator C] [--ppi N] [--disclaimer]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("catalogue"))
        return runCatalogueCommand(args);
    if (command == QLatin1String("script"))
        return runScriptCommand(args);
    return usage();
}
