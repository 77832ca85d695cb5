#include "engine/summary_grid.h"

#include "units/format.h"
#include "units/rounding.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace pc {

namespace {

// A grid of factors holds few distinct hundredths (a factor above 20 is not
// shown as a number in section mode, and the band ends at 20 in Sfmin mode);
// larger ones are formatted as they come.
constexpr int CachedHundredths = 4096;

int px(long double x)
{
    return static_cast<int>(roundEven(x));
}

const QString LegendLineEnd = QStringLiteral("\r\n");

} // namespace

std::vector<int> summaryGradeColumns(const Catalogue &cat, int family,
                                     const std::vector<int8_t> &gradeListMap, int gradeListCount)
{
    std::vector<int> grades;
    if (family == 0) {
        for (int g = 0; g < cat.GradeCount(); ++g)
            grades.push_back(g);
        return grades;
    }
    const int count = std::min(gradeListCount, static_cast<int>(gradeListMap.size()));
    for (int c = 0; c < count; ++c)
        grades.push_back(gradeListMap[static_cast<size_t>(c)]);
    return grades;
}

QString summaryGradeHeader(const QString &gradeName)
{
    QString header = QLatin1Char(' ') + gradeName.trimmed() + QLatin1Char(' ');
    header.remove(SummaryGradePrefixDropped);
    return header;
}

QString summaryNumberText(QChar decimal, Extended sf)
{
    return format(decimal, "%6.2f", {sf});
}

SummaryCellTexts::SummaryCellTexts(QChar decimal, bool sfminMode, Extended sfMinRequired,
                                   Extended sfMaxRequired)
    : decimal_(decimal), sfminMode_(sfminMode), sfMin_(sfMinRequired), sfMax_(sfMaxRequired)
{}

const QString &SummaryCellTexts::text(Extended sf)
{
    if (sfminMode_)
        return sfMin_ <= sf && sf <= sfMax_ ? number(sf) : SummaryOutsideText;
    if (sf > SfShownMax)
        return SummaryAboveTwentyText;
    if (sf >= 1)
        return number(sf);
    return SummaryOutsideText;
}

const QString &SummaryCellTexts::number(Extended sf)
{
    // A factor is a whole number of hundredths divided by 100; only such a
    // value is sure to have the text of its hundredths.
    const Extended n = roundEven(sf * 100.0L);
    if (n >= 0 && n < CachedHundredths && sf == n / 100.0L) {
        if (byHundredths_.empty())
            byHundredths_.resize(CachedHundredths);
        QString &cached = byHundredths_[static_cast<size_t>(n)];
        if (cached.isNull())
            cached = summaryNumberText(decimal_, sf);
        return cached;
    }
    other_ = summaryNumberText(decimal_, sf);
    return other_;
}

const QString &SummaryCellTexts::textOfStress(double fy, Extended stress)
{
    if (!(stress > 0))
        return text(0);
    // factorOfStress(fy, stress) is n / 100 for this n.
    const Extended n = roundEven(static_cast<Extended>(fy) / stress * 100.0L);
    if (!(n >= 0 && n < CachedHundredths))
        return text(n / 100.0L);
    if (shownByHundredths_.empty())
        shownByHundredths_.assign(CachedHundredths, nullptr);
    const QString *&shown = shownByHundredths_[static_cast<size_t>(n)];
    if (!shown) {
        const QString &t = text(n / 100.0L);
        // other_ is overwritten by the next factor outside the cache.
        if (&t == &other_)
            return t;
        shown = &t;
    }
    return *shown;
}

bool summaryRowHasFactors(const SummaryDesign &d, double welIni)
{
    return (d.actions.moment > 0 || d.actions.load > 0) && welIni > 0;
}

Extended summaryRowStress(const SummaryDesign &d, const ReducedModulusArea &section)
{
    const double w = d.reduced ? section.welRed : section.welIni;
    const double a = d.reduced ? section.aRed : section.aIni;
    return sectionStress(d.actions.moment, d.actions.load, d.actions.deflection, w, a);
}

std::optional<SummaryCellMark> summaryCellMark(int code, const QString &cellText)
{
    switch (code) {
    case 0:
        return SummaryCellMark{SummaryUnavailableMark};
    case 2:
        return SummaryCellMark{cellText + SummaryCode2Mark};
    case 3:
        return SummaryCellMark{cellText + SummaryCode3Mark};
    default:
        return std::nullopt;
    }
}

QString summaryLegend(const Catalogue &cat, int first, int last, const std::vector<int> &grades)
{
    std::array<bool, Catalogue::AvailabilityTextCount> seen{};
    const int sections = static_cast<int>(cat.Availability.size());
    const int gradeCount = static_cast<int>(cat.Availability.columns());
    for (int j = std::max(first, 0); j <= last && j < sections; ++j) {
        const auto codes = cat.Availability[static_cast<size_t>(j)];
        for (int g : grades) {
            if (g < 0 || g >= gradeCount)
                continue;
            const int code = codes[static_cast<size_t>(g)];
            if (code >= 0 && code < Catalogue::AvailabilityTextCount)
                seen[static_cast<size_t>(code)] = true;
        }
    }
    QString legend;
    if (seen[0])
        legend += QStringLiteral("(*) ") + Catalogue::AvailabilityText[0] + LegendLineEnd;
    if (seen[2])
        legend += QStringLiteral("(**) ") + Catalogue::AvailabilityText[2] + LegendLineEnd;
    if (seen[3])
        legend += QStringLiteral("(***) ") + Catalogue::AvailabilityText[3] + LegendLineEnd;
    return legend;
}

int summaryMaxHeight(const QString &legend)
{
    return legend.isEmpty() ? SummaryMaxHeightWithoutLegend : SummaryMaxHeightWithLegend;
}

QString summaryCaption(bool sfminMode, bool sfIni, const QString &sfminText,
                       const QString &sfmaxText)
{
    if (!sfminMode)
        return sfIni ? QStringLiteral(" Sf,ini >=  1.00 ") : QStringLiteral(" Sf,red >=  1.00 ");
    return sfminText +
           (sfIni ? QStringLiteral("  =< Sf,ini =<  ") : QStringLiteral("  =< Sf,red =<  ")) +
           sfmaxText;
}

bool summarySfRedAvailable(double welIni, double welRed, double lossTotal, int lossMax)
{
    return welIni != welRed && lossTotal != 0 && lossMax >= lossTotal;
}

SummaryGridLayout summaryGridLayout(long double scale, int fontPointSize,
                                    const std::vector<QString> &sectionNames,
                                    const std::vector<QString> &headers, int gridWidth,
                                    const std::function<int(const QString &)> &textWidth)
{
    constexpr int GridLineWidth = 1;
    constexpr int PenWidth = 1;
    SummaryGridLayout l;
    l.rowHeight = std::max(px(scale * 19), px(fontPointSize + scale * 10));
    l.headerHeight = l.rowHeight + px(scale * 5);
    l.nameColumnWidth = px(scale * 50);
    int total = 0;
    for (const QString &name : sectionNames) {
        l.nameColumnWidth = std::max(l.nameColumnWidth, px(textWidth(name) + scale * 15));
        total += l.rowHeight;
    }
    for (const QString &header : headers)
        l.gradeColumnWidths.push_back(std::max(px(textWidth(header) * 1.1L), px(scale * 60)));

    // The right edge of the last header cell: when it lies well inside the
    // grid no horizontal scroll bar needs room below the rows.
    int right = l.nameColumnWidth + GridLineWidth;
    for (int w : l.gradeColumnWidths)
        right += w + GridLineWidth;
    const bool lastColumnShown = right != 0 && right < gridWidth - 20;
    total += l.headerHeight + px(scale * (lastColumnShown ? 1 : 20));

    const int rows = static_cast<int>(sectionNames.size()) + 1;
    l.height = rows * PenWidth + total;
    return l;
}

int wrappedTextHeight(const QString &text, int maxWidth, int lineHeight, int maxHeight,
                      const std::function<int(const QString &)> &textWidth)
{
    int lines = 0;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        ++lines;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && textWidth(longer) > maxWidth) {
                ++lines;
                line = word;
            } else {
                line = longer;
            }
        }
    }
    return std::min(lines * lineHeight, maxHeight);
}

int centredDescriptionTop(int captionTop, int captionHeight, int boxHeight, int labelHeight,
                          long double scale)
{
    const long double middle =
        (static_cast<long double>(captionTop + captionHeight) + boxHeight - 13 * scale) / 2;
    return px(middle - labelHeight / 2.0L);
}

} // namespace pc
