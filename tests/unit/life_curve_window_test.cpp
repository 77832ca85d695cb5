// The service life curve window, driven headless: it opens from the Options
// menu with the series of the design, follows every change of the design
// while it is open, reads out a year, and exports through the platform
// (files whole or a message, never a crash).

#include "app_fixture.h"
#include "built_sample.h"
#include "catalogue/catalogue_reader.h"
#include "engine/life_curve_text.h"
#include "units/format.h"
#include "window/life_curve_source.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

namespace {

using pc::form::MainForm;
using pc::test::RunningApp;

QString number(RunningApp &r, const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), r.p.decimalSeparator());
}

// A design that fails within the tables: a moment that the first
// section carries for some years, with sea water on the front face.
void enterDesign(RunningApp &r)
{
    auto &f = r.f;
    f.userPage(MainForm::PageInput);
    f.userReplace(f.Edit_Moment, number(r, "120"));
    f.userReplace(f.Edit_Sfmin, number(r, "1.5"));
    f.userPage(MainForm::PageRates);
    f.userSelect(f.RG_Front, 2);
    f.userSelect(f.CB_Front_Detail, 2);
    f.userPage(MainForm::PageInput);
}

void openCurve(RunningApp &r)
{
    r.f.userClick(r.f.MenuLifeCurve);
}

// What the window shows, cell by cell, against the series of the design the
// main window holds now.
void expectWindowShowsTheDesign(RunningApp &r)
{
    const pc::LifeCurve fresh = pc::computeLifeCurve(r.a);
    const bool metric = r.a.s.UnitsMetric;
    const QChar decimal = r.p.decimalSeparator();
    const auto &w = r.a.lifeCurveWindow;
    const pc::form::Control &grid = w.SG_LifeTable;
    ASSERT_EQ(grid.rowCount(), static_cast<int>(fresh.rows.size()) + 1);
    ASSERT_EQ(grid.colCount(), pc::LifeCurveColumnCount);
    const auto headers = pc::lifeCurveHeaders(metric);
    // Every header fits its column in the window's font: none is cut off.
    const pc::FontSpec font = pc::mainWindowFont(r.p);
    for (int col = 0; col < pc::LifeCurveColumnCount; ++col) {
        EXPECT_EQ(grid.cell(col, 0), headers[static_cast<size_t>(col)]);
        EXPECT_GT(grid.colWidth(col), r.p.textWidth(headers[static_cast<size_t>(col)], font))
            << "column " << col;
    }
    for (size_t row = 0; row < fresh.rows.size(); ++row) {
        const auto cells = pc::lifeCurveCells(fresh.rows[row], metric, decimal);
        for (int col = 0; col < pc::LifeCurveColumnCount; ++col)
            ASSERT_EQ(grid.cell(col, static_cast<int>(row) + 1), cells[static_cast<size_t>(col)])
                << "row " << row << " column " << col;
    }
    EXPECT_EQ(w.Lbl_LifeSummary.caption(), pc::lifeCurveSummaryText(fresh, decimal));
    const pc::LifeChartPicture &chart = w.chart();
    ASSERT_EQ(chart.years.size(), fresh.rows.size());
    for (size_t i = 0; i < fresh.rows.size(); ++i) {
        EXPECT_EQ(chart.sfRed[i], static_cast<double>(fresh.rows[i].sfRed));
        EXPECT_EQ(chart.sfIni[i], static_cast<double>(fresh.rows[i].sfIni));
    }
    EXPECT_EQ(chart.crossingYear, fresh.firstFailingYear);
    EXPECT_EQ(chart.sfMin, static_cast<double>(fresh.sfMinRequired));
}

TEST(LifeCurveWindow, OpensFromTheOptionsMenuWithTheSeriesOfTheDesign)
{
    for (QChar decimal : {QLatin1Char('.'), QLatin1Char(',')}) {
        SCOPED_TRACE(std::string("decimal separator ") + decimal.toLatin1());
        RunningApp r(pc::test::builtSample(), decimal);
        enterDesign(r);
        EXPECT_FALSE(r.a.lifeCurveWindow.shown());
        openCurve(r);
        ASSERT_TRUE(r.a.lifeCurveWindow.shown());
        expectWindowShowsTheDesign(r);
        // The design fails within the tables, and the chart says when.
        const pc::LifeCurve &c = r.a.curve.lifeCurve();
        ASSERT_GT(c.firstFailingYear, 0);
        EXPECT_EQ(r.a.lifeCurveWindow.chart().crossingLabel,
                  pc::format(decimal, " Sf,red < %1.2f from year %d ",
                             {c.sfMinRequired, c.firstFailingYear}));
        EXPECT_EQ(r.a.lifeCurveWindow.chart().years.back(), 100); // the first annex's last year
    }
}

// A required factor the field refused empties it until the field is left;
// the curve then has no factor to check against, and the window and its
// picture say so instead of showing the stand-in of a million.
TEST(LifeCurveWindow, AnEmptiedRequiredFactorIsNoNumberShown)
{
    RunningApp r(pc::test::builtSample());
    enterDesign(r);
    r.f.userClick(r.f.MenuSelectSfmin);
    r.f.userSelect(r.f.LB_SSP, 0);
    openCurve(r);
    r.f.userReplace(r.f.Edit_Sfmin, number(r, "0.5"));
    const auto &w = r.a.lifeCurveWindow;
    EXPECT_FALSE(w.Lbl_LifeSummary.caption().contains(QStringLiteral("1000000")))
        << w.Lbl_LifeSummary.caption().toStdString();
    EXPECT_TRUE(w.Lbl_LifeSummary.caption().startsWith(
        QStringLiteral(" Sf,red is not checked: the Sfmin field is empty.")))
        << w.Lbl_LifeSummary.caption().toStdString();
    EXPECT_EQ(w.chart().sfMin, 0.0);
    EXPECT_EQ(w.chart().crossingYear, -1);
    EXPECT_TRUE(w.chart().crossingLabel.isEmpty());
    // Left, the field takes its default again and the curve checks it.
    r.f.userLeave();
    EXPECT_TRUE(w.Lbl_LifeSummary.caption().contains(number(r, "1.50")))
        << w.Lbl_LifeSummary.caption().toStdString();
}

// A search that found no section leaves the no-match lines in the list: the
// curve's picture names no section, and no page change makes a report of
// the section shown before printable.
TEST(LifeCurveWindow, ANoMatchListNamesNoSectionAndPrintsNothing)
{
    RunningApp r(pc::test::builtSample());
    auto &f = r.f;
    f.userSelect(f.RG_SSP, 1);
    f.userClick(f.MenuSelectSfmin);
    ASSERT_FALSE(f.LB_SSP.enabled()) << "the band was meant to find no section";
    for (int page : {MainForm::PageRates, MainForm::PageInput}) {
        f.userPage(page);
        EXPECT_FALSE(f.MenuPrint.enabled()) << "page " << page;
        EXPECT_FALSE(f.MenuPrintToFile.enabled()) << "page " << page;
    }
    openCurve(r);
    EXPECT_TRUE(r.a.lifeCurveWindow.chart().subtitle.isEmpty())
        << r.a.lifeCurveWindow.chart().subtitle.toStdString();
}

struct FollowCase
{
    const char *name;
    std::function<void(RunningApp &)> change;
    std::function<void(RunningApp &)> prepare = [](RunningApp &) {};
};

TEST(LifeCurveWindow, FollowsEveryChangeOfTheDesignWhileOpen)
{
    const FollowCase cases[] = {
        {"moment keystroke", [](RunningApp &r) { r.f.userKey(r.f.Edit_Moment, QLatin1Char('5')); }},
        // The required factor is typed in search mode.
        {"required factor",
         [](RunningApp &r) {
             ASSERT_EQ(r.f.userReplace(r.f.Edit_Sfmin, number(r, "1.2")),
                       pc::form::ActionResult::Done);
         },
         [](RunningApp &r) { r.f.userClick(r.f.MenuSelectSfmin); }},
        {"unit switch", [](RunningApp &r) { r.f.userClick(r.f.MenuImperial); }},
        {"grade", [](RunningApp &r) { r.f.userSelect(r.f.CB_SteelGrades, 3); }},
        {"section", [](RunningApp &r) { r.f.userSelect(r.f.LB_SSP, 4); }},
        {"front detail",
         [](RunningApp &r) {
             r.f.userPage(MainForm::PageRates);
             r.f.userSelect(r.f.CB_Front_Detail, 3);
         }},
        {"annex",
         [](RunningApp &r) {
             r.f.userPage(MainForm::PageRates);
             r.f.userSelect(r.f.CB_EC3NAD, 1);
         }},
    };
    for (const FollowCase &c : cases) {
        SCOPED_TRACE(c.name);
        RunningApp r(pc::test::builtSample());
        enterDesign(r);
        c.prepare(r);
        openCurve(r);
        const QString before = pc::lifeCurveCsv(r.a.curve.lifeCurve(), r.a.s.UnitsMetric);
        const int revision = r.a.lifeCurveWindow.chartRevision();
        c.change(r);
        EXPECT_GT(r.a.lifeCurveWindow.chartRevision(), revision);
        EXPECT_NE(pc::lifeCurveCsv(r.a.curve.lifeCurve(), r.a.s.UnitsMetric), before)
            << "the change did not change the series";
        expectWindowShowsTheDesign(r);
    }
}

TEST(LifeCurveWindow, AClosedWindowComputesNothingAndAReopenedOneIsCurrent)
{
    RunningApp r(pc::test::builtSample());
    enterDesign(r);
    openCurve(r);
    r.a.lifeCurveWindow.hide();
    r.a.trace.resetCounts();
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("180"));
    EXPECT_EQ(r.a.trace.count("RefreshLifeCurve"), 0);
    openCurve(r);
    expectWindowShowsTheDesign(r);
    // An action that leaves the design as it was computes nothing again.
    r.a.trace.resetCounts();
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("180"));
    EXPECT_EQ(r.a.trace.count("RefreshLifeCurve"), 0);
}

TEST(LifeCurveWindow, ReadOutOfTheYearUnderTheMouse)
{
    RunningApp r(pc::test::builtSample());
    enterDesign(r);
    openCurve(r);
    const pc::LifeCurve &c = r.a.curve.lifeCurve();
    const pc::form::Control &label = r.a.lifeCurveWindow.Lbl_LifeReadout;
    const int year = c.firstFailingYear;
    ASSERT_GT(year, 0);
    r.a.curve.LifeChartMouseMove(year);
    const auto cells = pc::lifeCurveCells(c.rows[static_cast<size_t>(year)], true, '.');
    EXPECT_EQ(
        label.caption(),
        QStringLiteral(" Year %1: loss %2 mm, Sf,red = %3 ").arg(year).arg(cells[3], cells[8]));
    for (int outside : {-1, static_cast<int>(c.rows.size())}) {
        r.a.curve.LifeChartMouseMove(year);
        r.a.curve.LifeChartMouseMove(outside);
        EXPECT_EQ(label.caption(), QString()) << outside;
    }
}

struct ExportCase
{
    const char *name;
    pc::form::Control &(*button)(pc::form::LifeCurveForm &);
    const char *fileName; // under the temporary folder; empty: the folder itself
    bool written;
};

TEST(LifeCurveWindow, ExportsWriteWholeFilesOrSaySoWithTheName)
{
    const ExportCase cases[] = {
        {"csv", [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifeCsv; },
         "series.csv", true},
        {"svg", [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifeSvg; },
         "curve.svg", true},
        {"png", [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifePng; },
         "curve.png", true},
        {"csv into a missing folder",
         [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifeCsv; },
         "missing/series.csv", false},
        {"svg into a missing folder",
         [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifeSvg; },
         "missing/curve.svg", false},
        {"png onto a folder",
         [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifePng; }, "", false},
        {"csv onto a folder",
         [](pc::form::LifeCurveForm &w) -> pc::form::Control & { return w.B_LifeCsv; }, "", false},
    };
    for (const ExportCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        // The comma separator of the user never reaches the file.
        RunningApp r(pc::test::builtSample(), QLatin1Char(','));
        enterDesign(r);
        openCurve(r);
        const QString path =
            *c.fileName ? dir.filePath(QString::fromLatin1(c.fileName)) : dir.path();
        r.p.queuePath(path);
        const size_t messages = r.p.messages().size();
        r.f.userClick(c.button(r.a.lifeCurveWindow));
        EXPECT_EQ(r.p.pendingAnswers(), 0u);
        if (c.written) {
            EXPECT_EQ(r.p.messages().size(), messages);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            if (QString::fromLatin1(c.name) == QLatin1String("csv")) {
                EXPECT_EQ(bytes, pc::lifeCurveCsv(r.a.curve.lifeCurve(), true).toUtf8());
                EXPECT_TRUE(bytes.contains("\n35,")) << "years are lines";
            } else {
                EXPECT_TRUE(bytes.startsWith("<?xml")) << bytes.left(40).toStdString();
            }
        } else {
            ASSERT_EQ(r.p.messages().size(), messages + 1);
            const QString text = r.p.messages().back().text;
            EXPECT_TRUE(text.contains(path)) << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("could not be saved"))) << text.toStdString();
            if (*c.fileName) {
                EXPECT_FALSE(QFile::exists(path));
            }
        }
    }
}

TEST(LifeCurveWindow, CopyPutsTheChartAndTheSeriesOnTheClipboard)
{
    RunningApp r(pc::test::builtSample());
    enterDesign(r);
    openCurve(r);
    r.f.userClick(r.a.lifeCurveWindow.B_LifeCopy);
    const QString clip = r.p.clipboardDescription();
    EXPECT_TRUE(clip.startsWith(QStringLiteral("{\"kind\":\"life curve\",\"years\":101,")))
        << clip.toStdString();
    EXPECT_TRUE(clip.contains(QStringLiteral("Year,Loss front (mm)"))) << clip.toStdString();
    EXPECT_EQ(r.p.chartOutputs().back(), QStringLiteral("life clipboard"));
}

} // namespace
