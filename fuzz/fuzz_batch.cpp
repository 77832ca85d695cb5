// The batch file of pilecorr-cli: any bytes as the CSV, read as the command
// reads it, and its first cases run on the sample catalogue as the command
// runs them (one thread), down to the result file. Only the first few cases
// run, so that one input stays quick; the reader sees every row.

#include "driver/design_batch.h"
#include "fuzz_support.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

PILECORR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace pc::driver;
    static const pc::Catalogue sample =
        *pc::readCatalogueFile(QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        std::vector<BatchCase> cases = readBatchCases(QString::fromUtf8(bytes));
        if (cases.size() > 3)
            cases.resize(3);
        const std::vector<BatchOutcome> outcomes = runBatch(sample, cases, 1);
        (void)batchCsv(cases, outcomes);
    } catch (const DesignFault &) {
        // A refused file is an answer, not a finding.
    }
    return 0;
}
