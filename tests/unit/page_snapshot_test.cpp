#include "output/page_snapshot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

#include <sys/stat.h>

namespace {

using pc::InputPageState;

const QString MetricGrades = QStringLiteral(" Steel Gr.:  3  |      fy (MPa) ");
const QString ImperialGrades = QStringLiteral(" Steel Gr.: 12  |      fy (ksi) ");

// A design with everything to show: a section, a service life, a loss, a
// safety factor and a wall.
InputPageState fullDesign()
{
    InputPageState s;
    s.sectionLabel = QStringLiteral("ZT 12-700");
    s.sfIni = 1.52L;
    s.lossTotal = 1.25;
    s.serviceLife = 50;
    s.steelMassTotal = 12000;
    s.reductionFactorsEnabled = true;
    s.sfRedEnabled = true;
    s.serviceLifeEnabled = true;
    s.steelGradesCaption = MetricGrades;
    return s;
}

TEST(PageSnapshot, WhatTheInputPageLeavesOut)
{
    struct Case
    {
        const char *row;
        void (*change)(InputPageState &);
        bool reductionFactors, sfRed, loss, serviceLife, quantityDetails, designInput;
    };
    const Case cases[] = {
        {"full design shows every box", [](InputPageState &) {}, false, false, false, false, false,
         false},
        {"no service life", [](InputPageState &s) { s.serviceLife = 0; }, true, false, false, true,
         false, false},
        {"reduction factors disabled", [](InputPageState &s) { s.reductionFactorsEnabled = false; },
         true, false, false, false, false, false},
        {"Sf,red label disabled", [](InputPageState &s) { s.sfRedEnabled = false; }, false, true,
         false, false, false, false},
        {"no loss of thickness", [](InputPageState &s) { s.lossTotal = 0; }, false, false, true,
         false, false, false},
        {"service life box disabled", [](InputPageState &s) { s.serviceLifeEnabled = false; },
         false, false, false, true, false, false},
        {"less than 1 kg of steel", [](InputPageState &s) { s.steelMassTotal = 0.99; }, false,
         false, false, false, true, false},
        {"exactly 1 kg of steel", [](InputPageState &s) { s.steelMassTotal = 1.0; }, false, false,
         false, false, false, false},
        {"mass not a number", [](InputPageState &s) { s.steelMassTotal = std::nan(""); }, false,
         false, false, false, true, false},
        {"no Sf,ini", [](InputPageState &s) { s.sfIni = 0; }, false, false, false, false, false,
         true},
        {"a nearly empty design",
         [](InputPageState &s) {
             s = InputPageState();
             s.sectionLabel = QStringLiteral("X");
         },
         true, true, true, true, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        InputPageState s = fullDesign();
        c.change(s);
        const pc::InputPagePreparation p = pc::prepareInputPage(s);
        EXPECT_EQ(p.hideReductionFactors, c.reductionFactors);
        EXPECT_EQ(p.hideSfRed, c.sfRed);
        EXPECT_EQ(p.hideLossSummary, c.loss);
        EXPECT_EQ(p.hideServiceLife, c.serviceLife);
        EXPECT_EQ(p.hideQuantityDetails, c.quantityDetails);
        EXPECT_EQ(p.hideDesignInput, c.designInput);
    }
}

TEST(PageSnapshot, SketchNameCaptionAndLabel)
{
    struct Case
    {
        const char *row, *label;
        bool imperial;
        const char *caption, *keptLabel, *file;
    };
    const Case cases[] = {
        {"plain label", "ZT 12-700", false, " ZT 12-700 ", "ZT 12-700", "data/ZT 12-700.svg"},
        {"imperial drawing", "ZT 12-700", true, " ZT 12-700 ", "ZT 12-700",
         "data/ZT 12-700-imp.svg"},
        // The caption keeps the "/", the label and the file name take "-".
        {"slashes", "UC 31/800/2", false, " UC 31/800/2 ", "UC 31-800-2", "data/UC 31-800-2.svg"},
        {"slash imperial", "UC 31/800", true, " UC 31/800 ", "UC 31-800", "data/UC 31-800-imp.svg"},
        // Outer blanks stay in the label but not in the caption or the file.
        {"outer blanks", "  QZ 18 - old ", false, " QZ 18 - old ", "  QZ 18 - old ",
         "data/QZ 18 - old.svg"},
        {"no section", "", false, "  ", "", "data/.svg"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        InputPageState s = fullDesign();
        s.sectionLabel = QString::fromUtf8(c.label);
        s.imperial = c.imperial;
        const pc::InputPagePreparation p = pc::prepareInputPage(s);
        EXPECT_EQ(p.sketchCaption, QString::fromUtf8(c.caption));
        EXPECT_EQ(p.sectionLabel, QString::fromUtf8(c.keptLabel));
        EXPECT_EQ(p.sketchFile, QString::fromUtf8(c.file));
    }
}

TEST(PageSnapshot, SteelGradeCaptionKeepsTheUnitPart)
{
    struct Case
    {
        const char *row, *caption, *shown;
    };
    const Case cases[] = {
        {"metric list", " Steel Gr.:  3  |      fy (MPa) ", " Steel Grade    |   fy (MPa) "},
        {"imperial list", " Steel Gr.: 12  |      fy (ksi) ", " Steel Grade    |   fy (ksi) "},
        {"design-time caption", " Steel Grades             fy (MPa) ",
         " Steel Grade    |   fy (MPa) "},
        {"short caption", "abc", " Steel Grade    | abc"},
        {"empty caption", "", " Steel Grade    | "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(pc::snapshotSteelGradesCaption(QString::fromUtf8(c.caption)),
                  QString::fromUtf8(c.shown));
    }
    InputPageState s = fullDesign();
    s.steelGradesCaption = ImperialGrades;
    EXPECT_EQ(pc::prepareInputPage(s).steelGradesCaption,
              QStringLiteral(" Steel Grade    |   fy (ksi) "));
}

TEST(PageSnapshot, SvgDocuments)
{
    struct Case
    {
        const char *row, *bytes;
        bool svg;
    };
    const Case cases[] = {
        {"bare svg", "<svg/>", true},
        {"declaration, comment and namespace",
         "<?xml version=\"1.0\"?>\n<!-- pair -->\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
         "width=\"10\" height=\"10\"><rect width=\"5\" height=\"5\"/></svg>\n",
         true},
        {"other root", "<html><svg/></html>", false},
        {"cut short", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect", false},
        {"unclosed root", "<svg>", false},
        {"empty", "", false},
        {"text", "QZ 18 sketch", false},
        {"png bytes", "\x89PNG\r\n\x1a\n", false},
        {"similar name", "<svgx/>", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(pc::isSvgDocument(QByteArray(c.bytes)), c.svg);
    }
}

TEST(PageSnapshot, ReadingTheSketchFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir d(dir.path());
    const QByteArray drawing(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>");
    auto write = [&d](const char *name, const QByteArray &bytes) {
        QFile f(d.filePath(QString::fromUtf8(name)));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write("good.svg", drawing));
    ASSERT_TRUE(write("text.svg", "not a drawing"));
    ASSERT_TRUE(write("empty.svg", QByteArray()));
    ASSERT_TRUE(d.mkdir(QStringLiteral("folder.svg")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.filePath(QStringLiteral("fifo.svg"))).constData(), 0600),
              0);
    {
        QFile big(d.filePath(QStringLiteral("big.svg")));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(pc::MaxSketchBytes + 1));
    }

    struct Case
    {
        const char *row, *name, *failure;
    };
    const Case cases[] = {
        {"a drawing", "good.svg", ""},
        {"missing file", "none.svg", "The file does not exist."},
        {"missing folder", "none/good.svg", "The file does not exist."},
        {"a folder", "folder.svg", "It is not a regular file."},
        {"a FIFO without writer", "fifo.svg", "It is not a regular file."},
        {"too large", "big.svg", "The file is too large for a sketch."},
        {"not a drawing", "text.svg", "The file is not an SVG picture."},
        {"empty file", "empty.svg", "The file is not an SVG picture."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        const pc::SketchRead r = pc::readSketchFile(d.filePath(QString::fromUtf8(c.name)));
        EXPECT_EQ(r.failure, QString::fromUtf8(c.failure));
        EXPECT_EQ(r.svg, c.failure[0] ? QByteArray() : drawing);
    }
}

} // namespace
