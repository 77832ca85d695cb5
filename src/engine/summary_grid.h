#pragma once
// The safety factor summary: every section of a family (rows) against every
// grade column, the texts of its cells, the marks of grades that are not
// plainly available, the legend of the marks, the caption and the layout of
// the grid. Pure decisions; the handlers write them into the controls.

#include "catalogue/catalogue.h"
#include "engine/reduced_properties.h"
#include "engine/safety_factor.h"

#include <QChar>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace pc {

inline const QString SummaryNotAvailableText = QStringLiteral("  N/A");
inline const QString SummaryOutsideText = QStringLiteral("  ---- ");
inline const QString SummaryAboveTwentyText = QStringLiteral(" > 20");
inline const QString SummaryUnavailableMark = QStringLiteral("  (*)");
inline const QString SummaryCode2Mark = QStringLiteral("**");
inline const QString SummaryCode3Mark = QStringLiteral("***");
inline const QString SummaryGradePrefixDropped = QStringLiteral("NVMarin ");

// The legend's largest grid height leaves room for the legend below it.
constexpr int SummaryMaxHeightWithLegend = 330;
constexpr int SummaryMaxHeightWithoutLegend = 390;

// The grade shown by each grade column, in column order: every catalogue
// grade for family 0 (" ALL"), otherwise the grades offered in the grade list.
std::vector<int> summaryGradeColumns(const Catalogue &cat, int family,
                                     const std::vector<int8_t> &gradeListMap, int gradeListCount);

// Header of a grade column: the name without outer blanks between single
// blanks, with every "NVMarin " taken out.
QString summaryGradeHeader(const QString &gradeName);

// The texts of the grade cells for one design and one unit system. A factor
// rounded to 0.01 is shown with "%6.2f" (section mode from 1 to 20, Sfmin mode
// within the band), as " > 20" above 20 in section mode, and as "  ---- "
// otherwise. The number texts are made once per hundredth, so that a grid of
// thousands of cells formats each factor that occurs only once.
class SummaryCellTexts
{
public:
    SummaryCellTexts(QChar decimal, bool sfminMode, Extended sfMinRequired, Extended sfMaxRequired);
    const QString &text(Extended sf);
    // text(factorOfStress(fy, stress)), the text found by the factor's whole
    // number of hundredths: a grid cell then costs one division and one
    // rounding, whatever band or threshold decides what the factor shows.
    const QString &textOfStress(double fy, Extended stress);

private:
    const QString &number(Extended sf);

    QChar decimal_;
    bool sfminMode_;
    Extended sfMin_;
    Extended sfMax_;
    std::vector<QString> byHundredths_;
    // What text() shows for each whole number of hundredths, once asked.
    std::vector<const QString *> shownByHundredths_;
    QString other_;
};

// "%6.2f" of a factor in the user's notation.
QString summaryNumberText(QChar decimal, Extended sf);

// The factors of one row, one per grade strength: Sf,ini with the initial
// modulus and area, or Sf,red with the reduced ones (0 without a reduced
// modulus). Nothing (the row reads "  N/A") without a load or without an
// initial modulus.
struct SummaryDesign
{
    DesignActions actions;
    bool reduced = false; // Sf,red rather than Sf,ini
};
bool summaryRowHasFactors(const SummaryDesign &d, double welIni);
// The stress the row's factors divide into its grade strengths (0: none).
Extended summaryRowStress(const SummaryDesign &d, const ReducedModulusArea &section);

// How an owner-drawn grade cell is painted: its text (replacing the cell's
// own) on the active-border colour. Nothing for a plainly available grade.
struct SummaryCellMark
{
    QString text;
};
// code = Availability of the cell's section in the cell's grade.
std::optional<SummaryCellMark> summaryCellMark(int code, const QString &cellText);

// The legend of the marks that occur in the grid (sections first..last under
// the grade columns), each line ending in CR LF; empty when none occurs.
QString summaryLegend(const Catalogue &cat, int first, int last, const std::vector<int> &grades);
int summaryMaxHeight(const QString &legend);

// Caption of the summary: " Sf,ini >=  1.00 " / " Sf,red >=  1.00 " in section
// mode; the band texts around "  =< Sf,ini =<  " / "  =< Sf,red =<  " in Sfmin mode.
QString summaryCaption(bool sfminMode, bool sfIni, const QString &sfminText,
                       const QString &sfmaxText);

// Sf,red can be chosen when the loss changes the modulus and lies within the tables.
bool summarySfRedAvailable(double welIni, double welRed, double lossTotal, int lossMax);

// Layout of the grid at `scale` = pixels per inch / 96. Text widths come from
// the platform's metrics of the grid's font.
struct SummaryGridLayout
{
    int rowHeight = 0;       // every section row
    int headerHeight = 0;    // row 0
    int nameColumnWidth = 0; // column 0
    std::vector<int> gradeColumnWidths;
    int height = 0; // before the maximum-height constraint
};
SummaryGridLayout summaryGridLayout(long double scale, int fontPointSize,
                                    const std::vector<QString> &sectionNames,
                                    const std::vector<QString> &headers, int gridWidth,
                                    const std::function<int(const QString &)> &textWidth);

// Height of a word-wrapped label: its text broken at blanks into lines no
// wider than maxWidth (a word wider than that keeps a line of its own), each
// lineHeight high, at most maxHeight.
int wrappedTextHeight(const QString &text, int maxWidth, int lineHeight, int maxHeight,
                      const std::function<int(const QString &)> &textWidth);

// Top of a description label centred in the space between the bottom of its
// caption label and the bottom of the loss box (less 13 pixels at 96 pixels
// per inch).
int centredDescriptionTop(int captionTop, int captionHeight, int boxHeight, int labelHeight,
                          long double scale);

} // namespace pc
