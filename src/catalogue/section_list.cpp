#include "catalogue/section_list.h"

#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_factors.h"

#include <cstring>

namespace pc {

namespace {

// Catalogue names and the section label hold at most 18 characters.
QString cut18(const QString &s)
{
    return s.left(18);
}

double initialModulus(const Catalogue &cat, int s)
{
    return !cat.RedWel.empty() && s < static_cast<int>(cat.RedWel[0].size()) ? cat.RedWel[0][s]
                                                                             : 0.0;
}

bool validGrade(const Catalogue &cat, int g)
{
    return g >= 0 && g < cat.GradeCount() && g < static_cast<int>(cat.GradeFy.size()) &&
           g < static_cast<int>(cat.GradeFyKsi.size());
}

} // namespace

QString sectionRowText(const Catalogue &cat, int s, bool metric, QChar decimal)
{
    if (s < 0 || s >= cat.SectionCount())
        return {};
    const double wel = initialModulus(cat, s);
    QString row = format(decimal, " %-0s", {cat.SectionName[s]}) + QLatin1Char('\t');
    if (metric)
        return row + format(decimal, "%-10.0f", {wel});
    return row + format(decimal, "%-10.1f", {wel / CM3M_PER_IN3FT});
}

QString SectionRowTexts::text(const Catalogue &cat, int s, bool metric, QChar decimal)
{
    if (s < 0 || s >= cat.SectionCount())
        return {};
    if (metric != metric_ || decimal != decimal_) {
        rows_.clear();
        metric_ = metric;
        decimal_ = decimal;
    }
    if (rows_.size() < static_cast<size_t>(cat.SectionCount()))
        rows_.resize(static_cast<size_t>(cat.SectionCount()));
    Row &row = rows_[static_cast<size_t>(s)];
    const double wel = initialModulus(cat, s);
    // The modulus is compared bit for bit: a NaN read from the file equals
    // itself here and is written only once.
    if (!row.written || row.name != cat.SectionName[s] ||
        std::memcmp(&row.wel, &wel, sizeof wel) != 0) {
        row.name = cat.SectionName[s];
        row.wel = wel;
        row.text = sectionRowText(cat, s, metric, decimal);
        row.written = true;
    }
    return row.text;
}

QString sectionLabel(const QString &sectionName)
{
    QString label = sectionName;
    label.replace(QStringLiteral("**"), QStringLiteral(" - on request"));
    label = cut18(label);
    label.replace(QChar('*'), QStringLiteral(" - old"));
    return cut18(label);
}

QString trimmedSectionLabel(const QString &name)
{
    return cut18(sectionLabel(cut18(name)).trimmed());
}

SectionMarker sectionMarker(const QString &name)
{
    if (name.contains(QStringLiteral("**")))
        return {OnRequestCaption, SectionMarkerColor::Blue};
    if (name.contains(QLatin1Char('*')))
        return {SupersededCaption, SectionMarkerColor::Red};
    return {};
}

QString gradeItemText(const Catalogue &cat, int g, bool metric, QChar decimal)
{
    if (!validGrade(cat, g))
        return {};
    if (metric)
        return format(decimal, " %-20s %-11.0f", {cat.GradeName[g], cat.GradeFy[g]});
    return format(decimal, " %-20s %-11.1f", {cat.GradeName[g], cat.GradeFyKsi[g]});
}

double workingFy(const Catalogue &cat, int g, bool metric)
{
    if (!validGrade(cat, g))
        return 0;
    if (metric)
        return cat.GradeFy[g];
    return static_cast<double>(MPA_PER_KSI * cat.GradeFyKsi[g]);
}

double workingFyOfItem(const Catalogue &cat, const std::vector<int8_t> &map, int count, int item,
                       bool metric)
{
    if (item < 0 || item >= count || item >= static_cast<int>(map.size()))
        return 0;
    return workingFy(cat, map[item], metric);
}

int availabilityCode(const Catalogue &cat, int s, int g)
{
    if (s < 0 || s >= static_cast<int>(cat.Availability.size()))
        return 0;
    const auto row = cat.Availability[static_cast<size_t>(s)];
    return g >= 0 && g < static_cast<int>(row.size()) ? row[g] : 0;
}

bool gradeAvailable(const Catalogue &cat, int s, int g)
{
    return availabilityCode(cat, s, g) >= 1;
}

GradeList buildGradeList(const Catalogue &cat, int s, bool showAll,
                         const std::vector<int8_t> &oldMap)
{
    GradeList list;
    const int grades = cat.GradeCount();
    list.map.assign(grades, 0);
    for (int i = 0; i < grades; ++i) {
        const bool available = gradeAvailable(cat, s, i);
        if (available || showAll) {
            if (available)
                ++list.available;
            list.map[list.count++] = static_cast<int8_t>(i);
        }
    }
    for (int i = 0; i < grades; ++i) {
        const int8_t old = i < static_cast<int>(oldMap.size()) ? oldMap[i] : 0;
        if (old != list.map[i]) {
            list.changed = true;
            break;
        }
    }
    return list;
}

GradeSelection chooseGradeSelection(const std::vector<int8_t> &oldMap, const GradeList &list,
                                    int previousItem)
{
    GradeSelection sel;
    sel.item = previousItem < 1 ? 0 : previousItem;
    if (!list.changed)
        return sel;
    const auto entry = [](const std::vector<int8_t> &m, int i) {
        return i >= 0 && i < static_cast<int>(m.size()) ? m[i] : int8_t(0);
    };
    const int8_t previousGrade = entry(oldMap, sel.item);
    if (previousGrade == entry(list.map, sel.item)) {
        sel.color = GradeListColor::WindowText;
        return sel;
    }
    for (int j = 0; j < list.count; ++j) {
        if (list.map[j] == previousGrade) {
            sel.item = j;
            return sel;
        }
    }
    sel.item = 0;
    sel.color = GradeListColor::Red;
    return sel;
}

QString availabilityNote(const Catalogue &cat, int s, int g)
{
    const int code = availabilityCode(cat, s, g);
    if (code >= 2 && code < Catalogue::AvailabilityTextCount)
        return AvailabilityNotePrefix + Catalogue::AvailabilityText[code];
    return {};
}

QString gradesHiddenNote(const QString &current)
{
    if (!current.isEmpty())
        return current + GradesHiddenAppendText;
    return GradesHiddenText;
}

QString sectionListCaption(int count, bool metric)
{
    return QStringLiteral("  SSP: ") + format('.', "%5.0d", {count}) +
           (metric ? QStringLiteral("           Wel,ini (cm³/m)  ")
                   : QStringLiteral("           Wel,ini (in³/ft)  "));
}

QString gradeListCaption(int available, bool metric)
{
    return QStringLiteral(" Steel Gr.: ") + format('.', "%2d  |", {available}) +
           (metric ? QStringLiteral("      fy (MPa) ") : QStringLiteral("      fy (ksi) "));
}

double maxSspLengthImp(double maxSspLength)
{
    return static_cast<double>(roundToPow10(maxSspLength / M_PER_FT, -1));
}

bool pileLengthTooLong(bool metric, double sspLength, double maxSspLength, double typedFeet,
                       double maxSspLengthImp)
{
    return metric ? sspLength > maxSspLength : typedFeet > maxSspLengthImp;
}

MaxLengthTexts maxLengthTexts(QChar systemDecimal, bool metric, double maxSspLength,
                              double maxSspLengthImp, const QString &unitLength)
{
    const double shown = metric ? maxSspLength : maxSspLengthImp;
    const QString number = format(systemDecimal, "%1.1f", {shown});
    const QString unit = metric ? QStringLiteral(" m") : QStringLiteral(" ft");
    return {MaxLengthPrefix + number + unit,
            MaxRollingLengthPrefix + number + QLatin1Char(' ') + unitLength};
}

} // namespace pc
