#include "window/settings_file.h"

#include "output/whole_file.h"
#include "units/format.h"
#include "window/ini_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace pc {

namespace {

const QByteArray UnitsSection = QByteArrayLiteral("Units");
const QByteArray MetricKey = QByteArrayLiteral("Metric");
const QByteArray SfMinSection = QByteArrayLiteral("SFMinReq");
const QByteArray SfMinKey = QByteArrayLiteral("SFMinRequired");
const QByteArray SfMaxSection = QByteArrayLiteral("SFMaxReq");
const QByteArray SfMaxKey = QByteArrayLiteral("SFMaxRequired");

// A settings file holds three short lines and what the user added; anything
// larger is not one, and is neither read nor replaced.
constexpr qint64 MaxSettingsFileBytes = 1 << 20;

// The bytes of the settings file at `path`; nothing when it is missing, not
// a regular file, too large or cannot be read.
std::optional<QByteArray> readSettingsBytes(const QString &path)
{
    FileRead read = readRegularFile(path, MaxSettingsFileBytes);
    if (read.fault != FileRead::None)
        return std::nullopt;
    return std::move(read.bytes);
}

} // namespace

QString settingsLocation(const QString &executablePath,
                         const std::function<bool(const QString &dir)> &writable,
                         const QString &configDir)
{
    const QFileInfo exe(executablePath);
    const QString name = exe.completeBaseName() + QStringLiteral(".INI");
    const QString dir = exe.absolutePath();
    if (writable(dir))
        return QDir(dir).filePath(name);
    return QDir(configDir).filePath(name);
}

bool settingsDirectoryWritable(const QString &dir)
{
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
#ifdef Q_OS_UNIX
    // access() asks the kernel, which also knows a read-only mount, for the
    // process's own user (root included).
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
#else
    return QFileInfo(dir).isWritable();
#endif
}

QString defaultSettingsLocation()
{
    if (!QCoreApplication::instance())
        return QString();
    const QString exe = QCoreApplication::applicationFilePath();
    if (exe.isEmpty())
        return QString();
    return settingsLocation(exe, settingsDirectoryWritable,
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

StoredSettings readSettingsFile(const QString &path)
{
    StoredSettings stored;
    if (path.isEmpty())
        return stored;
    const std::optional<QByteArray> text = readSettingsBytes(path);
    if (!text)
        return stored;
    stored.metric = iniValue(*text, UnitsSection, MetricKey);
    stored.sfMin = iniValue(*text, SfMinSection, SfMinKey);
    stored.sfMax = iniValue(*text, SfMaxSection, SfMaxKey);
    return stored;
}

bool writeSettingsFile(const QString &path, const QString &metric, const QString &sfMin,
                       const QString &sfMax, const SettingsBytesWriter &writer)
{
    if (path.isEmpty())
        return false;
    QByteArray old;
    FileRead read = readRegularFile(path, MaxSettingsFileBytes);
    switch (read.fault) {
    case FileRead::None:
        old = std::move(read.bytes);
        break;
    case FileRead::Missing:
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        break;
    default:
        // Writing into a FIFO would wait for a reader for ever; a device or a
        // folder is not the user's settings file to replace, and one that
        // cannot be read whole would lose what the user added to it.
        return false;
    }
    const QByteArray text = iniWithEntries(old, {{UnitsSection, MetricKey, metric},
                                                 {SfMinSection, SfMinKey, sfMin},
                                                 {SfMaxSection, SfMaxKey, sfMax}});

    // On any failure the temporary file is dropped and the old file stays.
    return !writeWholeFile(path, text, writer);
}

QString settingsNumberText(QChar decimal, long double value)
{
    return format(decimal, "%1.2f", {value});
}

QString settingsSfMinText(const QString &sfminText, QChar decimal)
{
    return settingsNumberText(decimal,
                              parseNumber(sfminText, decimal).value_or(SettingsDefaultSfMin));
}

QString settingsSfMaxText(const QString &sfmaxText, const QString &sfminText, QChar decimal)
{
    const long double sfMin = parseNumber(sfminText, decimal).value_or(SettingsDefaultSfMin);
    const auto sfMax = parseNumber(sfmaxText, decimal);
    return settingsNumberText(decimal,
                              sfMax && *sfMax > 1.1L * sfMin ? *sfMax : SettingsDefaultSfMax);
}

} // namespace pc
