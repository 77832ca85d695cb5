#pragma once
// Reduction factors (CIP) of the corrosion-resistant grades: grades of the
// A690 type and of the NVMarin family corrode more slowly on a front face in
// sea water, and the designer may divide the front loss by a factor whose
// admissible values depend on the zone of that face. Which zone applies, and
// how the group RG_A690 looks in it, is decided here.

#include <QString>
#include <QStringList>

namespace pc {

// One state per zone of RG_A690; the caption tells them apart.
enum class ReductionState { NotApplicable, A690Splash, NVMarinLWZ, NVMarinPIZ, NVMarinProject };

struct ReductionStateLook
{
    QString caption;
    int columns = 1;
    QStringList items;
    int selectedOnEntry = -1; // -1: none (the group is disabled)
    QString hint;             // empty: the hint is left as it is
};

const ReductionStateLook &reductionStateLook(ReductionState state);

// Grade families, read from the grade's text without regard to case.
bool gradeIsA690(const QString &gradeText);
bool gradeIsNVMarin(const QString &gradeText);

struct ReductionDecision
{
    // The families of the grade text (before a zone is looked for).
    bool a690Grade = false;
    bool nvMarinGrade = false;
    ReductionState state = ReductionState::NotApplicable;
};

// The zone of the front face: table rates need a water front with detail 2
// (A690: splash zone; NVMarin: low water zone) or, for NVMarin, detail 3
// (permanent immersion); project rates apply a factor to either family
// whatever the front face.
ReductionDecision reductionDecision(const QString &gradeText, bool projectRates, int frontExposure,
                                    int frontDetail);

// The factor of the selected item of the group in `state`: the number the
// item shows (in the project state its first two characters). 1 when no
// item is selected or its text holds no factor, so the division is always
// defined.
long double reductionFactor(ReductionState state, const QString &selectedItem);

} // namespace pc
