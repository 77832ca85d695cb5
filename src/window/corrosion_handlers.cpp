// The corrosion tables on the corrosion rates page: the table set (annex),
// the exposure and the detail of each face, the switch back to table rates,
// and the width of the opened drop-down lists. Also the wiring of every
// corrosion event.

#include "corrosion/annex_tables.h"
#include "corrosion/project_rates.h"
#include "corrosion/service_life.h"
#include "units/rounding.h"
#include "window/app.h"
#include "window/corrosion_faces.h"
#include "window/wiring.h"

#include <algorithm>

namespace pc {

namespace {

// Sizes of the system's sizing frame and vertical scroll bar at 96 pixels
// per inch; they grow with the screen's pixels per inch.
constexpr int SizingFrameWidth96 = 4;
constexpr int VerticalScrollBarWidth96 = 17;

void detailChange(App &a, App::Face face)
{
    const FaceControls c = faceControls(a, face);
    a.f.setRangeStatus(QString());
    const QString text = c.detail.text();
    c.detailGroup.setHint(text);
    c.longText.setCaption(longDetailText(text));
    c.description.setCaption(text);
    a.ComputeTableLoss();
    a.RecomputeAfterInput();
}

void exposureClick(App &a, App::Face face)
{
    const FaceControls c = faceControls(a, face);
    if (c.exposure.itemIndex() == c.lastExposure) {
        // The list is right already; project rates may have replaced the
        // description of the face, which comes back.
        c.description.setCaption(c.detail.text());
        return;
    }
    a.FillExposureDetails(face);
    c.lastExposure = static_cast<int16_t>(c.exposure.itemIndex());
}

} // namespace

long double screenScale(const Platform &p)
{
    return p.pixelsPerInch() / 96.0L;
}

FontSpec mainWindowFont(const Platform &p)
{
    FontSpec font;
    font.family = p.osMajorVersion() > 5 ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
    font.pointSize = 9;
    return font;
}

FaceControls faceControls(form::MainForm &f, RunState &s, Face face)
{
    if (face == Face::Back)
        return {f.RG_Back,           f.CB_Back_Detail,    f.GB_Back_Detail,     f.Lbl_EC3Back,
                f.Lbl_Summary_Back4, f.Lbl_Summary_Back2, f.CB_Protection_Back, f.Edit_Back,
                f.Edit_Back_Descr,   s.LastBackExposure,  s.ProtectionBack};
    return {f.RG_Front,           f.CB_Front_Detail,    f.GB_Front_Detail,     f.Lbl_EC3Front,
            f.Lbl_Summary_Front4, f.Lbl_Summary_Front2, f.CB_Protection_Front, f.Edit_Front,
            f.Edit_Front_Descr,   s.LastFrontExposure,  s.ProtectionFront};
}

bool tableRatesSelected(const App &a)
{
    return tableRatesSelected(a.f);
}

FaceControls faceControls(App &a, Face face)
{
    return faceControls(a.f, a.s, face);
}

std::array<form::Control *, 9> tableRateControls(App &a)
{
    form::MainForm &f = a.f;
    return {&f.GB_EC3,          &f.CB_EC3NAD,    &f.RG_Back,     &f.CB_Back_Detail, &f.RG_Front,
            &f.CB_Front_Detail, &f.Lbl_EC3Front, &f.Lbl_EC3Back, &f.B_EC3Tables};
}

std::array<form::Control *, 9> projectRateControls(App &a)
{
    form::MainForm &f = a.f;
    return {&f.RG_Project_Rates, &f.Edit_Front,      &f.Edit_Front_Descr,
            &f.Edit_Back,        &f.Edit_Back_Descr, &f.Lbl_Front1,
            &f.Lbl_Front3,       &f.Lbl_Back1,       &f.Lbl_Back3};
}

void enableServiceLifeLists(App &a, bool on)
{
    for (form::Control *c :
         {&a.f.CB_Protection_Front, &a.f.CB_Protection_Back, &a.f.CB_ServiceLife})
        c->setEnabled(on);
}

QString lossStatus(const form::MainForm &f)
{
    return lossStatusText(f.Lbl_Summary_Front2.caption(), f.Lbl_Summary_Front3.caption(),
                          f.Lbl_Summary_Back2.caption(), f.Lbl_Summary_Back3.caption());
}

void showLossStatusOnRatesPage(App &a)
{
    if (a.f.PageControl1.activePageIndex() == form::MainForm::PageRates)
        a.f.setMessageStatus(lossStatus(a.f));
}

void App::FillExposureDetails(Face face)
{
    const FaceControls c = faceControls(*this, face);
    const int exposure = c.exposure.itemIndex();
    c.detail.setItems(detailNames(cat(), s.CurrentAnnex, exposure));
    c.detail.setItemIndex(0); // nothing when the table has no detail
    detailChange(*this, face);
    c.detailGroup.setHint(c.detail.text());
    c.detailGroup.setCaption(detailGroupCaption(exposure));
    ComputeTableLoss();
}

void App::RG_FrontClick()
{
    PILECORR_TRACED_HANDLER(trace);
    exposureClick(*this, Face::Front);
}

void App::RG_BackClick()
{
    PILECORR_TRACED_HANDLER(trace);
    exposureClick(*this, Face::Back);
}

void App::CB_Front_DetailChange()
{
    detailChange(*this, Face::Front);
}

void App::CB_Back_DetailChange()
{
    detailChange(*this, Face::Back);
}

void App::CB_EC3NADChange()
{
    const int annex = f.CB_EC3NAD.itemIndex();
    const Annex *chosen = annexAt(cat(), annex);
    if (!chosen)
        return;
    s.CurrentAnnex = static_cast<int16_t>(annex);

    form::Control &lives = f.CB_ServiceLife;
    const ServiceLifeList list =
        serviceLifeListForAnnex(lives.items(), lives.itemIndex(), chosen->AnnexYear);
    if (list.items != lives.items())
        lives.setItems(list.items);
    lives.setItemIndex(list.selected);
    if (lives.itemIndex() < 0) {
        lives.setItemIndex(0);
        CB_ServiceLifeChange();
        f.Lbl_NAD.setCaption(ServiceLifeResetNote);
    } else if (!f.Lbl_NAD.caption().isEmpty()) {
        f.Lbl_NAD.setCaption(QString());
    }

    FillExposureDetails(Face::Front);
    FillExposureDetails(Face::Back);
    RecomputeAfterInput();
}

void App::MenuEC3RatesClick()
{
    PILECORR_TRACED_HANDLER(trace);
    if (f.MenuEC3Rates.checked())
        return;
    f.MenuEC3Rates.setChecked(true);
    f.MenuProjectRates.setChecked(false);

    for (form::Control *c : tableRateControls(*this))
        c->setEnabled(true);

    const auto project = projectRateControls(*this);
    // The focus must not stay on a control that is about to be disabled.
    form::Control *focus = f.focused();
    if (focus == &f.TabSheetRates ||
        std::find(project.begin(), project.end(), focus) != project.end())
        f.setFocus(&f.CB_Front_Detail);
    for (form::Control *c : project)
        c->setEnabled(false);

    RG_FrontClick();
    RG_BackClick();

    if (!f.CB_Protection_Front.enabled())
        enableServiceLifeLists(*this, true);

    ComputeTableLoss();
}

void App::FitDropDownWidth(form::Control &combo)
{
    if (combo.kind() != form::Kind::ComboBox)
        return;
    const FontSpec font = mainWindowFont(p);
    int w = 0;
    for (const QString &item : combo.items())
        w = std::max(w, p.textWidth(item, font));
    const long double scale = screenScale(p);
    const int frame = static_cast<int>(roundEven(SizingFrameWidth96 * scale));
    if (combo.width() < w + frame)
        w += frame;
    if (combo.itemCount() > combo.dropDownCount())
        w += static_cast<int>(roundEven(VerticalScrollBarWidth96 * scale));
    // Texts are measured on the screen itself, so the measure needs no
    // conversion from another device's pixels. The opened list is never
    // narrower than the box.
    combo.setDroppedWidth(std::max(w, combo.width()));
}

void App::CB_EC3NADDropDown()
{
    FitDropDownWidth(f.CB_EC3NAD);
}

void App::CB_Front_DetailDropDown()
{
    FitDropDownWidth(f.CB_Front_Detail);
}

void App::CB_Back_DetailDropDown()
{
    FitDropDownWidth(f.CB_Back_Detail);
}

void wireCorrosion(App &a)
{
    form::MainForm &f = a.f;
    f.CB_EC3NAD.onChange = [&a] { a.CB_EC3NADChange(); };
    f.CB_EC3NAD.onDropDown = [&a] { a.CB_EC3NADDropDown(); };
    f.RG_Front.onClick = [&a] { a.RG_FrontClick(); };
    f.RG_Back.onClick = [&a] { a.RG_BackClick(); };
    f.CB_Front_Detail.onChange = [&a] { a.CB_Front_DetailChange(); };
    f.CB_Front_Detail.onDropDown = [&a] { a.CB_Front_DetailDropDown(); };
    f.CB_Back_Detail.onChange = [&a] { a.CB_Back_DetailChange(); };
    f.CB_Back_Detail.onDropDown = [&a] { a.CB_Back_DetailDropDown(); };
    f.MenuEC3Rates.onClick = [&a] { a.MenuEC3RatesClick(); };

    f.CB_ServiceLife.onChange = [&a] { a.CB_ServiceLifeChange(); };
    f.CB_Protection_Front.onChange = [&a] { a.CB_Protection_FrontChange(); };
    f.CB_Protection_Back.onChange = [&a] { a.CB_Protection_BackChange(); };
    f.RG_A690.onClick = [&a] { a.RG_A690Click(); };

    f.TabSheetRates.onShow = [&a] { a.TabSheetRatesShow(); };
    f.MenuProjectRates.onClick = [&a] { a.MenuProjectRatesClick(); };
    f.RG_Project_Rates.onClick = [&a] { a.RG_Project_RatesClick(); };
    f.Edit_Front.onChange = [&a] { a.Edit_FrontChange(); };
    f.Edit_Front.onEnter = [&a] { a.Edit_FrontEnter(); };
    f.Edit_Front.onExit = [&a] { a.Edit_FrontExit(); };
    f.Edit_Front.onKeyPress = [&a](QChar &key) { a.Edit_FrontKeyPress(key); };
    f.Edit_Back.onChange = [&a] { a.Edit_BackChange(); };
    f.Edit_Back.onEnter = [&a] { a.Edit_BackEnter(); };
    f.Edit_Back.onExit = [&a] { a.Edit_BackExit(); };
    f.Edit_Back.onKeyPress = [&a](QChar &key) { a.Edit_BackKeyPress(key); };
    f.Edit_Front_Descr.onChange = [&a] { a.Edit_Front_DescrChange(); };
    f.Edit_Back_Descr.onChange = [&a] { a.Edit_Back_DescrChange(); };
}

} // namespace pc
