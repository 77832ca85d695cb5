// The corrosion chart page: the chart of one reduced property of the selected
// section against the loss of thickness, its read-out under the mouse, the
// hints of its tabs and the outputs of its pop-up menu.
//
// The chart is rebuilt from the catalogue's table rows and the current
// selection whenever its page is shown, its tab changes or the units change
// while it is shown; choosing another section on the input page does not
// redraw it until then.

#include "output/corrosion_chart.h"
#include "window/app.h"
#include "window/wiring.h"

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
ChartInput chartInput(const App &a, int section)
{
    ChartInput in;
    in.tab = tabOf(a.f.TC_Chart);
    in.metric = a.s.UnitsMetric;
    in.decimal = a.p.decimalSeparator();
    in.units = {a.s.UnitLoss, a.s.UnitLength, a.s.UnitWel, a.s.UnitI, a.s.UnitA, a.s.UnitMoment};
    in.fy = a.s.CurrentFy;
    const Catalogue &cat = a.cat();
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
    in.sectionLabel = a.s.CurrentSectionLabel;
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

void App::TabSheetChartShow()
{
    f.setRangeStatus(QString());
    f.setMessageStatus(QString());
    f.TC_ChartLbl.setCaption(QString());
    TC_ChartChange();
}

void App::TC_ChartChange()
{
    PILECORR_TRACED_HANDLER(trace);
    form::ChartControl &chart = f.TeeCh_Wx;
    chart.undoZoom();
    const int section = selectedSection();
    ChartPicture picture = chart.picture();
    buildChartSeries(picture, chartInput(*this, section));
    // With no section selected the chart stays empty.
    if (section < 0)
        picture.subtitle.clear();
    picture.subtitleLeft =
        chartSubtitleLeft(picture.width, p.textWidth(picture.subtitle, SubtitleFont));
    chart.setPicture(picture);
    chart.invalidate();
}

void App::TeeCh_WxMouseMove(int x, int y)
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

void App::TeeCh_WxEnter() {}

void App::TeeCh_WxExit()
{
    f.TeeCh_Wx.invalidate();
    f.TC_ChartLbl.setCaption(QString());
}

void App::TeeCh_WxMouseEnter()
{
    if (f.focused() != &f.TeeCh_Wx)
        f.setFocus(&f.TeeCh_Wx);
    f.TC_Chart.setHint(QString());
}

void App::TeeCh_WxMouseLeave()
{
    f.TeeCh_Wx.invalidate();
    f.TC_ChartLbl.setCaption(QString());
}

void App::TC_ChartMouseMove(int x, int y)
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

void App::PopUpPrintClick()
{
    withoutShadow(f.TeeCh_Wx, [this](const ChartPicture &pic) { p.previewChartPrint(pic); });
    f.TeeCh_Wx.invalidate();
}

void App::PopUpExportEmfClick()
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

void App::CopytoClipboard1Click()
{
    withoutShadow(f.TeeCh_Wx, [this](const ChartPicture &pic) { p.copyChartToClipboard(pic); });
}

void wireChart(App &a)
{
    auto &f = a.f;
    f.TabSheetChart.onShow = [&a] { a.TabSheetChartShow(); };
    f.TC_Chart.onChange = [&a] { a.TC_ChartChange(); };
    f.TC_Chart.onMouseMove = [&a](int x, int y) { a.TC_ChartMouseMove(x, y); };
    f.TeeCh_Wx.onEnter = [&a] { a.TeeCh_WxEnter(); };
    f.TeeCh_Wx.onExit = [&a] { a.TeeCh_WxExit(); };
    f.TeeCh_Wx.onMouseEnter = [&a] { a.TeeCh_WxMouseEnter(); };
    f.TeeCh_Wx.onMouseLeave = [&a] { a.TeeCh_WxMouseLeave(); };
    f.TeeCh_Wx.onMouseMove = [&a](int x, int y) { a.TeeCh_WxMouseMove(x, y); };
    f.PopUpPrint.onClick = [&a] { a.PopUpPrintClick(); };
    f.PopUpExportEmf.onClick = [&a] { a.PopUpExportEmfClick(); };
    f.CopytoClipboard1.onClick = [&a] { a.CopytoClipboard1Click(); };
}

} // namespace pc
