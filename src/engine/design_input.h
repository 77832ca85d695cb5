#pragma once
// Checks of the design input: the key filter of the numeric fields, the
// limits of the three design actions, the required band Sfmin..Sfmax, and the
// texts written when a field is left. Pure decisions on texts and values; the
// caller writes the controls, sounds the beeps and runs the refreshes.

#include "catalogue/catalogue.h"
#include "units/rounding.h"

#include <QChar>
#include <QString>

#include <optional>

namespace pc {

inline const QString WrongInputPrefix = QStringLiteral(" Enter only values > 0. Wrong input:  ");
inline const QString SfminRangeText = QStringLiteral(" 1 =< Sfmin =< 5");
inline const QString SfmaxRangeSuffix = QStringLiteral(" =< Sfmax =<  20.00");
inline const QString SfminOutOfRangeText = QStringLiteral(" Sfmin out of range!! Retry");
inline const QString SfmaxAutoResetText =
    QStringLiteral(" SfMax out of range!! Automatically reset!");
inline const QString SfmaxCompleteText = QStringLiteral(" Please complete: SfMax >= 1.1*SfMin");
inline const QString SfmaxResetOnExitText =
    QStringLiteral(" Sfmax out of range!! SfMax has been reset!");
inline const QString SfminModeCaption = QStringLiteral("  Required Sf,red  ");
inline const QString SectionModeCaption = QStringLiteral("  Safety factors Sf  ");
inline const QString SfBandText = QStringLiteral("=< Sf,red =<");
inline const QString SfmaxHint =
    QStringLiteral(" use this box to limit the amount of sections shown");

// An empty Sfmin lets no section pass; so does an empty Sfmax (0).
constexpr long double SfminWhenEmpty = 1000000.0L;
constexpr long double SfmaxWhenEmpty = 0.0L;
constexpr long double SfminLowest = 1.0L;
constexpr long double SfminHighest = 5.0L;
constexpr long double SfmaxHighest = 20.0L;

// ---- Key filter ---------------------------------------------------------

struct KeyDecision
{
    bool accepted = true;
    QString rejection; // status text when rejected
};

// Backspace (8), the digits and one decimal separator pass; everything else,
// and any code above 255, is rejected with
// " Enter only values > 0. Wrong input:  " + the character.
KeyDecision filterNumericKey(char16_t key, const QString &fieldText, QChar decimal);

// The report of a text that passed the filter but is not a number (a
// pasted text, or a number beyond the range of the type); a text longer than
// WrongInputQuotedLength characters is quoted by its beginning and "...".
constexpr int WrongInputQuotedLength = 40;
QString wrongInputText(const QString &text);

// ---- Design actions -----------------------------------------------------

enum class ActionField { Moment, Load, Deflection };

// Metric units per imperial unit: 4.449741, 14.598915, 2.5399956.
long double actionFactor(ActionField field);
double actionMetricLimit(ActionField field);
double actionImperialLimit(const Catalogue &cat, ActionField field);
const QString &actionRangeHint(ActionField field);
const QString &actionErrorText(ActionField field);

// Range hint + the metric limit as a whole number, or + "%1.1f" of the
// imperial one.
QString actionRangeText(const Catalogue &cat, ActionField field, bool metric, QChar decimal);

enum class InputOutcome {
    Zero,       // empty text or the number 0: the value is 0
    Value,      // a number within the limit
    TooLarge,   // above the limit: the field is emptied
    NotANumber, // the stored value stays as it was
};

struct InputChange
{
    InputOutcome outcome = InputOutcome::Zero;
    double value = 0; // metric; meaningful for Zero and Value
};

// A number of a field that holds only values from 0 up: the text read with
// the user's separator; nothing for text that is not a number, and for a
// negative one. The key filter lets no sign through, but a paste can bring
// one, and a negative moment or length is no input the program can use.
std::optional<long double> parseInputNumber(const QString &text, QChar decimal);

// The outcomes every numeric field shares: empty text or 0 is Zero, text
// that is not a number (a negative one included) NotANumber. For any other text nothing is returned
// and `number` holds the typed number, for the field's own limits.
std::optional<InputChange> commonInputOutcome(const QString &text, QChar decimal,
                                              long double &number);

// The typed text of a design action read in the unit system.
InputChange evaluateActionChange(const Catalogue &cat, ActionField field, const QString &text,
                                 QChar decimal, bool metric);

// The text a design action field takes when left: "0" / "0.0" for empty or
// zero, else the number with 0 (metric) or 1 (imperial) decimals. Nothing
// for a text that is not a number.
std::optional<QString> actionExitText(const QString &text, QChar decimal, bool metric);

// ---- Required band ------------------------------------------------------

enum class SfBoundOutcome {
    Empty,       // no number: SfMinRequired 1 000 000, SfMaxRequired 0
    NotANumber,  // the stored value stays as it was
    OutOfRange,  // Sfmin outside 1..5: emptied
    AboveTwenty, // Sfmax above 20: reset to "20.00"
    BelowBand,   // Sfmax below 1.1 x Sfmin: kept, reported in red
    Valid,
};

struct SfBoundChange
{
    SfBoundOutcome outcome = SfBoundOutcome::Empty;
    long double value = 0; // the number typed (Empty: the empty value)
};

SfBoundChange evaluateSfminChange(const QString &text, QChar decimal);
SfBoundChange evaluateSfmaxChange(const QString &text, QChar decimal, long double sfMinRequired);

// The texts the band fields are reset to, 20 and 1.5 with 2 decimals in the
// user's notation ("20.00" and "1.50" with a decimal point).
QString sfmaxUpperText(QChar decimal);
QString sfminDefaultText(QChar decimal);

// 1.1 x Sfmin and Sfmax compared after rounding both to 0.0001: Sfmax is
// below the band it must reach.
bool sfmaxBelowBand(long double sfMinRequired, long double sfMaxRequired);

// The Sfmax that a too small one is reset to: 1.1 x Sfmin + 0.01, 2 decimals.
QString sfmaxResetText(QChar decimal, long double sfMinRequired);

// Range hint of Sfmax: 1.1 x Sfmin with 2 decimals + " =< Sfmax =<  20.00".
QString sfmaxRangeText(QChar decimal, long double sfMinRequired);

// The text Sfmin takes when left: 1.50 for an empty field, "0" or a text
// that is not a number, else the number with 2 decimals.
QString sfminExitText(const QString &text, QChar decimal);

struct SfmaxExit
{
    bool valid = false; // invalid: 20.00, the reset message, a beep, red
    QString text;
};

SfmaxExit sfmaxExit(const QString &text, QChar decimal, long double sfMinRequired);

} // namespace pc
