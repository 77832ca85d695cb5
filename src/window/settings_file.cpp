#include "window/settings_file.h"

#include "units/format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace pc {

namespace {

std::optional<QString> storedText(const QSettings &settings, const QString &key)
{
    if (!settings.contains(key))
        return std::nullopt;
    const QVariant v = settings.value(key);
    // An unquoted comma makes the INI reader split the value into a list; the
    // value is the number the user wrote with a decimal comma.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
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

QString defaultSettingsLocation()
{
    if (!QCoreApplication::instance())
        return QString();
    const QString exe = QCoreApplication::applicationFilePath();
    if (exe.isEmpty())
        return QString();
    return settingsLocation(
        exe, [](const QString &dir) { return QFileInfo(dir).isWritable(); },
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

StoredSettings readSettingsFile(const QString &path)
{
    StoredSettings stored;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return stored;
    const QSettings settings(path, QSettings::IniFormat);
    stored.metric = storedText(settings, SettingsUnitsKey);
    stored.sfMin = storedText(settings, SettingsSfMinKey);
    stored.sfMax = storedText(settings, SettingsSfMaxKey);
    return stored;
}

bool writeSettingsFile(const QString &path, const QString &metric, const QString &sfMin,
                       const QString &sfMax)
{
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath()))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    // The file is written to a temporary file beside it and renamed into
    // place, never half-written.
    settings.setAtomicSyncRequired(true);
    settings.setValue(SettingsUnitsKey, metric);
    settings.setValue(SettingsSfMinKey, sfMin);
    settings.setValue(SettingsSfMaxKey, sfMax);
    settings.sync();
    return settings.status() == QSettings::NoError && QFileInfo::exists(path);
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
