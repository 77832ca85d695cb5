// The chart is rebuilt from the catalogue's table rows and the current
// selection whenever its page is shown, its tab changes or the units change
// while it is shown; choosing another section on the input page does not
// redraw it until then.

#include "window/chart_handlers.h"

#include "catalogue/catalogue.h"
#include "form/main_form.h"
#include "output/corrosion_chart.h"
#include "platform/platform.h"
#include "window/app_texts.h"
#include "window/handler_trace.h"
#include "window/run_state.h"
#include "window/section_list_handlers.h"

#include <array>

namespace pc {

namespace {

// The hints of the four tabs, in tab order.
const std::array<QString, ChartTabCount> TabHints = {
    QStringLiteral(" Wel = elastic section modulus "),
    QStringLiteral(" I = moment of inertia "),
    QStringLiteral(" A = cross sectional area "),
    QStringLiteral(" BMC = bending moment capacity "),
};

const QString ExportTitle = QStringLiteral("Save the chart as .emf file");
const QString ExportFileName = QStringLiteral("Graph");
// There is no metafile format here: the chart is saved as SVG, and the dialog
// offers what it writes so that the file's name says what it is.
const QString ExportFilter = QStringLiteral("Scalable Vector Graphics (*.svg)|*.svg");
const QString ExportDefaultExt = QStringLiteral("svg");

// The subtitle's font, for its width (it is placed from the right).
const FontSpec SubtitleFont{QStringLiteral("Segoe UI"), 9, false};

ChartTab tabOf(const form::Control &tabs)
{
    const int i = tabs.tabIndex();
    return static_cast<ChartTab>(i >= 0 && i < ChartTabCount ? i : 0);
}

// The table column of `section` (nothing for no section).
ChartInput chartInput(const form::MainForm &f, const RunState &s, Platform &p, const Catalogue &cat,
                      int section)
{
    ChartInput in;
    in.tab = tabOf(f.TC_Chart);
    in.metric = s.UnitsMetric;
    in.decimal = p.decimalSeparator();
    in.units = {s.UnitLoss, s.UnitLength, s.UnitWel, s.UnitI, s.UnitA, s.UnitMoment};
    in.fy = s.CurrentFy;
    const size_t n = cat.LossStep.size();
    in.lossStep.reserve(n);
    for (int16_t step : cat.LossStep)
        in.lossStep.push_back(step);
    if (section < 0)
        return in;
    const auto column = [n, section](const PropertyTable &t, std::vector<double> &out) {
        const auto s = static_cast<size_t>(section);
        out.assign(n, 0.0);
        for (size_t k = 0; k < n && k < t.size(); ++k)
            if (s < t.columns())
                out[k] = t[k][s];
    };
    column(cat.RedWel, in.wel);
    column(cat.RedI, in.i);
    column(cat.RedA, in.a);
    in.sectionLabel = s.CurrentSectionLabel;
    return in;
}

// An output of the chart is made with the marker shadow off.
template <typename Output> void withoutShadow(form::ChartControl &chart, Output output)
{
    chart.setMarkerShadow(false);
    output(chart.picture());
    chart.setMarkerShadow(true);
}

} // namespace

void ChartHandlers::TabSheetChartShow()
{
    f.setRangeStatus(QString());
    f.setMessageStatus(QString());
    f.TC_ChartLbl.setCaption(QString());
    TC_ChartChange();
}

void ChartHandlers::TC_ChartChange()
{
    PILECORR_TRACED_HANDLER(trace);
    form::ChartControl &chart = f.TeeCh_Wx;
    chart.undoZoom();
    const int section = selectedSection(f, s);
    ChartPicture picture = chart.picture();
    buildChartSeries(picture, chartInput(f, s, p, cat(), section));
    // With no section selected the chart stays empty.
    if (section < 0)
        picture.subtitle.clear();
    picture.subtitleLeft =
        chartSubtitleLeft(picture.width, p.textWidth(picture.subtitle, SubtitleFont));
    chart.setPicture(picture);
    chart.invalidate();
}

void ChartHandlers::TeeCh_WxMouseMove(int x, int y)
{
    form::ChartControl &chart = f.TeeCh_Wx;
    const ChartReadout r =
        chartReadout(chart.picture(), tabOf(f.TC_Chart), s.UnitsMetric, p.decimalSeparator(),
                     cat().LossStepCount(), chart.zoomed(), x, y);
    switch (r.action) {
    case ChartReadout::Action::Keep:
        return;
    case ChartReadout::Action::Clear:
        chart.invalidate();
        f.TC_ChartLbl.setCaption(QString());
        return;
    case ChartReadout::Action::Show:
        chart.setCursorLines({r.verticalColumn, r.horizontalRow});
        f.TC_ChartLbl.setCaption(r.label);
        return;
    }
}

void ChartHandlers::TeeCh_WxEnter() {}

void ChartHandlers::TeeCh_WxExit()
{
    f.TeeCh_Wx.invalidate();
    f.TC_ChartLbl.setCaption(QString());
}

void ChartHandlers::TeeCh_WxMouseEnter()
{
    if (f.focused() != &f.TeeCh_Wx)
        f.setFocus(&f.TeeCh_Wx);
    f.TC_Chart.setHint(QString());
}

void ChartHandlers::TeeCh_WxMouseLeave()
{
    f.TeeCh_Wx.invalidate();
    f.TC_ChartLbl.setCaption(QString());
}

void ChartHandlers::TC_ChartMouseMove(int x, int y)
{
    // The tabs lie at the bottom, so the whole strip is below the top of the
    // display area; each tab is form::ChartTabWidth pixels wide from the left.
    if (y >= 0)
        f.TC_Chart.setShowHint(true);
    const int tab = x >= 0 ? x / form::ChartTabWidth : -1;
    f.TC_Chart.setHint(tab >= 0 && tab < f.TC_Chart.itemCount() && tab < ChartTabCount
                           ? TabHints[static_cast<size_t>(tab)]
                           : QString());
}

void ChartHandlers::PopUpPrintClick()
{
    withoutShadow(f.TeeCh_Wx, [this](const ChartPicture &pic) { p.previewChartPrint(pic); });
    f.TeeCh_Wx.invalidate();
}

void ChartHandlers::PopUpExportEmfClick()
{
    SaveFileRequest req;
    req.title = ExportTitle;
    req.fileName = ExportFileName;
    req.filter = ExportFilter;
    req.defaultExt = ExportDefaultExt;
    req.confirmOverwrite = true;
    const std::optional<QString> path = p.saveFile(req);
    if (!path)
        return;
    std::optional<QString> failure;
    withoutShadow(f.TeeCh_Wx, [this, &path, &failure](const ChartPicture &pic) {
        failure = p.saveChartPicture(pic, *path);
    });
    if (failure)
        p.message(
            MessageKind::Plain, ApplicationTitle,
            QStringLiteral("The chart could not be saved to \"%1\": %2").arg(*path, *failure));
}

void ChartHandlers::CopytoClipboard1Click()
{
    withoutShadow(f.TeeCh_Wx, [this](const ChartPicture &pic) { p.copyChartToClipboard(pic); });
}

void wireChart(form::MainForm &f, ChartHandlers &chart)
{
    f.TabSheetChart.onShow = [&chart] { chart.TabSheetChartShow(); };
    f.TC_Chart.onChange = [&chart] { chart.TC_ChartChange(); };
    f.TC_Chart.onMouseMove = [&chart](int x, int y) { chart.TC_ChartMouseMove(x, y); };
    f.TeeCh_Wx.onEnter = [&chart] { chart.TeeCh_WxEnter(); };
    f.TeeCh_Wx.onExit = [&chart] { chart.TeeCh_WxExit(); };
    f.TeeCh_Wx.onMouseEnter = [&chart] { chart.TeeCh_WxMouseEnter(); };
    f.TeeCh_Wx.onMouseLeave = [&chart] { chart.TeeCh_WxMouseLeave(); };
    f.TeeCh_Wx.onMouseMove = [&chart](int x, int y) { chart.TeeCh_WxMouseMove(x, y); };
    f.PopUpPrint.onClick = [&chart] { chart.PopUpPrintClick(); };
    f.PopUpExportEmf.onClick = [&chart] { chart.PopUpExportEmfClick(); };
    f.CopytoClipboard1.onClick = [&chart] { chart.CopytoClipboard1Click(); };
}

} // namespace pc
