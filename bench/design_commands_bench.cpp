// The design commands on the sample catalogue: a batch of 10,000 cases
// (catalogue read once, cases on 1 or 2 threads) against `check` run 10,000
// times in a loop inside one process (catalogue read, program started and
// report written for every case). Both call what the subcommands call.
//
// Counters: cases_per_second of each; the ratio batch / check loop shows
// what start-up and catalogue load cost, and Batch/2 over Batch/1 the
// speed-up of a second thread.

#include "driver/design_batch.h"
#include "driver/design_session.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pc::driver;

constexpr int Cases = 10000;

const QString SampleCatalogue = QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd");

// Case i of the benchmark: four sections, both unit systems, loads and
// corrosion that vary from case to case.
DesignOptions designCase(int i)
{
    static const char *const Sections[] = {"ZT 12", "ZT 19", "ZT 22", "ZT 32"};
    return {
        {QStringLiteral("family"), QStringLiteral("Zeta")},
        {QStringLiteral("section"), QLatin1String(Sections[i % 4])},
        {QStringLiteral("grade"), QStringLiteral("S 355")},
        {QStringLiteral("moment"), QString::number(100 + i % 150)},
        {QStringLiteral("load"), QString::number(i % 50)},
        {QStringLiteral("deflection"), QStringLiteral("5")},
        {QStringLiteral("life"), QStringLiteral("30")},
        {QStringLiteral("front"), QStringLiteral("water:%1").arg(i % 4)},
        {QStringLiteral("back"), QStringLiteral("soil:2")},
        {QStringLiteral("units"), i % 3 ? QStringLiteral("metric") : QStringLiteral("imperial")}};
}

// The cases as a batch file: a header of option names, a row per case.
QString batchFile()
{
    QStringList header;
    for (const auto &[name, value] : designCase(0))
        header << name;
    QString csv = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (int i = 0; i < Cases; ++i) {
        QStringList row;
        for (const auto &[name, value] : designCase(i))
            row << csvField(value);
        csv += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

// `check` as the subcommand runs it, once per case.
void CheckLoop(benchmark::State &state)
{
    for (auto _ : state) {
        size_t bytes = 0;
        for (int i = 0; i < Cases; ++i) {
            const pc::Catalogue catalogue = loadDesignCatalogue(SampleCatalogue);
            DesignSession session(catalogue);
            session.apply(designCase(i), DesignMode::Check);
            bytes += static_cast<size_t>(session.reportText().size());
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["cases_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * Cases, benchmark::Counter::kIsRate);
}
BENCHMARK(CheckLoop)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// `batch` as the subcommand runs it: the file read into cases, the
// catalogue read once, the cases on state.range(0) threads, the result file.
void Batch(benchmark::State &state)
{
    const QString csv = batchFile();
    for (auto _ : state) {
        const std::vector<BatchCase> cases = readBatchCases(csv);
        const pc::Catalogue catalogue = loadDesignCatalogue(SampleCatalogue);
        const std::vector<BatchOutcome> outcomes =
            runBatch(catalogue, cases, static_cast<int>(state.range(0)));
        const QByteArray out = batchCsv(cases, outcomes);
        for (const BatchOutcome &o : outcomes)
            if (!o.ok)
                state.SkipWithError(o.message.toStdString().c_str());
        benchmark::DoNotOptimize(out.size());
    }
    state.counters["cases_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * Cases, benchmark::Counter::kIsRate);
}
BENCHMARK(Batch)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
