#include "corrosion/service_life.h"

#include "units/format.h"

namespace pc {

namespace {

// Service lives up to this many years come from the catalogue's own list;
// an annex adds only the years beyond it.
constexpr int ListedServiceLifeMax = 100;

} // namespace

QString yearsItem(int years)
{
    return QLatin1Char(' ') + QString::number(years);
}

int yearsOfItem(const QString &item)
{
    const auto years = parseInteger(item);
    return years ? static_cast<int>(*years) : 0;
}

QStringList protectionItems(const std::vector<int16_t> &protectionYears, int serviceLife)
{
    QStringList items{yearsItem(0)};
    for (int16_t p : protectionYears)
        if (p <= serviceLife)
            items.append(yearsItem(p));
    return items;
}

int followPosition(int rememberedIndex, int itemCount)
{
    return rememberedIndex > itemCount - 1 ? itemCount - 1 : rememberedIndex;
}

int protectionYearsForLife(const std::vector<int16_t> &protectionYears, int selectedIndex,
                           int serviceLife)
{
    const QStringList items = protectionItems(protectionYears, serviceLife);
    const int i = followPosition(selectedIndex, static_cast<int>(items.size()));
    return i >= 0 && i < items.size() ? yearsOfItem(items[i]) : 0;
}

ServiceLifeList serviceLifeListForAnnex(const QStringList &items, int selected,
                                        const std::vector<int16_t> &annexYears)
{
    ServiceLifeList out{items, selected};
    if (annexYears.empty())
        return out;
    for (int16_t year : annexYears) {
        if (year <= ListedServiceLifeMax)
            continue;
        // Two annexes that tabulate the same long life list it once.
        bool listed = false;
        for (const QString &item : out.items)
            listed = listed || yearsOfItem(item) == year;
        if (!listed)
            out.items.append(yearsItem(year));
    }
    const int last = annexYears.back();
    for (int i = static_cast<int>(out.items.size()) - 1; i >= 0; --i) {
        if (yearsOfItem(out.items[i]) <= last)
            continue;
        out.items.removeAt(i);
        if (out.selected == i)
            out.selected = -1;
        else if (out.selected > i)
            --out.selected;
    }
    return out;
}

} // namespace pc
