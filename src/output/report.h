#pragma once
// The one-page report of the current design: a fixed table of 33 rows
// (label, value, unit) filled from a plain record of the state, rendered
// either as the lines of a text file or as the texts and rules of a printed
// page. Plain calculations: the handler gathers the record, the platform
// writes or prints what comes out.

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace pc {

// Everything the report reads, as the program holds it: stored values are
// metric whatever the unit system; the texts are those the controls show.
struct ReportInput
{
    bool metric = true;
    QChar decimal = QLatin1Char('.');

    QString sectionLabel;
    double welIni = 0, aIni = 0;
    double welRed = 0, aRed = 0, iRed = 0, tfRed = 0, twRed = 0;
    QString steelGradeText; // text of the grade list
    double fy = 0;          // working yield strength, MPa
    double moment = 0, load = 0, deflection = 0;
    long double sfIni = 0, sfRed = 0;
    double mass = 0, width = 0; // kg/m and m of the section
    int32_t pairCount = 0;
    double sspLength = 0, coveredLength = 0, steelMassTotal = 0;

    double lossTotal = 0, lossTotalMils = 0;
    bool serviceLifeEnabled = false;
    QString serviceLifeText, protectionFrontText, protectionBackText;
    QString lossFrontText, lossBackText;       // the loss of each face as shown
    QString environmentFront, environmentBack; // the chosen environment of each face
    bool projectRates = false;
    QString descriptionFront, descriptionBack; // the project rates' description edits
    bool reductionFactorEnabled = false;
    QString reductionFactorItem; // the selected reduction factor
};

struct ReportRow
{
    QString label, value, unit;
};

// Row numbers as the table counts them, from 1 (table[r - 1] is row r).
namespace reportrow {
enum Row : int {
    RSection = 1,
    RWelIni,
    RAIni,
    RWelRed,
    RARed,
    RIRed,
    RTfRed,
    RTwRed,
    RGrade,
    RFy,
    RMoment,
    RLoad,
    RDeflection,
    RSfIni,
    RSfRed,
    RWeight,
    RPairs,
    RSspLength,
    RWallLength,
    RQuantity,
    RNotes,
    RServiceLife,
    RFront,
    RFrontEnvironment,
    RFrontProtection,
    RFrontLoss,
    RBack,
    RBackEnvironment,
    RBackProtection,
    RBackLoss,
    RLossTotal,
    RReductionFactor,
    RClass4,
};
} // namespace reportrow

inline constexpr int ReportRowCount = 33;
static_assert(reportrow::RClass4 == ReportRowCount, "every row has its number");
using ReportTable = std::array<ReportRow, ReportRowCount>;

// The table, or the conversion error message that stops the report when a
// shown loss, service life or protection is not a number.
struct ReportBuild
{
    std::optional<ReportTable> table;
    QString error;
};

inline const QString ReportNoReducedSectionText =
    QStringLiteral("N/A (no reduced section properties for this loss of thickness)");
inline const QString ReportUserDefinedText = QStringLiteral("user defined ");
// Our notice above the top rule of the page and on the third line of the file.
inline const QString ReportNoticeLine =
    QStringLiteral(" Results to be checked by a qualified engineer before use.");

ReportBuild buildReportTable(const ReportInput &in);

// The rows that are output, top to bottom: those with a value.
std::vector<ReportRow> reportOutputRows(const ReportTable &table);

// The text file: Windows-1252 bytes, every line ended by CR LF. `version` is
// the about box's version caption, `date` the current date as the user's
// short date.
QByteArray reportFileBytes(const ReportTable &table, const QString &version, const QString &date);

// Text in the 8-bit code page of the report file; characters it lacks
// become "?".
QByteArray windows1252(const QString &text);

// ---- The printed page --------------------------------------------------------

// The report's font: always the same family, in points at the printer's
// resolution.
struct ReportFont
{
    double pointSize = 10;
    bool bold = false;
};

struct PageMetrics
{
    int dpi = 300; // vertical resolution
    int width = 0; // page size in printer pixels
    int height = 0;
    std::function<int(const QString &, const ReportFont &)> textWidth;
    std::function<int(const QString &, const ReportFont &)> textHeight;
};

struct PageText
{
    int x = 0, y = 0; // top-left corner of the text
    QString text;
    ReportFont font;
};

struct PageRule
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int penWidth = 1;
};

struct PageLayout
{
    std::vector<PageRule> rules;
    std::vector<PageText> texts;
};

inline const QString ReportPrintJobTitle = QStringLiteral(" Pilecorr ");
inline const QString ReportFontFamily = QStringLiteral("Arial");

// Where everything goes on the page. `dateTime` is the footer's date and
// time text.
PageLayout reportPageLayout(const ReportTable &table, const PageMetrics &m, const QString &version,
                            const QString &dateTime);

} // namespace pc
