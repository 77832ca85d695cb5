#include "corrosion/reduction_factor.h"

#include "corrosion/annex_tables.h"
#include "units/format.h"

namespace pc {

namespace {

// Water details of the front face that name a zone.
constexpr int SplashOrLowWaterDetail = 2;
constexpr int PermanentImmersionDetail = 3;

bool containsAny(const QString &text, std::initializer_list<const char *> parts)
{
    for (const char *part : parts)
        if (text.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

const ReductionStateLook &reductionStateLook(ReductionState state)
{
    static const ReductionStateLook notApplicable{
        QStringLiteral(" NVMarin / A690 reduction factors "),
        1,
        {QStringLiteral(" Not applicable")},
        -1,
        QString()};
    static const ReductionStateLook a690Splash{
        QStringLiteral(" A690: CIP valid in Splash Zone "),
        3,
        {QStringLiteral(" 3 "), QStringLiteral(" 2 "), QStringLiteral(" 1 ")},
        0,
        QStringLiteral(" CIP : reduction factor for A690 in the Splash Zone ")};
    static const ReductionStateLook nvMarinLwz{
        QStringLiteral(" NVMarin: CIP valid in LWZ "),
        2,
        {QStringLiteral(" 5 "), QStringLiteral(" 1 ")},
        0,
        QStringLiteral(" CIP : reduction factor for NVMarin in the Low Water Zone ")};
    static const ReductionStateLook nvMarinPiz{
        QStringLiteral(" NVMarin: CIP valid in PIZ "),
        2,
        {QStringLiteral(" 3 "), QStringLiteral(" 1 ")},
        0,
        QStringLiteral(" CIP : reduction factor for NVMarin in the Permanent Immersion Zone ")};
    static const ReductionStateLook nvMarinProject{
        QStringLiteral(" NVMarin: CIP valid in LWZ or PIZ "),
        3,
        {QStringLiteral(" 5 (LWZ)"), QStringLiteral(" 3 (PIZ)"), QStringLiteral(" 1 ")},
        2,
        QStringLiteral(" CIP : reduction factor for NVMarin in the Low Water Zone or Permanent "
                       "Immersion Zone ")};
    switch (state) {
    case ReductionState::A690Splash:
        return a690Splash;
    case ReductionState::NVMarinLWZ:
        return nvMarinLwz;
    case ReductionState::NVMarinPIZ:
        return nvMarinPiz;
    case ReductionState::NVMarinProject:
        return nvMarinProject;
    case ReductionState::NotApplicable:
        break;
    }
    return notApplicable;
}

bool gradeIsA690(const QString &gradeText)
{
    return containsAny(gradeText, {"A 690", "A690"});
}

bool gradeIsNVMarin(const QString &gradeText)
{
    return containsAny(gradeText, {"NVMarin", "NV Marin"});
}

ReductionDecision reductionDecision(const QString &gradeText, bool projectRates, int frontExposure,
                                    int frontDetail)
{
    ReductionDecision d;
    d.a690Grade = gradeIsA690(gradeText);
    d.nvMarinGrade = gradeIsNVMarin(gradeText);
    const bool waterFront = !projectRates && frontExposure == static_cast<int>(Exposure::Water);
    if (d.a690Grade) {
        // The A690 test comes first: a text naming both families is an A690 grade.
        if (projectRates || (waterFront && frontDetail == SplashOrLowWaterDetail))
            d.state = ReductionState::A690Splash;
    } else if (d.nvMarinGrade) {
        if (projectRates)
            d.state = ReductionState::NVMarinProject;
        else if (waterFront && frontDetail == SplashOrLowWaterDetail)
            d.state = ReductionState::NVMarinLWZ;
        else if (waterFront && frontDetail == PermanentImmersionDetail)
            d.state = ReductionState::NVMarinPIZ;
    }
    return d;
}

long double reductionFactor(ReductionState state, const QString &selectedItem)
{
    const QString digits =
        state == ReductionState::NVMarinProject ? selectedItem.left(2) : selectedItem;
    const auto f = parseNumber(digits, QLatin1Char('.'));
    return f && *f > 0 ? *f : 1.0L;
}

} // namespace pc
