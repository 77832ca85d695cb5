#pragma once
// Steel quantities of a wall: sheet pile pairs over the wall length, the wall
// length they cover, the total mass over the pile length, the weight per
// square metre, and the checks and texts of the two length fields.

#include "engine/design_input.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>

namespace pc {

inline const QString QuantityNotAvailableText = QStringLiteral(" N/A ");
inline const QString WallLengthErrorText = QStringLiteral(" Error: wall length > max. !");
inline const QString PileLengthErrorText = QStringLiteral(" Error: length of ssp > max. length !");

// The two lengths the user gives.
struct WallLengths
{
    double wall = 0; // m
    double pile = 0; // m, the length of one sheet pile
};

struct SteelQuantities
{
    int32_t pairCount = 0;
    double coveredLength = 0; // m
    double massTotal = 0;     // kg
};

// Pairs = wall length / pair width rounded to a whole number (ties to even);
// no pairs for a section without width.
SteelQuantities computeSteelQuantities(const WallLengths &lengths, double pairWidth,
                                       double pairMass);

struct SteelQuantityTexts
{
    QString pairs;
    QString total;      // metric t or net t
    QString wallLength; // m or ft
    QString weight;     // kg/m2 or lb/ft2
};

SteelQuantityTexts steelQuantityTexts(QChar decimal, bool metric, const SteelQuantities &q,
                                      double pairWidth, double pairMass);

// The texts shown without a selected section.
SteelQuantityTexts steelQuantitiesNotAvailable();

enum class LengthField { Wall, Pile };

struct LengthLimits
{
    double metric = 0;   // m
    double imperial = 0; // ft
};

// " 0 < wall length =< " + "%1.0f" m or "%1.1f" ft; " 0 < length of ssp =< "
// + "%1.1f" m or ft.
QString lengthRangeText(LengthField field, QChar decimal, bool metric, const LengthLimits &limits);

const QString &lengthErrorText(LengthField field);

// The typed length read in the unit system and checked against its limit
// (equal to the limit is accepted); the value is in metres.
InputChange evaluateLengthChange(const QString &text, QChar decimal, bool metric,
                                 const LengthLimits &limits);

// The text a length field takes when left: zero in the field's format for an
// empty or zero field, else the number with 8 significant digits and the
// field's decimals. Nothing for a text that is not a number.
std::optional<QString> lengthExitText(LengthField field, const QString &text, QChar decimal,
                                      bool metric);

} // namespace pc
