#pragma once
// Properties of a sheet pile section reduced by a total loss of steel
// thickness: interpolation in the catalogue's reduced-property tables, the
// texts of the property grid and of the loss summary. Pure decisions; the
// caller writes them into its controls.

#include "catalogue/catalogue.h"
#include "units/rounding.h"

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

// Where a total loss lies among the loss steps. It depends on the loss alone,
// so a scan of many sections finds it once.
struct LossInterval
{
    enum class Kind {
        BeyondTables, // above the largest tabulated loss
        NoLoss,       // the reduced values are the initial ones
        NoUpperRow,   // the tables have no row above the loss (a single row)
        Within,       // between rows k and k + 1, at fraction t
    };
    Kind kind = Kind::NoLoss;
    int k = 0; // the last row below the loss, never the last row
    Extended t = 0;
    int lossMax = 0; // largest tabulated total loss, mm
};

LossInterval findLossInterval(const Catalogue &cat, double lossTotal);

// What a safety factor needs of a section: its initial and reduced modulus
// and area.
struct ReducedModulusArea
{
    ReducedStatus status = ReducedStatus::NoSection;
    bool beep = false;           // the status is one that sounds the default beep
    double welIni = 0, aIni = 0; // 0 without a section
    double welRed = 0, aRed = 0; // 0 = not available
};

// The sections of a catalogue under one total loss: the loss interval is found
// once, and each section then costs only its own interpolation and roundings.
// Every reduced modulus and area of the program comes from here, so a scan of
// a whole family gives the very values of one section computed alone.
class SectionScan
{
public:
    SectionScan(const Catalogue &cat, double lossTotal);

    const LossInterval &interval() const { return iv_; }
    ReducedModulusArea modulusArea(int s) const;

private:
    // One row of a property table; a value outside the table reads as 0, as
    // a missing reduced section does.
    struct Row
    {
        const double *values = nullptr;
        int count = 0;
        double operator()(int s) const { return s < count ? values[s] : 0.0; }
    };
    static Row row(const PropertyTable &table, int r);

    LossInterval iv_;
    int sections_ = 0;
    Row wel0_, a0_, welLow_, welHigh_, aLow_, aHigh_;
};

// Reduced properties of section s (-1: none) for the total loss in mm.
ReducedProperties computeReducedProperties(const Catalogue &cat, int s, double lossTotal);
// The same within a scan already made for that loss.
ReducedProperties computeReducedProperties(const Catalogue &cat, const SectionScan &scan, int s,
                                           double lossTotal);

// value(k) + t x (value(k + 1) - value(k)) of one section, in extended precision.
inline Extended interpolateRows(double low, double high, Extended t)
{
    const Extended lo = low;
    const Extended hi = high;
    return lo + t * (hi - lo);
}

// The reduced modulus from its interpolated value: a whole number, then to
// the nearest 5. The reduced moment of inertia: a whole number, then to the
// nearest 10.
inline double reducedModulus(Extended interpolated)
{
    return static_cast<double>(roundToNearest5(roundEven(interpolated)));
}
inline double reducedInertia(Extended interpolated)
{
    return static_cast<double>(roundToPow10(roundEven(interpolated), 1));
}

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

inline ReducedModulusArea SectionScan::modulusArea(int s) const
{
    ReducedModulusArea m;
    if (s < 0 || s >= sections_) {
        m.beep = true; // NoSection
        return m;
    }
    m.welIni = wel0_(s);
    m.aIni = a0_(s);
    switch (iv_.kind) {
    case LossInterval::Kind::BeyondTables:
        m.status = ReducedStatus::OutOfRange;
        m.beep = true;
        break;
    case LossInterval::Kind::NoLoss:
        m.status = ReducedStatus::NoLoss;
        m.welRed = m.welIni;
        m.aRed = m.aIni;
        break;
    case LossInterval::Kind::NoUpperRow:
        m.status = ReducedStatus::NoReducedSection;
        m.beep = true;
        break;
    case LossInterval::Kind::Within: {
        const double welHigh = welHigh_(s);
        if (welHigh == 0) {
            m.status = ReducedStatus::NoReducedSection;
            m.beep = true;
            break;
        }
        m.status = ReducedStatus::Interpolated;
        m.aRed = static_cast<double>(interpolateRows(aLow_(s), aHigh_(s), iv_.t));
        m.welRed = reducedModulus(interpolateRows(welLow_(s), welHigh, iv_.t));
        break;
    }
    }
    return m;
}

} // namespace pc
