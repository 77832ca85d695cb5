// The design input fields: moment, load and deflection with their limits,
// the required band Sfmin..Sfmax with its resets, the key filter and the
// switch between section mode and Sfmin mode.
//
// A text that passes the key filter but is not a number (a lone decimal
// separator, or pasted text) keeps the stored value and is reported in
// panel 1; it never raises an error box.

#include "engine/design_input.h"
#include "units/format.h"
#include "window/app.h"
#include "window/numeric_key_filter.h"
#include "window/wiring.h"

namespace pc {

namespace {

double &storedAction(App &a, ActionField field)
{
    switch (field) {
    case ActionField::Load:
        return a.s.actions.load;
    case ActionField::Deflection:
        return a.s.actions.deflection;
    case ActionField::Moment:
        break;
    }
    return a.s.actions.moment;
}

void actionEnter(App &a, ActionField field)
{
    a.f.setRangeStatus(actionRangeText(a.cat(), field, a.s.UnitsMetric, a.p.decimalSeparator()));
}

void actionChange(App &a, ActionField field, form::Control &edit)
{
    const QString text = edit.text();
    const InputChange r =
        evaluateActionChange(a.cat(), field, text, a.p.decimalSeparator(), a.s.UnitsMetric);
    bool tooLarge = false;
    switch (r.outcome) {
    case InputOutcome::NotANumber:
        a.f.setMessageStatus(wrongInputText(text));
        return;
    case InputOutcome::Zero:
        storedAction(a, field) = 0;
        break;
    case InputOutcome::Value:
        a.f.setMessageStatus(QString());
        storedAction(a, field) = r.value;
        break;
    case InputOutcome::TooLarge:
        a.f.setMessageStatus(QString());
        edit.setText(QString()); // stores 0 through this handler
        a.f.setMessageStatus(actionErrorText(field));
        a.p.beep();
        tooLarge = true;
        break;
    }
    a.RecomputeAfterInput();
    actionEnter(a, field);
    // The refresh of Sfmin mode empties panel 1; the error must stay in view.
    if (tooLarge)
        a.f.setMessageStatus(actionErrorText(field));
}

void actionExit(App &a, ActionField field, form::Control &edit)
{
    const QChar decimal = a.p.decimalSeparator();
    const bool metric = a.s.UnitsMetric;
    if (const auto t = actionExitText(edit.text(), decimal, metric)) {
        edit.setText(*t);
    } else {
        // Not a number: the field shows the value still in use.
        const long double shown = metric ? static_cast<long double>(storedAction(a, field))
                                         : storedAction(a, field) / actionFactor(field);
        edit.setText(formatFixed(decimal, shown, 8, metric ? 0 : 1));
    }
    a.f.setMessageStatus(QString());
}

long double bandValue(const QString &text, QChar decimal, long double whenEmpty)
{
    return parseNumber(text, decimal).value_or(whenEmpty);
}

} // namespace

void FilterNumericKey(Platform &p, form::MainForm &f, form::Control &field, QChar &key)
{
    const KeyDecision d = filterNumericKey(key.unicode(), field.text(), p.decimalSeparator());
    if (d.accepted)
        return;
    f.setMessageStatus(d.rejection);
    key = QChar();
    p.exclamationBeep();
}

void App::Edit_MomentChange()
{
    actionChange(*this, ActionField::Moment, f.Edit_Moment);
}
void App::Edit_MomentEnter()
{
    actionEnter(*this, ActionField::Moment);
}
void App::Edit_MomentExit()
{
    actionExit(*this, ActionField::Moment, f.Edit_Moment);
}
void App::Edit_MomentKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_Moment, key);
}
void App::Edit_LoadChange()
{
    actionChange(*this, ActionField::Load, f.Edit_Load);
}
void App::Edit_LoadEnter()
{
    actionEnter(*this, ActionField::Load);
}
void App::Edit_LoadExit()
{
    actionExit(*this, ActionField::Load, f.Edit_Load);
}
void App::Edit_LoadKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_Load, key);
}
void App::Edit_DeflectionChange()
{
    actionChange(*this, ActionField::Deflection, f.Edit_Deflection);
}
void App::Edit_DeflectionEnter()
{
    actionEnter(*this, ActionField::Deflection);
}
void App::Edit_DeflectionExit()
{
    actionExit(*this, ActionField::Deflection, f.Edit_Deflection);
}
void App::Edit_DeflectionKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_Deflection, key);
}

void App::Edit_SfminEnter()
{
    f.setRangeStatus(SfminRangeText);
    f.setMessageStatus(QString());
}

void App::Edit_SfminChange()
{
    const QChar decimal = p.decimalSeparator();
    const QString text = f.Edit_Sfmin.text();
    const SfBoundChange r = evaluateSfminChange(text, decimal);
    QString report;
    switch (r.outcome) {
    case SfBoundOutcome::NotANumber:
        f.setMessageStatus(wrongInputText(text));
        return;
    case SfBoundOutcome::OutOfRange:
        s.band.sfMin = r.value;
        f.setMessageStatus(QString());
        f.Edit_Sfmin.setText(QString());
        p.beep();
        report = SfminOutOfRangeText;
        f.setMessageStatus(report);
        s.band.sfMin = SfminWhenEmpty;
        break;
    case SfBoundOutcome::Valid:
        s.band.sfMin = r.value;
        f.setMessageStatus(QString());
        if (sfmaxBelowBand(s.band.sfMin, s.band.sfMax)) {
            f.Edit_SfMax.setText(sfmaxResetText(decimal, s.band.sfMin));
            f.Edit_SfMax.setFontColor(form::clRed);
            report = SfmaxAutoResetText;
            f.setMessageStatus(report);
        } else {
            f.Edit_SfMax.setFontColor(form::clBlack);
        }
        break;
    default: // empty
        s.band.sfMin = SfminWhenEmpty;
        break;
    }
    RG_SSPClick();
    // The search refresh empties panel 1; the report must stay in view.
    if (!report.isEmpty())
        f.setMessageStatus(report);
    // The required factor is the curve's line even where no factor is
    // computed again (one section selected).
    curve.RefreshLifeCurve();
}

void App::Edit_SfminExit()
{
    f.Edit_Sfmin.setText(sfminExitText(f.Edit_Sfmin.text(), p.decimalSeparator()));
    f.setMessageStatus(QString());
}

void App::Edit_SfminKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_Sfmin, key);
}

void App::Edit_SfMaxEnter()
{
    f.Edit_SfMax.setFontColor(form::clBlack);
    f.setRangeStatus(sfmaxRangeText(p.decimalSeparator(), s.band.sfMin));
    f.setMessageStatus(QString());
}

void App::Edit_SfMaxChange()
{
    const QChar decimal = p.decimalSeparator();
    const QString text = f.Edit_SfMax.text();
    const SfBoundChange r = evaluateSfmaxChange(text, decimal, s.band.sfMin);
    QString report0;
    QString report1;
    switch (r.outcome) {
    case SfBoundOutcome::NotANumber:
        f.setMessageStatus(wrongInputText(text));
        return;
    case SfBoundOutcome::AboveTwenty:
        s.band.sfMax = r.value;
        f.setMessageStatus(QString());
        f.Edit_SfMax.setText(sfmaxUpperText(decimal)); // stores 20 through this handler
        p.beep();
        f.Edit_SfMax.setFontColor(form::clRed);
        report0 = sfmaxRangeText(decimal, s.band.sfMin);
        report1 = SfmaxAutoResetText;
        f.setRangeStatus(report0);
        f.setMessageStatus(report1);
        break;
    case SfBoundOutcome::BelowBand:
        s.band.sfMax = r.value;
        f.setMessageStatus(QString());
        report1 = SfmaxCompleteText;
        f.setMessageStatus(report1);
        p.beep();
        f.Edit_SfMax.setFontColor(form::clRed);
        break;
    case SfBoundOutcome::Valid:
        s.band.sfMax = r.value;
        f.setMessageStatus(QString());
        f.Edit_SfMax.setFontColor(form::clBlack);
        break;
    default: // empty
        s.band.sfMax = SfmaxWhenEmpty;
        break;
    }
    RG_SSPClick();
    // The search refresh rewrites the status bar; the report must stay in view.
    if (!report0.isEmpty())
        f.setRangeStatus(report0);
    if (!report1.isEmpty())
        f.setMessageStatus(report1);
}

void App::Edit_SfMaxExit()
{
    const SfmaxExit e = sfmaxExit(f.Edit_SfMax.text(), p.decimalSeparator(), s.band.sfMin);
    f.Edit_SfMax.setText(e.text);
    if (e.valid) {
        f.setMessageStatus(QString());
        return;
    }
    f.setMessageStatus(SfmaxResetOnExitText);
    p.beep();
    f.Edit_SfMax.setFontColor(form::clRed);
}

void App::Edit_SfMaxKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_SfMax, key);
}

void App::MenuSelectSfminClick()
{
    if (!f.MenuSelectSection.checked())
        return;
    f.GB_Sfmin.setCaption(SfminModeCaption);
    f.Lbl_Sf_Result.setVisible(false);
    f.Lbl_SfIni.setVisible(false);
    f.Lbl_Sf_Text.setVisible(true);
    f.Edit_Sfmin.setVisible(true);
    f.Edit_SfMax.setVisible(true);
    f.MenuSelectSfmin.setChecked(true);
    const QChar decimal = p.decimalSeparator();
    // A band field left empty counts as its empty value, as its change
    // handler would store it.
    s.band.sfMin = bandValue(f.Edit_Sfmin.text(), decimal, SfminWhenEmpty);
    s.band.sfMax = bandValue(f.Edit_SfMax.text(), decimal, SfmaxWhenEmpty);
    f.setFocus(&f.Edit_Sfmin);
    RG_SSPClick();
}

void App::MenuSelectSectionClick()
{
    if (!f.MenuSelectSfmin.checked())
        return;
    f.GB_Sfmin.setCaption(SectionModeCaption);
    f.setFocus(&f.Edit_Moment);
    f.Lbl_Sf_Result.setVisible(true);
    f.Lbl_SfIni.setVisible(true);
    f.Lbl_Sf_Text.setVisible(false);
    f.Edit_Sfmin.setVisible(false);
    f.Edit_SfMax.setVisible(false);
    f.MenuSelectSection.setChecked(true);
    RG_SSPClick();
}

void App::TabSheetInputShow()
{
    f.MenuSelectSection.setEnabled(true);
    f.MenuSelectSfmin.setEnabled(true);
    f.setMessageStatus(QString());
}

void wireDesignInput(App &a)
{
    auto &f = a.f;
    f.Edit_Moment.onChange = [&a] { a.Edit_MomentChange(); };
    f.Edit_Moment.onEnter = [&a] { a.Edit_MomentEnter(); };
    f.Edit_Moment.onExit = [&a] { a.Edit_MomentExit(); };
    f.Edit_Moment.onKeyPress = [&a](QChar &key) { a.Edit_MomentKeyPress(key); };
    f.Edit_Load.onChange = [&a] { a.Edit_LoadChange(); };
    f.Edit_Load.onEnter = [&a] { a.Edit_LoadEnter(); };
    f.Edit_Load.onExit = [&a] { a.Edit_LoadExit(); };
    f.Edit_Load.onKeyPress = [&a](QChar &key) { a.Edit_LoadKeyPress(key); };
    f.Edit_Deflection.onChange = [&a] { a.Edit_DeflectionChange(); };
    f.Edit_Deflection.onEnter = [&a] { a.Edit_DeflectionEnter(); };
    f.Edit_Deflection.onExit = [&a] { a.Edit_DeflectionExit(); };
    f.Edit_Deflection.onKeyPress = [&a](QChar &key) { a.Edit_DeflectionKeyPress(key); };
    f.Edit_Sfmin.onChange = [&a] { a.Edit_SfminChange(); };
    f.Edit_Sfmin.onEnter = [&a] { a.Edit_SfminEnter(); };
    f.Edit_Sfmin.onExit = [&a] { a.Edit_SfminExit(); };
    f.Edit_Sfmin.onKeyPress = [&a](QChar &key) { a.Edit_SfminKeyPress(key); };
    f.Edit_SfMax.onChange = [&a] { a.Edit_SfMaxChange(); };
    f.Edit_SfMax.onEnter = [&a] { a.Edit_SfMaxEnter(); };
    f.Edit_SfMax.onExit = [&a] { a.Edit_SfMaxExit(); };
    f.Edit_SfMax.onKeyPress = [&a](QChar &key) { a.Edit_SfMaxKeyPress(key); };
    f.MenuSelectSection.onClick = [&a] { a.MenuSelectSectionClick(); };
    f.MenuSelectSfmin.onClick = [&a] { a.MenuSelectSfminClick(); };
    f.TabSheetInput.onShow = [&a] { a.TabSheetInputShow(); };
}

} // namespace pc
