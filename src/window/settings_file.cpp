#include "window/settings_file.h"

#include "output/whole_file.h"
#include "units/format.h"
#include "window/ini_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
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

enum class FileKind { Missing, Regular, Other };

// What stands at `path`, symbolic links followed.
FileKind kindOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? FileKind::Missing : FileKind::Other;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
#endif
}

// The bytes of the regular file at `path`; nothing when it is missing, not a
// regular file, too large or cannot be read. A FIFO put there between the
// look and the open does not make the open wait for a writer.
std::optional<QByteArray> readRegularFile(const QString &path)
{
    if (kindOf(path) != FileKind::Regular)
        return std::nullopt;
    QFile file;
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#endif
    if (file.size() > MaxSettingsFileBytes)
        return std::nullopt;
    QByteArray bytes = readAtMost(file, MaxSettingsFileBytes);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxSettingsFileBytes)
        return std::nullopt;
    return bytes;
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
    const std::optional<QByteArray> text = readRegularFile(path);
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
    switch (kindOf(path)) {
    case FileKind::Missing:
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        break;
    case FileKind::Regular:
        if (const std::optional<QByteArray> bytes = readRegularFile(path))
            old = *bytes;
        else
            return false;
        break;
    case FileKind::Other:
        // Writing into a FIFO would wait for a reader for ever; a device or a
        // folder is not the user's settings file to replace.
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
