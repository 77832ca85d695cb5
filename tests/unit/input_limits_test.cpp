// Every typed value is compared with its stored limit at the limit's own
// precision: the text the program itself writes as a field's maximum (the
// unit switch capping a value, the range shown in the status bar) is accepted
// by that field, and the next value the field's notation can show is refused.

#include "catalogue/section_list.h"
#include "engine/design_input.h"
#include "engine/steel_quantities.h"
#include "units/format.h"
#include "units/unit_conversion.h"

#include "test_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using pc::ActionField;
using pc::InputOutcome;

enum class Field { Pile, Wall, Moment, Load, Deflection };

struct Limits
{
    pc::Catalogue cat = pc::test::smallCatalogue();
    pc::InputLimits input;

    explicit Limits(double maxPileLength, double maxWallLength)
    {
        cat.MaxWallLength = maxWallLength;
        cat.deriveLoadedValues();
        input.maxSspLength = maxPileLength;
        input.maxSspLengthImp = pc::maxSspLengthImp(maxPileLength);
        input.maxWallLength = cat.MaxWallLength;
        input.maxWallLengthFt = cat.MaxWallLengthFt;
        input.maxMomentImp = cat.MaxMomentImp;
        input.maxLoadImp = cat.MaxLoadImp;
        input.maxDeflectionImp = cat.MaxDeflectionImp;
    }

    pc::InputOutcome evaluate(Field f, const QString &text, QChar decimal, bool metric) const
    {
        switch (f) {
        case Field::Pile:
            return pc::evaluateLengthChange(text, decimal, metric,
                                            {input.maxSspLength, input.maxSspLengthImp})
                .outcome;
        case Field::Wall:
            return pc::evaluateLengthChange(text, decimal, metric,
                                            {input.maxWallLength, input.maxWallLengthFt})
                .outcome;
        case Field::Moment:
            return pc::evaluateActionChange(cat, ActionField::Moment, text, decimal, metric)
                .outcome;
        case Field::Load:
            return pc::evaluateActionChange(cat, ActionField::Load, text, decimal, metric).outcome;
        case Field::Deflection:
            return pc::evaluateActionChange(cat, ActionField::Deflection, text, decimal, metric)
                .outcome;
        }
        return InputOutcome::NotANumber;
    }
};

// What the unit switch writes into a field whose stored value is at or above
// every limit.
QString writtenAtTheMaximum(const Limits &l, Field f, QChar decimal, bool metric)
{
    const pc::StoredInputs huge{1e6, 1e9, 1e6, 1e6, 1e6};
    const pc::InputTexts t = metric ? pc::metricInputTexts(decimal, huge, l.input)
                                    : pc::imperialInputTexts(decimal, huge, l.input);
    switch (f) {
    case Field::Pile:
        return t.sspLength;
    case Field::Wall:
        return t.wallLength;
    case Field::Moment:
        return t.moment;
    case Field::Load:
        return t.load;
    case Field::Deflection:
        return t.deflection;
    }
    return {};
}

// The written text plus one unit of its last decimal: the smallest value the
// same notation shows above it.
QString nextAbove(const QString &text, QChar decimal)
{
    const long double v = *pc::parseNumber(text, decimal);
    const int point = static_cast<int>(text.indexOf(decimal));
    const int decimals = point < 0 ? 0 : static_cast<int>(text.size()) - point - 1;
    const long double step = std::pow(10.0L, -decimals);
    const QByteArray fmt = "%1." + QByteArray::number(decimals) + "f";
    return pc::format(decimal, fmt.constData(), {v + step});
}

TEST(InputLimits, TheWrittenMaximumIsAcceptedAndTheNextValueRefused)
{
    struct Case
    {
        const char *name;
        double maxPileLength; // m, of the selected section
        double maxWallLength; // m, of the catalogue
        Field field;
        bool metric;
        QChar decimal;
        const char *written; // what the switch writes at the maximum
        long long limit = 0; // the metric limit of an action
    };
    const Case cases[] = {
        // 20 m is 65.6 ft, held as 65.599999999999994: the text "65.60" read
        // in extended precision lies above that double.
        {"20 m pile, imperial", 20, 1000, Field::Pile, false, '.', "65.60"},
        {"20 m pile, imperial, comma", 20, 1000, Field::Pile, false, ',', "65,60"},
        {"20 m pile, metric", 20, 1000, Field::Pile, true, '.', "20.00"},
        {"24.5 m pile, imperial", 24.5, 1000, Field::Pile, false, '.', "80.40"},
        {"12 m pile, imperial", 12, 1000, Field::Pile, false, '.', "39.40"},
        {"1000 m wall, imperial", 20, 1000, Field::Wall, false, '.', "3280.9"},
        {"100 m wall, imperial", 20, 100, Field::Wall, false, '.', "328.1"},
        {"20 m wall, imperial", 20, 20, Field::Wall, false, '.', "65.6"},
        {"20 m wall, metric", 20, 20, Field::Wall, true, '.', "20.0"},
        {"moment, imperial", 20, 1000, Field::Moment, false, '.', "518.2"},
        {"moment, metric", 20, 1000, Field::Moment, true, '.', "1000000", 2306},
        {"load, metric", 20, 1000, Field::Load, true, '.', "1000000", 14821},
        {"deflection, metric", 20, 1000, Field::Deflection, true, '.', "1000000", 50},
        {"load, imperial", 20, 1000, Field::Load, false, '.', "1015.2"},
        {"deflection, imperial", 20, 1000, Field::Deflection, false, '.', "19.6"},
        {"deflection, imperial, comma", 20, 1000, Field::Deflection, false, ',', "19,6"},
    };
    for (const Case &c : cases) {
        const Limits l(c.maxPileLength, c.maxWallLength);
        const QString written = writtenAtTheMaximum(l, c.field, c.decimal, c.metric);
        EXPECT_EQ(written, QString::fromLatin1(c.written)) << c.name;
        // The metric actions are not capped by the switch; their maximum is
        // the whole number of the range text.
        const bool metricAction = c.metric && c.field != Field::Pile && c.field != Field::Wall;
        const QString maximum = metricAction ? pc::format(c.decimal, "%d", {c.limit}) : written;
        EXPECT_EQ(l.evaluate(c.field, maximum, c.decimal, c.metric), InputOutcome::Value)
            << c.name << ": " << maximum.toStdString();
        const QString above = nextAbove(maximum, c.decimal);
        EXPECT_EQ(l.evaluate(c.field, above, c.decimal, c.metric), InputOutcome::TooLarge)
            << c.name << ": " << above.toStdString();
    }
}

TEST(InputLimits, EveryPileAndWallLengthKeepsItsMaximumInBothSystems)
{
    // Every maximum pile length from 1 m to 40 m in steps of 0.1 m and every
    // whole maximum wall length up to 2000 m: what the switch writes in
    // either system is accepted there, the next value is not.
    for (int tenths = 10; tenths <= 400; ++tenths) {
        const Limits l(tenths / 10.0, 1000);
        for (const bool metric : {true, false}) {
            const QString written = writtenAtTheMaximum(l, Field::Pile, '.', metric);
            ASSERT_EQ(l.evaluate(Field::Pile, written, '.', metric), InputOutcome::Value)
                << tenths / 10.0 << " m, " << (metric ? "metric: " : "imperial: ")
                << written.toStdString();
            ASSERT_EQ(l.evaluate(Field::Pile, nextAbove(written, '.'), '.', metric),
                      InputOutcome::TooLarge)
                << tenths / 10.0 << " m";
        }
    }
    for (int metres = 1; metres <= 2000; ++metres) {
        const Limits l(20, metres);
        for (const bool metric : {true, false}) {
            const QString written = writtenAtTheMaximum(l, Field::Wall, '.', metric);
            ASSERT_EQ(l.evaluate(Field::Wall, written, '.', metric), InputOutcome::Value)
                << metres << " m, " << (metric ? "metric: " : "imperial: ")
                << written.toStdString();
            ASSERT_EQ(l.evaluate(Field::Wall, nextAbove(written, '.'), '.', metric),
                      InputOutcome::TooLarge)
                << metres << " m";
        }
    }
}

TEST(InputLimits, RequiredBandBoundsAreInclusive)
{
    struct Case
    {
        const char *text;
        pc::SfBoundOutcome sfmin;
        pc::SfBoundOutcome sfmax; // with Sfmin 1.5
    };
    using O = pc::SfBoundOutcome;
    const Case cases[] = {
        {"1", O::Valid, O::BelowBand},         {"1.00", O::Valid, O::BelowBand},
        {"0.99", O::OutOfRange, O::BelowBand}, {"5", O::Valid, O::Valid},
        {"5.00", O::Valid, O::Valid},          {"5.01", O::OutOfRange, O::Valid},
        {"20.00", O::OutOfRange, O::Valid},    {"20.01", O::OutOfRange, O::AboveTwenty},
        {"1.65", O::Valid, O::Valid},          {"1.64", O::Valid, O::BelowBand},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(pc::evaluateSfminChange(text, '.').outcome, c.sfmin) << c.text;
        EXPECT_EQ(pc::evaluateSfmaxChange(text, '.', 1.5L).outcome, c.sfmax) << c.text;
    }
    // The text written as the upper bound is within it.
    EXPECT_EQ(pc::evaluateSfmaxChange(pc::sfmaxUpperText('.'), '.', 1.5L).outcome, O::Valid);
}

} // namespace
