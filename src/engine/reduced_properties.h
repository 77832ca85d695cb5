#pragma once
// Properties of a sheet pile section reduced by a total loss of steel
// thickness: interpolation in the catalogue's reduced-property tables, the
// texts of the property grid and of the loss summary. Pure decisions; the
// caller writes them into its controls.

#include "catalogue/catalogue.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace pc {

inline const QString NotAvailableCellText = QStringLiteral(" N/A ");
inline const QString ReducedColumnHeader = QStringLiteral(" red. ");
inline const QString SectionPropCaptionPrefix = QStringLiteral(" Section prop.: ");
inline const QString LossBeyondTablesPrefix =
    QStringLiteral(" Max. total loss of steel thickness (front + back) = ");
inline const QString NoReducedSectionText =
    QStringLiteral(" No reduced properties for this loss of steel thickness. ");

enum class ReducedStatus {
    NoSection,        // called without a section (or with an index the catalogue lacks)
    OutOfRange,       // the loss exceeds the largest tabulated loss
    NoLoss,           // the reduced values are the initial ones
    Interpolated,     // the loss lies within the tables
    NoReducedSection, // the tables hold no reduced section for this loss
};

// Properties of the section as stored in the catalogue (its name and label
// come from sectionLabel(), kept out of here so that a search over thousands
// of candidates builds no text).
struct InitialProperties
{
    double wel = 0, i = 0, a = 0; // cm3/m, cm4/m, cm2/m
    double tf = 0, tw = 0;        // mm
    double width = 0;             // m
    double mass = 0;              // kg/m
};

struct ReducedProperties
{
    ReducedStatus status = ReducedStatus::NoSection;
    // Set only with a section; a call without one leaves the caller's initial
    // values and thicknesses as they were.
    bool hasSection = false;
    InitialProperties initial;
    double welRed = 0, iRed = 0, aRed = 0; // 0 = not available
    double tfRed = 0, twRed = 0;           // meaningful only with a section
    int lossMax = 0;                       // largest tabulated total loss, mm
    bool lossBeyondTables = false;         // report lossMax in the status bar
    bool beep = false;

    // The reduced-Sf labels are enabled except without loss in section mode.
    bool reducedSfEnabled(bool sfminMode) const
    {
        return status != ReducedStatus::NoLoss || sfminMode;
    }
};

// Reduced properties of section s (-1: none) for the total loss in mm.
ReducedProperties computeReducedProperties(const Catalogue &cat, int s, double lossTotal);

// Column count the property grid takes: 4 while a loss applies to a section,
// 3 without loss or section; `current` when neither rule applies.
int reducedGridColumnCount(int current, double lossTotal, int s);

// Default column width of the property grid for its pixel width.
int reducedGridColumnWidth(int gridWidth, int lineWidth, int columns);

// Texts of the grid rows Wel, I, A, tf, tw in the unit system.
std::array<QString, 5> propertyCellTexts(QChar decimal, bool metric, double wel, double i, double a,
                                         double tf, double tw);

// " Max. total loss of steel thickness (front + back) = " + the largest loss
// as a whole number of mm or mils.
QString lossBeyondTablesText(int lossMax, bool metric);

// Caption of the section properties box: the label without outer blanks.
QString sectionPropertiesCaption(const QString &label);

struct LossSummary
{
    QString front;                       // text of the front loss
    QString back;                        // text of the back loss
    QString caption;                     // caption of the loss summary box
    std::optional<double> lossTotalMils; // set in imperial units only
};

// The loss summary; the front loss is the reduced one while the reduction
// factors apply.
LossSummary lossSummary(QChar decimal, bool metric, double lossFront, double lossFrontReduced,
                        bool reductionApplies, double lossBack, double lossTotal);

} // namespace pc
