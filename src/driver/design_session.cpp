#include "driver/design_session.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue/section_list.h"
#include "engine/design_input.h"
#include "engine/life_curve_text.h"
#include "platform/scripted_platform.h"
#include "units/format.h"
#include "window/app.h"
#include "window/catalogue_locator.h"
#include "window/corrosion_faces.h"
#include "window/life_curve_source.h"

#include <QDir>
#include <QFileInfo>

namespace pc::driver {

namespace {

using form::ActionResult;
using form::Control;
using namespace reportrow;

// Every number of the command line is written with a decimal point.
const QChar Point = QLatin1Char('.');

[[noreturn]] void fault(const QString &message, int status = DesignOptionError)
{
    throw DesignFault{status, message};
}

QString option(const QString &name)
{
    return QStringLiteral("--") + name;
}

// A name as it is compared: without outer blanks and the trailing marks of
// old sections ("*") and sections on request ("**"), in lower case.
QString comparable(const QString &name)
{
    QString n = name.trimmed();
    while (n.endsWith(QLatin1Char('*')))
        n.chop(1);
    return n.trimmed().toCaseFolded();
}

QString shownName(const QString &name)
{
    QString n = name.trimmed();
    while (n.endsWith(QLatin1Char('*')))
        n.chop(1);
    return n.trimmed();
}

QString candidateList(const QStringList &names)
{
    QStringList shown;
    for (const QString &n : names)
        shown << QLatin1Char('"') + shownName(n) + QLatin1Char('"');
    return shown.join(QStringLiteral(", "));
}

// The indexes of the names equal to `given` (case aside), else of those it
// begins.
std::vector<int> nameHits(const QString &given, const QStringList &names)
{
    const QString g = comparable(given);
    std::vector<int> exact, prefix;
    for (int i = 0; i < names.size(); ++i) {
        const QString n = comparable(names[i]);
        if (n == g)
            exact.push_back(i);
        else if (n.startsWith(g))
            prefix.push_back(i);
    }
    return exact.empty() ? prefix : exact;
}

// The index of `given` among `names`: a name equal to it (case aside), else
// the only name it begins. Unknown or ambiguous: a fault listing the
// candidates.
int matchName(const QString &opt, const QString &given, const QStringList &names)
{
    if (comparable(given).isEmpty())
        fault(QStringLiteral("%1 needs a name; one of %2").arg(option(opt), candidateList(names)));
    const std::vector<int> hits = nameHits(given, names);
    if (hits.size() == 1)
        return hits.front();
    if (hits.empty())
        fault(QStringLiteral("%1 \"%2\" is not known; one of %3")
                  .arg(option(opt), given, candidateList(names)));
    QStringList ambiguous;
    for (int i : hits)
        ambiguous << names[i];
    fault(QStringLiteral("%1 \"%2\" is ambiguous; it may be %3")
              .arg(option(opt), given, candidateList(ambiguous)));
}

// A whole number of years or an index: digits only.
std::optional<int> wholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return text.toInt();
}

QString actionText(ActionResult r)
{
    switch (r) {
    case ActionResult::Done:
    case ActionResult::Ignored:
        break;
    case ActionResult::OffPage:
        return QStringLiteral("its control is not on the page in view");
    case ActionResult::WrongKind:
        return QStringLiteral("its control does not take it");
    case ActionResult::BadIndex:
        return QStringLiteral("its control has no such item");
    }
    return QStringLiteral("the window does not take it now (the control is disabled)");
}

// The report rows and the names the JSON gives them.
struct RowKey
{
    int row;
    const char *key;
};
constexpr RowKey RowKeys[] = {
    {RSection, "section"},
    {RWelIni, "wel_ini"},
    {RAIni, "a_ini"},
    {RWelRed, "wel_red"},
    {RARed, "a_red"},
    {RIRed, "i_red"},
    {RTfRed, "tf_red"},
    {RTwRed, "tw_red"},
    {RGrade, "grade"},
    {RFy, "fy"},
    {RMoment, "moment"},
    {RLoad, "load"},
    {RDeflection, "deflection"},
    {RSfIni, "sf_ini"},
    {RSfRed, "sf_red"},
    {RWeight, "weight"},
    {RPairs, "pairs"},
    {RSspLength, "pile_length"},
    {RWallLength, "wall_length"},
    {RQuantity, "mass_total"},
    {RServiceLife, "service_life"},
    {RFrontEnvironment, "front_environment"},
    {RFrontProtection, "front_protection"},
    {RFrontLoss, "loss_front"},
    {RBackEnvironment, "back_environment"},
    {RBackProtection, "back_protection"},
    {RBackLoss, "loss_back"},
    {RLossTotal, "loss_total"},
};

const ReportRow &rowOf(const ReportTable &t, int r)
{
    return t[static_cast<size_t>(r - 1)];
}

// A value text of the report as JSON: a number when it reads as one.
Json valueJson(const QString &text)
{
    const QString v = text.trimmed();
    if (v.isEmpty())
        return nullptr;
    if (const auto n = parseNumber(v, Point); n && std::isfinite(static_cast<double>(*n)))
        return static_cast<double>(*n);
    return v.toStdString();
}

std::string str(const QString &s)
{
    return s.toStdString();
}

} // namespace

const QStringList &designOptionNames()
{
    static const QStringList names = {
        QStringLiteral("design"),        QStringLiteral("units"),
        QStringLiteral("family"),        QStringLiteral("section"),
        QStringLiteral("grade"),         QStringLiteral("life"),
        QStringLiteral("protect-front"), QStringLiteral("protect-back"),
        QStringLiteral("annex"),         QStringLiteral("front"),
        QStringLiteral("back"),          QStringLiteral("rates"),
        QStringLiteral("total-loss"),    QStringLiteral("cip"),
        QStringLiteral("moment"),        QStringLiteral("load"),
        QStringLiteral("deflection"),    QStringLiteral("wall-length"),
        QStringLiteral("pile-length"),
    };
    return names;
}

Catalogue loadDesignCatalogue(const QString &path, const QStringList &folders)
{
    ScriptedPlatform platform;
    platform.setCurrentDirectory(QDir::currentPath());
    std::optional<Catalogue> c = loadCatalogue(platform, path, folders);
    if (!c) {
        // The window's messages ask to browse for the file; a command says
        // which file it tried and what is wrong with it.
        QString file = QFileInfo(path).isDir() ? QDir(path).filePath(CatalogueFileName) : path;
        if (path.isEmpty()) {
            // The first of the folders looked in that holds the file.
            const QStringList looked = QStringList{QDir::currentPath()} + folders;
            for (const QString &folder : looked)
                if (file.isEmpty() && QFileInfo::exists(QDir(folder).filePath(CatalogueFileName)))
                    file = QDir(folder).filePath(CatalogueFileName);
            if (file.isEmpty())
                fault(QStringLiteral("the catalogue cannot be read: no \"%1\" in %2")
                          .arg(CatalogueFileName, looked.join(QStringLiteral(" or "))),
                      DesignFileError);
        }
        QString why;
        if (!QFileInfo::exists(file))
            why = QStringLiteral("there is no such file");
        else if (!readCatalogueFile(file, &why) && why.isEmpty())
            why = QStringLiteral("it is not a catalogue file");
        fault(QStringLiteral("the catalogue cannot be read: %1")
                  .arg(why.startsWith(file) ? why : file + QStringLiteral(": ") + why),
              DesignFileError);
    }
    return std::move(*c);
}

DesignSession::DesignSession(const Catalogue &catalogue)
    : platform_(std::make_unique<ScriptedPlatform>())
{
    platform_->setCurrentDirectory(QDir::currentPath());
    AppOptions options; // no settings file: a result depends on its options only
    app_ = std::make_unique<App>(*platform_, options);
    app_->catalogueLoader = [&catalogue](Platform &) {
        return std::optional<Catalogue>(catalogue);
    };
    app_->start();
    if (app_->ended())
        fault(QStringLiteral("the program did not start: %1")
                  .arg(platform_->messageTexts().join(QLatin1Char(' ')).simplified()),
              DesignFileError);
}

DesignSession::~DesignSession() = default;

QStringList DesignSession::messageTexts() const
{
    QStringList texts = platform_->messageTexts();
    for (QString &t : texts)
        t = t.simplified();
    return texts;
}

void DesignSession::noteStatus()
{
    // A later text of the same kind (its words up to the colon) replaces an
    // earlier one, as it does in the window: the running loss summary ends
    // as one text, a warning stays.
    const QString t = app_->f.SB1.panel(1).simplified();
    // The rates page's running summary of the losses is no warning: the
    // losses are among the values.
    if (t.isEmpty() || t == lossStatus(app_->f).simplified())
        return;
    const QString kind = t.section(QLatin1Char(':'), 0, 0);
    status_.removeIf(
        [&kind](const QString &s) { return s.section(QLatin1Char(':'), 0, 0) == kind; });
    status_ << t;
}

void DesignSession::apply(const DesignOptions &options, DesignMode mode)
{
    App &a = *app_;
    form::MainForm &f = a.f;
    auto has = [&](const char *name) { return options.count(QLatin1String(name)) > 0; };
    auto value = [&](const char *name) {
        const auto it = options.find(QLatin1String(name));
        return it == options.end() ? QString() : it->second;
    };

    auto page = [&](int index) {
        if (f.activePage() == f.pages().at(static_cast<size_t>(index)))
            return;
        const ActionResult r = f.userPage(index);
        if (r != ActionResult::Done)
            fault(QStringLiteral("page %1 cannot be shown: %2").arg(index).arg(actionText(r)));
        noteStatus();
    };
    auto select = [&](const char *opt, Control &c, int index) {
        const ActionResult r = f.userSelect(c, index);
        if (r != ActionResult::Done || c.itemIndex() != index)
            fault(QStringLiteral("%1 \"%2\" cannot be chosen: %3")
                      .arg(option(QLatin1String(opt)), value(opt), actionText(r)));
        noteStatus();
    };
    auto click = [&](const QString &what, Control &c) {
        const ActionResult r = f.userClick(c);
        if (r != ActionResult::Done)
            fault(QStringLiteral("%1 cannot be used: %2").arg(what, actionText(r)));
        noteStatus();
    };
    // A value typed into an edit as a person would paste it: the keys must
    // pass the field's key filter, and a value the field's own checks refuse
    // (it beeps, or empties or resets the field) is a fault naming the range
    // the status bar shows.
    auto type = [&](const QString &opt, Control &edit, const QString &text) {
        QString soFar;
        for (const QChar ch : text) {
            if (!filterNumericKey(ch.unicode(), soFar, Point).accepted)
                fault(QStringLiteral("%1 \"%2\" is not a number: digits and one decimal point only")
                          .arg(option(opt), text));
            soFar += ch;
        }
        if (text.isEmpty() || !parseNumber(text, Point))
            fault(QStringLiteral("%1 \"%2\" is not a number").arg(option(opt), text));
        // A paste longer than the field is cut; the value would not be the
        // one given.
        if (edit.maxLength() > 0 && text.size() > edit.maxLength())
            fault(QStringLiteral("%1 \"%2\" is longer than the %3 characters the field holds")
                      .arg(option(opt), text)
                      .arg(edit.maxLength()));
        // Into the field afresh, so that its hint shows the range.
        f.userLeave();
        ActionResult r = f.userEnter(edit);
        const QString range = f.SB1.panel(0).simplified();
        const QString messageBefore = f.SB1.panel(1).simplified();
        if (r == ActionResult::Done)
            r = f.userReplace(edit, text);
        if (r != ActionResult::Done)
            fault(QStringLiteral("%1 cannot be given: %2").arg(option(opt), actionText(r)));
        // A refused value empties the field or resets it; an upper bound of
        // the band below the lower one is kept but turns red.
        const bool refused =
            edit.text() != text || (&edit == &f.Edit_SfMax && edit.fontColor() == form::clRed);
        if (refused) {
            // The field's own report: a rejection rewrites the hint panel
            // or writes the error panel. What the chain the value ran
            // writes there on its own (the loss summary, the selected
            // section's lengths) is no reason.
            const MaxLengthTexts lengths = maxLengthTexts(
                a.SystemFormat.decimalSeparator, a.s.UnitsMetric, a.s.MaxSSPLength,
                a.s.MaxSSPLengthImp, a.s.UnitsMetric ? QStringLiteral("m") : QStringLiteral("ft"));
            const auto running = [&](const QString &t) {
                return t == lossStatus(f).simplified() || t == lengths.panel0.simplified() ||
                       t == lengths.panel1.simplified();
            };
            QString reason = f.SB1.panel(0).simplified();
            if (reason.isEmpty() || reason == range || running(reason)) {
                // The message panel, unless it still shows what it showed.
                reason = f.SB1.panel(1).simplified();
                if (reason == messageBefore || running(reason))
                    reason.clear();
            }
            QString message = QStringLiteral("%1 %2 is out of range").arg(option(opt), text);
            if (!reason.isEmpty() && reason != range)
                message += QStringLiteral(": ") + reason;
            if (!range.isEmpty())
                message +=
                    QStringLiteral(" (admissible:") + QLatin1Char(' ') + range + QLatin1Char(')');
            fault(message);
        }
        noteStatus();
        f.userLeave();
        noteStatus();
    };
    auto years = [&](const char *opt, Control &combo) {
        const QString given = value(opt);
        const auto y = wholeNumber(given);
        int index = -1;
        for (int i = 0; y && i < combo.itemCount(); ++i)
            if (parseInteger(combo.items().at(i).trimmed()) == *y)
                index = i;
        if (index < 0) {
            QStringList offered;
            for (const QString &item : combo.items())
                offered << item.trimmed();
            fault(QStringLiteral("%1 \"%2\" is not offered; one of %3 years")
                      .arg(option(QLatin1String(opt)), given, offered.join(QStringLiteral(", "))));
        }
        select(opt, combo, index);
    };

    // A design file first, replayed as the window's Open design does; the
    // options given beside it are then played over it as changes.
    if (has("design")) {
        if (const std::optional<QString> why = a.designFiles.openDesign(value("design")))
            fault(QStringLiteral("--design \"%1\" is refused: %2").arg(value("design"), *why),
                  DesignFileError);
        noteStatus();
    }

    // The unit system first: every value after it is typed in its units.
    // Without --units a design keeps its own, and a fresh start is metric.
    const QString units = has("units") ? value("units").trimmed().toLower() : QString();
    if (units == QLatin1String("metric")) {
        if (!a.s.UnitsMetric)
            click(QStringLiteral("--units metric"), f.MenuMetric);
    } else if (units == QLatin1String("imperial")) {
        if (a.s.UnitsMetric)
            click(QStringLiteral("--units imperial"), f.MenuImperial);
    } else if (has("units")) {
        fault(
            QStringLiteral("--units \"%1\" is not known; metric or imperial").arg(value("units")));
    }
    metric_ = a.s.UnitsMetric;

    // The required factor of a design that is not a search (the life
    // curve's): the window takes Sfmin only in the search mode, so it is
    // typed there and the section mode comes back before the design is
    // played, as a user would do it.
    if (mode != DesignMode::Search && has("sfmin")) {
        const bool searching = f.MenuSelectSfmin.checked();
        if (!searching)
            click(QStringLiteral("--sfmin"), f.MenuSelectSfmin);
        type(QStringLiteral("sfmin"), f.Edit_Sfmin, value("sfmin").trimmed());
        if (!searching)
            click(QStringLiteral("--sfmin"), f.MenuSelectSection);
    }

    // Family, section and grade on the input page.
    page(form::MainForm::PageInput);
    if (has("family")) {
        QStringList names = f.RG_SSP.items();
        select("family", f.RG_SSP, matchName(QStringLiteral("family"), value("family"), names));
    }
    if (has("section") && mode == DesignMode::Search)
        fault(QStringLiteral("--section does not apply: the search lists the sections"));
    // The grade and the section each narrow the other's list, and a pick
    // of one may move the other: the grade is picked first where it is
    // listed (so that the sections it offers are), then the section, then
    // the grade again. A pair the window does not show together is refused,
    // never replaced by what the lists fell back to.
    const auto sectionAt = [&](int item) {
        const auto &map = a.s.SectionListMap;
        const int32_t s =
            item >= 0 && item < static_cast<int>(map.size()) ? map[static_cast<size_t>(item)] : -1;
        return s >= 0 && s < static_cast<int>(a.cat().SectionName.size())
                   ? a.cat().SectionName[static_cast<size_t>(s)]
                   : QString();
    };
    const auto listedSections = [&] {
        QStringList listed;
        for (int i = 0; i < f.LB_SSP.itemCount(); ++i)
            listed << sectionAt(i);
        return listed;
    };
    const auto listedGrades = [&] {
        QStringList grades;
        for (int i = 0; i < f.CB_SteelGrades.itemCount(); ++i) {
            const int g = i < static_cast<int>(a.s.GradeListMap.size())
                              ? a.s.GradeListMap[static_cast<size_t>(i)]
                              : -1;
            grades << (g >= 0 && g < static_cast<int>(a.cat().GradeName.size())
                           ? a.cat().GradeName[static_cast<size_t>(g)]
                           : f.CB_SteelGrades.items().at(i));
        }
        return grades;
    };
    const auto pickGrade = [&] {
        select("grade", f.CB_SteelGrades,
               matchName(QStringLiteral("grade"), value("grade"), listedGrades()));
    };
    if (has("section") && has("grade")) {
        const std::vector<int> grade = nameHits(value("grade"), listedGrades());
        if (grade.size() == 1 && comparable(value("grade")) != QString())
            select("grade", f.CB_SteelGrades, grade.front());
    }
    QString section;
    if (has("section")) {
        const QStringList listed = listedSections();
        const int item = [&] {
            // The family's sections in every grade.
            QStringList family;
            const int chosen = f.RG_SSP.itemIndex();
            if (chosen >= 0 && chosen < static_cast<int>(a.cat().FamilyRange.size())) {
                const auto [first, last] = a.cat().FamilyRange[static_cast<size_t>(chosen)];
                for (int s = std::max(0, int{first});
                     s <= last && s < static_cast<int>(a.cat().SectionName.size()); ++s)
                    family << a.cat().SectionName[static_cast<size_t>(s)];
            }
            if (nameHits(value("section"), listed).empty() &&
                !nameHits(value("section"), family).empty()) {
                const int g = f.CB_SteelGrades.itemIndex();
                fault(QStringLiteral("--section \"%1\" is not offered in grade \"%2\"%3")
                          .arg(value("section"), listedGrades().value(g),
                               has("grade") ? QString()
                                            : QStringLiteral("; name a --grade that offers it")));
            }
            return matchName(QStringLiteral("section"), value("section"), listed);
        }();
        section = listed.at(item);
        select("section", f.LB_SSP, item);
    }
    if (has("grade"))
        pickGrade();
    if (!section.isEmpty() && sectionAt(f.LB_SSP.itemIndex()) != section)
        fault(QStringLiteral("--section \"%1\" is not offered in grade \"%2\"")
                  .arg(value("section"), listedGrades().value(f.CB_SteelGrades.itemIndex())));
    if (has("life"))
        years("life", f.CB_ServiceLife);
    if (has("protect-front"))
        years("protect-front", f.CB_Protection_Front);
    if (has("protect-back"))
        years("protect-back", f.CB_Protection_Back);

    // The corrosion page: the tables, the faces, or the project's own values.
    const bool project = has("rates") || has("total-loss");
    if (has("rates") && has("total-loss"))
        fault(QStringLiteral("--rates and --total-loss exclude each other"));
    if (project && (has("front") || has("back") || has("annex")))
        fault(QStringLiteral("--%1 replaces the tables: --annex, --front and --back do not apply")
                  .arg(has("rates") ? QStringLiteral("rates") : QStringLiteral("total-loss")));
    if (has("annex") || has("front") || has("back") || project)
        page(form::MainForm::PageRates);
    if (has("annex")) {
        const QString given = value("annex").trimmed();
        int index = -1;
        if (const auto n = wholeNumber(given)) {
            if (*n >= f.CB_EC3NAD.itemCount())
                fault(QStringLiteral("--annex %1 is out of range: 0 to %2")
                          .arg(given)
                          .arg(f.CB_EC3NAD.itemCount() - 1));
            index = *n;
        } else {
            index = matchName(QStringLiteral("annex"), given, f.CB_EC3NAD.items());
        }
        select("annex", f.CB_EC3NAD, index);
    }
    for (const char *face : {"front", "back"}) {
        if (!has(face))
            continue;
        const bool front = QLatin1String(face) == QLatin1String("front");
        const QString given = value(face).trimmed();
        const int colon = static_cast<int>(given.indexOf(QLatin1Char(':')));
        const QString exposure = colon < 0 ? given : given.left(colon);
        static const QStringList Exposures = {QStringLiteral("atmospheric"), QStringLiteral("soil"),
                                              QStringLiteral("water")};
        const int e = matchName(QLatin1String(face), exposure, Exposures);
        Control &group = front ? f.RG_Front : f.RG_Back;
        Control &detail = front ? f.CB_Front_Detail : f.CB_Back_Detail;
        select(face, group, e);
        if (colon >= 0) {
            const auto d = wholeNumber(given.mid(colon + 1).trimmed());
            if (!d || *d >= detail.itemCount())
                fault(QStringLiteral("--%1 %2: the detail is an index from 0 to %3")
                          .arg(QLatin1String(face), given)
                          .arg(detail.itemCount() - 1));
            select(face, detail, *d);
        }
    }
    if (project) {
        const char *opt = has("rates") ? "rates" : "total-loss";
        click(option(QLatin1String(opt)), f.MenuProjectRates);
        select(opt, f.RG_Project_Rates, has("rates") ? 0 : 1);
        const QStringList parts = value(opt).split(QLatin1Char(','));
        if (parts.size() != 2)
            fault(QStringLiteral("--%1 takes FRONT,BACK, not \"%2\"")
                      .arg(QLatin1String(opt), value(opt)));
        type(QLatin1String(opt), f.Edit_Front, parts[0].trimmed());
        type(QLatin1String(opt), f.Edit_Back, parts[1].trimmed());
    }

    // Back on the input page: the reduction factor, the actions, the lengths.
    page(form::MainForm::PageInput);
    if (has("cip")) {
        const QString given = value("cip").trimmed();
        const auto n = wholeNumber(given);
        int index = -1;
        QStringList offered;
        for (int i = 0; i < f.RG_A690.itemCount(); ++i) {
            const QString item = f.RG_A690.items().at(i).trimmed();
            offered << item;
            if (n && parseInteger(item.section(QLatin1Char(' '), 0, 0)) == *n)
                index = i;
        }
        if (!f.RG_A690.enabled())
            fault(QStringLiteral("--cip does not apply: the reduction factor is for the "
                                 "corrosion-resistant grades with the front face in sea water"));
        if (index < 0)
            fault(QStringLiteral("--cip \"%1\" is not offered; one of %2")
                      .arg(given, offered.join(QStringLiteral(", "))));
        select("cip", f.RG_A690, index);
    }
    const std::pair<const char *, Control *> edits[] = {
        {"moment", &f.Edit_Moment},         {"load", &f.Edit_Load},
        {"deflection", &f.Edit_Deflection}, {"wall-length", &f.Edit_WallLength},
        {"pile-length", &f.Edit_SSPLength},
    };
    for (const auto &[opt, edit] : edits)
        if (has(opt))
            type(QLatin1String(opt), *edit, value(opt).trimmed());

    if (mode == DesignMode::Search) {
        click(QStringLiteral("the search"), f.MenuSelectSfmin);
        if (has("sfmin"))
            type(QStringLiteral("sfmin"), f.Edit_Sfmin, value("sfmin").trimmed());
        if (has("sfmax"))
            type(QStringLiteral("sfmax"), f.Edit_SfMax, value("sfmax").trimmed());
    }
    if (mode == DesignMode::Summary) {
        if (!f.TabSheetSFTable.tabVisible())
            fault(QStringLiteral("there is no safety factor to summarise: give the actions "
                                 "(--moment, --load, --deflection)"));
        page(form::MainForm::PageSFTable);
        if (has("reduced") && !f.RB_SummarySfRed.enabled())
            fault(QStringLiteral("--reduced needs a loss of thickness (--life with --front or "
                                 "--back, --rates or --total-loss)"));
        click(has("reduced") ? QStringLiteral("--reduced") : QStringLiteral("the summary"),
              has("reduced") ? f.RB_SummarySfRed : f.RB_SummarySfIni);
    }
    f.userLeave();
    noteStatus();
}

ReportTable DesignSession::table() const
{
    const ReportBuild build = buildReportTable(app_->report.reportInput());
    if (!build.table)
        fault(QStringLiteral("the report stops: %1").arg(build.error), DesignFileError);
    return *build.table;
}

QByteArray DesignSession::reportText() const
{
    QString error;
    const std::optional<QByteArray> bytes = app_->report.reportFile(error);
    if (!bytes)
        fault(QStringLiteral("the report stops: %1").arg(error), DesignFileError);
    return *bytes;
}

Json DesignSession::checkJson() const
{
    const ReportTable t = table();
    Json rows = Json::array();
    for (const ReportRow &r : reportOutputRows(t))
        rows.push_back({{"label", str(r.label.trimmed())},
                        {"value", str(r.value.trimmed())},
                        {"unit", str(r.unit)}});
    Json values = Json::object();
    for (const RowKey &k : RowKeys) {
        const ReportRow &r = rowOf(t, k.row);
        if (r.value.trimmed().isEmpty())
            continue;
        Json v = {{"value", valueJson(r.value)}};
        if (!r.unit.isEmpty())
            v["unit"] = str(r.unit);
        values[k.key] = v;
    }
    const ReportRow &factor = rowOf(t, RReductionFactor);
    if (!factor.value.isEmpty())
        values["reduction_factor"] = {
            {"value", valueJson(app_->report.reportInput().reductionFactorItem)}};
    Json status = Json::array();
    for (const QString &s : status_)
        status.push_back(str(s));
    Json messages = Json::array();
    for (const QString &m : messageTexts())
        messages.push_back(str(m));
    return {{"units", metric_ ? "metric" : "imperial"},
            {"values", values},
            {"report", rows},
            {"status", status},
            {"messages", messages}};
}

const QStringList &batchResultColumns()
{
    static const QStringList columns = {
        QStringLiteral("units"),      QStringLiteral("section"),    QStringLiteral("grade"),
        QStringLiteral("loss_front"), QStringLiteral("loss_back"),  QStringLiteral("loss_total"),
        QStringLiteral("wel_red"),    QStringLiteral("i_red"),      QStringLiteral("a_red"),
        QStringLiteral("sf_ini"),     QStringLiteral("sf_red"),     QStringLiteral("pairs"),
        QStringLiteral("weight"),     QStringLiteral("mass_total"), QStringLiteral("messages"),
    };
    return columns;
}

QStringList DesignSession::batchResult() const
{
    const ReportTable t = table();
    const App &a = *app_;
    auto v = [&t](int r) { return rowOf(t, r).value.trimmed(); };
    QStringList notes = status_;
    // A loss row is left out of the report when there is no loss: the
    // window's loss summary then shows it.
    const QString front =
        v(RFrontLoss).isEmpty() ? a.f.Lbl_Summary_Front2.caption().trimmed() : v(RFrontLoss);
    const QString back =
        v(RBackLoss).isEmpty() ? a.f.Lbl_Summary_Back2.caption().trimmed() : v(RBackLoss);
    // Written as the report writes a total: hundredths of a millimetre, whole mils.
    const QString total = !v(RLossTotal).isEmpty() ? v(RLossTotal)
                          : metric_                ? QStringLiteral("0.00")
                                                   : QStringLiteral("0");
    QString sfRed = v(RSfRed);
    if (sfRed == ReportNoReducedSectionText.trimmed()) {
        notes << sfRed;
        sfRed.clear();
    }
    notes << messageTexts();
    return {metric_ ? QStringLiteral("metric") : QStringLiteral("imperial"),
            v(RSection),
            v(RGrade),
            front,
            back,
            total,
            v(RWelRed),
            v(RIRed),
            v(RARed),
            v(RSfIni),
            sfRed,
            v(RPairs),
            v(RWeight),
            v(RQuantity),
            notes.join(QStringLiteral("; "))};
}

QByteArray DesignSession::lifeCsv() const
{
    const LifeCurve curve = computeLifeCurve(*app_);
    auto year = [](int y) { return y < 0 ? QStringLiteral("none") : QString::number(y); };
    // The two years after the series, apart from it by an empty line, so
    // that a reader of the table stops at the empty line.
    const QString text = lifeCurveCsv(curve, metric_) + QStringLiteral("\n") +
                         QStringLiteral("first year Sf,red below the required factor,") +
                         year(curve.firstFailingYear) + QStringLiteral("\n") +
                         QStringLiteral("first year without a reduced section,") +
                         year(curve.firstNoReducedSectionYear) + QStringLiteral("\n");
    return text.toUtf8();
}

QByteArray DesignSession::lifeJson() const
{
    return lifeCurveJson(computeLifeCurve(*app_), metric_).toUtf8();
}

std::vector<DesignSession::SearchHit> DesignSession::searchHits()
{
    App &a = *app_;
    std::vector<SearchHit> hits;
    // A search that found nothing leaves the window's no-match lines in a
    // list the user cannot pick from: they are no sections.
    if (!a.f.LB_SSP.enabled())
        return hits;
    const int rows = a.f.LB_SSP.itemCount();
    for (int row = 0; row < rows; ++row) {
        // The values of a listed section are those the window shows when
        // the user clicks its row.
        if (a.f.userSelect(a.f.LB_SSP, row) != ActionResult::Done || a.f.LB_SSP.itemIndex() != row)
            fault(QStringLiteral("the search list changed while it was read"), DesignFileError);
        const ReportTable t = table();
        hits.push_back({rowOf(t, RSection).value.trimmed(), rowOf(t, RWelIni).value.trimmed(),
                        rowOf(t, RSfIni).value.trimmed(), rowOf(t, RSfRed).value.trimmed(),
                        rowOf(t, RWelIni).unit});
    }
    return hits;
}

QByteArray DesignSession::searchText()
{
    const std::vector<SearchHit> hits = searchHits();
    const QString unit = metric_ ? QStringLiteral("cm³/m") : QStringLiteral("in³/ft");
    QString out = format(Point, "%-14s %12s %8s %8s\n",
                         {QStringLiteral("section"), QStringLiteral("Wel,ini"),
                          QStringLiteral("Sf,ini"), QStringLiteral("Sf,red")});
    out += format(Point, "%-14s %12s %8s %8s\n",
                  {QString(), QLatin1Char('[') + unit + QLatin1Char(']'), QString(), QString()});
    for (const SearchHit &h : hits)
        out += format(Point, "%-14s %12s %8s %8s\n", {h.section, h.welIni, h.sfIni, h.sfRed});
    if (hits.empty()) {
        // What the window lists instead, on one line.
        QStringList lines;
        for (const QString &line : NoMatchLines)
            lines << line.trimmed();
        out += lines.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

Json DesignSession::searchJson()
{
    const std::vector<SearchHit> hits = searchHits();
    Json sections = Json::array();
    for (const SearchHit &h : hits)
        sections.push_back({{"section", str(h.section)},
                            {"wel_ini", {{"value", valueJson(h.welIni)}, {"unit", str(h.unitWel)}}},
                            {"sf_ini", valueJson(h.sfIni)},
                            {"sf_red", valueJson(h.sfRed)}});
    Json status = Json::array();
    for (const QString &s : status_)
        status.push_back(str(s));
    return {{"units", metric_ ? "metric" : "imperial"}, {"sections", sections}, {"status", status}};
}

QByteArray DesignSession::summaryCsv() const
{
    const Control &grid = app_->f.SFList;
    QString out;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList fields;
        for (int col = 0; col < grid.colCount(); ++col) {
            QString text = grid.cell(col, row);
            if (const auto drawn = app_->summary.SFListDrawCell(col, row);
                drawn && !drawn->text.isEmpty())
                text = drawn->text;
            fields << csvField(text.trimmed());
        }
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

Json DesignSession::summaryJson() const
{
    const Control &grid = app_->f.SFList;
    Json rows = Json::array();
    for (int row = 0; row < grid.rowCount(); ++row) {
        Json cells = Json::array();
        for (int col = 0; col < grid.colCount(); ++col) {
            QString text = grid.cell(col, row);
            if (const auto drawn = app_->summary.SFListDrawCell(col, row);
                drawn && !drawn->text.isEmpty())
                text = drawn->text;
            cells.push_back(str(text.trimmed()));
        }
        rows.push_back(cells);
    }
    return {{"units", metric_ ? "metric" : "imperial"},
            {"reduced", app_->f.RB_SummarySfRed.checked()},
            {"caption", str(app_->f.Lbl_SfSummary.caption().simplified())},
            {"rows", rows},
            {"legend", str(app_->f.Lbl_SfTableGrades.caption().simplified())}};
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

std::vector<QStringList> parseCsv(const QString &text, std::vector<int> &lines, QString &error)
{
    std::vector<QStringList> records;
    lines.clear();
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false;
    int line = 1;
    int recordLine = 1;
    auto endRecord = [&] {
        fields << field;
        field.clear();
        // A blank line is no record.
        if (any || fields.size() > 1) {
            records.push_back(fields);
            lines.push_back(recordLine);
        }
        fields.clear();
        any = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecord();
            ++line;
            recordLine = line;
        } else {
            field += c;
            any = true;
        }
    }
    if (quoted) {
        error = QStringLiteral("line %1: a quoted field is not closed").arg(recordLine);
        return {};
    }
    if (any || !field.isEmpty() || !fields.isEmpty())
        endRecord();
    return records;
}

} // namespace pc::driver
