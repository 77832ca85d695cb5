#include "window/report_handlers.h"

#include "form/about_form.h"
#include "form/main_form.h"
#include "output/whole_file.h"
#include "platform/platform.h"
#include "window/app_texts.h"
#include "window/run_state.h"

#include <QFileInfo>

namespace pc {

namespace {

const QString ReportDialogTitle = QStringLiteral("KW KR Stresses");
const QString ReportFilter = QStringLiteral("Text files (*.txt)|*.txt");
const QString ReportExtension = QStringLiteral("txt");

FontSpec fontSpec(const ReportFont &f)
{
    FontSpec spec;
    spec.family = ReportFontFamily;
    spec.pointSize = f.pointSize;
    spec.bold = f.bold;
    return spec;
}

} // namespace

ReportInput ReportHandlers::reportInput() const
{
    ReportInput in;
    in.metric = s.UnitsMetric;
    in.decimal = p.decimalSeparator();
    in.sectionLabel = s.CurrentSectionLabel;
    in.welIni = s.initial.wel;
    in.aIni = s.initial.a;
    in.welRed = s.reduced.wel;
    in.aRed = s.reduced.a;
    in.iRed = s.reduced.i;
    in.tfRed = s.reduced.tf;
    in.twRed = s.reduced.tw;
    in.steelGradeText = f.CB_SteelGrades.text();
    in.fy = s.CurrentFy;
    in.moment = s.actions.moment;
    in.load = s.actions.load;
    in.deflection = s.actions.deflection;
    in.sfIni = s.factors.sfIni;
    in.sfRed = s.factors.sfRed;
    in.mass = s.CurrentMass;
    in.width = s.CurrentWidth;
    in.pairCount = s.quantities.pairCount;
    in.sspLength = s.lengths.pile;
    in.coveredLength = s.quantities.coveredLength;
    in.steelMassTotal = s.quantities.massTotal;
    in.lossTotal = s.losses.total;
    in.lossTotalMils = s.losses.totalMils;
    in.serviceLifeEnabled = f.CB_ServiceLife.enabled();
    in.serviceLifeText = f.CB_ServiceLife.text();
    in.protectionFrontText = f.CB_Protection_Front.text();
    in.protectionBackText = f.CB_Protection_Back.text();
    in.lossFrontText = f.Lbl_Summary_Front2.caption();
    in.lossBackText = f.Lbl_Summary_Back2.caption();
    in.environmentFront = f.Lbl_Summary_Front4.caption();
    in.environmentBack = f.Lbl_Summary_Back4.caption();
    in.projectRates = f.MenuProjectRates.checked();
    in.descriptionFront = f.Edit_Front_Descr.text();
    in.descriptionBack = f.Edit_Back_Descr.text();
    in.reductionFactorEnabled = f.RG_A690.enabled();
    const int factor = f.RG_A690.itemIndex();
    if (factor >= 0 && factor < f.RG_A690.items().size())
        in.reductionFactorItem = f.RG_A690.items().at(factor);
    return in;
}

QByteArray ReportHandlers::reportFileOf(const ReportTable &table) const
{
    return reportFileBytes(table, about.Version.caption(), p.shortDateText(p.now().date()));
}

std::optional<QByteArray> ReportHandlers::reportFile(QString &error) const
{
    const ReportBuild build = buildReportTable(reportInput());
    if (!build.table) {
        error = build.error;
        return std::nullopt;
    }
    return reportFileOf(*build.table);
}

void ReportHandlers::WriteReport(const QString &target)
{
    const ReportBuild build = buildReportTable(reportInput());
    if (!build.table) {
        p.message(MessageKind::Plain, ApplicationTitle, build.error);
        return;
    }
    const ReportTable &table = *build.table;
    const QString version = about.Version.caption();

    if (target == QLatin1String("Printer")) {
        std::unique_ptr<PageCanvas> canvas = p.beginPrintJob(ReportPrintJobTitle);
        if (!canvas) {
            p.message(MessageKind::Plain, ApplicationTitle,
                      QStringLiteral("The report could not be printed: the printer did not "
                                     "start the print job."));
            return;
        }
        // Without sections there is nothing to report: an empty page.
        if (!f.LB_SSP.items().isEmpty()) {
            PageMetrics m;
            m.dpi = canvas->dotsPerInch();
            m.width = canvas->pageWidth();
            m.height = canvas->pageHeight();
            m.textWidth = [&canvas](const QString &t, const ReportFont &font) {
                return canvas->textWidth(t, fontSpec(font));
            };
            m.textHeight = [&canvas](const QString &t, const ReportFont &font) {
                return canvas->textHeight(t, fontSpec(font));
            };
            const QDateTime now = p.now();
            const QString stamp =
                p.shortDateText(now.date()) + QStringLiteral(" , ") + p.longTimeText(now.time());
            const PageLayout page = reportPageLayout(table, m, version, stamp);
            for (const PageRule &r : page.rules)
                canvas->drawLine(r.x1, r.y1, r.x2, r.y2, r.penWidth);
            for (const PageText &t : page.texts)
                canvas->drawText(t.x, t.y, t.text, fontSpec(t.font));
        }
        if (!canvas->end()) {
            const QString why = canvas->endFailure();
            p.message(MessageKind::Plain, ApplicationTitle,
                      why.isEmpty()
                          ? QStringLiteral("The report could not be printed: the "
                                           "printer did not take the page.")
                          : QStringLiteral("The report could not be printed into ") + why);
        }
        return;
    }

    SaveFileRequest req;
    req.title = ReportDialogTitle;
    req.filter = ReportFilter;
    req.defaultExt = ReportExtension;
    req.confirmOverwrite = true;
    const std::optional<QString> path = p.saveFile(req);
    if (!path)
        return;
    const QByteArray bytes = reportFileOf(table);
    if (const std::optional<QString> reason = writeWholeFile(*path, bytes))
        p.message(MessageKind::Plain, ApplicationTitle,
                  QStringLiteral("The report could not be written to %1: %2").arg(*path, *reason));
}

void ReportHandlers::MenuPrintClick()
{
    if (p.choosePrinter())
        WriteReport(QStringLiteral("Printer"));
}

void ReportHandlers::MenuPrintToFileClick()
{
    WriteReport(QStringLiteral("File"));
}

void wireReport(form::MainForm &f, ReportHandlers &report)
{
    f.MenuPrint.onClick = [&report] { report.MenuPrintClick(); };
    f.MenuPrintToFile.onClick = [&report] { report.MenuPrintToFileClick(); };
}

} // namespace pc
