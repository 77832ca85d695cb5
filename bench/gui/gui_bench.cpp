// The Qt program on the offscreen platform: from the start to the first
// painted main window on the sample catalogue, and from a key press in
// Edit_Moment to the repainted window, in Sfmin mode on " ALL", on the
// sample catalogue and on the 5,000-section catalogue.

#include "chart_read_out.h"
#include "gui_session.h"
#include "platform/scripted_platform.h"
#include "synthetic_catalogue.h"
#include "window/app.h"
#include "windows.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Program
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;
    std::unique_ptr<pc::gui::Session> session;

    // On the sample catalogue of the build when `catalogue` is empty.
    explicit Program(std::optional<pc::Catalogue> catalogue)
    {
        platform.setCurrentDirectory(QStringLiteral(PILECORR_SAMPLE_DIR));
        app = std::make_unique<pc::App>(platform);
        if (catalogue)
            app->catalogueLoader = [c = *catalogue](pc::Platform &) {
                return std::optional<pc::Catalogue>(c);
            };
        session = std::make_unique<pc::gui::Session>(*app, pc::gui::Session::Options{});
        app->start();
        session->afterUserAction();
    }

    pc::gui::MainWindow &window() const { return session->mainWindow(); }

    void paint() const
    {
        QCoreApplication::processEvents();
        window().repaint();
    }
};

void BM_StartToFirstPaintedWindow_Sample(benchmark::State &state)
{
    for (auto _ : state) {
        Program p(std::nullopt);
        p.paint();
        benchmark::DoNotOptimize(p.window().isVisible());
        state.PauseTiming();
        p.session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaintedWindow_Sample)->Unit(benchmark::kMillisecond);

// Sfmin mode on " ALL" with a loss inside the tables, the moment field
// focused: each step types a digit or takes it back, and the window paints
// what changed.
void keystrokes(benchmark::State &state, std::optional<pc::Catalogue> catalogue,
                bool repaint = true)
{
    Program p(std::move(catalogue));
    auto &f = p.app->f;
    p.app->s.LossFront = 2.37;
    p.app->ApplyReductionFactor();
    f.userReplace(f.Edit_Moment, QStringLiteral("30"));
    f.userClick(f.MenuSelectSfmin);
    p.session->afterUserAction();
    p.window().activateWindow();
    (void)QTest::qWaitForWindowActive(&p.window(), 2000);
    auto *edit = p.window().ui.Edit_Moment;
    edit->setFocus();
    edit->end(false);
    p.paint();
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(edit, typed ? Qt::Key_Backspace : Qt::Key_0);
        // The toolkit paints what the key changed, as it does on screen.
        if (repaint)
            QCoreApplication::processEvents();
        typed = !typed;
    }
    state.counters["listed"] = f.LB_SSP.itemCount();
    state.counters["sections"] = p.app->cat().SectionCount();
}

void BM_MomentKeyToRepaintSfmin_Sample(benchmark::State &state)
{
    keystrokes(state, std::nullopt);
}
BENCHMARK(BM_MomentKeyToRepaintSfmin_Sample)->Unit(benchmark::kMillisecond);

void BM_MomentKeyToRepaintSfmin_5000(benchmark::State &state)
{
    keystrokes(state, pc::bench::syntheticCatalogue());
}
BENCHMARK(BM_MomentKeyToRepaintSfmin_5000)->Unit(benchmark::kMillisecond);

void BM_MomentKeyWithoutRepaint_5000(benchmark::State &state)
{
    keystrokes(state, pc::bench::syntheticCatalogue(), false);
}
BENCHMARK(BM_MomentKeyWithoutRepaint_5000)->Unit(benchmark::kMillisecond);

// ---- The chart page on the 5,000-section catalogue: the click on its tab to
// the painted page, and a mouse move over the plot to the painted read-out.

using pc::bench::readOutColumns;

struct ChartProgram : Program
{
    ChartProgram() : Program(pc::bench::syntheticCatalogue())
    {
        auto &f = app->f;
        f.userSelect(f.LB_SSP, f.LB_SSP.itemCount() / 2);
        session->afterUserAction();
        paint();
    }
    void showPage(int index)
    {
        app->f.userPage(index);
        session->afterUserAction();
        paint();
    }
};

void BM_ChartPageShowToPaint_5000(benchmark::State &state)
{
    ChartProgram p;
    for (auto _ : state) {
        p.showPage(pc::form::MainForm::PageChart);
        state.PauseTiming();
        p.showPage(pc::form::MainForm::PageInput);
        state.ResumeTiming();
    }
    state.counters["points"] = static_cast<double>(p.app->f.TeeCh_Wx.picture().points.size());
}
BENCHMARK(BM_ChartPageShowToPaint_5000)->Unit(benchmark::kMillisecond);

void BM_ChartMouseMoveToPaint_5000(benchmark::State &state)
{
    ChartProgram p;
    p.showPage(pc::form::MainForm::PageChart);
    auto *view = qobject_cast<QAbstractScrollArea *>(p.session->widgetFor(p.app->f.TeeCh_Wx));
    QWidget *viewport = view ? view->viewport() : nullptr;
    if (!viewport) {
        state.SkipWithError("no chart view");
        return;
    }
    const std::vector<int> xs = readOutColumns(p.app->f);
    if (xs.size() < 2) {
        state.SkipWithError("no place on the plot shows a read-out");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        const QPointF pos(xs[i], 200);
        QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        p.paint();
        i ^= 1;
    }
    state.counters["labelled"] = p.app->f.TC_ChartLbl.caption().isEmpty() ? 0 : 1;
}
BENCHMARK(BM_ChartMouseMoveToPaint_5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
