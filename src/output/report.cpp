#include "output/report.h"

#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_factors.h"

#include <QStringList>

#include <cmath>

namespace pc {

namespace {

constexpr int CellCapacity = 255;

using namespace reportrow;

const QString Blank = QStringLiteral(" ");
const QString Years = QStringLiteral("years");
const QString DescribeFront = QStringLiteral("describe_environment_front");
const QString DescribeBack = QStringLiteral("describe_environment_back");

QString notAFloat(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString notAnInteger(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

class Filler
{
public:
    explicit Filler(const ReportInput &in) : in_(in) {}

    ReportTable table;

    ReportRow &row(int r) { return table[static_cast<size_t>(r - 1)]; }
    void label(int r, const char *text) { row(r).label = QString::fromUtf8(text); }
    void empty(int r) { row(r).value.clear(); }

    QString num(const char *fmt, long double v) const { return format(in_.decimal, fmt, {v}); }

    // A value in both unit systems: metric as stored, imperial divided by
    // its factor.
    void both(int r, const char *metricFormat, long double v, const char *metricUnit,
              const char *imperialFormat, long double factor, const char *imperialUnit)
    {
        if (in_.metric) {
            row(r).value = num(metricFormat, v);
            row(r).unit = QString::fromUtf8(metricUnit);
        } else {
            row(r).value = num(imperialFormat, v / factor);
            row(r).unit = QString::fromUtf8(imperialUnit);
        }
    }

private:
    const ReportInput &in_;
};

// A description left empty or as it started reads "user defined ".
QString environmentDescription(const QString &text, const QString &initial)
{
    return text.isEmpty() || text.contains(initial) ? ReportUserDefinedText : text;
}

} // namespace

ReportBuild buildReportTable(const ReportInput &in)
{
    ReportBuild out;
    Filler t(in);
    const QChar d = in.decimal;

    // The losses of both faces are read back from what the window shows.
    const std::optional<long double> lossFront = parseNumber(in.lossFrontText, d);
    if (!lossFront) {
        out.error = notAFloat(in.lossFrontText);
        return out;
    }
    const std::optional<long double> lossBack = parseNumber(in.lossBackText, d);
    if (!lossBack) {
        out.error = notAFloat(in.lossBackText);
        return out;
    }

    // Values and units of the active unit system.
    t.both(RWelIni, "%8.0f", in.welIni, "cm³/m", "%8.2f", CM3M_PER_IN3FT, "in³/ft");
    t.both(RAIni, "%8.1f", in.aIni, "cm²/m", "%8.2f", CM2M_PER_IN2FT, "in²/ft");
    t.both(RWelRed, "%8.0f", in.welRed, "cm³/m", "%8.2f", CM3M_PER_IN3FT, "in³/ft");
    t.both(RARed, "%8.1f", in.aRed, "cm²/m", "%8.2f", CM2M_PER_IN2FT, "in²/ft");
    t.both(RIRed, "%8.0f", in.iRed, "cm4/m", "%8.1f", CM4M_PER_IN4FT, "in4/ft");
    t.both(RTfRed, "%8.2f", in.tfRed, "mm", "%8.3f", MM_PER_IN, "in");
    t.both(RTwRed, "%8.2f", in.twRed, "mm", "%8.3f", MM_PER_IN, "in");
    if (in.metric) {
        t.row(RFy).value = t.num("%8.0f", in.fy);
        t.row(RFy).unit = QStringLiteral("MPa");
    } else {
        // Rounded to 0.01 ksi first, so that a 50 ksi grade held as
        // 344.857 MPa prints as 50.0.
        t.row(RFy).value = t.num("%8.1f", roundToPow10(in.fy / MPA_PER_KSI, -2));
        t.row(RFy).unit = QStringLiteral("ksi");
    }
    t.both(RMoment, "%8.1f", in.moment, "kNm/m", "%8.1f", KNM_PER_KIPFT, "kips*ft/ft");
    t.both(RLoad, "%8.1f", in.load, "kN/m", "%8.1f", KNPM_PER_KIPPFT, "kips/ft");
    t.both(RDeflection, "%8.1f", in.deflection, "cm", "%8.1f", CM_PER_IN, "in");
    // A section without a width has no wall weight: the row is left out.
    const long double weight = static_cast<long double>(in.mass) / in.width;
    if (std::isfinite(weight))
        t.both(RWeight, "%8.1f", weight, "kg/m²", "%8.1f", KGM2_PER_LBFT2_REPORT, "lb/ft²");
    t.both(RSspLength, "%8.2f", in.sspLength, "m", "%8.2f", M_PER_FT, "ft");
    t.both(RWallLength, "%8.1f", in.coveredLength, "m", "%8.1f", M_PER_FT, "ft");
    const long double tonnes = static_cast<long double>(in.steelMassTotal) / 1000;
    if (in.metric) {
        t.row(RQuantity).value = t.num("%8.1f", tonnes);
        t.row(RQuantity).unit = QStringLiteral("metric t");
    } else {
        t.row(RQuantity).value = t.num("%8.1f", tonnes * SHORT_T_PER_T);
        t.row(RQuantity).unit = QStringLiteral("net t");
    }
    const char *faceFormat = in.metric ? "%8.2f" : "%8.0f";
    const QString lossUnit = in.metric ? QStringLiteral("mm") : QStringLiteral("mils");
    t.row(RFrontLoss).value = t.num(faceFormat, *lossFront);
    t.row(RFrontLoss).unit = lossUnit;
    t.row(RBackLoss).value = t.num(faceFormat, *lossBack);
    t.row(RBackLoss).unit = lossUnit;
    t.row(RLossTotal).value =
        in.metric ? t.num("%8.2f", in.lossTotal) : t.num("%8.0f", in.lossTotalMils);
    t.row(RLossTotal).unit = lossUnit;

    // Labels of the section, grade, loads and factors.
    t.label(RSection, " Section : ");
    t.label(RWelIni, " Section modulus Wel,ini  : ");
    t.label(RAIni, " Steel area A_ini : ");
    t.label(RWelRed, " Reduced section modulus Wel,red  : ");
    t.label(RARed, " Reduced steel area A_red : ");
    t.label(RIRed, " Reduced moment of inertia I_red : ");
    t.label(RTfRed, " Reduced flange thickness tf,red : ");
    t.label(RTwRed, " Reduced web thickness tw,red : ");
    t.label(RGrade, " Steel grade : ");
    t.label(RFy, " Yield strength: ");
    t.label(RMoment, " Bending moment M: ");
    t.label(RLoad, " Compression load N: ");
    t.label(RDeflection, " Deflection f: ");
    t.label(RSfIni, " Safety factor Sf,ini: ");
    t.label(RSfRed, " Safety factor Sf,red: ");
    t.label(RWeight, " Weight: ");
    t.row(RSection).value = format(d, "%10s", {in.sectionLabel.trimmed()});
    t.row(RGrade).value = in.steelGradeText.left(11);
    t.row(RSfIni).value = t.num("%8.2f", in.sfIni);
    t.row(RSfRed).value = t.num("%8.2f", in.sfRed);

    if (in.lossTotal == 0) {
        for (int r :
             {RWelRed, RARed, RIRed, RTfRed, RTwRed, RSfRed, RFrontLoss, RBackLoss, RLossTotal})
            t.empty(r);
    }
    if (in.sfIni == 0) {
        for (int r = RMoment; r <= RSfRed; ++r)
            t.empty(r);
    }
    // After the Sf,ini rule, so that the reason is output even then.
    if (in.welRed == 0) {
        for (int r = RWelRed; r <= RTwRed; ++r)
            t.empty(r);
        t.row(RSfRed).value = ReportNoReducedSectionText;
    }

    if (in.steelMassTotal > 0) {
        t.label(RPairs, " Number of pairs of ssp: ");
        t.label(RSspLength, " Length of ssp: ");
        t.label(RWallLength, " Total wall length: ");
        t.label(RQuantity, " Total ssp quantities: ");
        t.row(RPairs).value = format(d, "%8.0d", {static_cast<long long>(in.pairCount)});
    } else {
        for (int r = RSspLength; r <= RQuantity; ++r)
            t.empty(r);
    }

    if (in.lossTotal > 0) {
        t.label(RNotes, "NOTES :");
        t.row(RNotes).value = Blank;
        if (in.serviceLifeEnabled) {
            const std::optional<long long> life = parseInteger(in.serviceLifeText);
            if (!life) {
                out.error = notAnInteger(in.serviceLifeText);
                return out;
            }
            t.label(RServiceLife, " Service life : ");
            t.row(RServiceLife).value = format(d, "%8.0d", {*life});
            t.row(RServiceLife).unit = Years;
            const std::optional<long long> front = parseInteger(in.protectionFrontText);
            if (!front) {
                out.error = notAnInteger(in.protectionFrontText);
                return out;
            }
            const std::optional<long long> back = parseInteger(in.protectionBackText);
            if (!back) {
                out.error = notAnInteger(in.protectionBackText);
                return out;
            }
            if (*front > 0 || *back > 0) {
                t.label(RFrontProtection, "     surface protected for : ");
                t.row(RFrontProtection).value = format(d, "%8.0d", {*front});
                t.row(RFrontProtection).unit = Years;
                t.label(RBackProtection, "     surface protected for : ");
                t.row(RBackProtection).value = format(d, "%8.0d", {*back});
                t.row(RBackProtection).unit = Years;
            }
            t.row(RFrontEnvironment).value = in.environmentFront;
            t.row(RBackEnvironment).value = in.environmentBack;
        }
        if (in.projectRates) {
            t.row(RFrontEnvironment).value =
                environmentDescription(in.descriptionFront, DescribeFront);
            t.row(RBackEnvironment).value =
                environmentDescription(in.descriptionBack, DescribeBack);
        }
        t.label(RFront, " Front : ");
        t.label(RFrontEnvironment, "     environment : ");
        t.label(RFrontLoss, "     loss of steel : ");
        t.label(RBack, " Back : ");
        t.label(RBackEnvironment, "     environment : ");
        t.label(RBackLoss, "     loss of steel : ");
        t.label(RLossTotal, " Total loss of steel thickness: ");
        t.row(RFront).value = Blank;
        t.row(RBack).value = Blank;
        t.row(RReductionFactor).label =
            QStringLiteral("      A 690 / NVMarin: reduction factor for corrosion loss on front "
                           "face = ") +
            in.reductionFactorItem;
        if (in.reductionFactorEnabled)
            t.row(RReductionFactor).value = Blank;
        t.label(RClass4, " Results not valid for 'class 4' sections according to EN 1993 - Part 5");
        t.row(RClass4).value = Blank;
    }

    for (ReportRow &r : t.table) {
        r.label.truncate(CellCapacity);
        r.value.truncate(CellCapacity);
        r.unit.truncate(CellCapacity);
    }
    out.table = t.table;
    return out;
}

std::vector<ReportRow> reportOutputRows(const ReportTable &table)
{
    std::vector<ReportRow> rows;
    for (const ReportRow &r : table)
        if (!r.value.isEmpty())
            rows.push_back(r);
    return rows;
}

QByteArray windows1252(const QString &text)
{
    // The characters 0x80 to 0x9F of the code page that differ from Latin-1.
    static const char16_t High[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char byte = '?';
        for (int i = 0; i < 32; ++i)
            if (High[i] != 0 && High[i] == u)
                byte = static_cast<char>(0x80 + i);
        out.append(byte);
    }
    return out;
}

QByteArray reportFileBytes(const ReportTable &table, const QString &version, const QString &date)
{
    const QChar d = QLatin1Char('.'); // only texts are formatted here
    QStringList lines;
    lines << format(d, "%-50s", {QStringLiteral(" Pilecorr.   ") + version.left(31)});
    lines << QString();
    lines << ReportNoticeLine + format(d, "%20s", {date});
    lines << QString(73, QLatin1Char('_'));
    lines << QString() << QString();
    for (const ReportRow &r : reportOutputRows(table)) {
        lines << format(d, "%-38s", {r.label}) + format(d, "%10s", {r.value}) + QLatin1Char(' ') +
                     r.unit;
        lines << QString();
    }
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += windows1252(line) + "\r\n";
    return bytes;
}

PageLayout reportPageLayout(const ReportTable &table, const PageMetrics &m, const QString &version,
                            const QString &dateTime)
{
    auto round = [](long double v) { return static_cast<int>(roundEven(v)); };
    PageLayout page;
    // Empty texts draw nothing and are not kept.
    auto text = [&page](int x, int y, const QString &t, const ReportFont &f) {
        if (!t.isEmpty())
            page.texts.push_back({x, y, t, f});
    };
    const long double s = m.dpi / 300.0L;
    const ReportFont normal{10, false};
    const int pen = round(5 * s);

    const int mx = round(m.width / 12.0L);
    const int my = round(3.0L * mx / 4);
    const int right = m.width - mx;
    const int bottom = m.height - my;
    const int g = round(my / 5.0L);
    page.rules.push_back({mx, my, right, my, pen});
    page.rules.push_back({mx, bottom + g, right, bottom + g, pen});

    text(mx + round(20 * s), my - 2 * g, ReportNoticeLine, normal);
    const QString footer = version.left(35);
    text(right - round(3 * s) - m.textWidth(footer, normal), bottom + 2 * g, footer, normal);
    text(mx + round(20 * s), bottom + 2 * g, dateTime, normal);

    const ReportFont title{12, true};
    const QString titleText = QStringLiteral("PILECORR");
    const int h = round(1.5L * m.textHeight(QStringLiteral("Mg"), title));
    int y = my + 2 * h;
    text(mx + round((right - mx) / 2.0L - m.textWidth(titleText, title) / 2.0L), y, titleText,
         title);

    const ReportFont body{9, false};
    const int lh = round(1.7L * m.textHeight(QStringLiteral("Mg"), body));
    y += 2 * lh;
    const int w8 = m.textWidth(QStringLiteral("wwwwwwww"), body);
    const int c = m.textWidth(QStringLiteral(" Reduced moment of inertia Ix,red : "), body) + w8;
    const int unitX = mx + c + round(30 * s);
    for (const ReportRow &r : reportOutputRows(table)) {
        text(mx, y, r.label, body);
        const int vw = m.textWidth(r.value, body);
        text(vw >= w8 ? mx + c - w8 : mx + c - vw, y, r.value, body);
        text(unitX, y, r.unit, body);
        y += lh;
    }
    return page;
}

} // namespace pc
