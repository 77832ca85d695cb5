#include "engine/reduced_properties.h"

#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_factors.h"

namespace pc {

namespace {

template <typename T> double at(const std::vector<T> &v, int i)
{
    return i >= 0 && i < static_cast<int>(v.size()) ? static_cast<double>(v[i]) : 0.0;
}

double at(const PropertyTable &table, int row, int s)
{
    return row >= 0 && row < static_cast<int>(table.size()) && s >= 0 &&
                   s < static_cast<int>(table.columns())
               ? table[static_cast<size_t>(row)][static_cast<size_t>(s)]
               : 0.0;
}

Extended interpolate(const PropertyTable &table, int k, int s, Extended t)
{
    return interpolateRows(at(table, k, s), at(table, k + 1, s), t);
}

} // namespace

LossInterval findLossInterval(const Catalogue &cat, double lossTotal)
{
    LossInterval iv;
    const int steps = cat.LossStepCount();
    iv.lossMax = steps > 0 ? cat.LossStep[steps - 1] : 0;
    if (iv.lossMax < lossTotal) {
        iv.kind = LossInterval::Kind::BeyondTables;
        return iv;
    }
    if (!(lossTotal > 0)) {
        iv.kind = LossInterval::Kind::NoLoss;
        return iv;
    }
    // The last row below the loss, never the last row of the table: a loss
    // equal to a step uses the interval that ends at that step.
    int k = 0;
    for (int i = 1; i <= steps - 2; ++i)
        if (cat.LossStep[i] < lossTotal)
            k = i;
    iv.k = k;
    if (k + 1 >= steps) {
        iv.kind = LossInterval::Kind::NoUpperRow;
        return iv;
    }
    const int stepDiff = int(cat.LossStep[k + 1]) - int(cat.LossStep[k]);
    // Steps are ascending when the file is read; two equal steps would leave
    // no interval, and the upper row is then the one that holds the loss.
    iv.t = stepDiff != 0 ? (static_cast<Extended>(lossTotal) - cat.LossStep[k]) / stepDiff : 1.0L;
    iv.kind = LossInterval::Kind::Within;
    return iv;
}

SectionScan::Row SectionScan::row(const PropertyTable &table, int r)
{
    Row out;
    if (r >= 0 && r < static_cast<int>(table.size())) {
        out.values = table[static_cast<size_t>(r)].begin();
        out.count = static_cast<int>(table.columns());
    }
    return out;
}

SectionScan::SectionScan(const Catalogue &cat, double lossTotal)
    : iv_(findLossInterval(cat, lossTotal)), sections_(cat.SectionCount())
{
    wel0_ = row(cat.RedWel, 0);
    a0_ = row(cat.RedA, 0);
    welLow_ = row(cat.RedWel, iv_.k);
    welHigh_ = row(cat.RedWel, iv_.k + 1);
    aLow_ = row(cat.RedA, iv_.k);
    aHigh_ = row(cat.RedA, iv_.k + 1);
}

ReducedProperties computeReducedProperties(const Catalogue &cat, int s, double lossTotal)
{
    return computeReducedProperties(cat, SectionScan(cat, lossTotal), s, lossTotal);
}

ReducedProperties computeReducedProperties(const Catalogue &cat, const SectionScan &scan, int s,
                                           double lossTotal)
{
    const LossInterval &iv = scan.interval();
    const ReducedModulusArea m = scan.modulusArea(s);
    ReducedProperties r;
    r.status = m.status;
    r.beep = m.beep;
    r.lossMax = iv.lossMax;
    r.lossBeyondTables = iv.kind == LossInterval::Kind::BeyondTables;
    r.welRed = m.welRed;
    r.aRed = m.aRed;
    if (m.status == ReducedStatus::NoSection)
        return r;

    InitialProperties &ini = r.initial;
    ini.a = m.aIni;
    ini.i = at(cat.RedI, 0, s);
    ini.wel = m.welIni;
    ini.width = at(cat.SectionWidth, s);
    ini.mass = at(cat.SectionMass, s);
    ini.tf = at(cat.SectionTf, s);
    ini.tw = at(cat.SectionTw, s);
    r.tfRed = ini.tf;
    r.twRed = ini.tw;
    r.hasSection = true;

    if (m.status == ReducedStatus::NoLoss) {
        r.iRed = ini.i;
    } else if (m.status == ReducedStatus::Interpolated) {
        r.iRed = reducedInertia(interpolate(cat.RedI, iv.k, s, iv.t));
        r.twRed = static_cast<double>(static_cast<Extended>(ini.tw) - lossTotal);
        r.tfRed = static_cast<double>(static_cast<Extended>(ini.tf) - lossTotal);
    }
    return r;
}

int reducedGridColumnCount(int current, double lossTotal, int s)
{
    if (lossTotal > 0 && s != -1)
        return 4;
    if (lossTotal == 0 || s == -1)
        return 3;
    return current;
}

int reducedGridColumnWidth(int gridWidth, int lineWidth, int columns)
{
    if (columns <= 0)
        return 0;
    const Extended w = static_cast<Extended>(gridWidth - 2 * columns * lineWidth - 1) / columns;
    return static_cast<int>(roundEven(w));
}

std::array<QString, 5> propertyCellTexts(QChar decimal, bool metric, double wel, double i, double a,
                                         double tf, double tw)
{
    if (metric)
        return {format(decimal, " %1.0f", {wel}), format(decimal, " %1.0f", {i}),
                format(decimal, " %1.1f", {a}), format(decimal, " %1.2f", {tf}),
                format(decimal, " %1.2f", {tw})};
    return {format(decimal, "%1.2f", {wel / CM3M_PER_IN3FT}),
            format(decimal, "%1.1f", {i / CM4M_PER_IN4FT}),
            format(decimal, "%1.2f", {a / CM2M_PER_IN2FT}),
            format(decimal, "%1.3f", {tf / MM_PER_IN}), format(decimal, "%1.3f", {tw / MM_PER_IN})};
}

QString lossBeyondTablesText(int lossMax, bool metric)
{
    if (metric)
        return LossBeyondTablesPrefix + format('.', "%d", {lossMax}) + QStringLiteral(" mm");
    const auto mils = static_cast<long long>(roundEven(lossMax / MM_PER_MIL));
    return LossBeyondTablesPrefix + format('.', "%d", {mils}) + QStringLiteral(" mils");
}

QString sectionPropertiesCaption(const QString &label)
{
    return SectionPropCaptionPrefix + label.trimmed() + QLatin1Char(' ');
}

LossSummary lossSummary(QChar decimal, bool metric, double lossFront, double lossFrontReduced,
                        bool reductionApplies, double lossBack, double lossTotal)
{
    const double front = reductionApplies ? lossFrontReduced : lossFront;
    LossSummary out;
    if (metric) {
        out.back = format(decimal, "%1.2f", {lossBack});
        out.front = format(decimal, "%1.2f", {front});
        out.caption = format(decimal, " Loss of steel thickness: %7.2f", {lossTotal}) +
                      QStringLiteral(" mm ");
        return out;
    }
    out.back = format(decimal, "%1.0f", {lossBack / MM_PER_MIL});
    out.front = format(decimal, "%1.0f", {front / MM_PER_MIL});
    const double mils =
        static_cast<double>(roundEven(front / MM_PER_MIL) + roundEven(lossBack / MM_PER_MIL));
    out.lossTotalMils = mils;
    out.caption =
        format(decimal, " Loss of steel thickness: %7.0f", {mils}) + QStringLiteral(" mils ");
    return out;
}

} // namespace pc
