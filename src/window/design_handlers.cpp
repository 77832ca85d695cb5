// Design files: "Open design ..." and "Save design ..." of the File menu.
//
// Saving reads every input off the window (currentDesign) and writes the
// whole file or nothing. Opening first checks the whole document against the
// catalogue and against the same checks the window's fields make, so that a
// file the window would not take changes nothing; then it replays the inputs
// as a user's actions (Form::userSelect, userReplace, userClick, userPage),
// so every handler a person would run runs, in an order every rule of the
// window allows. A replay that still ends elsewhere than the file says (a
// grade the section does not offer, a factor the zone does not list) is
// undone by replaying the design the window held before.

#include "window/design_handlers.h"
#include "catalogue/section_list.h"
#include "corrosion/annex_tables.h"
#include "corrosion/project_rates.h"
#include "corrosion/reduction_factor.h"
#include "corrosion/service_life.h"
#include "engine/design_input.h"
#include "engine/steel_quantities.h"
#include "output/whole_file.h"
#include "platform/platform.h"
#include "units/format.h"
#include "window/app_texts.h"
#include "window/corrosion_faces.h"
#include "window/section_list_handlers.h"

#include <QLocale>

namespace pc {

namespace {

using form::ActionResult;
using form::Control;
using form::MainForm;

const QString DesignDialogFilter = QStringLiteral("Pilecorr designs (*.json)|*.json");
const QString DesignExtension = QStringLiteral("json");

std::optional<int> indexOf(const QStringList &items, const QString &item)
{
    const qsizetype i = items.indexOf(item);
    return i < 0 ? std::nullopt : std::optional<int>(static_cast<int>(i));
}

template <typename T> std::optional<int> indexOf(const std::vector<T> &items, const T &item)
{
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == item)
            return static_cast<int>(i);
    return std::nullopt;
}

// The RG_A690 item of a factor as the file names it: its text without the
// blanks around it.
std::optional<int> reductionItem(const QStringList &items, const QString &name)
{
    for (int i = 0; i < items.size(); ++i)
        if (items[i].trimmed() == name)
            return i;
    return std::nullopt;
}

bool reductionNameExists(const QString &name)
{
    for (ReductionState st :
         {ReductionState::NotApplicable, ReductionState::A690Splash, ReductionState::NVMarinLWZ,
          ReductionState::NVMarinPIZ, ReductionState::NVMarinProject})
        if (reductionItem(reductionStateLook(st).items, name))
            return true;
    return false;
}

// A number of the file as a user would type it: every digit it needs and no
// exponent, with the user's decimal separator.
QString typedNumber(double v, QChar decimal)
{
    QString t = QString::number(v, 'f', QLocale::FloatingPointShortest);
    t.replace(QLatin1Char('.'), decimal);
    return t;
}

// The number a field holds: its text read as the window reads it, or, while it
// holds no number, `fallback`.
double fieldNumber(const Control &edit, QChar decimal, double fallback)
{
    if (const auto v = parseNumber(edit.text(), decimal))
        return static_cast<double>(*v);
    return fallback;
}

int sectionOfName(const Catalogue &c, int familyItem, const QString &name)
{
    if (familyItem < 0 || familyItem >= static_cast<int>(c.FamilyRange.size()))
        return -1;
    const int first = std::max(0, static_cast<int>(c.FamilyRange[familyItem][0]));
    const int last = std::min(c.SectionCount() - 1, static_cast<int>(c.FamilyRange[familyItem][1]));
    for (int s = first; s <= last; ++s)
        if (c.SectionName[s] == name)
            return s;
    return -1;
}

int familyItemOf(const Catalogue &c, const std::optional<QString> &family)
{
    if (!family)
        return 0;
    const auto i = indexOf(c.FamilyName, *family);
    return i ? *i + 1 : -1;
}

QString actionName(ActionField f)
{
    switch (f) {
    case ActionField::Load:
        return QStringLiteral("actions.load");
    case ActionField::Deflection:
        return QStringLiteral("actions.deflection");
    case ActionField::Moment:
        break;
    }
    return QStringLiteral("actions.moment");
}

QString faceKey(Face face, const char *key)
{
    return (face == Face::Front ? QStringLiteral("corrosion.front.")
                                : QStringLiteral("corrosion.back.")) +
           QLatin1String(key);
}

const DesignFace &faceOf(const Design &d, Face face)
{
    return face == Face::Front ? d.front : d.back;
}

// ---- The checks before anything is replayed ---------------------------------

class DesignCheck
{
public:
    DesignCheck(const Platform &p, const MainForm &f, const RunState &s, const Catalogue &c,
                const Design &d)
        : f_(f), s_(s), c_(c), d_(d)
    {
        decimal_ = p.decimalSeparator();
    }

    std::optional<DesignFileFault> run()
    {
        checkCatalogueNames();
        if (fault_)
            return fault_;
        checkCorrosion();
        if (fault_)
            return fault_;
        checkNumbers();
        return fault_;
    }

private:
    void refuse(const QString &key, const QString &reason)
    {
        if (!fault_)
            fault_ = DesignFileFault{key, reason};
    }

    // A number as the field takes it: typed with the user's separator and
    // no longer than the field holds.
    std::optional<QString> fieldText(const QString &key, double v, const Control &edit)
    {
        const QString t = typedNumber(v, decimal_);
        if (v < 0 || std::signbit(v)) {
            refuse(key, QStringLiteral("is negative"));
            return std::nullopt;
        }
        if (edit.maxLength() > 0 && t.size() > edit.maxLength()) {
            refuse(key, QStringLiteral("needs more than the %1 characters the field holds")
                            .arg(edit.maxLength()));
            return std::nullopt;
        }
        return t;
    }

    void checkCatalogueNames()
    {
        familyItem_ = familyItemOf(c_, d_.family);
        if (familyItem_ < 0)
            return refuse(QStringLiteral("family"),
                          QStringLiteral("\"%1\" is no family of the catalogue").arg(*d_.family));
        if (d_.section) {
            section_ = sectionOfName(c_, familyItem_, *d_.section);
            if (section_ < 0)
                return refuse(QStringLiteral("section"),
                              QStringLiteral("\"%1\" is no section of the catalogue in this family")
                                  .arg(*d_.section));
        }
        if (!d_.grade && c_.GradeCount() > 0)
            return refuse(QStringLiteral("grade"), QStringLiteral("names no steel grade"));
        if (d_.grade && !indexOf(c_.GradeName, *d_.grade))
            return refuse(
                QStringLiteral("grade"),
                QStringLiteral("\"%1\" is no steel grade of the catalogue").arg(*d_.grade));
        if (d_.reduction && !reductionNameExists(*d_.reduction))
            return refuse(QStringLiteral("reduction"),
                          QStringLiteral("\"%1\" is no reduction factor the window offers")
                              .arg(*d_.reduction));
    }

    void checkCorrosion()
    {
        const QString annexKey = QStringLiteral("corrosion.annex");
        int annex = -1;
        if (!d_.annex) {
            if (!c_.Annexes.empty())
                return refuse(annexKey, QStringLiteral("names no corrosion tables"));
        } else {
            for (int i = 0; i < static_cast<int>(c_.Annexes.size()); ++i)
                if (c_.Annexes[i].AnnexName == *d_.annex)
                    annex = i;
            if (annex < 0)
                return refuse(
                    annexKey,
                    QStringLiteral("\"%1\" is no table set of the catalogue").arg(*d_.annex));
        }

        // The service lives the list offers once the annex is chosen.
        const Control &lives = f_.CB_ServiceLife;
        QStringList offered = lives.items();
        if (const Annex *chosen = annexAt(c_, annex))
            offered = serviceLifeListForAnnex(offered, lives.itemIndex(), chosen->AnnexYear).items;
        if (!offered.contains(yearsItem(d_.serviceLife)))
            return refuse(QStringLiteral("corrosion.service_life"),
                          QStringLiteral("%1 years is not a service life the list offers")
                              .arg(d_.serviceLife));

        const QStringList protections = protectionItems(c_.ProtectionYears, d_.serviceLife);
        for (Face face : {Face::Front, Face::Back}) {
            const DesignFace &f = faceOf(d_, face);
            const QStringList details =
                annex >= 0 ? detailNames(c_, annex, static_cast<int>(f.exposure)) : QStringList();
            if (!f.detail && !details.isEmpty())
                return refuse(faceKey(face, "detail"), QStringLiteral("names no detail"));
            if (f.detail && !details.contains(*f.detail))
                return refuse(faceKey(face, "detail"),
                              QStringLiteral("\"%1\" is no detail of the %2 table")
                                  .arg(*f.detail, exposureName(f.exposure)));
            if (!protections.contains(yearsItem(f.protectionYears)))
                return refuse(faceKey(face, "protection_years"),
                              QStringLiteral("%1 years is not a protection the list offers for a "
                                             "service life of %2 years")
                                  .arg(f.protectionYears)
                                  .arg(d_.serviceLife));
            const Control &descr = face == Face::Front ? f_.Edit_Front_Descr : f_.Edit_Back_Descr;
            if (descr.maxLength() > 0 && f.projectDescription.size() > descr.maxLength())
                return refuse(faceKey(face, "project_description"),
                              QStringLiteral("is longer than the %1 characters the field holds")
                                  .arg(descr.maxLength()));
            // The description is one line of the report: a line break or a
            // NUL from a file would break the report's rows.
            for (const QChar ch : f.projectDescription)
                if (ch.category() == QChar::Other_Control)
                    return refuse(faceKey(face, "project_description"),
                                  QStringLiteral("holds the control character U+%1, which a "
                                                 "one-line field does not take")
                                      .arg(QString::number(ch.unicode(), 16)
                                               .toUpper()
                                               .rightJustified(4, QLatin1Char('0'))));
        }
    }

    void checkNumbers()
    {
        const bool metric = d_.metric;
        const MainForm &f = f_;
        const struct
        {
            ActionField field;
            double value;
            const Control &edit;
        } actions[] = {{ActionField::Moment, d_.moment, f.Edit_Moment},
                       {ActionField::Load, d_.load, f.Edit_Load},
                       {ActionField::Deflection, d_.deflection, f.Edit_Deflection}};
        for (const auto &act : actions) {
            const QString key = actionName(act.field);
            const auto t = fieldText(key, act.value, act.edit);
            if (!t)
                return;
            const InputChange r = evaluateActionChange(c_, act.field, *t, decimal_, metric);
            if (r.outcome == InputOutcome::TooLarge)
                return refuse(
                    key, QStringLiteral("%1 is above the largest value the field takes").arg(*t));
            if (r.outcome == InputOutcome::NotANumber)
                return refuse(key, QStringLiteral("%1 is not a value the field takes").arg(*t));
        }

        // The pile length is limited by the section it is of.
        LengthLimits pile{s_.MaxSSPLength, s_.MaxSSPLengthImp};
        if (section_ >= 0 && section_ < static_cast<int>(c_.SectionMaxLength.size()))
            pile = {c_.SectionMaxLength[section_], maxSspLengthImp(c_.SectionMaxLength[section_])};
        const struct
        {
            const char *key;
            double value;
            const Control &edit;
            LengthLimits limits;
        } lengths[] = {{"lengths.wall", d_.wallLength, f.Edit_WallLength,
                        LengthLimits{c_.MaxWallLength, c_.MaxWallLengthFt}},
                       {"lengths.pile", d_.pileLength, f.Edit_SSPLength, pile}};
        for (const auto &len : lengths) {
            const QString key = QString::fromLatin1(len.key);
            const auto t = fieldText(key, len.value, len.edit);
            if (!t)
                return;
            const InputChange r = evaluateLengthChange(*t, decimal_, metric, len.limits);
            if (r.outcome == InputOutcome::TooLarge)
                return refuse(
                    key, QStringLiteral("%1 is above the largest length the field takes").arg(*t));
            if (r.outcome == InputOutcome::NotANumber)
                return refuse(key, QStringLiteral("%1 is not a length the field takes").arg(*t));
        }

        const auto sfMin = fieldText(QStringLiteral("search.sfmin"), d_.sfMin, f.Edit_Sfmin);
        if (!sfMin)
            return;
        if (evaluateSfminChange(*sfMin, decimal_).outcome != SfBoundOutcome::Valid)
            return refuse(QStringLiteral("search.sfmin"),
                          QStringLiteral("%1 is outside 1 to 5").arg(*sfMin));
        const auto sfMax = fieldText(QStringLiteral("search.sfmax"), d_.sfMax, f.Edit_SfMax);
        if (!sfMax)
            return;
        const long double sfMinValue = *parseNumber(*sfMin, decimal_);
        if (evaluateSfmaxChange(*sfMax, decimal_, sfMinValue).outcome != SfBoundOutcome::Valid ||
            !sfmaxExit(*sfMax, decimal_, sfMinValue).valid)
            return refuse(QStringLiteral("search.sfmax"),
                          QStringLiteral("%1 is outside %2")
                              .arg(*sfMax, sfmaxRangeText(decimal_, sfMinValue).trimmed()));

        const ProjectMode mode = d_.projectMode == DesignProjectMode::TotalLoss
                                     ? ProjectMode::TotalLoss
                                     : ProjectMode::Rates;
        for (Face face : {Face::Front, Face::Back}) {
            const QString key = faceKey(face, "project_value");
            const Control &edit = face == Face::Front ? f.Edit_Front : f.Edit_Back;
            const auto t = fieldText(key, faceOf(d_, face).projectValue, edit);
            if (!t)
                return;
            if (checkProjectValue(*t, decimal_, metric, mode, projectLimits(c_)) !=
                ProjectCheck::Accepted)
                return refuse(
                    key, QStringLiteral("%1 is above the largest value the field takes").arg(*t));
        }
    }

    const MainForm &f_;
    const RunState &s_;
    const Catalogue &c_;
    const Design &d_;
    QChar decimal_;
    int familyItem_ = 0;
    int section_ = -1;
    std::optional<DesignFileFault> fault_;
};

// ---- The replay --------------------------------------------------------------

class Replay
{
public:
    Replay(const DesignFileHandlers &files, const Platform &p, MainForm &f, RunState &s,
           const Catalogue &c, const Design &d)
        : files_(files), f_(f), s_(s), c_(c), d_(d)
    {
        decimal_ = p.decimalSeparator();
    }

    // Nothing when the window took every input; else the first key it did
    // not take.
    std::optional<DesignFileFault> run()
    {
        const int page = f_.PageControl1.activePageIndex();
        toPage(MainForm::PageInput);
        if (d_.metric != s_.UnitsMetric)
            click(d_.metric ? f_.MenuMetric : f_.MenuImperial, "units");
        // Section mode until the band: in Sfmin mode a search between two
        // inputs may find no section and disable the list and the pile length.
        if (f_.MenuSelectSfmin.checked())
            click(f_.MenuSelectSection, "search.mode");
        selectSectionAndGrade();
        replayCorrosion();
        toPage(MainForm::PageInput);
        replayActions();
        replayBand();
        // A search may have picked another section on its way (and a shorter
        // section clears a pile length it cannot take): the file's section,
        // grade and factor are picked again, and the lengths typed again.
        for (int round = 0; round < 3 && !fault_; ++round) {
            if (!selectSectionAndGrade())
                break;
            replaceNumber(f_.Edit_WallLength, d_.wallLength, QStringLiteral("lengths.wall"));
            replaceNumber(f_.Edit_SSPLength, d_.pileLength, QStringLiteral("lengths.pile"));
        }
        if (fault_)
            return fault_;
        toPage(page);
        f_.userLeave();
        return verify();
    }

private:
    void fail(const QString &key, const QString &reason)
    {
        if (!fault_)
            fault_ = DesignFileFault{key, reason};
    }

    void took(ActionResult r, const QString &key)
    {
        switch (r) {
        case ActionResult::Done:
            return;
        case ActionResult::Ignored:
            return fail(key, QStringLiteral("the window did not take it: its field is disabled"));
        case ActionResult::OffPage:
            return fail(key, QStringLiteral("the window did not take it: its field is not shown"));
        case ActionResult::WrongKind:
        case ActionResult::BadIndex:
            break;
        }
        fail(key, QStringLiteral("the window did not take it: the list does not offer it"));
    }

    void toPage(int page)
    {
        if (!fault_ && f_.PageControl1.activePageIndex() != page)
            took(f_.userPage(page), QStringLiteral("file"));
    }

    void click(Control &c, const char *key)
    {
        if (!fault_)
            took(f_.userClick(c), QString::fromLatin1(key));
    }

    // Picks item `index` unless it is picked already; false when nothing ran.
    bool select(Control &c, std::optional<int> index, const QString &key)
    {
        if (fault_ || !index || c.itemIndex() == *index)
            return false;
        took(f_.userSelect(c, *index), key);
        return true;
    }

    // The whole text replaced, then the field left (its exit tidies it).
    void replace(Control &c, const QString &text, const QString &key)
    {
        if (fault_ || c.text() == text)
            return;
        took(f_.userReplace(c, text), key);
        if (!fault_)
            f_.userLeave();
    }

    // A field that holds the number already is left as it is, whatever its
    // notation ("0.00" and "0" alike), as a user would leave it.
    void replaceNumber(Control &c, double v, const QString &key)
    {
        if (parseNumber(c.text(), decimal_) == std::optional<long double>(v))
            return;
        replace(c, typedNumber(v, decimal_), key);
    }

    std::optional<int> gradeItem() const
    {
        if (!d_.grade)
            return std::nullopt;
        const auto g = indexOf(c_.GradeName, *d_.grade);
        for (int j = 0; g && j < s_.GradeListCount && j < f_.CB_SteelGrades.itemCount(); ++j)
            if (s_.GradeListMap[j] == *g)
                return j;
        return std::nullopt;
    }

    std::optional<int> sectionRow() const
    {
        if (!d_.section)
            return std::nullopt;
        const int s = sectionOfName(c_, familyItemOf(c_, d_.family), *d_.section);
        const auto &map = s_.SectionListMap;
        for (int j = 0; j < f_.LB_SSP.itemCount() && j < static_cast<int>(map.size()); ++j)
            if (map[j] == s)
                return j;
        return std::nullopt;
    }

    // Family, the grade box, grade, section and factor, each picked when it
    // is not yet as the file says; false when none needed a pick.
    bool selectSectionAndGrade()
    {
        if (fault_ || f_.PageControl1.activePageIndex() != MainForm::PageInput)
            return false;
        bool ran = select(f_.RG_SSP, familyItemOf(c_, d_.family), QStringLiteral("family"));
        if (f_.ChB_SteelGradesAll.checked() != d_.showAllGrades) {
            click(f_.ChB_SteelGradesAll, "show_all_grades");
            ran = true;
        }
        ran = select(f_.CB_SteelGrades, gradeItem(), QStringLiteral("grade")) || ran;
        ran = select(f_.LB_SSP, sectionRow(), QStringLiteral("section")) || ran;
        ran = select(f_.CB_SteelGrades, gradeItem(), QStringLiteral("grade")) || ran;
        if (d_.reduction && f_.RG_A690.enabled())
            ran = select(f_.RG_A690, reductionItem(f_.RG_A690.items(), *d_.reduction),
                         QStringLiteral("reduction")) ||
                  ran;
        return ran;
    }

    void replayCorrosion()
    {
        toPage(MainForm::PageRates);
        // The tables first: their lists are enabled only while tables are in use.
        if (f_.MenuProjectRates.checked())
            click(f_.MenuEC3Rates, "corrosion.rates");
        if (d_.annex) {
            std::optional<int> annex;
            for (int i = 0; i < static_cast<int>(c_.Annexes.size()); ++i)
                if (c_.Annexes[i].AnnexName == *d_.annex)
                    annex = i;
            select(f_.CB_EC3NAD, annex, QStringLiteral("corrosion.annex"));
        }
        for (Face face : {Face::Front, Face::Back}) {
            const FaceControls fc = faceControls(f_, s_, face);
            const DesignFace &df = faceOf(d_, face);
            select(fc.exposure, static_cast<int>(df.exposure), faceKey(face, "exposure"));
            if (df.detail)
                select(fc.detail, indexOf(fc.detail.items(), *df.detail), faceKey(face, "detail"));
        }

        // Service life and protection while their lists are enabled.
        toPage(MainForm::PageInput);
        select(f_.CB_ServiceLife, indexOf(f_.CB_ServiceLife.items(), yearsItem(d_.serviceLife)),
               QStringLiteral("corrosion.service_life"));
        for (Face face : {Face::Front, Face::Back}) {
            const FaceControls fc = faceControls(f_, s_, face);
            select(fc.protection,
                   indexOf(fc.protection.items(), yearsItem(faceOf(d_, face).protectionYears)),
                   faceKey(face, "protection_years"));
        }

        // The project values: typed in project mode, which is left again when
        // the file uses the tables.
        toPage(MainForm::PageRates);
        const int mode = d_.projectMode == DesignProjectMode::TotalLoss ? 1 : 0;
        const bool projectDiffers = f_.RG_Project_Rates.itemIndex() != mode ||
                                    parseNumber(f_.Edit_Front.text(), decimal_) !=
                                        std::optional<long double>(d_.front.projectValue) ||
                                    parseNumber(f_.Edit_Back.text(), decimal_) !=
                                        std::optional<long double>(d_.back.projectValue) ||
                                    f_.Edit_Front_Descr.text() != d_.front.projectDescription ||
                                    f_.Edit_Back_Descr.text() != d_.back.projectDescription;
        if (d_.rates == DesignRateSource::Project || projectDiffers) {
            if (!f_.MenuProjectRates.checked())
                click(f_.MenuProjectRates, "corrosion.rates");
            select(f_.RG_Project_Rates, mode, QStringLiteral("corrosion.project_mode"));
            for (Face face : {Face::Front, Face::Back}) {
                const FaceControls fc = faceControls(f_, s_, face);
                const DesignFace &df = faceOf(d_, face);
                replaceNumber(fc.projectValue, df.projectValue, faceKey(face, "project_value"));
                replace(fc.projectDescr, df.projectDescription,
                        faceKey(face, "project_description"));
            }
        }
        if (d_.rates == DesignRateSource::Tables && f_.MenuProjectRates.checked())
            click(f_.MenuEC3Rates, "corrosion.rates");
    }

    void replayActions()
    {
        replaceNumber(f_.Edit_Moment, d_.moment, QStringLiteral("actions.moment"));
        replaceNumber(f_.Edit_Load, d_.load, QStringLiteral("actions.load"));
        replaceNumber(f_.Edit_Deflection, d_.deflection, QStringLiteral("actions.deflection"));
        replaceNumber(f_.Edit_WallLength, d_.wallLength, QStringLiteral("lengths.wall"));
        replaceNumber(f_.Edit_SSPLength, d_.pileLength, QStringLiteral("lengths.pile"));
    }

    // The band fields are shown in Sfmin mode only: typed there, then the
    // mode of the file.
    void replayBand()
    {
        const bool differs =
            parseNumber(f_.Edit_Sfmin.text(), decimal_) != std::optional<long double>(d_.sfMin) ||
            parseNumber(f_.Edit_SfMax.text(), decimal_) != std::optional<long double>(d_.sfMax);
        if (differs && !f_.MenuSelectSfmin.checked())
            click(f_.MenuSelectSfmin, "search.mode");
        if (differs) {
            // Sfmax first when it must rise, so that Sfmin never finds it below
            // its band and resets it.
            if (d_.sfMax > fieldNumber(f_.Edit_SfMax, decimal_, 0))
                replaceNumber(f_.Edit_SfMax, d_.sfMax, QStringLiteral("search.sfmax"));
            replaceNumber(f_.Edit_Sfmin, d_.sfMin, QStringLiteral("search.sfmin"));
            replaceNumber(f_.Edit_SfMax, d_.sfMax, QStringLiteral("search.sfmax"));
        }
        if (d_.searchMode == DesignSearchMode::Sfmin && !f_.MenuSelectSfmin.checked())
            click(f_.MenuSelectSfmin, "search.mode");
        if (d_.searchMode == DesignSearchMode::Section && !f_.MenuSelectSection.checked())
            click(f_.MenuSelectSection, "search.mode");
    }

    // Every choice of the file as the window now holds it, and every number
    // as its field shows it once left.
    std::optional<DesignFileFault> verify() const
    {
        const Design now = files_.currentDesign();
        const auto differs = [](const QString &key) {
            return DesignFileFault{key,
                                   QStringLiteral("the window cannot take it together with the "
                                                  "rest of the design")};
        };
        const struct
        {
            bool same;
            const char *key;
        } checks[] = {
            {now.metric == d_.metric, "units"},
            {now.family == d_.family, "family"},
            {now.grade == d_.grade, "grade"},
            {now.section == d_.section, "section"},
            {now.showAllGrades == d_.showAllGrades, "show_all_grades"},
            {now.reduction == d_.reduction, "reduction"},
            {now.searchMode == d_.searchMode, "search.mode"},
            {now.rates == d_.rates, "corrosion.rates"},
            {now.annex == d_.annex, "corrosion.annex"},
            {now.serviceLife == d_.serviceLife, "corrosion.service_life"},
            {now.projectMode == d_.projectMode, "corrosion.project_mode"},
            {now.front.exposure == d_.front.exposure, "corrosion.front.exposure"},
            {now.front.detail == d_.front.detail, "corrosion.front.detail"},
            {now.front.protectionYears == d_.front.protectionYears,
             "corrosion.front.protection_years"},
            {now.front.projectDescription == d_.front.projectDescription,
             "corrosion.front.project_description"},
            {now.back.exposure == d_.back.exposure, "corrosion.back.exposure"},
            {now.back.detail == d_.back.detail, "corrosion.back.detail"},
            {now.back.protectionYears == d_.back.protectionYears,
             "corrosion.back.protection_years"},
            {now.back.projectDescription == d_.back.projectDescription,
             "corrosion.back.project_description"},
        };
        for (const auto &c : checks)
            if (!c.same)
                return differs(QString::fromLatin1(c.key));

        // A number is right when its field holds it as the file has it, or
        // as the field tidied it when it was left.
        const bool metric = d_.metric;
        const ProjectMode mode = d_.projectMode == DesignProjectMode::TotalLoss
                                     ? ProjectMode::TotalLoss
                                     : ProjectMode::Rates;
        const auto tidied = [this](const std::optional<QString> &text) {
            return text ? parseNumber(*text, decimal_) : std::nullopt;
        };
        const auto typed = [this](double v) { return typedNumber(v, decimal_); };
        const struct
        {
            double now;
            double file;
            std::optional<long double> left;
            const char *key;
        } numbers[] = {
            {now.moment, d_.moment, tidied(actionExitText(typed(d_.moment), decimal_, metric)),
             "actions.moment"},
            {now.load, d_.load, tidied(actionExitText(typed(d_.load), decimal_, metric)),
             "actions.load"},
            {now.deflection, d_.deflection,
             tidied(actionExitText(typed(d_.deflection), decimal_, metric)), "actions.deflection"},
            {now.wallLength, d_.wallLength,
             tidied(lengthExitText(LengthField::Wall, typed(d_.wallLength), decimal_, metric)),
             "lengths.wall"},
            {now.pileLength, d_.pileLength,
             tidied(lengthExitText(LengthField::Pile, typed(d_.pileLength), decimal_, metric)),
             "lengths.pile"},
            {now.sfMin, d_.sfMin, tidied(sfminExitText(typed(d_.sfMin), decimal_)), "search.sfmin"},
            {now.sfMax, d_.sfMax, tidied(sfmaxExit(typed(d_.sfMax), decimal_, d_.sfMin).text),
             "search.sfmax"},
            {now.front.projectValue, d_.front.projectValue,
             tidied(tidyProjectText(typed(d_.front.projectValue), decimal_, metric, mode,
                                    projectLimits(c_))
                        .text),
             "corrosion.front.project_value"},
            {now.back.projectValue, d_.back.projectValue,
             tidied(tidyProjectText(typed(d_.back.projectValue), decimal_, metric, mode,
                                    projectLimits(c_))
                        .text),
             "corrosion.back.project_value"},
        };
        for (const auto &n : numbers)
            if (n.now != n.file && (!n.left || n.now != static_cast<double>(*n.left)))
                return differs(QString::fromLatin1(n.key));
        return std::nullopt;
    }

    const DesignFileHandlers &files_;
    MainForm &f_;
    RunState &s_;
    const Catalogue &c_;
    const Design &d_;
    QChar decimal_;
    std::optional<DesignFileFault> fault_;
};

} // namespace

Design DesignFileHandlers::currentDesign() const
{
    const Catalogue &c = cat();
    const QChar decimal = p.decimalSeparator();
    Design d;
    d.metric = s.UnitsMetric;
    const int family = f.RG_SSP.itemIndex();
    if (family > 0 && family <= c.FamilyCount())
        d.family = c.FamilyName[family - 1];
    const int section = selectedSection(f, s);
    if (section >= 0 && section < c.SectionCount())
        d.section = c.SectionName[section];
    const int item = f.CB_SteelGrades.itemIndex();
    if (item >= 0 && item < s.GradeListCount && item < static_cast<int>(s.GradeListMap.size())) {
        const int g = s.GradeListMap[item];
        if (g >= 0 && g < c.GradeCount())
            d.grade = c.GradeName[g];
    }
    d.showAllGrades = f.ChB_SteelGradesAll.checked();
    const int factor = f.RG_A690.itemIndex();
    if (f.RG_A690.enabled() && factor >= 0 && factor < f.RG_A690.itemCount())
        d.reduction = f.RG_A690.items()[factor].trimmed();

    // A field that holds no number (while a user types) is saved as the
    // value the window uses.
    const auto shown = [&](ActionField field, double metricValue) {
        return s.UnitsMetric ? metricValue : static_cast<double>(metricValue / actionFactor(field));
    };
    d.moment = fieldNumber(f.Edit_Moment, decimal, shown(ActionField::Moment, s.actions.moment));
    d.load = fieldNumber(f.Edit_Load, decimal, shown(ActionField::Load, s.actions.load));
    d.deflection = fieldNumber(f.Edit_Deflection, decimal,
                               shown(ActionField::Deflection, s.actions.deflection));
    const double lengthFactor = s.UnitsMetric ? 1.0 : 0.3048;
    d.wallLength = fieldNumber(f.Edit_WallLength, decimal, s.lengths.wall / lengthFactor);
    d.pileLength = fieldNumber(f.Edit_SSPLength, decimal, s.lengths.pile / lengthFactor);

    d.searchMode =
        f.MenuSelectSfmin.checked() ? DesignSearchMode::Sfmin : DesignSearchMode::Section;
    d.sfMin = fieldNumber(
        f.Edit_Sfmin, decimal,
        static_cast<double>(
            parseNumber(sfminExitText(f.Edit_Sfmin.text(), decimal), decimal).value_or(0)));
    d.sfMax =
        fieldNumber(f.Edit_SfMax, decimal,
                    static_cast<double>(
                        parseNumber(sfmaxExit(f.Edit_SfMax.text(), decimal, d.sfMin).text, decimal)
                            .value_or(0)));

    d.rates = f.MenuProjectRates.checked() ? DesignRateSource::Project : DesignRateSource::Tables;
    if (const Annex *annex = annexAt(c, s.CurrentAnnex))
        d.annex = annex->AnnexName;
    d.serviceLife = yearsOfItem(f.CB_ServiceLife.text());
    d.projectMode = f.RG_Project_Rates.itemIndex() == 1 ? DesignProjectMode::TotalLoss
                                                        : DesignProjectMode::Rates;
    for (Face face : {Face::Front, Face::Back}) {
        const FaceControls fc = faceControls(f, s, face);
        DesignFace &df = face == Face::Front ? d.front : d.back;
        const int exposure = fc.exposure.itemIndex();
        df.exposure = exposure == 1   ? DesignExposure::Soil
                      : exposure == 2 ? DesignExposure::Water
                                      : DesignExposure::Atmospheric;
        if (fc.detail.itemIndex() >= 0 && fc.detail.itemIndex() < fc.detail.itemCount())
            df.detail = fc.detail.text();
        df.protectionYears = yearsOfItem(fc.protection.text());
        df.projectValue = fieldNumber(fc.projectValue, decimal, 0);
        df.projectDescription = fc.projectDescr.text();
    }
    return d;
}

std::optional<QString> DesignFileHandlers::openDesign(const QString &path)
{
    const auto read = readDesignFile(path);
    if (const auto *fault = std::get_if<DesignFileFault>(&read))
        return fault->text();
    const Design &design = std::get<Design>(read);
    if (const auto fault = DesignCheck(p, f, s, cat(), design).run())
        return fault->text();

    const Design before = currentDesign();
    const auto fault = Replay(*this, p, f, s, cat(), design).run();
    if (!fault)
        return std::nullopt;
    // Nothing half-opened: the design the window held comes back the same way.
    const auto undone = Replay(*this, p, f, s, cat(), before).run();
    QString text = fault->text();
    if (undone)
        text +=
            QStringLiteral("\r\nThe design before could not be restored either: ") + undone->text();
    return text;
}

std::optional<QString> DesignFileHandlers::saveDesign(const QString &path)
{
    return writeWholeFile(path, designToJson(currentDesign()));
}

void DesignFileHandlers::MenuOpenDesignClick()
{
    OpenFileRequest req;
    req.title = OpenDesignTitle;
    req.filter = DesignDialogFilter;
    req.initialDir = p.currentDirectory();
    const auto path = p.openFile(req);
    if (!path)
        return;
    if (const auto refusal = openDesign(*path))
        p.message(
            MessageKind::Plain, ApplicationTitle,
            QStringLiteral("The design was not opened from\r\n%1\r\n%2").arg(*path, *refusal));
}

void DesignFileHandlers::MenuSaveDesignClick()
{
    SaveFileRequest req;
    req.title = SaveDesignTitle;
    req.filter = DesignDialogFilter;
    req.defaultExt = DesignExtension;
    const auto path = p.saveFile(req);
    if (!path)
        return;
    if (const auto reason = saveDesign(*path))
        p.message(
            MessageKind::Plain, ApplicationTitle,
            QStringLiteral("The design could not be saved in\r\n%1\r\n%2").arg(*path, *reason));
}

void wireDesignFiles(form::MainForm &f, DesignFileHandlers &files)
{
    f.MenuOpenDesign.onClick = [&files] { files.MenuOpenDesignClick(); };
    f.MenuSaveDesign.onClick = [&files] { files.MenuSaveDesignClick(); };
}

} // namespace pc
