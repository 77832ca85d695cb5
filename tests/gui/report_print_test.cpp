// The report printed by the Qt platform into a PDF file, read back with
// pdftotext: the page's texts and where they stand.

#include "app_fixture.h"
#include "qt_platform.h"
#include "small_tmpfs.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Word
{
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top-left corner
};

// The words of the PDF's first page with their boxes, as pdftotext -bbox
// writes them (an XHTML page of <word xMin=... >text</word>).
std::vector<Word> pdfWords(const QString &pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const bool finished = run.waitForFinished(60000);
    EXPECT_TRUE(finished);
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)"
        "</word>"));
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

std::vector<Word> wordsNamed(const std::vector<Word> &words, const QString &text)
{
    std::vector<Word> out;
    for (const Word &w : words)
        if (w.text == text)
            out.push_back(w);
    return out;
}

TEST(ReportPrint, ThePageOfAPdfPrinterHoldsTheReportInItsPlaces)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) is missing: scripts/install-deps installs it";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));

    // A message box would wait for a person: any that shows is closed and
    // counted, and none may show.
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++boxes;
            modal->close();
        }
    });
    closer.start(50);

    pc::QtPlatform platform;
    int dialogs = 0;
    QRectF paint; // the printable area in points
    double dpi = 0;
    platform.answerPrintDialogWith([&](QPrinter &printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        paint = printer.pageLayout().paintRectPoints();
        dpi = printer.resolution();
        return true;
    });
    pc::App a(platform);
    const pc::Catalogue c = pc::test::handlerCatalogue();
    a.catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
    a.start();
    ASSERT_FALSE(a.ended());
    a.f.userReplace(a.f.Edit_Moment, QStringLiteral("150"));
    a.f.userLeave();
    ASSERT_GT(a.s.factors.sfIni, 0);

    a.f.userClick(a.f.MenuPrint);
    ASSERT_EQ(dialogs, 1);
    EXPECT_EQ(boxes, 0);
    ASSERT_TRUE(QFile::exists(pdf));
    const std::vector<Word> words = pdfWords(pdf);
    ASSERT_FALSE(words.empty());

    // Printer pixels to points on the page.
    const double pt = 72.0 / dpi;
    const double s = dpi / 300.0;
    const double width = paint.width() / pt; // in pixels
    const double mx = std::round(width / 12);
    const double right = width - mx;
    const double tolerance = 3; // points: glyph boxes against the text's cell

    // The title centred between the margins, above the body.
    const auto title = wordsNamed(words, QStringLiteral("PILECORR"));
    ASSERT_EQ(title.size(), 1u);
    const double middle = paint.left() + (mx + right) / 2 * pt;
    EXPECT_NEAR((title[0].xMin + title[0].xMax) / 2, middle, tolerance);

    // Our notice above the top rule, starting 20 pixels (at 300 dpi) in.
    const auto notice = wordsNamed(words, QStringLiteral("Results"));
    ASSERT_EQ(notice.size(), 1u);
    EXPECT_LT(notice[0].yMax, title[0].yMin);
    EXPECT_GT(notice[0].xMin, paint.left() + (mx + 20 * s) * pt);
    EXPECT_LT(notice[0].xMin, paint.left() + (mx + 20 * s) * pt + 10);
    EXPECT_FALSE(wordsNamed(words, QStringLiteral("qualified")).empty());

    // The footer: the version ends 3 pixels inside the right margin, the
    // date (and time) starts 20 pixels inside the left one.
    const auto year = wordsNamed(words, QStringLiteral("2013"));
    ASSERT_EQ(year.size(), 1u);
    EXPECT_NEAR(year[0].xMax, paint.left() + (right - 3 * s) * pt, tolerance);
    EXPECT_GT(year[0].yMin, title[0].yMax + 300);

    // The section row: label at the margin, value right-aligned at the
    // value column, both on one line.
    const auto section = wordsNamed(words, QStringLiteral("Section"));
    ASSERT_FALSE(section.empty());
    const Word label = section.front();
    EXPECT_NEAR(label.xMin, paint.left() + mx * pt, 4);
    EXPECT_GT(label.yMin, title[0].yMax);

    // Every unit starts in one column, to the right of the values, whose
    // numbers end together.
    const std::vector<QString> units = {QStringLiteral("cm³/m"), QStringLiteral("cm²/m"),
                                        QStringLiteral("MPa"), QStringLiteral("kNm/m"),
                                        QStringLiteral("kg/m²")};
    std::vector<double> unitStarts;
    for (const QString &u : units) {
        const auto found = wordsNamed(words, u);
        ASSERT_FALSE(found.empty()) << u.toStdString();
        unitStarts.push_back(found.front().xMin);
    }
    for (double x : unitStarts)
        EXPECT_NEAR(x, unitStarts.front(), 0.5);
    // Wel 1000 cm³/m, A 100.0 cm²/m and M 150.0 kNm/m of the first section.
    const auto wel = wordsNamed(words, QStringLiteral("1000"));
    const auto area = wordsNamed(words, QStringLiteral("100.0"));
    const auto moment = wordsNamed(words, QStringLiteral("150.0"));
    ASSERT_EQ(wel.size(), 1u);
    ASSERT_EQ(area.size(), 1u);
    ASSERT_EQ(moment.size(), 1u);
    EXPECT_NEAR(wel[0].xMax, area[0].xMax, 1.5);
    EXPECT_NEAR(wel[0].xMax, moment[0].xMax, 1.5);
    EXPECT_NEAR(unitStarts.front() - wel[0].xMax, 30 * s * pt, tolerance);
    // Rows follow each other down the page in the table's order.
    EXPECT_LT(label.yMin, wel[0].yMin);
    EXPECT_LT(wel[0].yMin, area[0].yMin);
    EXPECT_LT(area[0].yMin, moment[0].yMin);
}

// A message box's text, closed as soon as it shows.
class MessageCatcher
{
public:
    MessageCatcher()
    {
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                if (auto *box = qobject_cast<QMessageBox *>(modal))
                    texts << box->text();
                modal->close();
            }
        });
        closer_.start(50);
    }
    QStringList texts;

private:
    QTimer closer_;
};

// The program printing into the PDF file `pdf`.
struct PdfPrintRun
{
    pc::QtPlatform platform;
    pc::App a{platform};

    explicit PdfPrintRun(const QString &pdf)
    {
        platform.answerPrintDialogWith([pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        const pc::Catalogue c = pc::test::handlerCatalogue();
        a.catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        a.start();
    }
};

// A PDF printed onto a full disk: the older file stays whole and a message
// names the file and the reason. The page used to be written into the file
// as it was drawn, which left it cut short, with no word.
TEST(ReportPrint, APdfOnAFullDiskKeepsTheOldFileAndSaysWhy)
{
    const pc::test::SmallTmpfs disk("size=64k");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    const QString pdf = disk.filePath(QStringLiteral("report.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("OLD GOOD");
    }
    ASSERT_TRUE(disk.fill(QStringLiteral("filler")));
    MessageCatcher messages;
    PdfPrintRun run(pdf);
    ASSERT_FALSE(run.a.ended());
    run.a.f.userClick(run.a.f.MenuPrint);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(
        QStringLiteral("The report could not be printed into ") + pdf + QStringLiteral(": ")))
        << messages.texts[0].toStdString();
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("OLD GOOD"));
}

// A PDF file that cannot be made (its folder is missing): one message, no
// file, and the program goes on.
TEST(ReportPrint, APdfFileThatCannotBeMadeIsReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("missing/report.pdf"));
    QStringList texts;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&texts] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                texts << box->text();
            modal->close();
        }
    });
    closer.start(50);

    pc::QtPlatform platform;
    platform.answerPrintDialogWith([&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    pc::App a(platform);
    const pc::Catalogue c = pc::test::handlerCatalogue();
    a.catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
    a.start();
    ASSERT_FALSE(a.ended());
    a.f.userClick(a.f.MenuPrint);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("The report could not be printed into ") + pdf +
                                    QStringLiteral(": ")))
        << texts[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(a.ended());
}

} // namespace
