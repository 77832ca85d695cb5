#pragma once
// The settings file: where it lies, and reading and writing its three
// entries (sections "Units", "SFMinReq", "SFMaxReq") as INI text
// (window/ini_text.h). Plain functions of paths and texts; the window decides
// what the texts mean.

#include "output/whole_file.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <functional>
#include <optional>

namespace pc {

// Beside the executable, named as it with its extension replaced by ".INI"
// (X.exe: X.INI; a name without extension gains one), when `writable` says
// the executable's directory can be written; otherwise the same file name in
// `configDir`, the user's configuration directory.
QString settingsLocation(const QString &executablePath,
                         const std::function<bool(const QString &dir)> &writable,
                         const QString &configDir);

// Whether a file can be made in `dir` now: false for a folder that is
// missing, not a folder, not writable for this process or on a read-only
// file system (as the image of an installed program may be mounted).
bool settingsDirectoryWritable(const QString &dir);

// The location for this process: its executable (QCoreApplication must
// exist), settingsDirectoryWritable and the configuration directory of
// QStandardPaths (AppConfigLocation). Empty without an executable path.
QString defaultSettingsLocation();

// The three entries as stored: nothing for a missing key. A value holding the
// user's decimal comma comes back whole; one pair of double quotes around a
// value (as earlier versions wrote it) is dropped. Only a regular file is
// read: anything else at the path (a FIFO, a device, a folder) reads as no
// file, and reading never waits for a writer.
struct StoredSettings
{
    std::optional<QString> metric;
    std::optional<QString> sfMin;
    std::optional<QString> sfMax;
};
StoredSettings readSettingsFile(const QString &path);

// How the new contents go into the open temporary file (see writeWholeFile).
using SettingsBytesWriter = WholeFileWriter;

// Writes the three entries, creating the file (and its folder), its sections
// and keys as needed and keeping every other line byte for byte. The file is
// replaced whole or not at all: the text goes into a temporary file beside it
// that is renamed into place only when every write, the flush and the sync
// succeeded. False, with the old file untouched, when it cannot be written,
// also when the path holds anything but a regular file (a FIFO, a device, a
// folder) or a file that cannot be read (its lines could not be kept).
bool writeSettingsFile(const QString &path, const QString &metric, const QString &sfMin,
                       const QString &sfMax, const SettingsBytesWriter &writer = {});

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
