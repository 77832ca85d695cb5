#pragma once
// The service life curve of a design: for every whole year from 0 to the
// last year the loss rules know, the losses of both faces, the reduced
// section and the two safety factors, computed with the very rules the
// window applies when that year is picked as the service life. From the
// series: the first year the reduced factor falls below the required one,
// and the first year the tables hold no reduced section.

#include "catalogue/catalogue.h"
#include "corrosion/losses.h"
#include "corrosion/project_rates.h"
#include "engine/design_actions.h"
#include "engine/reduced_properties.h"
#include "engine/safety_factor.h"

#include <array>
#include <vector>

namespace pc {

// Project rates run over this many years; the tables run to their last year.
constexpr int ProjectRatesLastYear = 150;

// What the losses of one year are made of. Index 0 is the front face, 1 the
// back face.
struct LifeCurveInput
{
    // Table rates: annex, exposure (item index of RG_Front / RG_Back) and
    // detail of each face.
    bool tableRates = true;
    int annex = 0;
    std::array<int, 2> exposure{{0, 0}};
    std::array<int, 2> detail{{0, 0}};
    // Project rates: the mode and the typed number of each face in the unit
    // system of the window.
    ProjectMode projectMode = ProjectMode::Rates;
    bool metric = true;
    std::array<long double, 2> projectValue{{0, 0}};
    // The catalogue's protection durations and the item each face's
    // protection list selects: a year picked as the service life rebuilds
    // the lists, as the window does.
    std::vector<int16_t> protectionDurations;
    std::array<int, 2> protectionIndex{{0, 0}};
    // The reduction factor of a corrosion-resistant grade on the front face:
    // whether it applies, and its value.
    bool reductionApplies = false;
    long double reductionFactor = 1;
    // The section (-1: none), its grade strength and the design actions.
    int section = -1;
    double fy = 0; // N/mm2
    DesignActions actions;
    long double sfMinRequired = 0;
};

// The same design: every field equal.
bool operator==(const LifeCurveInput &a, const LifeCurveInput &b);
inline bool operator!=(const LifeCurveInput &a, const LifeCurveInput &b)
{
    return !(a == b);
}

struct LifeCurveRow
{
    int year = 0;
    Losses losses;                 // rounded to 0.01 mm; total as the window sums it
    bool reductionApplies = false; // the total holds the reduced front loss
    std::array<int, 2> protectionYears{{0, 0}};
    ReducedStatus status = ReducedStatus::NoSection;
    double welRed = 0, iRed = 0, aRed = 0; // 0 = not available
    Extended sfIni = 0, sfRed = 0;         // rounded to 0.01; 0 = not available
    bool passes = false;                   // Sf,red available and at least the required factor
    bool beyondTables = false;             // the total loss exceeds the largest tabulated loss
    // No reduced section: the tables hold none for the loss, or it lies
    // beyond them.
    bool noReducedSection() const
    {
        return status == ReducedStatus::NoReducedSection || status == ReducedStatus::OutOfRange;
    }
};

struct LifeCurve
{
    std::vector<LifeCurveRow> rows; // one per year, rows[y].year == y
    int firstFailingYear = -1;      // -1: never within the series
    int firstNoReducedSectionYear = -1;
    Extended sfMinRequired = 0;
};

// The last year of the series: the selected annex's last tabulated year with
// table rates (0 without an annex), ProjectRatesLastYear with project rates.
int lifeCurveLastYear(const Catalogue &cat, const LifeCurveInput &in);

// One row: the design with `year` picked as the service life.
LifeCurveRow lifeCurveRow(const Catalogue &cat, const LifeCurveInput &in, int year);

// Every year from 0 to lifeCurveLastYear, and the two years found in it.
LifeCurve computeLifeCurve(const Catalogue &cat, const LifeCurveInput &in);

} // namespace pc
