#pragma once
// The section list and the steel grade list: row texts, the grade map built
// for a reference section, the choice of the grade that stays selected,
// working yield strength, captions and the texts shown with both lists.

#include "catalogue/catalogue.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace pc {

// Shown in the section list when no section of the family qualifies.
inline const std::array<QString, 6> NoMatchLines = {
    QStringLiteral(" No match found."),         QStringLiteral(" Check bending moment,"),
    QStringLiteral(" compression load,"),       QStringLiteral(" deflection,"),
    QStringLiteral(" available steel grades,"), QStringLiteral(" Sfmin/Sfmax required."),
};

inline const QString SectionsNotInGradeText =
    QStringLiteral("Some sections not available in this steel grade");
inline const QString AllFamiliesHint = QStringLiteral(" ALL = all types of sections ");
inline const QString AvailabilityNotePrefix = QStringLiteral("NOTE:");
inline const QString GradesHiddenAppendText =
    QStringLiteral(" | some steel grades unavailable for this section ");
inline const QString GradesHiddenText =
    QStringLiteral(" Some steel grades unavailable for this section ");
inline const QString OnRequestCaption = QStringLiteral("** On request only. Contact us.");
inline const QString SupersededCaption = QStringLiteral("* Superseded section!");
inline const QString SectionLengthChangedHint = QStringLiteral(" Change of section length !! ");
inline const QString EmptySectionPropCaption = QStringLiteral(" Section prop.: ");
inline const QString MaxLengthPrefix = QStringLiteral(" L max =  ");
inline const QString MaxRollingLengthPrefix = QStringLiteral(" Max rolling length = ");

// " " + name + tab + the initial section modulus: "%-10.0f" in cm3/m or
// "%-10.1f" in in3/ft.
QString sectionRowText(const Catalogue &cat, int s, bool metric, QChar decimal);

// The row texts of the section list kept from one fill to the next, since a
// keystroke in Sfmin mode lists hundreds of rows again and writing each
// number anew costs more than the search. A row is the one sectionRowText
// gives: it is written anew whenever the unit system, the decimal separator,
// the section's name or its initial modulus differ from those it was written
// for, so a changed or reloaded catalogue never shows a stale row.
class SectionRowTexts
{
public:
    QString text(const Catalogue &cat, int s, bool metric, QChar decimal);

private:
    struct Row
    {
        QString name;
        double wel = 0;
        QString text;
        bool written = false;
    };
    std::vector<Row> rows_;
    bool metric_ = true;
    QChar decimal_ = QLatin1Char('.');
};

// The label a section is shown under (on the page, in the report, the chart
// and the sketch files): every "**" becomes " - on request", then every
// remaining "*" becomes " - old"; each step keeps at most 18 characters.
QString sectionLabel(const QString &sectionName);

// The section label without outer blanks, as the section click shows it.
QString trimmedSectionLabel(const QString &name);

enum class SectionMarkerColor { Unchanged, Blue, Red };

struct SectionMarker
{
    QString caption;
    SectionMarkerColor color = SectionMarkerColor::Unchanged;
};

// Caption and colour of the label under the section list.
SectionMarker sectionMarker(const QString &name);

// " %-20s %-11.0f" of name and fy in MPa, or " %-20s %-11.1f" of name and ksi.
QString gradeItemText(const Catalogue &cat, int g, bool metric, QChar decimal);

// Working yield strength in N/mm2: the grade's MPa value, or 6.89714 x its
// ksi value in imperial units; 0 for a grade the catalogue lacks.
double workingFy(const Catalogue &cat, int g, bool metric);

// Working fy of grade-list item `item`; 0 when the item is not in the list.
double workingFyOfItem(const Catalogue &cat, const std::vector<int8_t> &map, int count, int item,
                       bool metric);

// True when grade g is offered (with or without a note) for section s.
bool gradeAvailable(const Catalogue &cat, int s, int g);

// Availability code of grade g for section s; 0 outside the matrix.
int availabilityCode(const Catalogue &cat, int s, int g);

struct GradeList
{
    std::vector<int8_t> map; // GradeCount entries, 0 beyond `count`
    int count = 0;           // grades listed
    int available = 0;       // of them available for the section
    bool changed = false;    // differs from the previous map
};

// Grades listed for section s: every available one, or all with showAll, in
// catalogue order.
GradeList buildGradeList(const Catalogue &cat, int s, bool showAll,
                         const std::vector<int8_t> &oldMap);

enum class GradeListColor { Unchanged, WindowText, Red };

struct GradeSelection
{
    int item = 0;
    GradeListColor color = GradeListColor::Unchanged;
};

// The item to select after a rebuild: the previous grade where the new list
// has it, otherwise the first grade with a red list.
GradeSelection chooseGradeSelection(const std::vector<int8_t> &oldMap, const GradeList &list,
                                    int previousItem);

// "NOTE:" + the availability text for codes 2 and 3; empty otherwise.
QString availabilityNote(const Catalogue &cat, int s, int g);

// The status text telling that some grades are hidden, after `current`.
QString gradesHiddenNote(const QString &current);

// "  SSP: " + "%5.0d" of the count + the modulus column title.
QString sectionListCaption(int count, bool metric);

// " Steel Gr.: " + "%2d  |" of the available count + the fy column title.
QString gradeListCaption(int available, bool metric);

// Maximum pile length in feet, rounded to 0.1.
double maxSspLengthImp(double maxSspLength);

// The entered pile length is longer than the section allows.
bool pileLengthTooLong(bool metric, double sspLength, double maxSspLength, double typedFeet,
                       double maxSspLengthImp);

struct MaxLengthTexts
{
    QString panel0;
    QString panel1;
};

// The maximum pile length for the status bar, written with the system's
// decimal separator.
MaxLengthTexts maxLengthTexts(QChar systemDecimal, bool metric, double maxSspLength,
                              double maxSspLengthImp, const QString &unitLength);

} // namespace pc
