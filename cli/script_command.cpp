// pilecorr-cli script FILE [--cwd DIR] [--settings FILE] [--decimal-separator C]
//                          [--system-decimal-separator C] [--ppi N] [--disclaimer]

#include "commands.h"

#include "driver/script_runner.h"
#include "window/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <iostream>

namespace {

int usageError(const QString &message)
{
    std::fprintf(stderr, "pilecorr-cli script: %s\n", message.toLocal8Bit().constData());
    return pc::driver::ScriptError;
}

bool readScript(const QString &path, QByteArray &script)
{
    QFile file;
    const bool ok = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                               : (file.setFileName(path),
                                                  file.open(QIODevice::ReadOnly));
    if (!ok)
        return false;
    script = file.readAll();
    return true;
}

} // namespace

int runScriptCommand(const QStringList &args)
{
    pc::driver::ScriptOptions options;
    options.workingDirectory = QDir::currentPath();
    // The program's own settings file unless --settings names another.
    options.settingsPath = pc::defaultSettingsLocation();
    QString scriptPath;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString &into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--disclaimer")) {
            options.askDisclaimer = true;
        } else if (a == QLatin1String("--cwd")) {
            if (!value(v) || !QFileInfo(v).isDir())
                return usageError(QStringLiteral("--cwd needs an existing directory"));
            options.workingDirectory = QFileInfo(v).absoluteFilePath();
        } else if (a == QLatin1String("--settings")) {
            if (!value(v) || v.isEmpty())
                return usageError(QStringLiteral("--settings needs a file"));
            options.settingsPath = QFileInfo(v).absoluteFilePath();
        } else if (a == QLatin1String("--decimal-separator") ||
                   a == QLatin1String("--system-decimal-separator")) {
            if (!value(v) || v.size() != 1)
                return usageError(a + QStringLiteral(" needs one character"));
            (a == QLatin1String("--decimal-separator") ? options.decimalSeparator
                                                       : options.systemDecimalSeparator) = v[0];
        } else if (a == QLatin1String("--ppi")) {
            bool ok = false;
            const int ppi = value(v) ? v.toInt(&ok) : 0;
            if (!ok || ppi < 1 || ppi > 10000)
                return usageError(QStringLiteral("--ppi needs a whole number from 1 to 10000"));
            options.pixelsPerInch = ppi;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option %1").arg(a));
        } else if (scriptPath.isEmpty()) {
            scriptPath = a;
        } else {
            return usageError(QStringLiteral("only one script file, not also %1").arg(a));
        }
    }
    if (scriptPath.isEmpty())
        return usageError(QStringLiteral("no script file (use - for standard input)"));
    QByteArray script;
    if (!readScript(scriptPath, script))
        return usageError(QStringLiteral("cannot read %1").arg(scriptPath));
    try {
        const int status = pc::driver::runScript(script, options, std::cout, std::cerr);
        std::cout.flush();
        return status;
    } catch (const std::exception &e) {
        std::cout.flush();
        return usageError(QStringLiteral("stopped: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}
