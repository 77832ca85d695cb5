// The step every loss computation ends with: the reduction factor of a
// corrosion-resistant grade on the front face (the group RG_A690), the
// losses rounded to 0.01 mm, the total loss and the reduced section of the
// selected section (or of none).

#include "corrosion/loss_finishing.h"
#include "corrosion/reduction_factor.h"
#include "window/app.h"
#include "window/corrosion_faces.h"

namespace pc {

namespace {

QString selectedItem(const form::Control &group)
{
    const int i = group.itemIndex();
    return i >= 0 && i < group.itemCount() ? group.items()[i] : QString();
}

// The group takes the look of a zone only when it shows another one, so a
// factor the designer picked stays while the zone stays. Selecting the
// zone's item runs the group's click at once: a nested finishing step with
// the new factor.
void enterZone(form::Control &group, ReductionState state)
{
    const ReductionStateLook &look = reductionStateLook(state);
    if (group.caption() == look.caption)
        return;
    group.setEnabled(true);
    group.setColumns(look.columns);
    group.setCaption(look.caption);
    group.setItems(look.items);
    group.setItemIndex(look.selectedOnEntry);
    group.setHint(look.hint);
}

} // namespace

void App::ApplyReductionFactor()
{
    PILECORR_TRACED_HANDLER(trace);
    form::Control &group = f.RG_A690;
    const ReductionDecision d =
        reductionDecision(s.CurrentGradeText, !tableRatesSelected(*this), f.RG_Front.itemIndex(),
                          f.CB_Front_Detail.itemIndex());
    f.Lbl_SteelGrades.setShowHint(d.a690Grade || d.nvMarinGrade);

    if (d.state != ReductionState::NotApplicable) {
        enterZone(group, d.state);
        const long double factor = reductionFactor(d.state, selectedItem(group));
        s.losses.frontReduced = reducedFrontLoss(s.losses.front, factor);
    } else {
        const ReductionStateLook &none = reductionStateLook(ReductionState::NotApplicable);
        if (group.caption() != none.caption) {
            group.setColumns(none.columns);
            group.setCaption(none.caption);
            group.setItems(none.items);
            if (group.enabled())
                group.setEnabled(false);
            f.Lbl_SteelGrades.setShowHint(true);
        }
    }

    // Without a zone the reduced front loss keeps the value it had; the
    // summary shows it only while the group is enabled.
    const Losses finished =
        finishLosses(s.losses.front, s.losses.frontReduced, s.losses.back, group.enabled());
    s.losses.frontReduced = finished.frontReduced;
    s.losses.front = finished.front;
    s.losses.back = finished.back;
    s.losses.total = finished.total;

    ComputeReducedProperties(selectedSection());
}

void App::RG_A690Click()
{
    ApplyReductionFactor();
    RecomputeAfterInput();
}

} // namespace pc
