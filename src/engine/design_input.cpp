#include "engine/design_input.h"

#include "units/format.h"
#include "units/unit_factors.h"

namespace pc {

namespace {

const QString MomentHint = QStringLiteral(" 0 < Bending moment =< ");
const QString LoadHint = QStringLiteral(" 0 < Compression load =< ");
const QString DeflectionHint = QStringLiteral(" 0 < Deflection =< ");
const QString MomentError = QStringLiteral(" Error: Bending moment > Mmax !");
const QString LoadError = QStringLiteral(" Error: Compression load > Nmax !");
const QString DeflectionError = QStringLiteral(" Error: Deflection > fmax !");

constexpr int ExitSignificantDigits = 8;

} // namespace

KeyDecision filterNumericKey(char16_t key, const QString &fieldText, QChar decimal)
{
    const QChar c(key);
    bool accepted = false;
    if (key <= 255) {
        if (key == 8 || (key >= u'0' && key <= u'9'))
            accepted = true;
        else if (c == decimal)
            accepted = !fieldText.contains(decimal);
    }
    if (accepted)
        return {};
    return {false, WrongInputPrefix + c};
}

QString wrongInputText(const QString &text)
{
    // A paste can be any length (a million digits); the status bar quotes
    // its beginning, enough to recognise it.
    if (text.size() <= WrongInputQuotedLength)
        return WrongInputPrefix + text;
    return WrongInputPrefix + text.left(WrongInputQuotedLength) + QStringLiteral("...");
}

long double actionFactor(ActionField field)
{
    switch (field) {
    case ActionField::Moment:
        return KNM_PER_KIPFT;
    case ActionField::Load:
        return KNPM_PER_KIPPFT;
    case ActionField::Deflection:
        return CM_PER_IN;
    }
    return 1.0L;
}

double actionMetricLimit(ActionField field)
{
    switch (field) {
    case ActionField::Moment:
        return Catalogue::MaxMoment;
    case ActionField::Load:
        return Catalogue::MaxLoad;
    case ActionField::Deflection:
        return Catalogue::MaxDeflection;
    }
    return 0;
}

double actionImperialLimit(const Catalogue &cat, ActionField field)
{
    switch (field) {
    case ActionField::Moment:
        return cat.MaxMomentImp;
    case ActionField::Load:
        return cat.MaxLoadImp;
    case ActionField::Deflection:
        return cat.MaxDeflectionImp;
    }
    return 0;
}

const QString &actionRangeHint(ActionField field)
{
    switch (field) {
    case ActionField::Load:
        return LoadHint;
    case ActionField::Deflection:
        return DeflectionHint;
    case ActionField::Moment:
        break;
    }
    return MomentHint;
}

const QString &actionErrorText(ActionField field)
{
    switch (field) {
    case ActionField::Load:
        return LoadError;
    case ActionField::Deflection:
        return DeflectionError;
    case ActionField::Moment:
        break;
    }
    return MomentError;
}

QString actionRangeText(const Catalogue &cat, ActionField field, bool metric, QChar decimal)
{
    if (metric)
        return actionRangeHint(field) +
               format(decimal, "%d", {static_cast<long long>(actionMetricLimit(field))});
    return actionRangeHint(field) + format(decimal, "%1.1f", {actionImperialLimit(cat, field)});
}

std::optional<long double> parseInputNumber(const QString &text, QChar decimal)
{
    const auto number = parseNumber(text, decimal);
    if (!number || *number < 0)
        return std::nullopt;
    return number;
}

std::optional<InputChange> commonInputOutcome(const QString &text, QChar decimal,
                                              long double &number)
{
    if (text.isEmpty())
        return InputChange{};
    const auto parsed = parseInputNumber(text, decimal);
    if (!parsed)
        return InputChange{InputOutcome::NotANumber, 0};
    if (*parsed == 0)
        return InputChange{};
    number = *parsed;
    return std::nullopt;
}

InputChange evaluateActionChange(const Catalogue &cat, ActionField field, const QString &text,
                                 QChar decimal, bool metric)
{
    long double number = 0;
    if (const auto common = commonInputOutcome(text, decimal, number))
        return *common;
    const double value = static_cast<double>(metric ? number : number * actionFactor(field));
    const bool tooLarge = value > actionMetricLimit(field) ||
                          (!metric && aboveLimit(number, actionImperialLimit(cat, field)));
    if (tooLarge)
        return {InputOutcome::TooLarge, 0};
    return {InputOutcome::Value, value};
}

std::optional<QString> actionExitText(const QString &text, QChar decimal, bool metric)
{
    const auto number =
        text.isEmpty() ? std::optional<long double>(0) : parseInputNumber(text, decimal);
    if (!number)
        return std::nullopt;
    if (*number == 0)
        return metric ? QStringLiteral("0") : format(decimal, "%1.1f", {0.0});
    return formatFixed(decimal, *number, ExitSignificantDigits, metric ? 0 : 1);
}

SfBoundChange evaluateSfminChange(const QString &text, QChar decimal)
{
    if (text.isEmpty())
        return {SfBoundOutcome::Empty, SfminWhenEmpty};
    const auto number = parseNumber(text, decimal);
    if (!number)
        return {SfBoundOutcome::NotANumber, 0};
    if (*number < SfminLowest || *number > SfminHighest)
        return {SfBoundOutcome::OutOfRange, *number};
    return {SfBoundOutcome::Valid, *number};
}

SfBoundChange evaluateSfmaxChange(const QString &text, QChar decimal, long double sfMinRequired)
{
    if (text.isEmpty())
        return {SfBoundOutcome::Empty, SfmaxWhenEmpty};
    const auto number = parseNumber(text, decimal);
    if (!number)
        return {SfBoundOutcome::NotANumber, 0};
    if (*number > SfmaxHighest)
        return {SfBoundOutcome::AboveTwenty, *number};
    if (sfmaxBelowBand(sfMinRequired, *number))
        return {SfBoundOutcome::BelowBand, *number};
    return {SfBoundOutcome::Valid, *number};
}

QString sfmaxUpperText(QChar decimal)
{
    return format(decimal, "%1.2f", {SfmaxHighest});
}

QString sfminDefaultText(QChar decimal)
{
    return format(decimal, "%1.2f", {1.5L});
}

bool sfmaxBelowBand(long double sfMinRequired, long double sfMaxRequired)
{
    return roundToPow10(sfMaxRequired, -4) < roundToPow10(1.1L * sfMinRequired, -4);
}

QString sfmaxResetText(QChar decimal, long double sfMinRequired)
{
    return format(decimal, "%1.2f", {1.1L * sfMinRequired + 0.01L});
}

QString sfmaxRangeText(QChar decimal, long double sfMinRequired)
{
    return format(decimal, "%1.2f", {1.1L * sfMinRequired}) + SfmaxRangeSuffix;
}

QString sfminExitText(const QString &text, QChar decimal)
{
    if (text.isEmpty() || text == QLatin1String("0"))
        return sfminDefaultText(decimal);
    const auto number = parseNumber(text, decimal);
    if (!number)
        return sfminDefaultText(decimal);
    return format(decimal, "%1.2f", {*number});
}

SfmaxExit sfmaxExit(const QString &text, QChar decimal, long double sfMinRequired)
{
    const auto number = text.isEmpty() ? std::nullopt : parseNumber(text, decimal);
    if (number && !sfmaxBelowBand(sfMinRequired, *number))
        return {true, format(decimal, "%1.2f", {*number})};
    return {false, sfmaxUpperText(decimal)};
}

} // namespace pc
