#pragma once
// The texts of a service life curve in the unit system of the window: the
// cells of one row as the curve window's table shows them, and the whole
// series as CSV or JSON for a file, the clipboard or the command line.
// Files always use the decimal point, whatever the user's separator, so that
// they read the same everywhere.

#include "engine/life_curve.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>

namespace pc {

// Columns of the series: year, loss front, back, total, reduced Wel, I, A,
// Sf,ini, Sf,red, whether Sf,red reaches the required factor.
constexpr int LifeCurveColumnCount = 10;

// Column headers with the units of the system ("Loss front (mm)").
std::array<QString, LifeCurveColumnCount> lifeCurveHeaders(bool metric);

// The cells of one row: losses as the loss summary shows them (mm with two
// decimals, or whole mils), reduced properties as the property grid shows
// them ("N/A" when not available), factors with two decimals ("N/A" when
// not available), "yes" or "no".
std::array<QString, LifeCurveColumnCount> lifeCurveCells(const LifeCurveRow &row, bool metric,
                                                         QChar decimal);

// The loss that the chart's read-out and the table show as the total: mm,
// or the whole mils the loss summary adds up.
QString lifeCurveTotalLossText(const LifeCurveRow &row, bool metric, QChar decimal);

// The series as CSV: a header line, then one line per year; fields are
// separated by commas, with the decimal point.
QString lifeCurveCsv(const LifeCurve &curve, bool metric);

// The series as JSON: {"units", "sfMinRequired", "firstFailingYear",
// "firstNoReducedSectionYear" (null when none), "rows": [...]}; a value that
// is not available is null.
QString lifeCurveJson(const LifeCurve &curve, bool metric);

// " Sf,red falls below 1.50 in year 37 " and the like: the two years of the
// series in one line.
QString lifeCurveSummaryText(const LifeCurve &curve, QChar decimal);

} // namespace pc
