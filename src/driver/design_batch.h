#pragma once
// A batch of designs: one case per CSV row (the header names the options of
// check), run on N threads over one catalogue read once. Every case gets a
// program of its own over its own copy of the catalogue (the program owns
// the catalogue it runs on), so the threads share nothing but the read-only
// loaded catalogue; the results come back in input order.

#include "driver/design_session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace pc::driver {

struct BatchCase
{
    int line = 0;          // where the row starts in the file
    DesignOptions options; // the row's non-empty cells
    QString error;         // set when the row itself is malformed
};

struct BatchOutcome
{
    bool ok = false;
    QString message;    // why the case failed
    QStringList result; // batchResultColumns() of a case that ran
};

// The cases of a batch file. A header naming no option, an unknown or a
// repeated column is a fault for the whole file (DesignOptionError).
std::vector<BatchCase> readBatchCases(const QString &csv);

// One case, as `check` runs it.
BatchOutcome runBatchCase(const Catalogue &catalogue, const BatchCase &c);

// Every case on `jobs` threads (at least 1). `progress`, when given, is
// called on the calling thread with the number of cases done, now and then
// while the threads work and once at the end.
std::vector<BatchOutcome> runBatch(const Catalogue &catalogue, const std::vector<BatchCase> &cases,
                                   int jobs, const std::function<void(size_t done)> &progress = {});

// The result file: a header, then one row per case in input order
// ("line", "status" ok|error, then batchResultColumns()).
QByteArray batchCsv(const std::vector<BatchCase> &cases, const std::vector<BatchOutcome> &outcomes);

} // namespace pc::driver
