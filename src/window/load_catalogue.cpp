// Loading the catalogue at start-up and filling the lists that come from it.

#include "window/app.h"

namespace pc {

namespace {

const QString AllFamiliesItem = QStringLiteral(" ALL");

// The fields of a catalogue file up to the sections' maximum lengths, moved
// out of `from`. The family list is selected as soon as these are read,
// before anything about steel grades, corrosion tables or lists exists.
Catalogue takeFamiliesAndSections(Catalogue &from)
{
    Catalogue head;
    head.FamilyName = std::move(from.FamilyName);
    head.FamilyRange = std::move(from.FamilyRange);
    head.LossStep = std::move(from.LossStep);
    head.RedA = std::move(from.RedA);
    head.RedI = std::move(from.RedI);
    head.RedWel = std::move(from.RedWel);
    head.SectionName = std::move(from.SectionName);
    head.SectionWidth = std::move(from.SectionWidth);
    head.SectionMass = std::move(from.SectionMass);
    head.SectionTf = std::move(from.SectionTf);
    head.SectionTw = std::move(from.SectionTw);
    head.SectionMaxLength = std::move(from.SectionMaxLength);
    return head;
}

void putBackFamiliesAndSections(Catalogue &head, Catalogue &into)
{
    into.FamilyName = std::move(head.FamilyName);
    into.FamilyRange = std::move(head.FamilyRange);
    into.LossStep = std::move(head.LossStep);
    into.RedA = std::move(head.RedA);
    into.RedI = std::move(head.RedI);
    into.RedWel = std::move(head.RedWel);
    into.SectionName = std::move(head.SectionName);
    into.SectionWidth = std::move(head.SectionWidth);
    into.SectionMass = std::move(head.SectionMass);
    into.SectionTf = std::move(head.SectionTf);
    into.SectionTw = std::move(head.SectionTw);
    into.SectionMaxLength = std::move(head.SectionMaxLength);
}

} // namespace

bool App::LoadCatalogue()
{
    std::optional<Catalogue> loaded =
        catalogueLoader ? catalogueLoader(p) : std::optional<Catalogue>();
    if (!loaded) {
        // The reader has shown why; the program ends before the window shows.
        endProgram(0);
        return false;
    }
    Catalogue rest = std::move(*loaded);

    // The family list is filled and its first item selected as soon as the
    // sections are known. Selecting " ALL" runs RG_SSPClick, which at this
    // point finds no grade data and leaves the section and grade lists empty.
    gradeDataLoaded = false;
    s.startCatalogue(0);
    catalogue_ = takeFamiliesAndSections(rest);
    f.RG_SSP.clearItems();
    f.RG_SSP.addItem(AllFamiliesItem);
    for (const QString &name : catalogue_.FamilyName)
        f.RG_SSP.addItem(name);
    f.RG_SSP.setItemIndex(0);
    if (ended())
        return false;

    putBackFamiliesAndSections(catalogue_, rest);
    catalogue_ = std::move(rest);
    catalogue_.deriveLoadedValues();
    s.startCatalogue(catalogue_.GradeCount());
    gradeDataLoaded = true;

    f.CB_EC3NAD.clearItems();
    for (const Annex &a : catalogue_.Annexes)
        f.CB_EC3NAD.addItem(a.AnnexName);
    f.CB_EC3NAD.setItemIndex(catalogue_.AnnexCount() > 0 ? 0 : -1); // runs nothing
    f.Lbl_NAD.setCaption(QString());
    return true;
}

} // namespace pc
