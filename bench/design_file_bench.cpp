// Opening a design file on the sample catalogue: the read, the checks and the
// replay of every input through the window's handlers. Two designs that
// differ in units, family, section, table set, exposure, service life,
// actions and search mode are opened in turn, so every open changes the
// whole window. Saving is measured beside it.

#include "catalogue/catalogue_reader.h"
#include "platform/scripted_platform.h"
#include "window/app.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using MF = pc::form::MainForm;

struct Setup
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;
    QTemporaryDir dir;
    QString first, second;
    QString error;

    Setup()
    {
        const auto c =
            pc::readCatalogueFile(QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd"));
        if (!c) {
            error = QStringLiteral("the sample catalogue is not built");
            return;
        }
        app = std::make_unique<pc::App>(platform);
        app->catalogueLoader = [c](pc::Platform &) { return c; };
        app->start();
        auto &f = app->f;
        first = dir.filePath(QStringLiteral("first.json"));
        second = dir.filePath(QStringLiteral("second.json"));

        f.userSelect(f.RG_SSP, 1);
        f.userSelect(f.LB_SSP, 2);
        f.userReplace(f.Edit_Moment, QStringLiteral("120"));
        f.userReplace(f.Edit_Load, QStringLiteral("35"));
        f.userLeave();
        f.userSelect(f.CB_ServiceLife, 8);
        if (auto e = app->designFiles.saveDesign(first))
            error = *e;

        f.userClick(f.MenuImperial);
        f.userSelect(f.RG_SSP, 3);
        f.userPage(MF::PageRates);
        f.userSelect(f.CB_EC3NAD, 1);
        f.userSelect(f.RG_Front, 2);
        f.userPage(MF::PageInput);
        f.userSelect(f.CB_ServiceLife, 5);
        f.userClick(f.MenuSelectSfmin);
        f.userReplace(f.Edit_Moment, QStringLiteral("40"));
        f.userLeave();
        if (auto e = app->designFiles.saveDesign(second))
            error = *e;
    }
};

void BM_OpenDesign(benchmark::State &state)
{
    Setup s;
    if (!s.error.isEmpty()) {
        state.SkipWithError(qPrintable(s.error));
        return;
    }
    bool which = false;
    for (auto _ : state) {
        which = !which;
        const auto refusal = s.app->designFiles.openDesign(which ? s.first : s.second);
        if (refusal) {
            state.SkipWithError(qPrintable(*refusal));
            return;
        }
    }
}
BENCHMARK(BM_OpenDesign)->Unit(benchmark::kMillisecond);

void BM_SaveDesign(benchmark::State &state)
{
    Setup s;
    if (!s.error.isEmpty()) {
        state.SkipWithError(qPrintable(s.error));
        return;
    }
    const QString path = s.dir.filePath(QStringLiteral("saved.json"));
    for (auto _ : state)
        if (auto e = s.app->designFiles.saveDesign(path)) {
            state.SkipWithError(qPrintable(*e));
            return;
        }
}
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMicrosecond);

} // namespace
