#include "catalogue/catalogue_checks.h"

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
    for (size_t s = 0; s < c.SectionWidth.size(); ++s)
        if (!(c.SectionWidth[s] > 0))
            return damage(QStringLiteral("SectionWidth[%1]").arg(s),
                          QStringLiteral("width %1 is not above 0").arg(c.SectionWidth[s]));

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
    return std::nullopt;
}

} // namespace pc
