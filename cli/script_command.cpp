// pilecorr-cli script FILE [--cwd DIR] [--settings FILE] [--decimal-separator C]
//                          [--system-decimal-separator C] [--ppi N] [--disclaimer]

#include "commands.h"

#include "driver/script_runner.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

namespace {

// Beside the driver's own statuses (0 ran to its end, 2 a script error).
constexpr int ScriptOutputLost = 1;

int usageError(const QString &message)
{
    std::fprintf(stderr, "pilecorr-cli script: %s\n", message.toLocal8Bit().constData());
    return pc::driver::ScriptError;
}

} // namespace

int runScriptCommand(const QStringList &args)
{
    if (answersHelpOrVersion(
            args,
            "Usage: pilecorr-cli script FILE [--cwd DIR] [--settings FILE]\n"
            "                           [--decimal-separator C] [--system-decimal-separator C]\n"
            "                           [--ppi N] [--disclaimer]\n"
            "Plays the user actions of a script file (- for standard input) on the\n"
            "program without a window; see docs/script-language.md.\n"))
        return 0;
    pc::driver::ScriptOptions options;
    QString scriptPath;
    QString error;
    if (!pc::driver::parseScriptArguments(args, options, scriptPath, error))
        return usageError(error);
    QByteArray script;
    if (!pc::driver::readScriptFile(scriptPath, script))
        return usageError(QStringLiteral("cannot read %1").arg(scriptPath));
    try {
        errno = 0;
        const int status = pc::driver::runScript(script, options, std::cout, std::cerr);
        std::cout.flush();
        // The answers of a run are its output: lost, the run did not succeed.
        if (!std::cout) {
            std::fprintf(stderr, "pilecorr-cli script: the output cannot be written: %s\n",
                         std::strerror(errno));
            return ScriptOutputLost;
        }
        return status;
    } catch (const std::exception &e) {
        std::cout.flush();
        return usageError(QStringLiteral("stopped: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}
