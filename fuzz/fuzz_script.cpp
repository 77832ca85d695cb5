// The headless script language: any bytes as a script, played on the sample
// catalogue. Lines that would make the run write files where the fuzzer
// says (answer-file) are left out: the target must not write outside its
// own folder.

#include "driver/script_runner.h"
#include "fuzz_support.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <sstream>

PILECORR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray script(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (script.contains("answer-file"))
        return 0;
    pc::driver::ScriptOptions options;
    options.workingDirectory = QStringLiteral(PILECORR_SAMPLE_DIR);
    std::ostringstream out, err;
    (void)pc::driver::runScript(script, options, out, err, pc::fuzz::withSampleCatalogue);
    return 0;
}
