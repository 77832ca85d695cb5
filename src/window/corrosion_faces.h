#pragma once
// What the corrosion handlers share: the controls of a face, written once
// for both faces, the rate mode and the loss status text.

#include "form/main_form.h"
#include "window/run_state.h"

#include <array>
#include <cstdint>

namespace pc {

class App;

// The controls of one face of the wall.
struct FaceControls
{
    form::Control &exposure;     // RG_Front / RG_Back
    form::Control &detail;       // CB_Front_Detail / CB_Back_Detail
    form::Control &detailGroup;  // GB_Front_Detail / GB_Back_Detail
    form::Control &longText;     // Lbl_EC3Front / Lbl_EC3Back
    form::Control &description;  // Lbl_Summary_Front4 / Lbl_Summary_Back4
    form::Control &summaryValue; // Lbl_Summary_Front2 / Lbl_Summary_Back2
    form::Control &protection;   // CB_Protection_Front / CB_Protection_Back
    form::Control &projectValue; // Edit_Front / Edit_Back
    form::Control &projectDescr; // Edit_Front_Descr / Edit_Back_Descr
    int16_t &lastExposure;       // LastFrontExposure / LastBackExposure
    int16_t &protectionYears;    // ProtectionFront / ProtectionBack
};

FaceControls faceControls(form::MainForm &f, RunState &s, Face face);
FaceControls faceControls(App &a, Face face);

// Table rates ("&EuroCode 3 rates" checked) or project-specific rates.
inline bool tableRatesSelected(const form::MainForm &f)
{
    return f.MenuEC3Rates.checked();
}
bool tableRatesSelected(const App &a);

// The controls of table rates and of project rates: each rate mode enables
// its own and disables the other's.
std::array<form::Control *, 9> tableRateControls(App &a);
std::array<form::Control *, 9> projectRateControls(App &a);

// Enables or disables the service-life and protection lists (a total loss
// ignores time).
void enableServiceLifeLists(App &a, bool on);

// " Loss: front = ..., back = ..." from the loss summary labels.
QString lossStatus(const form::MainForm &f);

// The loss status text into panel 1 while the corrosion rates page is shown.
void showLossStatusOnRatesPage(App &a);

} // namespace pc
