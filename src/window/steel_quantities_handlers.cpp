#include "window/steel_quantities_handlers.h"

#include "catalogue/catalogue.h"
#include "engine/steel_quantities.h"
#include "form/main_form.h"
#include "platform/platform.h"
#include "units/format.h"
#include "units/unit_factors.h"
#include "window/handler_trace.h"
#include "window/numeric_key_filter.h"
#include "window/run_state.h"

namespace pc {

struct SteelQuantitiesHandlers::LengthFieldRefs
{
    LengthField field;
    form::Control &edit;
    double &value;
    LengthLimits limits;
};

SteelQuantitiesHandlers::LengthFieldRefs SteelQuantitiesHandlers::wallField()
{
    return {LengthField::Wall,
            f.Edit_WallLength,
            s.lengths.wall,
            {cat().MaxWallLength, cat().MaxWallLengthFt}};
}

SteelQuantitiesHandlers::LengthFieldRefs SteelQuantitiesHandlers::pileField()
{
    return {
        LengthField::Pile, f.Edit_SSPLength, s.lengths.pile, {s.MaxSSPLength, s.MaxSSPLengthImp}};
}

void SteelQuantitiesHandlers::lengthChange(const LengthFieldRefs &r)
{
    const QString text = r.edit.text();
    const InputChange c = evaluateLengthChange(text, p.decimalSeparator(), s.UnitsMetric, r.limits);
    switch (c.outcome) {
    case InputOutcome::NotANumber:
        f.setMessageStatus(wrongInputText(text));
        return;
    case InputOutcome::Zero:
        r.value = 0;
        break;
    case InputOutcome::Value:
        f.setMessageStatus(QString());
        r.value = c.value;
        break;
    case InputOutcome::TooLarge:
        f.setMessageStatus(QString());
        r.edit.setText(QString()); // stores 0 through this handler
        f.setMessageStatus(lengthErrorText(r.field));
        p.beep();
        break;
    }
    if (r.field == LengthField::Pile)
        r.edit.setShowHint(false);
    UpdateSteelQuantities();
}

void SteelQuantitiesHandlers::lengthEnter(const LengthFieldRefs &r)
{
    f.setRangeStatus(lengthRangeText(r.field, p.decimalSeparator(), s.UnitsMetric, r.limits));
}

void SteelQuantitiesHandlers::lengthExit(const LengthFieldRefs &r)
{
    const QChar decimal = p.decimalSeparator();
    const bool metric = s.UnitsMetric;
    if (const auto t = lengthExitText(r.field, r.edit.text(), decimal, metric)) {
        r.edit.setText(*t);
    } else {
        // Not a number: the field shows the length still in use.
        const long double shown = metric ? static_cast<long double>(r.value) : r.value / M_PER_FT;
        const int decimals = r.field == LengthField::Pile && metric ? 2 : 1;
        r.edit.setText(formatFixed(decimal, shown, 8, decimals));
    }
    f.setMessageStatus(QString());
}

void SteelQuantitiesHandlers::UpdateSteelQuantities()
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

void SteelQuantitiesHandlers::Edit_WallLengthChange()
{
    lengthChange(wallField());
}
void SteelQuantitiesHandlers::Edit_WallLengthEnter()
{
    lengthEnter(wallField());
}
void SteelQuantitiesHandlers::Edit_WallLengthExit()
{
    lengthExit(wallField());
}
void SteelQuantitiesHandlers::Edit_WallLengthKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_WallLength, key);
}
void SteelQuantitiesHandlers::Edit_SSPLengthChange()
{
    lengthChange(pileField());
}
void SteelQuantitiesHandlers::Edit_SSPLengthEnter()
{
    lengthEnter(pileField());
}
void SteelQuantitiesHandlers::Edit_SSPLengthExit()
{
    lengthExit(pileField());
}
void SteelQuantitiesHandlers::Edit_SSPLengthKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_SSPLength, key);
}

void wireSteelQuantities(form::MainForm &f, SteelQuantitiesHandlers &quantities)
{
    f.Edit_WallLength.onChange = [&quantities] { quantities.Edit_WallLengthChange(); };
    f.Edit_WallLength.onEnter = [&quantities] { quantities.Edit_WallLengthEnter(); };
    f.Edit_WallLength.onExit = [&quantities] { quantities.Edit_WallLengthExit(); };
    f.Edit_WallLength.onKeyPress = [&quantities](QChar &key) {
        quantities.Edit_WallLengthKeyPress(key);
    };
    f.Edit_SSPLength.onChange = [&quantities] { quantities.Edit_SSPLengthChange(); };
    f.Edit_SSPLength.onEnter = [&quantities] { quantities.Edit_SSPLengthEnter(); };
    f.Edit_SSPLength.onExit = [&quantities] { quantities.Edit_SSPLengthExit(); };
    f.Edit_SSPLength.onKeyPress = [&quantities](QChar &key) {
        quantities.Edit_SSPLengthKeyPress(key);
    };
}

} // namespace pc
