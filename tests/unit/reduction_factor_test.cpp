// Which zone of the front face gives a corrosion-resistant grade a reduction
// factor, and the factor an item of RG_A690 stands for.

#include "corrosion/reduction_factor.h"

#include <gtest/gtest.h>

namespace {

using pc::ReductionState;

constexpr int Atmospheric = 0, Soil = 1, Water = 2;

TEST(ReductionFactor, ZoneOfTheFrontFace)
{
    struct Case
    {
        const char *grade;
        bool project;
        int exposure, detail;
        ReductionState state;
    };
    const Case cases[] = {
        {"ASTM A690", false, Water, 2, ReductionState::A690Splash},
        {"ASTM A690", false, Water, 3, ReductionState::NotApplicable},
        {"ASTM A690", false, Water, 0, ReductionState::NotApplicable},
        {"ASTM A690", false, Soil, 2, ReductionState::NotApplicable},
        {"ASTM A690", false, Atmospheric, 2, ReductionState::NotApplicable},
        {"ASTM A690", true, Atmospheric, 0, ReductionState::A690Splash},
        {"ASTM A690", true, Water, 3, ReductionState::A690Splash},
        {"astm a 690 x", false, Water, 2, ReductionState::A690Splash},
        {"NVMarin 355", false, Water, 2, ReductionState::NVMarinLWZ},
        {"NVMarin 355", false, Water, 3, ReductionState::NVMarinPIZ},
        {"NVMarin 355", false, Water, 1, ReductionState::NotApplicable},
        {"NVMarin 355", false, Water, 0, ReductionState::NotApplicable},
        {"NVMarin 355", false, Soil, 3, ReductionState::NotApplicable},
        {"NVMarin 355", true, Soil, 1, ReductionState::NVMarinProject},
        {"nv marin 390", false, Water, 3, ReductionState::NVMarinPIZ},
        {"S 355 GP", false, Water, 2, ReductionState::NotApplicable},
        {"S 355 GP", true, Water, 2, ReductionState::NotApplicable},
        // A text naming both families is an A690 grade: no NVMarin zone.
        {"A690 / NVMarin", false, Water, 3, ReductionState::NotApplicable},
        {"A690 / NVMarin", false, Water, 2, ReductionState::A690Splash},
        {"", false, Water, 2, ReductionState::NotApplicable},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pc::reductionDecision(QString::fromUtf8(c.grade), c.project, c.exposure, c.detail)
                      .state,
                  c.state)
            << c.grade << ' ' << c.project << ' ' << c.exposure << ' ' << c.detail;
}

TEST(ReductionFactor, FamiliesOfTheGradeText)
{
    const pc::ReductionDecision a690 =
        pc::reductionDecision(QStringLiteral("ASTM A690"), false, Soil, 0);
    EXPECT_TRUE(a690.a690Grade);
    EXPECT_FALSE(a690.nvMarinGrade);
    const pc::ReductionDecision nv =
        pc::reductionDecision(QStringLiteral(" NVMarin 320      "), false, Soil, 0);
    EXPECT_FALSE(nv.a690Grade);
    EXPECT_TRUE(nv.nvMarinGrade);
    EXPECT_FALSE(pc::gradeIsA690(QStringLiteral("S 690 QL")));
    EXPECT_FALSE(pc::gradeIsNVMarin(QStringLiteral("Marine 355")));
}

TEST(ReductionFactor, FactorOfTheSelectedItem)
{
    struct Case
    {
        ReductionState state;
        const char *item;
        long double factor;
    };
    const Case cases[] = {
        {ReductionState::A690Splash, " 3 ", 3},
        {ReductionState::A690Splash, " 2 ", 2},
        {ReductionState::A690Splash, " 1 ", 1},
        {ReductionState::NVMarinLWZ, " 5 ", 5},
        {ReductionState::NVMarinPIZ, " 3 ", 3},
        {ReductionState::NVMarinProject, " 5 (LWZ)", 5},
        {ReductionState::NVMarinProject, " 3 (PIZ)", 3},
        {ReductionState::NVMarinProject, " 1 ", 1},
        // No item selected: no division by anything but 1.
        {ReductionState::A690Splash, "", 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pc::reductionFactor(c.state, QString::fromUtf8(c.item)), c.factor) << c.item;
}

TEST(ReductionFactor, EveryZoneOffersItsDefaultAndFactorOne)
{
    // The item selected on entry exists, and every zone lets the designer
    // choose no reduction.
    for (ReductionState s : {ReductionState::A690Splash, ReductionState::NVMarinLWZ,
                             ReductionState::NVMarinPIZ, ReductionState::NVMarinProject}) {
        const pc::ReductionStateLook &look = pc::reductionStateLook(s);
        ASSERT_GE(look.selectedOnEntry, 0);
        ASSERT_LT(look.selectedOnEntry, look.items.size());
        EXPECT_EQ(look.columns, look.items.size());
        EXPECT_EQ(pc::reductionFactor(s, look.items.last()), 1.0L);
    }
    EXPECT_EQ(pc::reductionStateLook(ReductionState::NVMarinProject)
                  .items[pc::reductionStateLook(ReductionState::NVMarinProject).selectedOnEntry],
              QStringLiteral(" 1 "));
}

} // namespace
