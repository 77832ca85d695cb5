// The clipboard picture of the active page ("C&opy to Clipboard"). On the
// input page the picture is a summary of the design: the controls that only
// serve input give way to a sketch of the section while the picture is taken,
// and everything is put back afterwards, also when the sketch cannot be read.

#include "window/snapshot_handlers.h"

#include "form/main_form.h"
#include "output/page_snapshot.h"
#include "platform/platform.h"
#include "window/app_texts.h"
#include "window/run_state.h"

#include <QDir>

#include <optional>

#include <vector>

namespace pc {

namespace {

const QString SketchUnreadable = QStringLiteral("The section sketch could not be read from\r\n");
const QString PictureNotMade = QStringLiteral("The picture of the page could not be made.");

// Puts the input page back as it was before its picture, whatever happened
// while the picture was taken: every control the preparation hid shows again,
// the sketch box hides and the grade box gets its caption back.
class InputPageRestore
{
public:
    explicit InputPageRestore(form::MainForm &f) : f_(f) {}
    InputPageRestore(const InputPageRestore &) = delete;
    InputPageRestore &operator=(const InputPageRestore &) = delete;

    ~InputPageRestore()
    {
        f_.GB_SketchSsp.setVisible(false);
        for (auto c = hidden_.rbegin(); c != hidden_.rend(); ++c)
            (*c)->setVisible(true);
        if (captionChanged_)
            f_.GB_SteelGrades.setCaption(savedCaption_);
    }

    // Hides c for the picture; only what the preparation hid shows again, so
    // a control hidden for a reason of its own stays hidden.
    void hide(form::Control &c)
    {
        if (!c.visible())
            return;
        c.setVisible(false);
        hidden_.push_back(&c);
    }

    void setSteelGradesCaption(const QString &caption)
    {
        if (!captionChanged_)
            savedCaption_ = f_.GB_SteelGrades.caption();
        captionChanged_ = true;
        f_.GB_SteelGrades.setCaption(caption);
    }

private:
    form::MainForm &f_;
    std::vector<form::Control *> hidden_;
    bool captionChanged_ = false;
    QString savedCaption_;
};

// Turns the input page into the summary the picture shows; false (with the
// message shown) when the sketch of the section cannot be read.
bool prepareInputPage(Platform &p, form::MainForm &f, RunState &s, const QString &catalogueFolder,
                      InputPageRestore &restore)
{
    // A value being typed is taken as when the user leaves the field.
    if (form::Control *focus = f.focused(); focus && focus->kind() == form::Kind::Edit) {
        if (focus->onExit)
            focus->onExit();
        f.dropFocus();
    }

    InputPageState state;
    state.sectionLabel = s.CurrentSectionLabel;
    state.imperial = !s.UnitsMetric;
    state.sfIni = s.factors.sfIni;
    state.lossTotal = s.losses.total;
    state.serviceLife = s.CurrentServiceLife;
    state.steelMassTotal = s.quantities.massTotal;
    state.reductionFactorsEnabled = f.RG_A690.enabled();
    state.sfRedEnabled = f.Lbl_SFRed.enabled();
    state.serviceLifeEnabled = f.GB_ServiceLife.enabled();
    state.steelGradesCaption = f.GB_SteelGrades.caption();
    const InputPagePreparation prep = prepareInputPage(state);

    restore.hide(f.RG_SSP);
    restore.hide(f.GB_SSP);
    f.GB_SketchSsp.setCaption(prep.sketchCaption);
    f.GB_SketchSsp.setVisible(true);

    if (prep.hideReductionFactors)
        restore.hide(f.RG_A690);
    if (prep.hideSfRed)
        restore.hide(f.GB_SfRed);
    if (prep.hideLossSummary)
        restore.hide(f.GB_Loss_Summary);
    restore.hide(f.Lbl_SteelGrades);
    restore.hide(f.ChB_SteelGradesAll);

    // The label keeps the "-" until it is next rebuilt, as the sketch files
    // are named.
    s.CurrentSectionLabel = prep.sectionLabel;
    // The sketches lie in the working folder's data/ folder; an installed
    // program keeps them beside its catalogue instead.
    QString sketchPath = QDir(p.currentDirectory()).filePath(prep.sketchFile);
    if (!p.fileExists(sketchPath) && !catalogueFolder.isEmpty()) {
        const QString besideCatalogue = QDir(catalogueFolder).filePath(prep.sketchFile);
        if (p.fileExists(besideCatalogue))
            sketchPath = besideCatalogue;
    }
    const SketchRead sketch = readSketchFile(sketchPath);
    if (!sketch.failure.isEmpty()) {
        p.message(MessageKind::Plain, ApplicationTitle,
                  SketchUnreadable + prep.sketchFile + QStringLiteral("\r\n") + sketch.failure);
        return false;
    }
    f.TI_SketchSsp.setPicture(sketch.svg);
    f.TI_SketchSsp.setVisible(true);

    if (prep.hideServiceLife) {
        restore.hide(f.GB_ServiceLife);
        restore.hide(f.GB_SurfaceProtection);
    }

    restore.hide(f.Lbl_Wall);
    restore.hide(f.Lbl_Wall_Units);
    restore.hide(f.Edit_WallLength);
    if (prep.hideQuantityDetails) {
        // The box's first three children are the wall-weight line.
        const auto &children = f.GB_SteelQuantity.children();
        for (size_t i = 3; i < children.size(); ++i)
            restore.hide(*children[i]);
    }

    if (prep.hideDesignInput) {
        restore.hide(f.GB_Sfmin);
        restore.hide(f.GB_Input);
    }

    restore.setSteelGradesCaption(prep.steelGradesCaption);
    return true;
}

} // namespace

void SnapshotHandlers::MenuCopyClick()
{
    const int page = f.PageControl1.activePageIndex();
    InputPageRestore restore(f);
    if (page == form::MainForm::PageInput && !prepareInputPage(p, f, s, catalogueFolder, restore))
        return;
    const std::optional<WindowPicture> picture =
        p.pictureOfPage(page, f.TForm1.width(), f.TForm1.height());
    if (!picture) {
        p.message(MessageKind::Plain, ApplicationTitle, PictureNotMade);
        return;
    }
    p.setClipboardImage(*picture);
}

void wireSnapshot(form::MainForm &f, SnapshotHandlers &snapshot)
{
    f.MenuCopy.onClick = [&snapshot] { snapshot.MenuCopyClick(); };
}

} // namespace pc
