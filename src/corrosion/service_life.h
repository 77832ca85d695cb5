#pragma once
// The lists of years: service life and surface protection. Their items are a
// blank followed by a whole number of years (" 0", " 25", " 120").

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace pc {

// " " + years.
QString yearsItem(int years);

// The number of years of an item (its leading blank ignored); 0 for a text
// that is not a whole number, so that no selection means no years.
int yearsOfItem(const QString &item);

// Items of a protection list for a service life: " 0", then every
// protection duration not above the service life, in catalogue order.
QStringList protectionItems(const std::vector<int16_t> &protectionYears, int serviceLife);

// The item a protection list selects after it was rebuilt: the same
// position, or the last item when the list has become shorter.
int followPosition(int rememberedIndex, int itemCount);

// The protection years a face has after the service life `serviceLife` is
// picked while its protection list selects `selectedIndex`: the list is
// rebuilt for that life and keeps the position (protectionItems,
// followPosition); 0 when nothing is selected.
int protectionYearsForLife(const std::vector<int16_t> &protectionYears, int selectedIndex,
                           int serviceLife);

// The service-life list after a change of annex: every tabulated year above
// 100 not yet listed is appended in table order, then every item above the
// annex's last year is removed. `selected` is the selected item after that,
// -1 when the selected service life was removed.
struct ServiceLifeList
{
    QStringList items;
    int selected = -1;
};
ServiceLifeList serviceLifeListForAnnex(const QStringList &items, int selected,
                                        const std::vector<int16_t> &annexYears);

} // namespace pc
