#pragma once
// The corrosion tables of one annex as the window offers them: the exposure
// of a face picks one of the three tables, the detail picks one of its
// columns. Every look-up answers "nothing" instead of reading outside a
// table, whatever the catalogue or the selection holds.

#include "catalogue/catalogue.h"

#include <QString>
#include <QStringList>

namespace pc {

// Exposure of a face: the item index of RG_Front and RG_Back.
enum class Exposure { Atmospheric = 0, Soil = 1, Water = 2 };

// Detail texts longer than this are shown in full under the list as well.
constexpr int LongDetailTextLength = 75;

inline const QString ServiceLifeResetNote = QStringLiteral(" Note: service life reset to 0 years!");

// The detail texts and the losses [year][detail] of one exposure's table.
struct ExposureTable
{
    const std::vector<QString> *names = nullptr;
    const std::vector<std::vector<double>> *losses = nullptr;
};

// The table of `exposure` (an item index of RG_Front / RG_Back) in an
// annex; nothing (null) for an index that is no exposure.
ExposureTable exposureTable(const Annex &a, int exposure);

// The annex `annex` of the catalogue, or nothing when there is none.
const Annex *annexAt(const Catalogue &cat, int annex);

// Column texts of the table of `exposure` (an item index of RG_Front /
// RG_Back) in `annex`; empty for an annex or exposure that does not exist.
QStringList detailNames(const Catalogue &cat, int annex, int exposure);

// Caption of the detail group of a face: " Chapter 4 ", " Table 4.1 " or
// " Table 4.2 "; empty for no exposure.
QString detailGroupCaption(int exposure);

// The text shown under the detail list: the detail itself when it is longer
// than 75 characters, else nothing.
QString longDetailText(const QString &detail);

// Loss of thickness of one face, in mm, after `effectiveYears` of exposure in
// column `detail` of the table of `exposure` in `annex`: linear in time
// between the tabulated years (see tableLoss). 0 when the annex, exposure or
// detail does not exist.
double faceTableLoss(const Catalogue &cat, int annex, int exposure, int detail, int effectiveYears);

// Linear interpolation in time of one column of a table. The segment is the
// last one whose upper year lies below E (the first one when none does), so
// a tabulated year gives its own loss and a time before the first year
// extends the first segment downwards. A time beyond the last year gives the
// last loss, and no time gives a negative loss. Nothing is read outside
// `years` or `table`; a table of one year gives that year's loss.
// The time is a number of years (whole in the program, any value here).
double tableLoss(const std::vector<int16_t> &years, const std::vector<std::vector<double>> &table,
                 int column, long double effectiveYears);

} // namespace pc
