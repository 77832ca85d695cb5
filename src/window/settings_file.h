#pragma once
// The settings file: where it lies, and reading and writing its three
// entries (sections "Units", "SFMinReq", "SFMaxReq") as INI text. Plain
// functions of paths and texts; the window decides what the texts mean.

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

namespace pc {

inline const QString SettingsUnitsKey = QStringLiteral("Units/Metric");
inline const QString SettingsSfMinKey = QStringLiteral("SFMinReq/SFMinRequired");
inline const QString SettingsSfMaxKey = QStringLiteral("SFMaxReq/SFMaxRequired");

// Beside the executable, named as it with its extension replaced by ".INI"
// (X.exe: X.INI; a name without extension gains one), when `writable` says
// the executable's directory can be written; otherwise the same file name in
// `configDir`, the user's configuration directory.
QString settingsLocation(const QString &executablePath,
                         const std::function<bool(const QString &dir)> &writable,
                         const QString &configDir);

// The location for this process: its executable (QCoreApplication must
// exist), a directory test of the file system and the configuration
// directory of QStandardPaths. Empty without an executable path.
QString defaultSettingsLocation();

// The three entries as stored: nothing for a missing key. A value holding the
// user's decimal comma written without quotes comes back whole.
struct StoredSettings
{
    std::optional<QString> metric;
    std::optional<QString> sfMin;
    std::optional<QString> sfMax;
};
StoredSettings readSettingsFile(const QString &path);

// Writes the three entries, creating the file, its sections and keys as
// needed and keeping every other section and key. The file is replaced whole
// or not at all (a temporary file beside it is renamed into place). False
// when it cannot be written.
bool writeSettingsFile(const QString &path, const QString &metric, const QString &sfMin,
                       const QString &sfMax);

// The values the fields fall back to, and their texts ("%1.2f" in the user's
// notation).
constexpr long double SettingsDefaultSfMin = 1.5L;
constexpr long double SettingsDefaultSfMax = 10.0L;
QString settingsNumberText(QChar decimal, long double value);

// The texts saved for Sfmin and Sfmax from the fields' texts: each number
// with 2 decimals; Sfmax only when it is above 1.1 x Sfmin, else 10.00. A
// field that is empty or not a number is saved as its default (1.50, 10.00),
// and an Sfmax is compared with the Sfmin that is saved.
QString settingsSfMinText(const QString &sfminText, QChar decimal);
QString settingsSfMaxText(const QString &sfmaxText, const QString &sfminText, QChar decimal);

} // namespace pc
