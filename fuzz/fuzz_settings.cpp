// The settings file through start-up and close: any bytes as the settings
// file of a run on the sample catalogue, read and applied at start, then the
// window is closed, which writes it back.

#include "driver/script_runner.h"
#include "fuzz_support.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <unistd.h>

PILECORR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One file of this process's own, rewritten for every input.
    // In memory where the system offers it: the settings are written back
    // at close, and a disk would make every input wait for it.
    static const QString path =
        QDir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                       : QDir::tempPath())
            .filePath(QStringLiteral("pilecorr-fuzz-settings-%1.ini").arg(::getpid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    pc::driver::ScriptOptions options;
    options.workingDirectory = QStringLiteral(PILECORR_SAMPLE_DIR);
    options.settingsPath = path;
    std::ostringstream out, err;
    (void)pc::driver::runScript(
        "get $UnitsMetric\nget Edit_Sfmin.Text\nget Edit_SfMax.Text\nclose\n", options, out, err,
        pc::fuzz::withSampleCatalogue);
    return 0;
}
