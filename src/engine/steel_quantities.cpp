#include "engine/steel_quantities.h"

#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_factors.h"

#include <limits>

namespace pc {

namespace {

constexpr int ExitSignificantDigits = 8;

const QString WallRangePrefix = QStringLiteral(" 0 < wall length =< ");
const QString PileRangePrefix = QStringLiteral(" 0 < length of ssp =< ");

int exitDecimals(LengthField field, bool metric)
{
    return field == LengthField::Pile && metric ? 2 : 1;
}

} // namespace

SteelQuantities computeSteelQuantities(const WallLengths &lengths, double pairWidth,
                                       double pairMass)
{
    SteelQuantities q;
    if (!(pairWidth > 0))
        return q;
    const Extended pairs = roundEven(static_cast<Extended>(lengths.wall) / pairWidth);
    // A wall length is capped by the catalogue; the clamp only keeps a
    // nonsensical width from overflowing the count.
    constexpr auto maxPairs = std::numeric_limits<int32_t>::max();
    q.pairCount = pairs > maxPairs ? maxPairs : pairs < 0 ? 0 : static_cast<int32_t>(pairs);
    q.massTotal = static_cast<double>(static_cast<Extended>(q.pairCount) * pairMass * lengths.pile);
    q.coveredLength = static_cast<double>(static_cast<Extended>(pairWidth) * q.pairCount);
    return q;
}

SteelQuantityTexts steelQuantityTexts(QChar decimal, bool metric, const SteelQuantities &q,
                                      double pairWidth, double pairMass)
{
    SteelQuantityTexts t;
    t.pairs = format(decimal, "%d", {static_cast<long long>(q.pairCount)});
    const Extended tonnes = static_cast<Extended>(q.massTotal) / 1000.0L;
    const bool hasWidth = pairWidth > 0;
    const Extended weight = hasWidth ? static_cast<Extended>(pairMass) / pairWidth : 0;
    if (metric) {
        t.total = format(decimal, "%1.1f", {tonnes});
        t.wallLength = format(decimal, "%1.1f", {q.coveredLength});
        t.weight = hasWidth ? format(decimal, "%1.1f", {weight}) : QuantityNotAvailableText;
    } else {
        t.total = format(decimal, "%1.1f", {tonnes * SHORT_T_PER_T});
        t.wallLength = format(decimal, "%1.1f", {q.coveredLength / M_PER_FT});
        t.weight = hasWidth ? format(decimal, "%1.2f", {weight / KGM2_PER_LBFT2})
                            : QuantityNotAvailableText;
    }
    return t;
}

SteelQuantityTexts steelQuantitiesNotAvailable()
{
    return {QuantityNotAvailableText, QuantityNotAvailableText, QuantityNotAvailableText,
            QuantityNotAvailableText};
}

QString lengthRangeText(LengthField field, QChar decimal, bool metric, const LengthLimits &limits)
{
    if (field == LengthField::Wall)
        return WallRangePrefix + (metric ? format(decimal, "%1.0f", {limits.metric})
                                         : format(decimal, "%1.1f", {limits.imperial}));
    return PileRangePrefix + format(decimal, "%1.1f", {metric ? limits.metric : limits.imperial});
}

const QString &lengthErrorText(LengthField field)
{
    return field == LengthField::Wall ? WallLengthErrorText : PileLengthErrorText;
}

InputChange evaluateLengthChange(const QString &text, QChar decimal, bool metric,
                                 const LengthLimits &limits)
{
    long double number = 0;
    if (const auto common = commonInputOutcome(text, decimal, number))
        return *common;
    const double value = static_cast<double>(metric ? number : number * M_PER_FT);
    const bool tooLong = metric ? value > limits.metric : aboveLimit(number, limits.imperial);
    if (tooLong)
        return {InputOutcome::TooLarge, 0};
    return {InputOutcome::Value, value};
}

std::optional<QString> lengthExitText(LengthField field, const QString &text, QChar decimal,
                                      bool metric)
{
    const auto number =
        text.isEmpty() ? std::optional<long double>(0) : parseInputNumber(text, decimal);
    if (!number)
        return std::nullopt;
    const int decimals = exitDecimals(field, metric);
    if (*number == 0)
        return decimals == 2 ? format(decimal, "%1.2f", {0.0}) : format(decimal, "%1.1f", {0.0});
    return formatFixed(decimal, *number, ExitSignificantDigits, decimals);
}

} // namespace pc
