// Loading the catalogue against a plain read of the same bytes, in the same
// run: readCatalogue of bytes in memory next to a copy of them, and
// readCatalogueFile next to reading the file into memory.

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "synthetic_catalogue.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct LoadData
{
    QByteArray bytes;
    QTemporaryDir dir;
    QString path;

    LoadData()
    {
        bytes = pc::writeCatalogue(pc::bench::syntheticCatalogue());
        path = dir.filePath(QStringLiteral("SSP Pilecorr.pkd"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
};

const LoadData &data()
{
    static const LoadData d;
    return d;
}

void BM_CopyBytes(benchmark::State &state)
{
    const QByteArray &bytes = data().bytes;
    for (auto _ : state) {
        std::vector<char> copy(bytes.begin(), bytes.end());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_CopyBytes)->Unit(benchmark::kMicrosecond);

void BM_ReadCatalogueBytes(benchmark::State &state)
{
    const QByteArray &bytes = data().bytes;
    for (auto _ : state) {
        auto c = pc::readCatalogue(bytes);
        if (!c) {
            state.SkipWithError("synthetic catalogue does not load");
            break;
        }
        benchmark::DoNotOptimize(c->RedWel.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["file_bytes"] = double(bytes.size());
}
BENCHMARK(BM_ReadCatalogueBytes)->Unit(benchmark::kMicrosecond);

void BM_PlainFileRead(benchmark::State &state)
{
    const QString &path = data().path;
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the synthetic file");
            break;
        }
        QByteArray all = f.readAll();
        benchmark::DoNotOptimize(all.data());
    }
    state.SetBytesProcessed(state.iterations() * data().bytes.size());
}
BENCHMARK(BM_PlainFileRead)->Unit(benchmark::kMicrosecond);

void BM_LoadCatalogueFile(benchmark::State &state)
{
    const QString &path = data().path;
    for (auto _ : state) {
        auto c = pc::readCatalogueFile(path);
        if (!c) {
            state.SkipWithError("synthetic file does not load");
            break;
        }
        benchmark::DoNotOptimize(c->RedWel.data());
    }
    state.SetBytesProcessed(state.iterations() * data().bytes.size());
}
BENCHMARK(BM_LoadCatalogueFile)->Unit(benchmark::kMicrosecond);

} // namespace
