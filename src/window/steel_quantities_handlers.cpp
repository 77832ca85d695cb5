// The steel quantities of the wall and the two length fields.

#include "engine/steel_quantities.h"
#include "units/format.h"
#include "units/unit_factors.h"
#include "window/app.h"
#include "window/numeric_key_filter.h"
#include "window/wiring.h"

namespace pc {

namespace {

struct LengthFieldRefs
{
    LengthField field;
    form::Control &edit;
    double &value;
    LengthLimits limits;
};

LengthFieldRefs wallField(App &a)
{
    return {LengthField::Wall,
            a.f.Edit_WallLength,
            a.s.lengths.wall,
            {a.cat().MaxWallLength, a.cat().MaxWallLengthFt}};
}

LengthFieldRefs pileField(App &a)
{
    return {LengthField::Pile,
            a.f.Edit_SSPLength,
            a.s.lengths.pile,
            {a.s.MaxSSPLength, a.s.MaxSSPLengthImp}};
}

void lengthChange(App &a, const LengthFieldRefs &r)
{
    const QString text = r.edit.text();
    const InputChange c =
        evaluateLengthChange(text, a.p.decimalSeparator(), a.s.UnitsMetric, r.limits);
    switch (c.outcome) {
    case InputOutcome::NotANumber:
        a.f.setMessageStatus(wrongInputText(text));
        return;
    case InputOutcome::Zero:
        r.value = 0;
        break;
    case InputOutcome::Value:
        a.f.setMessageStatus(QString());
        r.value = c.value;
        break;
    case InputOutcome::TooLarge:
        a.f.setMessageStatus(QString());
        r.edit.setText(QString()); // stores 0 through this handler
        a.f.setMessageStatus(lengthErrorText(r.field));
        a.p.beep();
        break;
    }
    if (r.field == LengthField::Pile)
        r.edit.setShowHint(false);
    a.UpdateSteelQuantities();
}

void lengthEnter(App &a, const LengthFieldRefs &r)
{
    a.f.setRangeStatus(lengthRangeText(r.field, a.p.decimalSeparator(), a.s.UnitsMetric, r.limits));
}

void lengthExit(App &a, const LengthFieldRefs &r)
{
    const QChar decimal = a.p.decimalSeparator();
    const bool metric = a.s.UnitsMetric;
    if (const auto t = lengthExitText(r.field, r.edit.text(), decimal, metric)) {
        r.edit.setText(*t);
    } else {
        // Not a number: the field shows the length still in use.
        const long double shown = metric ? static_cast<long double>(r.value) : r.value / M_PER_FT;
        const int decimals = r.field == LengthField::Pile && metric ? 2 : 1;
        r.edit.setText(formatFixed(decimal, shown, 8, decimals));
    }
    a.f.setMessageStatus(QString());
}

} // namespace

void App::UpdateSteelQuantities()
{
    PILECORR_TRACED_HANDLER(trace);
    SteelQuantityTexts texts;
    if (f.LB_SSP.itemIndex() < 0) {
        s.quantities = SteelQuantities();
        texts = steelQuantitiesNotAvailable();
    } else {
        s.quantities = computeSteelQuantities(s.lengths, s.CurrentWidth, s.CurrentMass);
        texts = steelQuantityTexts(p.decimalSeparator(), s.UnitsMetric, s.quantities,
                                   s.CurrentWidth, s.CurrentMass);
    }
    f.Lbl_SSP_Result.setCaption(texts.pairs);
    f.Lbl_Total_Result.setCaption(texts.total);
    f.Lbl_WallLength_Result.setCaption(texts.wallLength);
    f.Lbl_Weight_Result.setCaption(texts.weight);
}

void App::Edit_WallLengthChange()
{
    lengthChange(*this, wallField(*this));
}
void App::Edit_WallLengthEnter()
{
    lengthEnter(*this, wallField(*this));
}
void App::Edit_WallLengthExit()
{
    lengthExit(*this, wallField(*this));
}
void App::Edit_WallLengthKeyPress(QChar &key)
{
    FilterNumericKey(*this, f.Edit_WallLength, key);
}
void App::Edit_SSPLengthChange()
{
    lengthChange(*this, pileField(*this));
}
void App::Edit_SSPLengthEnter()
{
    lengthEnter(*this, pileField(*this));
}
void App::Edit_SSPLengthExit()
{
    lengthExit(*this, pileField(*this));
}
void App::Edit_SSPLengthKeyPress(QChar &key)
{
    FilterNumericKey(*this, f.Edit_SSPLength, key);
}

void wireSteelQuantities(App &a)
{
    auto &f = a.f;
    f.Edit_WallLength.onChange = [&a] { a.Edit_WallLengthChange(); };
    f.Edit_WallLength.onEnter = [&a] { a.Edit_WallLengthEnter(); };
    f.Edit_WallLength.onExit = [&a] { a.Edit_WallLengthExit(); };
    f.Edit_WallLength.onKeyPress = [&a](QChar &key) { a.Edit_WallLengthKeyPress(key); };
    f.Edit_SSPLength.onChange = [&a] { a.Edit_SSPLengthChange(); };
    f.Edit_SSPLength.onEnter = [&a] { a.Edit_SSPLengthEnter(); };
    f.Edit_SSPLength.onExit = [&a] { a.Edit_SSPLengthExit(); };
    f.Edit_SSPLength.onKeyPress = [&a](QChar &key) { a.Edit_SSPLengthKeyPress(key); };
}

} // namespace pc
