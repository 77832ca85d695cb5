#include "engine/life_curve_text.h"

#include "engine/safety_factor.h"
#include "units/format.h"
#include "units/unit_captions.h"
#include "units/unit_factors.h"

#include <nlohmann/json.hpp>

namespace pc {

namespace {

const QString NotAvailable = QStringLiteral("N/A");

QString factorText(QChar decimal, Extended sf)
{
    return sf > 0 ? format(decimal, "%1.2f", {sf}) : NotAvailable;
}

bool hasReducedSection(const LifeCurveRow &row)
{
    return row.welRed > 0;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A number for JSON: the value of the text written with the decimal point,
// so that JSON holds what the table shows.
nlohmann::json jsonNumber(const QString &cell)
{
    bool ok = false;
    const double v = cell.trimmed().toDouble(&ok);
    return ok ? nlohmann::json(v) : nlohmann::json(nullptr);
}

nlohmann::json jsonYear(int year)
{
    return year >= 0 ? nlohmann::json(year) : nlohmann::json(nullptr);
}

} // namespace

std::array<QString, LifeCurveColumnCount> lifeCurveHeaders(bool metric)
{
    const UnitLabels &u = unitLabels(metric);
    auto unit = [](const QString &name, const QString &unitText) {
        return name + QStringLiteral(" (") + unitText + QLatin1Char(')');
    };
    return {QStringLiteral("Year"),
            unit(QStringLiteral("Loss front"), u.loss),
            unit(QStringLiteral("Loss back"), u.loss),
            unit(QStringLiteral("Loss total"), u.loss),
            unit(QStringLiteral("Wel,red"), u.wel),
            unit(QStringLiteral("I,red"), u.i),
            unit(QStringLiteral("A,red"), u.a),
            QStringLiteral("Sf,ini"),
            QStringLiteral("Sf,red"),
            QStringLiteral("Sf,red >= Sfmin")};
}

QString lifeCurveTotalLossText(const LifeCurveRow &row, bool metric, QChar decimal)
{
    if (metric)
        return format(decimal, "%1.2f", {row.losses.total});
    // The imperial total is the sum of the whole mils of the faces shown.
    const LossSummary shown =
        lossSummary(decimal, metric, row.losses.front, row.losses.frontReduced,
                    row.reductionApplies, row.losses.back, row.losses.total);
    return format(decimal, "%1.0f", {shown.lossTotalMils.value_or(0)});
}

std::array<QString, LifeCurveColumnCount> lifeCurveCells(const LifeCurveRow &row, bool metric,
                                                         QChar decimal)
{
    // The front loss shown is the reduced one when the total was made of it.
    const LossSummary loss = lossSummary(decimal, metric, row.losses.front, row.losses.frontReduced,
                                         row.reductionApplies, row.losses.back, row.losses.total);
    std::array<QString, LifeCurveColumnCount> cells;
    cells[0] = format(decimal, "%d", {row.year});
    cells[1] = loss.front;
    cells[2] = loss.back;
    cells[3] = lifeCurveTotalLossText(row, metric, decimal);
    if (hasReducedSection(row)) {
        const auto p = propertyCellTexts(decimal, metric, row.welRed, row.iRed, row.aRed, 0, 0);
        cells[4] = p[0].trimmed();
        cells[5] = p[1].trimmed();
        cells[6] = p[2].trimmed();
    } else {
        cells[4] = cells[5] = cells[6] = NotAvailable;
    }
    cells[7] = factorText(decimal, row.sfIni);
    cells[8] = factorText(decimal, row.sfRed);
    cells[9] = row.passes ? QStringLiteral("yes") : QStringLiteral("no");
    return cells;
}

QString lifeCurveCsv(const LifeCurve &curve, bool metric)
{
    QStringList lines;
    QStringList header;
    for (const QString &h : lifeCurveHeaders(metric))
        header << csvField(h);
    lines << header.join(QLatin1Char(','));
    for (const LifeCurveRow &row : curve.rows) {
        QStringList fields;
        for (const QString &c : lifeCurveCells(row, metric, QLatin1Char('.')))
            fields << csvField(c);
        lines << fields.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString lifeCurveJson(const LifeCurve &curve, bool metric)
{
    const UnitLabels &u = unitLabels(metric);
    nlohmann::json j;
    j["units"] = metric ? "metric" : "imperial";
    j["lossUnit"] = u.loss.toStdString();
    j["sfMinRequired"] = jsonNumber(format(QLatin1Char('.'), "%1.2f", {curve.sfMinRequired}));
    j["firstFailingYear"] = jsonYear(curve.firstFailingYear);
    j["firstNoReducedSectionYear"] = jsonYear(curve.firstNoReducedSectionYear);
    nlohmann::json rows = nlohmann::json::array();
    for (const LifeCurveRow &row : curve.rows) {
        const auto c = lifeCurveCells(row, metric, QLatin1Char('.'));
        nlohmann::json r;
        r["year"] = row.year;
        r["lossFront"] = jsonNumber(c[1]);
        r["lossBack"] = jsonNumber(c[2]);
        r["lossTotal"] = jsonNumber(c[3]);
        r["welRed"] = jsonNumber(c[4]);
        r["iRed"] = jsonNumber(c[5]);
        r["aRed"] = jsonNumber(c[6]);
        r["sfIni"] = jsonNumber(c[7]);
        r["sfRed"] = jsonNumber(c[8]);
        r["passes"] = row.passes;
        r["beyondTables"] = row.beyondTables;
        r["noReducedSection"] = row.noReducedSection();
        rows.push_back(r);
    }
    j["rows"] = rows;
    return QString::fromStdString(j.dump(1)) + QLatin1Char('\n');
}

QString lifeCurveSummaryText(const LifeCurve &curve, QChar decimal)
{
    const QString sfMin = format(decimal, "%1.2f", {curve.sfMinRequired});
    // An emptied Sfmin field stands for a factor nothing reaches; that
    // stand-in is no number to show.
    QString failing =
        curve.sfMinRequired > SfShownMax
            ? QStringLiteral(" Sf,red is not checked: the Sfmin field is empty.")
        : curve.firstFailingYear >= 0
            ? format(decimal, " Sf,red below %s from year %d.", {sfMin, curve.firstFailingYear})
            : format(decimal, " Sf,red stays at or above %s.", {sfMin});
    QString noSection = curve.firstNoReducedSectionYear >= 0
                            ? format(decimal, " No reduced section from year %d. ",
                                     {curve.firstNoReducedSectionYear})
                            : QStringLiteral(" ");
    return failing + noSection;
}

} // namespace pc
