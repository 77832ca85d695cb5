// The design file: any bytes as a design opened onto a started program on
// the sample catalogue, through the reader, the checks against the
// catalogue and the fields, the replay and its undoing. A design the
// program opened must save, and the saved file must open again to the same
// design: anything else is a finding.

#include "driver/design_session.h"
#include "fuzz_support.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

PILECORR_FUZZ_INITIALIZE

namespace {

// A file of this process's own, in memory where the system offers it.
QString scratch(const char *name)
{
    const QString folder =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QDir(folder).filePath(
        QStringLiteral("pilecorr-fuzz-%1-%2.json").arg(QLatin1String(name)).arg(::getpid()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace pc::driver;
    static const pc::Catalogue sample =
        *pc::readCatalogueFile(QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd"));
    static const QString input = scratch("design");
    static const QString saved = scratch("saved");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    pc::Design opened;
    try {
        DesignSession session(sample);
        session.apply({{QStringLiteral("design"), input}}, DesignMode::Check);
        opened = session.app().designFiles.currentDesign();
        if (session.app().designFiles.saveDesign(saved))
            std::abort(); // a scratch file in memory is always writable
    } catch (const DesignFault &) {
        return 0; // a refused design is an answer, not a finding
    }
    try {
        DesignSession again(sample);
        again.apply({{QStringLiteral("design"), saved}}, DesignMode::Check);
        if (again.app().designFiles.currentDesign() != opened)
            std::abort();
    } catch (const DesignFault &) {
        std::abort(); // the program refuses what it saved itself
    }
    return 0;
}
