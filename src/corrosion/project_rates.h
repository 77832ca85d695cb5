#pragma once
// Project-specific corrosion: a rate per year of each face, or a total loss
// of each face, typed by the designer in mm (mils in imperial units). The
// limits, the texts of the edits and the losses they give.

#include "catalogue/catalogue.h"
#include "units/unit_factors.h"

#include <QChar>
#include <QString>

#include <optional>

namespace pc {

// RG_Project_Rates: item 0 rates per year, item 1 total loss.
enum class ProjectMode { Rates = 0, TotalLoss = 1 };

ProjectMode projectModeOfItem(int itemIndex);

inline const QString MaxRatePrefix = QStringLiteral(" Max. corrosion rate of steel = ");
inline const QString MaxTotalLossRejectedPrefix =
    QStringLiteral(" Max. total loss of steel (front + back) = ");
inline const QString MaxTotalLossPrefix = QStringLiteral(" Max. total loss of steel = ");
inline const QString ProjectNotANumberText = QStringLiteral(" N/A ");

// Limits of a face value, in mm/year and mm.
struct ProjectLimits
{
    double maxRate = 0;      // MaxCorrosionRate
    double maxTotalLoss = 0; // the largest tabulated total loss (last LossStep)
};

ProjectLimits projectLimits(const Catalogue &cat);

// The value of an edit in mm (per year): the number typed, in imperial units
// converted from mils and rounded to 0.001 mm. Nothing for a text that is
// not a number; a negative number, which the key filter cannot produce but a
// paste can, is no value either.
std::optional<double> projectValueMm(const QString &text, QChar decimal, bool metric);

enum class ProjectCheck { NotANumber, TooLarge, Accepted };

// The check of a changed edit: the value against the limit of the mode (each
// face on its own).
ProjectCheck checkProjectValue(const QString &text, QChar decimal, bool metric, ProjectMode mode,
                               const ProjectLimits &limits);

// Panel 0 after a value above the limit was rejected.
QString projectRejectionText(ProjectMode mode, bool metric, const ProjectLimits &limits,
                             QChar decimal);

// Panel 0 while an edit is entered.
QString projectEnterText(ProjectMode mode, bool metric, const ProjectLimits &limits, QChar decimal);

// The text an edit is tidied to when it is left: the number in the format of
// the mode (imperial values no larger than the limit in mils), or zero when
// the text is not a number (`wasNumber` false: the caller beeps).
struct TidiedProjectText
{
    QString text;
    bool wasNumber = false;
};
TidiedProjectText tidyProjectText(const QString &text, QChar decimal, bool metric, ProjectMode mode,
                                  const ProjectLimits &limits);

// Zero in the format of the mode: "0.000" or "0.00" in metric units, "0" in
// imperial units (as the mode switch writes it).
QString projectZeroText(ProjectMode mode, bool metric, QChar decimal);

// Unit caption of Lbl_Front3 and Lbl_Back3.
QString projectUnitCaption(ProjectMode mode, bool metric);

// Loss of one face in mm from the number typed (0 for a blank edit): rate x
// effective years, or the total loss; imperial values converted from mils
// and rounded to 0.01 mm. The product is taken in extended precision from
// the number as typed, so a rate gives the loss its decimal product typed
// as a total loss gives.
double projectFaceLoss(ProjectMode mode, bool metric, long double typed, int effectiveYears);

// The typed number of an edit for the loss: 0 while it holds no number (a
// rejected value blanks the edit until it is left).
long double projectTypedNumber(const QString &text, QChar decimal);

// " Loss: front = " + value + " " + unit + ", back = " + value + " " + unit.
QString lossStatusText(const QString &frontValue, const QString &frontUnit,
                       const QString &backValue, const QString &backUnit);

} // namespace pc
