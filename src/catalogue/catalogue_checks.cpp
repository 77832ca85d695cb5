#include "catalogue/catalogue_checks.h"

#include <cmath>
#include <tuple>
#include <utility>

namespace pc {

namespace {

CatalogueDamage damage(const QString &field, const QString &reason)
{
    return CatalogueDamage{field, reason};
}

template <typename T>
std::optional<CatalogueDamage> strictlyAscending(const std::vector<T> &values, const QString &field)
{
    for (size_t i = 1; i < values.size(); ++i)
        if (!(values[i - 1] < values[i]))
            return damage(QStringLiteral("%1[%2]").arg(field).arg(i),
                          QStringLiteral("%1 does not follow %2 in ascending order")
                              .arg(values[i])
                              .arg(values[i - 1]));
    return std::nullopt;
}

// The range a stored number of one kind may take. Every number of the file
// is shown, converted to the other unit system, interpolated or multiplied
// with the others; the bounds are wide of any real sheet pile but keep every
// such result finite and printable, so that the program never shows "inf"
// or "nan" and no comparison of it is always true.
struct Plausible
{
    double lowest;
    double highest;
    bool lowestIncluded = true;

    // Written so that NaN fails.
    bool holds(double v) const
    {
        return (lowestIncluded ? v >= lowest : v > lowest) && v <= highest;
    }
    QString text() const
    {
        return QStringLiteral("%1%2 .. %3")
            .arg(lowestIncluded ? QString() : QStringLiteral("above "))
            .arg(lowest)
            .arg(highest);
    }
};

// Section properties per metre of wall (cm2/m, cm4/m, cm3/m); 0 marks a loss
// without a reduced section.
constexpr Plausible PropertyRange{0, 1e8};
// Width of one pile element, m: the number of elements and the weight per
// square metre divide by it.
constexpr Plausible WidthRange{0.01, 100};
constexpr Plausible MassRange{0, 1e5};             // kg/m per element
constexpr Plausible ThicknessRange{0, 1000};       // mm
constexpr Plausible PileLengthRange{0, 1000};      // m
constexpr Plausible YieldRange{0, 10000, false};   // N/mm2
constexpr Plausible YieldKsiRange{0, 1500, false}; // ksi
constexpr Plausible FaceLossRange{0, 1000};        // mm
constexpr Plausible WallLengthRange{0, 1e6};       // m
constexpr Plausible RateRange{0, 1000};            // mm/year

std::optional<CatalogueDamage> outside(double v, const Plausible &range, const QString &field)
{
    if (range.holds(v))
        return std::nullopt;
    return damage(field, QStringLiteral("%1 is outside %2").arg(v).arg(range.text()));
}

// Index of the first of `n` values outside `range`, or `n`. A whole catalogue
// is checked at every load and nearly always holds: blocks of values are
// checked without a branch per value, which the compiler turns into vector
// compares, and the failing value is looked for only in a block that fails.
size_t firstOutside(const double *values, size_t n, const Plausible &range)
{
    // "above lowest" is "at least the next number above it".
    const double lowest =
        range.lowestIncluded ? range.lowest : std::nextafter(range.lowest, HUGE_VAL);
    const double highest = range.highest;
    constexpr size_t Block = 64;
    size_t at = 0;
    for (; at + Block <= n; at += Block) {
        // Written as a select into a double, the form GCC vectorises at -O2.
        double failed = 0;
        for (size_t i = 0; i < Block; ++i) {
            const double v = values[at + i];
            failed = (v >= lowest && v <= highest) ? failed : 1.0; // NaN fails
        }
        if (failed != 0)
            break;
    }
    for (; at < n; ++at)
        if (!range.holds(values[at]))
            return at;
    return n;
}

// The cell's name is spelled only for the one that fails.
std::optional<CatalogueDamage> everyWithin(const std::vector<double> &values,
                                           const Plausible &range, const QString &field)
{
    const size_t i = firstOutside(values.data(), values.size(), range);
    if (i == values.size())
        return std::nullopt;
    return outside(values[i], range, QStringLiteral("%1[%2]").arg(field).arg(i));
}

std::optional<CatalogueDamage> everyCellWithin(const FlatTable<double> &table,
                                               const Plausible &range, const QString &field)
{
    const size_t n = table.size() * table.columns();
    const size_t k = firstOutside(table.data(), n, range);
    if (k == n)
        return std::nullopt;
    const size_t r = k / table.columns();
    const size_t i = k % table.columns();
    return outside(table.data()[k], range, QStringLiteral("%1[%2][%3]").arg(field).arg(r).arg(i));
}

std::optional<CatalogueDamage> everyCellWithin(const std::vector<std::vector<double>> &rows,
                                               const Plausible &range, const QString &field)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        const size_t i = firstOutside(rows[r].data(), rows[r].size(), range);
        if (i < rows[r].size())
            return outside(rows[r][i], range,
                           QStringLiteral("%1[%2][%3]").arg(field).arg(r).arg(i));
    }
    return std::nullopt;
}

std::optional<CatalogueDamage> implausibleNumber(const Catalogue &c)
{
    const std::pair<const PropertyTable *, const char *> properties[] = {
        {&c.RedA, "RedA"}, {&c.RedI, "RedI"}, {&c.RedWel, "RedWel"}};
    for (const auto &[table, name] : properties)
        if (auto d = everyCellWithin(*table, PropertyRange, QLatin1String(name)))
            return d;

    const std::tuple<const std::vector<double> *, const Plausible *, const char *> lists[] = {
        {&c.SectionMass, &MassRange, "SectionMass"},
        {&c.SectionTf, &ThicknessRange, "SectionTf"},
        {&c.SectionTw, &ThicknessRange, "SectionTw"},
        {&c.SectionMaxLength, &PileLengthRange, "SectionMaxLength"},
        {&c.GradeFy, &YieldRange, "GradeFy"},
        {&c.GradeFyKsi, &YieldKsiRange, "GradeFyKsi"},
    };
    for (const auto &[values, range, name] : lists)
        if (auto d = everyWithin(*values, *range, QLatin1String(name)))
            return d;

    for (size_t a = 0; a < c.Annexes.size(); ++a) {
        const Annex &x = c.Annexes[a];
        const std::pair<const std::vector<std::vector<double>> *, const char *> tables[] = {
            {&x.AtmosLoss, "AtmosLoss"}, {&x.SoilLoss, "SoilLoss"}, {&x.WaterLoss, "WaterLoss"}};
        for (const auto &[table, name] : tables)
            if (auto d = everyCellWithin(
                    *table, FaceLossRange,
                    QStringLiteral("Annexes[%1].%2").arg(a).arg(QLatin1String(name))))
                return d;
    }

    if (auto d = outside(c.MaxWallLength, WallLengthRange, QStringLiteral("MaxWallLength")))
        return d;
    return outside(c.MaxCorrosionRate, RateRange, QStringLiteral("MaxCorrosionRate"));
}

} // namespace

std::optional<CatalogueDamage> findCatalogueDamage(const Catalogue &c)
{
    const int sections = c.SectionCount();

    // A pair whose last index is below its first lists no section and is
    // harmless; any other pair is scanned and must stay inside the tables.
    for (size_t r = 0; r < c.FamilyRange.size(); ++r) {
        const int first = c.FamilyRange[r][0];
        const int last = c.FamilyRange[r][1];
        if (last < first)
            continue;
        for (const int index : {first, last})
            if (index < 0 || index >= sections)
                return damage(QStringLiteral("FamilyRange[%1]").arg(r),
                              QStringLiteral("section index %1 is outside 0 .. %2")
                                  .arg(index)
                                  .arg(sections - 1));
    }

    // Interpolation between rows divides by the difference of neighbours.
    if (auto d = strictlyAscending(c.LossStep, QStringLiteral("LossStep")))
        return d;

    // Wall quantities divide by the width of a pile element.
    for (size_t s = 0; s < c.SectionWidth.size(); ++s) {
        if (c.SectionWidth[s] > 0 && WidthRange.holds(c.SectionWidth[s]))
            continue;
        const QString field = QStringLiteral("SectionWidth[%1]").arg(s);
        if (!(c.SectionWidth[s] > 0))
            return damage(field, QStringLiteral("width %1 is not above 0").arg(c.SectionWidth[s]));
        return outside(c.SectionWidth[s], WidthRange, field);
    }

    // Table losses are interpolated between two years.
    for (size_t a = 0; a < c.Annexes.size(); ++a) {
        const auto &years = c.Annexes[a].AnnexYear;
        const QString field = QStringLiteral("Annexes[%1].AnnexYear").arg(a);
        if (years.size() < 2)
            return damage(field,
                          QStringLiteral("%1 year(s); at least 2 are needed").arg(years.size()));
        if (auto d = strictlyAscending(years, field))
            return d;
    }
    return implausibleNumber(c);
}

} // namespace pc
