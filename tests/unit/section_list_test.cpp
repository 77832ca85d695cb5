#include "case_row.h"
#include "catalogue/section_list.h"

#include "test_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

TEST(SectionList, RowTextWithModulusColumn)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        int s;
        bool metric;
        QChar dec;
        const char *expected;
    };
    const Case cases[] = {
        {0, true, '.', " AA 10\t1000      "},
        {0, false, '.', " AA 10\t18.6      "},  // 1000 / 53.763147 = 18.60
        {1, false, ',', " AA 18*\t33,5      "}, // 1800 / 53.763147 = 33.48
        {2, true, ',', " AB 26**\t2600      "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::sectionRowText(cat, c.s, c.metric, c.dec), QString::fromUtf8(c.expected));
    EXPECT_TRUE(pc::sectionRowText(cat, 3, true, '.').isEmpty());
}

// The kept row texts against rows written afresh, through a run of changes
// that each have to make a kept row stale: every row read after each step
// must be the one sectionRowText writes for the catalogue as it is then.
TEST(SectionList, KeptRowTextsFollowEveryChangeOfWhatARowShows)
{
    pc::Catalogue cat = pc::test::smallCatalogue();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Step
    {
        const char *name;
        std::function<void(pc::Catalogue &)> change;
        bool metric;
        QChar dec;
    };
    const Step steps[] = {
        {"first fill", [](pc::Catalogue &) {}, true, '.'},
        {"the same fill again", [](pc::Catalogue &) {}, true, '.'},
        {"imperial units", [](pc::Catalogue &) {}, false, '.'},
        {"comma as decimal separator", [](pc::Catalogue &) {}, false, ','},
        {"back to metric with a comma", [](pc::Catalogue &) {}, true, ','},
        {"a section renamed", [](pc::Catalogue &c) { c.SectionName[1] = QStringLiteral("AC 99"); },
         true, ','},
        {"a modulus changed", [](pc::Catalogue &c) { c.RedWel[0][0] = 1234; }, true, ','},
        {"a modulus damaged to NaN", [nan](pc::Catalogue &c) { c.RedWel[0][2] = nan; }, false, '.'},
        {"the damaged modulus read again", [](pc::Catalogue &) {}, false, '.'},
        {"a section without a modulus added",
         [](pc::Catalogue &c) { c.SectionName.push_back(QStringLiteral("AD 5")); }, true, '.'},
        {"another catalogue loaded", [](pc::Catalogue &c) { c = pc::test::smallCatalogue(); }, true,
         '.'},
        {"a shorter catalogue loaded",
         [](pc::Catalogue &c) {
             c = pc::test::smallCatalogue();
             c.SectionName.pop_back();
         },
         true, '.'},
    };
    pc::SectionRowTexts kept;
    for (const Step &step : steps) {
        step.change(cat);
        for (int s = 0; s < cat.SectionCount(); ++s)
            EXPECT_EQ(kept.text(cat, s, step.metric, step.dec),
                      pc::sectionRowText(cat, s, step.metric, step.dec))
                << step.name << ", section " << s;
        EXPECT_TRUE(kept.text(cat, cat.SectionCount(), step.metric, step.dec).isEmpty())
            << step.name;
        EXPECT_TRUE(kept.text(cat, -1, step.metric, step.dec).isEmpty()) << step.name;
    }
}

TEST(SectionList, LabelSpellsMarkersWithinEighteenCharacters)
{
    struct Case
    {
        const char *name;
        const char *label;
        const char *trimmed;
    };
    const Case cases[] = {
        {"AA 10", "AA 10", "AA 10"},
        {"AB 26**", "AB 26 - on request", "AB 26 - on request"},
        {"AB 26-700**", "AB 26-700 - on req", "AB 26-700 - on req"},
        {"AA 18*", "AA 18 - old", "AA 18 - old"},
        // the "**" step is cut before the "*" step spells the remaining marker
        {"X*Y**", "X - oldY - on requ", "X - oldY - on requ"},
        {" AA 18 *", " AA 18  - old", "AA 18  - old"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(pc::sectionLabel(QString::fromUtf8(c.name)), QString::fromUtf8(c.label))
            << c.name;
        EXPECT_EQ(pc::trimmedSectionLabel(QString::fromUtf8(c.name)), QString::fromUtf8(c.trimmed))
            << c.name;
    }
}

TEST(SectionList, MarkerLabel)
{
    struct Case
    {
        const char *name;
        const char *caption;
        pc::SectionMarkerColor color;
    };
    const Case cases[] = {
        {"AB 26**", "** On request only. Contact us.", pc::SectionMarkerColor::Blue},
        {"AA 18*", "* Superseded section!", pc::SectionMarkerColor::Red},
        {"AA 10", "", pc::SectionMarkerColor::Unchanged},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const auto m = pc::sectionMarker(QString::fromUtf8(c.name));
        EXPECT_EQ(m.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(m.color, c.color);
    }
}

TEST(SectionList, GradeItemsAndWorkingFy)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    EXPECT_EQ(pc::gradeItemText(cat, 1, true, '.'),
              QStringLiteral(" S 355 GP             355        "));
    EXPECT_EQ(pc::gradeItemText(cat, 1, false, ','),
              QStringLiteral(" S 355 GP             50,0       "));
    EXPECT_TRUE(pc::gradeItemText(cat, 3, true, '.').isEmpty());

    EXPECT_EQ(pc::workingFy(cat, 1, true), 355.0);
    EXPECT_NEAR(pc::workingFy(cat, 1, false), 344.857, 1e-9); // 6.89714 x 50 ksi
    EXPECT_EQ(pc::workingFy(cat, -1, true), 0.0);

    const std::vector<int8_t> map = {2, 0, 0};
    EXPECT_EQ(pc::workingFyOfItem(cat, map, 1, 0, true), 430.0);
    EXPECT_EQ(pc::workingFyOfItem(cat, map, 1, 1, true), 0.0); // beyond the list
    EXPECT_EQ(pc::workingFyOfItem(cat, map, 0, 0, true), 0.0); // empty list
}

TEST(SectionList, GradeListForSection)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        int s;
        bool showAll;
        std::vector<int8_t> oldMap;
        std::vector<int8_t> map;
        int count, available;
        bool changed;
    };
    const Case cases[] = {
        {0, true, {0, 0, 0}, {0, 1, 2}, 3, 3, true},
        {1, true, {0, 1, 2}, {0, 1, 2}, 3, 2, false}, // all shown, one unavailable
        {1, false, {0, 1, 2}, {0, 2, 0}, 2, 2, true},
        {2, false, {1, 2, 0}, {1, 2, 0}, 2, 2, false},
        {9, false, {0, 0, 0}, {0, 0, 0}, 0, 0, false}, // no availability row
    };
    for (const auto &c : cases) {
        const auto list = pc::buildGradeList(cat, c.s, c.showAll, c.oldMap);
        SCOPED_TRACE(testing::Message() << "s=" << c.s << " all=" << c.showAll);
        EXPECT_EQ(list.map, c.map);
        EXPECT_EQ(list.count, c.count);
        EXPECT_EQ(list.available, c.available);
        EXPECT_EQ(list.changed, c.changed);
    }
}

TEST(SectionList, GradeKeptOrReplacedInRed)
{
    struct Case
    {
        std::vector<int8_t> oldMap;
        std::vector<int8_t> newMap;
        int count;
        int previous;
        int item;
        pc::GradeListColor color;
    };
    using C = pc::GradeListColor;
    const Case cases[] = {
        {{0, 1, 2}, {0, 1, 2}, 3, 2, 2, C::Unchanged},  // no change
        {{0, 1, 2}, {0, 2, 0}, 2, 0, 0, C::WindowText}, // same grade at the same place
        {{0, 1, 2}, {0, 2, 0}, 2, 2, 1, C::Unchanged},  // grade 2 moved up
        {{0, 1, 2}, {0, 2, 0}, 2, 1, 0, C::Red},        // grade 1 gone
        {{1, 2, 0}, {0, 1, 2}, 3, -1, 1, C::Unchanged}, // no selection counts as item 0
        {{0, 1, 2}, {1, 2, 0}, 2, -1, 0, C::Red},       {{0, 2, 0}, {1, 0, 0}, 1, 1, 0, C::Red},
    };
    for (const auto &c : cases) {
        pc::GradeList list;
        list.map = c.newMap;
        list.count = c.count;
        list.changed = c.oldMap != c.newMap;
        const auto sel = pc::chooseGradeSelection(c.oldMap, list, c.previous);
        EXPECT_EQ(sel.item, c.item) << c.previous;
        EXPECT_EQ(sel.color, c.color) << c.previous;
    }
}

TEST(SectionList, NotesAndCaptions)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    EXPECT_EQ(pc::availabilityNote(cat, 0, 2),
              QStringLiteral("NOTE: steel grade available on request. Restrictions apply "));
    EXPECT_EQ(pc::availabilityNote(cat, 1, 2),
              QStringLiteral("NOTE: please contact the technical department "));
    EXPECT_TRUE(pc::availabilityNote(cat, 0, 0).isEmpty());
    EXPECT_TRUE(pc::availabilityNote(cat, 1, 1).isEmpty());

    EXPECT_EQ(pc::gradesHiddenNote(QString()),
              QStringLiteral(" Some steel grades unavailable for this section "));
    EXPECT_EQ(pc::gradesHiddenNote(QStringLiteral("NOTE:x")),
              QStringLiteral("NOTE:x | some steel grades unavailable for this section "));

    EXPECT_EQ(pc::sectionListCaption(0, true),
              QStringLiteral("  SSP:     0           Wel,ini (cm³/m)  "));
    EXPECT_EQ(pc::sectionListCaption(12, false),
              QStringLiteral("  SSP:    12           Wel,ini (in³/ft)  "));
    EXPECT_EQ(pc::gradeListCaption(3, true), QStringLiteral(" Steel Gr.:  3  |      fy (MPa) "));
    EXPECT_EQ(pc::gradeListCaption(12, false), QStringLiteral(" Steel Gr.: 12  |      fy (ksi) "));
}

TEST(SectionList, MaximumPileLength)
{
    EXPECT_DOUBLE_EQ(pc::maxSspLengthImp(20.0), 65.6); // 65.617
    EXPECT_DOUBLE_EQ(pc::maxSspLengthImp(12.0), 39.4); // 39.370
    EXPECT_DOUBLE_EQ(pc::maxSspLengthImp(0.0), 0.0);

    EXPECT_TRUE(pc::pileLengthTooLong(true, 20.01, 20, 0, 0));
    EXPECT_FALSE(pc::pileLengthTooLong(true, 20, 20, 99, 0));
    EXPECT_TRUE(pc::pileLengthTooLong(false, 0, 0, 65.7, 65.6));
    EXPECT_FALSE(pc::pileLengthTooLong(false, 99, 20, 65.6, 65.6));

    const auto metric = pc::maxLengthTexts(',', true, 20, 65.6, QStringLiteral("m"));
    EXPECT_EQ(metric.panel0, QStringLiteral(" L max =  20,0 m"));
    EXPECT_EQ(metric.panel1, QStringLiteral(" Max rolling length = 20,0 m"));
    const auto imperial = pc::maxLengthTexts('.', false, 20, 65.6, QStringLiteral("ft"));
    EXPECT_EQ(imperial.panel0, QStringLiteral(" L max =  65.6 ft"));
    EXPECT_EQ(imperial.panel1, QStringLiteral(" Max rolling length = 65.6 ft"));
}

TEST(SectionList, NoMatchLines)
{
    EXPECT_EQ(pc::NoMatchLines.front(), QStringLiteral(" No match found."));
    EXPECT_EQ(pc::NoMatchLines.back(), QStringLiteral(" Sfmin/Sfmax required."));
}

} // namespace
