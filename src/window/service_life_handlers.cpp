// Service life and surface protection on the input page, and the loss of
// each face taken from the corrosion tables over the effective years.

#include "corrosion/annex_tables.h"
#include "corrosion/loss_finishing.h"
#include "corrosion/service_life.h"
#include "window/app.h"
#include "window/corrosion_faces.h"

namespace pc {

namespace {

// The loss of the faces after a change of service life or protection, by
// the rate mode in force, and the refresh after it.
void recomputeLosses(App &a)
{
    if (tableRatesSelected(a))
        a.ComputeTableLoss();
    else
        a.ComputeProjectLoss();
    a.RecomputeAfterInput();
}

void protectionChange(App &a, App::Face face)
{
    const FaceControls c = faceControls(a, face);
    a.f.setRangeStatus(QStringLiteral(" "));
    c.protectionYears = static_cast<int16_t>(yearsOfItem(c.protection.text()));
    recomputeLosses(a);
}

} // namespace

void App::CB_ServiceLifeChange()
{
    PILECORR_TRACED_HANDLER(trace);
    f.setRangeStatus(QStringLiteral(" "));
    s.CurrentServiceLife = static_cast<int16_t>(yearsOfItem(f.CB_ServiceLife.text()));

    // The protection lists offer no more years than the service life; each
    // keeps the position of its selection, not its value.
    const QStringList items = protectionItems(cat().ProtectionYears, s.CurrentServiceLife);
    for (Face face : {Face::Front, Face::Back}) {
        const FaceControls c = faceControls(*this, face);
        const int remembered = c.protection.itemIndex();
        c.protection.setItems(items);
        c.protection.setItemIndex(followPosition(remembered, c.protection.itemCount()));
    }
    for (Face face : {Face::Front, Face::Back}) {
        const FaceControls c = faceControls(*this, face);
        c.protectionYears = static_cast<int16_t>(yearsOfItem(c.protection.text()));
    }

    recomputeLosses(*this);
    // The note of an annex change stays until the service life changes.
    if (!f.Lbl_NAD.caption().isEmpty())
        f.Lbl_NAD.setCaption(QString());
}

void App::CB_Protection_FrontChange()
{
    protectionChange(*this, Face::Front);
}

void App::CB_Protection_BackChange()
{
    protectionChange(*this, Face::Back);
}

void App::ComputeTableLoss()
{
    PILECORR_TRACED_HANDLER(trace);
    double loss[2] = {0, 0};
    for (Face face : {Face::Front, Face::Back}) {
        const FaceControls c = faceControls(*this, face);
        const int years = effectiveYears(s.CurrentServiceLife, c.protectionYears);
        loss[face == Face::Back] = faceTableLoss(cat(), s.CurrentAnnex, c.exposure.itemIndex(),
                                                 c.detail.itemIndex(), years);
    }
    s.losses.front = loss[0];
    s.losses.back = loss[1];
    ApplyReductionFactor();
    showLossStatusOnRatesPage(*this);
}

} // namespace pc
