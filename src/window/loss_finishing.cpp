// The step every loss computation ends with: the reduction factor of a
// corrosion-resistant grade on the front face (the group RG_A690), the
// losses rounded to 0.01 mm, the total loss and the reduced section of the
// selected section (or of none).

#include "corrosion/reduction_factor.h"
#include "units/rounding.h"
#include "window/corrosion_faces.h"

namespace pc {

namespace {

double roundToHundredths(double mm)
{
    return static_cast<double>(roundToPow10(mm, -2));
}

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
        s.losses.frontReduced = static_cast<double>(s.losses.front / factor);
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

    // Each loss is rounded from its own unrounded value.
    s.losses.frontReduced = roundToHundredths(s.losses.frontReduced);
    s.losses.front = roundToHundredths(s.losses.front);
    s.losses.back = roundToHundredths(s.losses.back);
    s.losses.total = (group.enabled() ? s.losses.frontReduced : s.losses.front) + s.losses.back;

    ComputeReducedProperties(selectedSection());
}

void App::RG_A690Click()
{
    ApplyReductionFactor();
    RecomputeAfterInput();
}

} // namespace pc
