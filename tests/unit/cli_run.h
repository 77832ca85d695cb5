#pragma once
// Runs the built pilecorr-cli as a user runs it and keeps what it printed.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace pc::test {

struct CliRun
{
    int exitCode = -1; // -1: it crashed or did not finish
    QByteArray out;
    QByteArray err;
};

// pilecorr-cli with `args`, in `workingDirectory` (the test's own when
// empty), under `locale` (LANG and LC_ALL; the test's own when empty), with
// `input` on its standard input, and its standard output into `outputFile`
// when one is named (then `out` stays empty).
inline CliRun runCli(const QStringList &args, const QString &workingDirectory = {},
                     const QString &locale = {}, const QByteArray &input = {},
                     const QString &outputFile = {})
{
    QProcess p;
    if (!outputFile.isEmpty())
        p.setStandardOutputFile(outputFile);
    if (!locale.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("LC_ALL"), locale);
        p.setProcessEnvironment(env);
    }
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(QStringLiteral(PILECORR_CLI), args);
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    CliRun r;
    if (!p.waitForFinished(120000)) {
        ADD_FAILURE() << "pilecorr-cli did not finish";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace pc::test
