// Every recompute chain ends in ComputeSafetyFactors, which asks the curve
// window for a refresh; the series is computed again only when the design
// it depends on changed. The exports go through the platform like the
// chart's.

#include "window/life_curve_handlers.h"

#include "engine/life_curve_text.h"
#include "form/life_curve_form.h"
#include "form/main_form.h"
#include "output/whole_file.h"
#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_captions.h"
#include "units/unit_factors.h"
#include "window/app_texts.h"
#include "window/handler_trace.h"
#include "window/life_curve_source.h"
#include "window/run_state.h"
#include "window/window_metrics.h"

namespace pc {

namespace {

const QString CsvTitle = QStringLiteral("Export the service life series");
const QString ExportFileName = QStringLiteral("Service life");
const QString CsvFilter = QStringLiteral("Comma separated values (*.csv)|*.csv");
const QString SvgTitle = QStringLiteral("Save the service life curve as SVG");
const QString SvgFilter = QStringLiteral("Scalable Vector Graphics (*.svg)|*.svg");
const QString PngTitle = QStringLiteral("Save the service life curve as PNG");
const QString PngFilter = QStringLiteral("Portable Network Graphics (*.png)|*.png");

LifeChartPicture lifeChartOf(const Platform &p, const RunState &s, const LifeCurve &curve)
{
    const QChar decimal = p.decimalSeparator();
    LifeChartPicture pic;
    pic.title = QStringLiteral(" Service life curve ");
    // With the no-match lines in the list no section is chosen, whatever
    // section was shown last.
    const QString section =
        s.CurrentSectionName.isEmpty() ? QString() : s.CurrentSectionLabel.trimmed();
    const QString grade = s.CurrentGradeText.trimmed();
    pic.subtitle = section.isEmpty() ? QString()
                   : grade.isEmpty() ? section
                                     : section + QStringLiteral(", ") + grade;
    pic.bottomAxisTitle = QStringLiteral(" Service life (years)");
    pic.leftAxisTitle = QStringLiteral(" Safety factor");
    double largest = static_cast<double>(curve.sfMinRequired);
    for (const LifeCurveRow &row : curve.rows) {
        pic.years.push_back(row.year);
        pic.sfRed.push_back(static_cast<double>(row.sfRed));
        pic.sfIni.push_back(static_cast<double>(row.sfIni));
        largest =
            std::max({largest, static_cast<double>(row.sfIni), static_cast<double>(row.sfRed)});
    }
    // A required factor of an empty field lets nothing pass; it is no line
    // worth drawing at a million.
    const double sfMin = static_cast<double>(curve.sfMinRequired);
    pic.sfMin = sfMin > 0 && sfMin <= SfShownMax ? sfMin : 0;
    largest = std::min(largest, static_cast<double>(SfShownMax));
    pic.leftAxisMax = lifeChartLeftAxisMaximum(largest);
    pic.bottomAxisMax = curve.rows.empty() ? 0 : curve.rows.back().year;
    // Without a required factor to draw there is no crossing to mark.
    pic.crossingYear = pic.sfMin > 0 ? curve.firstFailingYear : -1;
    if (pic.crossingYear >= 0)
        pic.crossingLabel = format(decimal, " Sf,red < %1.2f from year %d ",
                                   {curve.sfMinRequired, curve.firstFailingYear});
    return pic;
}

void fillTable(const Platform &p, form::Control &grid, const LifeCurve &curve, bool metric,
               QChar decimal)
{
    grid.setColCount(LifeCurveColumnCount);
    grid.setRowCount(static_cast<int>(curve.rows.size()) + 1);
    const auto headers = lifeCurveHeaders(metric);
    // Each column as wide as its header ("Sf,red >= Sfmin", "Wel,red
    // (cm³/m)") in the window's font, so that no header is cut off.
    const FontSpec font = mainWindowFont(p);
    const long double scale = screenScale(p);
    const int padding = static_cast<int>(roundEven(10 * scale));
    for (int col = 0; col < LifeCurveColumnCount; ++col) {
        const QString &header = headers[static_cast<size_t>(col)];
        grid.setCell(col, 0, header);
        grid.setColWidth(col, p.textWidth(header, font) + padding);
    }
    for (size_t r = 0; r < curve.rows.size(); ++r) {
        const auto cells = lifeCurveCells(curve.rows[r], metric, decimal);
        for (int col = 0; col < LifeCurveColumnCount; ++col)
            grid.setCell(col, static_cast<int>(r) + 1, cells[static_cast<size_t>(col)]);
    }
}

} // namespace

void LifeCurveHandlers::reportFailure(const QString &what, const QString &path,
                                      const QString &reason)
{
    p.message(MessageKind::Plain, ApplicationTitle,
              QStringLiteral("The %1 could not be saved to \"%2\": %3").arg(what, path, reason));
}

// The save dialog of every export of the window, named "Service life".
std::optional<QString> LifeCurveHandlers::askExportPath(const QString &title, const QString &filter,
                                                        const QString &extension)
{
    SaveFileRequest req;
    req.title = title;
    req.fileName = ExportFileName;
    req.filter = filter;
    req.defaultExt = extension;
    req.confirmOverwrite = true;
    return p.saveFile(req);
}

void LifeCurveHandlers::savePicture(Platform::PictureFormat format)
{
    const bool svg = format == Platform::PictureFormat::Svg;
    const std::optional<QString> path =
        askExportPath(svg ? SvgTitle : PngTitle, svg ? SvgFilter : PngFilter,
                      svg ? QStringLiteral("svg") : QStringLiteral("png"));
    if (!path)
        return;
    if (const auto failure = p.saveLifeChart(window.chart(), *path, format))
        reportFailure(QStringLiteral("chart"), *path, *failure);
}

void LifeCurveHandlers::MenuLifeCurveClick()
{
    window.show();
    RefreshLifeCurve(true);
}

void LifeCurveHandlers::RefreshLifeCurve(bool force)
{
    if (!window.shown())
        return;
    const LifeCurveInput in = lifeCurveInput(f, s, p, catalogue_);
    const bool metric = in.metric;
    const QChar decimal = p.decimalSeparator();
    if (!force && lifeCurveInput_ && *lifeCurveInput_ == in && lifeCurveDecimal_ == decimal)
        return;
    PILECORR_TRACED_HANDLER(trace);
    lifeCurveInput_ = in;
    lifeCurveDecimal_ = decimal;
    lifeCurve_ = computeLifeCurve(catalogue_, in);

    fillTable(p, window.SG_LifeTable, lifeCurve_, metric, decimal);
    window.Lbl_LifeSummary.setCaption(lifeCurveSummaryText(lifeCurve_, decimal));
    window.Lbl_LifeReadout.setCaption(QString());
    window.setChart(lifeChartOf(p, s, lifeCurve_));
}

void LifeCurveHandlers::LifeChartMouseMove(int year)
{
    form::Control &label = window.Lbl_LifeReadout;
    if (year < 0 || year >= static_cast<int>(lifeCurve_.rows.size())) {
        label.setCaption(QString());
        return;
    }
    const LifeCurveRow &row = lifeCurve_.rows[static_cast<size_t>(year)];
    const bool metric = lifeCurveMetric();
    const QChar decimal = p.decimalSeparator();
    const auto cells = lifeCurveCells(row, metric, decimal);
    label.setCaption(format(decimal, " Year %d: loss %s %s, Sf,red = %s ",
                            {year, cells[3], unitLabels(metric).loss, cells[8]}));
}

void LifeCurveHandlers::B_LifeCsvClick()
{
    const std::optional<QString> path = askExportPath(CsvTitle, CsvFilter, QStringLiteral("csv"));
    if (!path)
        return;
    const QByteArray bytes = lifeCurveCsv(lifeCurve_, lifeCurveMetric()).toUtf8();
    if (const auto failure = writeWholeFile(*path, bytes))
        reportFailure(QStringLiteral("series"), *path, *failure);
}

void LifeCurveHandlers::B_LifeSvgClick()
{
    savePicture(Platform::PictureFormat::Svg);
}

void LifeCurveHandlers::B_LifePngClick()
{
    savePicture(Platform::PictureFormat::Png);
}

void LifeCurveHandlers::B_LifeCopyClick()
{
    p.copyLifeCurve(window.chart(), lifeCurveCsv(lifeCurve_, lifeCurveMetric()));
}

void wireLifeCurve(form::MainForm &f, form::LifeCurveForm &window, LifeCurveHandlers &curve)
{
    f.MenuLifeCurve.onClick = [&curve] { curve.MenuLifeCurveClick(); };
    window.B_LifeCsv.onClick = [&curve] { curve.B_LifeCsvClick(); };
    window.B_LifeSvg.onClick = [&curve] { curve.B_LifeSvgClick(); };
    window.B_LifePng.onClick = [&curve] { curve.B_LifePngClick(); };
    window.B_LifeCopy.onClick = [&curve] { curve.B_LifeCopyClick(); };
}

} // namespace pc
