#include "engine/reduced_properties.h"

#include "units/format.h"
#include "units/rounding.h"

namespace pc {

namespace {

constexpr long double MmPerMil = 0.025399956L;
constexpr long double Cm3mPerIn3ft = 53.763147L;
constexpr long double Cm4mPerIn4ft = 136.558158L;
constexpr long double Cm2mPerIn2ft = 21.16663L;
constexpr long double MmPerIn = 25.399956L;

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

// value(k) + t x (value(k + 1) - value(k))
Extended interpolate(const PropertyTable &table, int k, int s, Extended t)
{
    const Extended lo = at(table, k, s);
    const Extended hi = at(table, k + 1, s);
    return lo + t * (hi - lo);
}

} // namespace

ReducedProperties computeReducedProperties(const Catalogue &cat, int s, double lossTotal)
{
    ReducedProperties r;
    const bool hasSection = s >= 0 && s < cat.SectionCount();
    if (hasSection) {
        InitialProperties &ini = r.initial;
        ini.a = at(cat.RedA, 0, s);
        ini.i = at(cat.RedI, 0, s);
        ini.wel = at(cat.RedWel, 0, s);
        ini.width = at(cat.SectionWidth, s);
        ini.mass = at(cat.SectionMass, s);
        ini.tf = at(cat.SectionTf, s);
        ini.tw = at(cat.SectionTw, s);
        r.tfRed = ini.tf;
        r.twRed = ini.tw;
        r.hasSection = true;
    }

    const int steps = cat.LossStepCount();
    r.lossMax = steps > 0 ? cat.LossStep[steps - 1] : 0;

    if (r.lossMax < lossTotal || !hasSection) {
        r.status = hasSection ? ReducedStatus::OutOfRange : ReducedStatus::NoSection;
        r.lossBeyondTables = r.lossMax < lossTotal;
        r.beep = true;
        return r;
    }

    if (!(lossTotal > 0)) {
        r.status = ReducedStatus::NoLoss;
        r.aRed = r.initial.a;
        r.iRed = r.initial.i;
        r.welRed = r.initial.wel;
        return r;
    }

    // The last row below the loss, never the last row of the table: a loss
    // equal to a step uses the interval that ends at that step.
    int k = 0;
    for (int i = 1; i <= steps - 2; ++i)
        if (cat.LossStep[i] < lossTotal)
            k = i;

    if (k + 1 >= steps || at(cat.RedWel, k + 1, s) == 0) {
        r.status = ReducedStatus::NoReducedSection;
        r.beep = true;
        return r;
    }

    const int stepDiff = int(cat.LossStep[k + 1]) - int(cat.LossStep[k]);
    // Steps are ascending when the file is read; two equal steps would leave
    // no interval, and the upper row is then the one that holds the loss.
    const Extended t =
        stepDiff != 0 ? (static_cast<Extended>(lossTotal) - cat.LossStep[k]) / stepDiff : 1.0L;

    r.status = ReducedStatus::Interpolated;
    r.aRed = static_cast<double>(interpolate(cat.RedA, k, s, t));
    const Extended iWhole = roundEven(interpolate(cat.RedI, k, s, t));
    const Extended welWhole = roundEven(interpolate(cat.RedWel, k, s, t));
    r.twRed = static_cast<double>(static_cast<Extended>(r.initial.tw) - lossTotal);
    r.tfRed = static_cast<double>(static_cast<Extended>(r.initial.tf) - lossTotal);
    r.iRed = static_cast<double>(roundToPow10(iWhole, 1));
    r.welRed = static_cast<double>(roundToNearest5(welWhole));
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
    return {format(decimal, "%1.2f", {wel / Cm3mPerIn3ft}),
            format(decimal, "%1.1f", {i / Cm4mPerIn4ft}),
            format(decimal, "%1.2f", {a / Cm2mPerIn2ft}), format(decimal, "%1.3f", {tf / MmPerIn}),
            format(decimal, "%1.3f", {tw / MmPerIn})};
}

QString lossBeyondTablesText(int lossMax, bool metric)
{
    if (metric)
        return LossBeyondTablesPrefix + format('.', "%d", {lossMax}) + QStringLiteral(" mm");
    const auto mils = static_cast<long long>(roundEven(lossMax / MmPerMil));
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
    out.back = format(decimal, "%1.0f", {lossBack / MmPerMil});
    out.front = format(decimal, "%1.0f", {front / MmPerMil});
    const double mils =
        static_cast<double>(roundEven(front / MmPerMil) + roundEven(lossBack / MmPerMil));
    out.lossTotalMils = mils;
    out.caption =
        format(decimal, " Loss of steel thickness: %7.0f", {mils}) + QStringLiteral(" mils ");
    return out;
}

} // namespace pc
