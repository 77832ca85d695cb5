#include "corrosion/project_rates.h"

#include "units/format.h"
#include "units/rounding.h"

#include <algorithm>
#include <cmath>

namespace pc {

namespace {

// A number the designer may give for a face: finite and not below zero.
std::optional<long double> typedNumber(const QString &text, QChar decimal)
{
    const auto v = parseNumber(text, decimal);
    if (!v || !std::isfinite(*v) || *v < 0)
        return std::nullopt;
    return v;
}

const char *tidyFormat(ProjectMode mode, bool metric)
{
    if (mode == ProjectMode::Rates)
        return metric ? "%1.3f" : "%1.1f";
    return metric ? "%1.2f" : "%1.0f";
}

} // namespace

ProjectMode projectModeOfItem(int itemIndex)
{
    return itemIndex == 1 ? ProjectMode::TotalLoss : ProjectMode::Rates;
}

ProjectLimits projectLimits(const Catalogue &cat)
{
    ProjectLimits l;
    l.maxRate = cat.MaxCorrosionRate;
    l.maxTotalLoss = cat.LossStep.empty() ? 0.0 : cat.LossStep.back();
    return l;
}

std::optional<double> projectValueMm(const QString &text, QChar decimal, bool metric)
{
    const auto v = typedNumber(text, decimal);
    if (!v)
        return std::nullopt;
    if (metric)
        return static_cast<double>(*v);
    return static_cast<double>(roundToPow10(*v * MM_PER_MIL, -3));
}

ProjectCheck checkProjectValue(const QString &text, QChar decimal, bool metric, ProjectMode mode,
                               const ProjectLimits &limits)
{
    const auto v = projectValueMm(text, decimal, metric);
    if (!v)
        return ProjectCheck::NotANumber;
    const double limit = mode == ProjectMode::Rates ? limits.maxRate : limits.maxTotalLoss;
    return *v > limit ? ProjectCheck::TooLarge : ProjectCheck::Accepted;
}

QString projectRejectionText(ProjectMode mode, bool metric, const ProjectLimits &limits,
                             QChar decimal)
{
    if (mode == ProjectMode::Rates)
        return MaxRatePrefix +
               (metric ? format(decimal, "%1.2f", {limits.maxRate}) + QStringLiteral(" mm / year")
                       : format(decimal, "%1.2f", {limits.maxRate / MM_PER_MIL}) +
                             QStringLiteral(" mils / year"));
    return MaxTotalLossRejectedPrefix +
           (metric ? format(decimal, "%1.2f", {limits.maxTotalLoss}) + QStringLiteral(" mm")
                   : format(decimal, "%1.1f", {limits.maxTotalLoss / MM_PER_MIL}) +
                         QStringLiteral(" mils"));
}

QString projectEnterText(ProjectMode mode, bool metric, const ProjectLimits &limits, QChar decimal)
{
    const bool rates = mode == ProjectMode::Rates;
    const long double limit = rates ? limits.maxRate : limits.maxTotalLoss;
    const QString value = format(decimal, "%1.2f", {metric ? limit : limit / MM_PER_MIL});
    if (rates)
        return MaxRatePrefix + value +
               (metric ? QStringLiteral(" mm / year") : QStringLiteral(" mils / year"));
    return MaxTotalLossPrefix + value + (metric ? QStringLiteral(" mm") : QStringLiteral(" mils"));
}

TidiedProjectText tidyProjectText(const QString &text, QChar decimal, bool metric, ProjectMode mode,
                                  const ProjectLimits &limits)
{
    const auto v = typedNumber(text, decimal);
    if (!v)
        return {format(decimal, tidyFormat(mode, metric), {0.0}), false};
    long double shown = *v;
    if (!metric) {
        const long double limit = mode == ProjectMode::Rates
                                      ? truncZero(limits.maxRate * 10 / MM_PER_MIL) / 10
                                      : truncZero(limits.maxTotalLoss / MM_PER_MIL);
        shown = std::min(shown, limit);
    }
    return {format(decimal, tidyFormat(mode, metric), {shown}), true};
}

QString projectZeroText(ProjectMode mode, bool metric, QChar decimal)
{
    if (!metric)
        return QStringLiteral("0");
    return format(decimal, mode == ProjectMode::Rates ? "%1.3f" : "%1.2f", {0.0});
}

QString projectUnitCaption(ProjectMode mode, bool metric)
{
    if (mode == ProjectMode::Rates)
        return metric ? QStringLiteral(" mm / year") : QStringLiteral(" mils / year");
    return metric ? QStringLiteral(" mm") : QStringLiteral(" mils");
}

double projectFaceLoss(ProjectMode mode, bool metric, long double typed, int effectiveYears)
{
    if (mode == ProjectMode::Rates) {
        if (metric)
            return static_cast<double>(static_cast<Extended>(effectiveYears) * typed);
        return static_cast<double>(
            roundToPow10(static_cast<Extended>(effectiveYears) * typed * MM_PER_MIL, -2));
    }
    if (metric)
        return static_cast<double>(typed);
    return static_cast<double>(roundToPow10(typed * MM_PER_MIL, -2));
}

long double projectTypedNumber(const QString &text, QChar decimal)
{
    return typedNumber(text, decimal).value_or(0);
}

QString lossStatusText(const QString &frontValue, const QString &frontUnit,
                       const QString &backValue, const QString &backUnit)
{
    return QStringLiteral(" Loss: front = ") + frontValue + QLatin1Char(' ') + frontUnit +
           QStringLiteral(", back = ") + backValue + QLatin1Char(' ') + backUnit;
}

} // namespace pc
