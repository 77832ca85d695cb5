#include "window/wiring.h"

#include "window/app.h"

#include <utility>

namespace pc {

namespace {

// Every bound event of the window's controls opens a traced scope named as
// the window names its handler (control name + event: "Edit_MomentChange").
template <typename... Args>
void traced(HandlerTrace &trace, std::function<void(Args...)> &event, const QString &control,
            const char *what)
{
    if (!event)
        return;
    const char *name = trace.keep((control + QLatin1String(what)).toStdString());
    event = [&trace, name, handler = std::move(event)](Args... args) {
        const HandlerScope scope(trace, name);
        handler(std::forward<Args>(args)...);
    };
}

void traceBoundEvents(HandlerTrace &trace, form::Form &form)
{
    for (form::Control *c : form.controls()) {
        traced(trace, c->onChange, c->name(), "Change");
        traced(trace, c->onClick, c->name(), "Click");
        traced(trace, c->onEnter, c->name(), "Enter");
        traced(trace, c->onExit, c->name(), "Exit");
        traced(trace, c->onDropDown, c->name(), "DropDown");
        traced(trace, c->onShow, c->name(), "Show");
        traced(trace, c->onKeyPress, c->name(), "KeyPress");
        traced(trace, c->onMouseMove, c->name(), "MouseMove");
        traced(trace, c->onMouseEnter, c->name(), "MouseEnter");
        traced(trace, c->onMouseLeave, c->name(), "MouseLeave");
        traced(trace, c->onTimer, c->name(), "Timer");
        traced(trace, c->onDeactivate, c->name(), "Deactivate");
    }
}

} // namespace

void wireShell(App &a)
{
    a.f.MenuClose.onClick = [&a] { a.MenuCloseClick(); };
    a.f.MenuHelp.onClick = [&a] { a.MenuHelpClick(); };
    a.f.MenuToggleFontQuality.onClick = [&a] { a.MenuToggleFontQualityClick(); };
    a.f.PageControl1.onChange = [&a] { a.PageControl1Change(); };
}

void App::wireEvents()
{
    wireShell(*this);
    wireSectionList(*this);
    wireDesignInput(*this);
    wireSteelQuantities(f, steelQuantities);
    wireCorrosion(*this);
    wireSummary(f, summary);
    wireUnits(*this);
    wirePropertyGrid(f, propertyGrid);
    wireSplash(*this);
    wireAboutBox(f, about, aboutBox);
    wireSnapshot(f, snapshot);
    wireReport(f, report);
    wireChart(f, chart);
    wireDesignFiles(f, designFiles);
    wireLifeCurve(f, lifeCurveWindow, curve);
    wireCorrosionTable(f, tableWindow, corrosionTable);
    // Subsystems add their wire functions here, one line each (declared in
    // window/wiring.h, or beside a subsystem's class), e.g.
    // wireReport(f, report).

    for (form::Form *form : {static_cast<form::Form *>(&f), static_cast<form::Form *>(&tableWindow),
                             static_cast<form::Form *>(&lifeCurveWindow),
                             static_cast<form::Form *>(&splash), static_cast<form::Form *>(&about)})
        traceBoundEvents(trace, *form);
    if (HandlerTrace::askedByEnvironment())
        trace.setSink(HandlerTrace::standardErrorSink());

    // Last: the menu entries that no wire function gave a handler (their
    // function is not built yet) stay disabled whatever the page rules set.
    f.holdBackUnhandledEntries();
}

} // namespace pc
