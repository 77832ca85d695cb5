#pragma once
// The headless driver: runs the program with the scripted platform and no
// window, reads user actions from a script, prints what `get` and `dump`
// ask for. The script syntax and the output are a stable contract.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

namespace pc {
class App;
} // namespace pc

namespace pc::driver {

class ScriptTarget;

struct ScriptOptions
{
    QString workingDirectory; // absolute; where the catalogue is looked for
    QString settingsPath;     // empty = no settings file (see AppOptions)
    QChar decimalSeparator = QLatin1Char('.');
    QChar systemDecimalSeparator = QLatin1Char('.');
    int pixelsPerInch = 96;
    bool askDisclaimer = false;
    // How error messages name the program ("pilecorr-cli script").
    QString programName = QStringLiteral("pilecorr-cli script");
};

// Reads the options of a script run ("FILE [--cwd DIR] [--settings FILE]
// [--decimal-separator C] [--system-decimal-separator C] [--ppi N]
// [--disclaimer]") into `options` and `scriptPath`; false with a message in
// `error` when they are wrong.
bool parseScriptArguments(const QStringList &args, ScriptOptions &options, QString &scriptPath,
                          QString &error);

// `text` with every control character written as an escape (\t, \n, \r,
// \xHH), for a message that quotes what the user gave: a NUL or an escape
// sequence must not reach the terminal as it is.
QString printableText(const QString &text);

// Exit statuses of a run.
constexpr int ScriptOk = 0;
constexpr int ScriptError = 2;

// Reads a script file, "-" being standard input; false when it cannot.
bool readScriptFile(const QString &path, QByteArray &script);

// Runs `script` (any bytes; read as UTF-8). Output lines go to `out`, a script
// error to `err` as one line naming the script line. `prepare`, when given,
// is called with the program before it starts (tests replace the catalogue).
// `target` plays the user actions (nothing = the named controls themselves).
int runScript(const QByteArray &script, const ScriptOptions &options, std::ostream &out,
              std::ostream &err, const std::function<void(App &)> &prepare = {},
              ScriptTarget *target = nullptr);

} // namespace pc::driver
