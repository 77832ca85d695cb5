// Project-specific corrosion on the corrosion rates page: the switch to it,
// rates per year or total losses of each face, their checks while typed,
// their tidying when left, and the losses they give.
//
// The project edits count only while project rates are selected: a text
// written into them otherwise (the unit switch converts them in either mode)
// is neither checked nor turned into losses, so the table losses in force
// are never replaced by project values, not even for a moment.

#include "corrosion/loss_finishing.h"
#include "corrosion/project_rates.h"
#include "window/app.h"
#include "window/corrosion_faces.h"
#include "window/numeric_key_filter.h"

namespace pc {

namespace {

ProjectMode projectMode(const App &a)
{
    return projectModeOfItem(a.f.RG_Project_Rates.itemIndex());
}

App::Face faceOfEdit(const App &a, const form::Control &edit)
{
    return &edit == &a.f.Edit_Back ? App::Face::Back : App::Face::Front;
}

void showProjectLimit(App &a)
{
    a.f.setRangeStatus(projectEnterText(projectMode(a), a.s.UnitsMetric, projectLimits(a.cat()),
                                        a.p.decimalSeparator()));
}

} // namespace

void App::MenuProjectRatesClick()
{
    if (f.MenuProjectRates.checked())
        return;
    f.MenuEC3Rates.setChecked(false);
    f.MenuProjectRates.setChecked(true);

    for (form::Control *c : projectRateControls(*this))
        c->setEnabled(true);
    f.setFocus(&f.Edit_Front);
    for (form::Control *c : tableRateControls(*this))
        c->setEnabled(false);

    f.Lbl_Summary_Front4.setCaption(f.Edit_Front_Descr.text());
    f.Lbl_Summary_Back4.setCaption(f.Edit_Back_Descr.text());

    if (projectMode(*this) == ProjectMode::TotalLoss)
        enableServiceLifeLists(*this, false);

    ComputeProjectLoss();
}

void App::RG_Project_RatesClick()
{
    const ProjectMode mode = projectMode(*this);
    const bool metric = s.UnitsMetric;
    // A total loss ignores time: service life and protection are frozen.
    enableServiceLifeLists(*this, mode == ProjectMode::Rates);
    const QString zero = projectZeroText(mode, metric, p.decimalSeparator());
    f.Edit_Front.setText(zero);
    f.Edit_Back.setText(zero);
    const QString unit = projectUnitCaption(mode, metric);
    f.Lbl_Front3.setCaption(unit);
    f.Lbl_Back3.setCaption(unit);
}

void App::CheckProjectValue(form::Control &edit)
{
    if (tableRatesSelected(*this))
        return;
    f.setRangeStatus(QString());
    const ProjectMode mode = projectMode(*this);
    const bool metric = s.UnitsMetric;
    const QChar decimal = p.decimalSeparator();
    const ProjectLimits limits = projectLimits(cat());
    switch (checkProjectValue(edit.text(), decimal, metric, mode, limits)) {
    case ProjectCheck::Accepted:
        ComputeProjectLoss();
        return;
    case ProjectCheck::TooLarge:
        // Blanking the edit is a change too: the face reads " N/A " until a
        // valid value is typed; the losses in force stay.
        edit.setText(QStringLiteral(" "));
        f.setRangeStatus(projectRejectionText(mode, metric, limits, decimal));
        p.beep();
        return;
    case ProjectCheck::NotANumber:
        faceControls(*this, faceOfEdit(*this, edit)).summaryValue.setCaption(ProjectNotANumberText);
        f.setMessageStatus(lossStatus(f));
        return;
    }
}

void App::TidyProjectValue(form::Control &edit)
{
    if (tableRatesSelected(*this))
        return;
    const TidiedProjectText t = tidyProjectText(edit.text(), p.decimalSeparator(), s.UnitsMetric,
                                                projectMode(*this), projectLimits(cat()));
    edit.setText(t.text);
    if (!t.wasNumber)
        p.beep();
    ComputeProjectLoss();
}

void App::ComputeProjectLoss()
{
    PILECORR_TRACED_HANDLER(trace);
    const ProjectMode mode = projectMode(*this);
    const QChar decimal = p.decimalSeparator();
    double loss[2] = {0, 0};
    for (Face face : {Face::Front, Face::Back}) {
        const FaceControls c = faceControls(*this, face);
        // An edit blanked by a rejected value counts as 0 until it is left.
        const long double typed = projectTypedNumber(c.projectValue.text(), decimal);
        loss[face == Face::Back] = projectFaceLoss(
            mode, s.UnitsMetric, typed, effectiveYears(s.CurrentServiceLife, c.protectionYears));
    }
    s.losses.front = loss[0];
    s.losses.back = loss[1];
    ApplyReductionFactor();
    RecomputeAfterInput();
    showLossStatusOnRatesPage(*this);
}

void App::Edit_FrontChange()
{
    CheckProjectValue(f.Edit_Front);
}

void App::Edit_FrontEnter()
{
    showProjectLimit(*this);
}

void App::Edit_FrontExit()
{
    TidyProjectValue(f.Edit_Front);
}

void App::Edit_FrontKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_Front, key);
}

void App::Edit_BackChange()
{
    CheckProjectValue(f.Edit_Back);
}

void App::Edit_BackEnter()
{
    showProjectLimit(*this);
}

void App::Edit_BackExit()
{
    TidyProjectValue(f.Edit_Back);
}

void App::Edit_BackKeyPress(QChar &key)
{
    FilterNumericKey(p, f, f.Edit_Back, key);
}

void App::Edit_Front_DescrChange()
{
    f.Lbl_Summary_Front4.setCaption(f.Edit_Front_Descr.text());
}

void App::Edit_Back_DescrChange()
{
    f.Lbl_Summary_Back4.setCaption(f.Edit_Back_Descr.text());
}

void App::TabSheetRatesShow()
{
    f.setRangeStatus(QString());
    f.setMessageStatus(lossStatus(f));
}

} // namespace pc
