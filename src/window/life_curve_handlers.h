#pragma once
// The service life curve window: opened from the Options menu, it shows the
// series of the design in the main window and follows it while open. It
// reads the main window and the state and writes only its own window; the
// series it shows and what it was computed from are its own.

#include "engine/life_curve.h"
#include "platform/platform.h"
#include "window/window_parts.h"

#include <QChar>

#include <optional>

namespace pc {

class LifeCurveHandlers
{
public:
    LifeCurveHandlers(Platform &p, const form::MainForm &f, form::LifeCurveForm &window,
                      const RunState &s, const Catalogue &catalogue, HandlerTrace &trace)
        : p(p), f(f), window(window), s(s), catalogue_(catalogue), trace(trace)
    {}

    // Opens the curve window with the series of the design in the window.
    void MenuLifeCurveClick();
    // Computes and shows the series again while the curve window is open and
    // the design it depends on changed (always with `force`). The end of
    // every recompute chain (ComputeSafetyFactors) calls it.
    void RefreshLifeCurve(bool force = false);
    // The read-out of the year under the mouse on the chart (-1: none).
    void LifeChartMouseMove(int year);
    void B_LifeCsvClick();
    void B_LifeSvgClick();
    void B_LifePngClick();
    void B_LifeCopyClick();
    // The series the curve window shows.
    const LifeCurve &lifeCurve() const { return lifeCurve_; }

private:
    // The unit system the series was computed in (its input holds it).
    bool lifeCurveMetric() const { return lifeCurveInput_ ? lifeCurveInput_->metric : true; }
    std::optional<QString> askExportPath(const QString &title, const QString &filter,
                                         const QString &extension);
    void reportFailure(const QString &what, const QString &path, const QString &reason);
    void savePicture(Platform::PictureFormat format);

    Platform &p;
    const form::MainForm &f;
    form::LifeCurveForm &window;
    const RunState &s;
    const Catalogue &catalogue_;
    HandlerTrace &trace;

    LifeCurve lifeCurve_;
    std::optional<LifeCurveInput> lifeCurveInput_;
    QChar lifeCurveDecimal_;
};

void wireLifeCurve(form::MainForm &f, form::LifeCurveForm &window, LifeCurveHandlers &curve);

} // namespace pc
