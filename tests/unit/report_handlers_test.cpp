// The report's menu entries: the file dialog, writing the file whole or not
// at all, the print job and the stops before either.

#include "app_fixture.h"
#include "case_row.h"
#include "small_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using pc::test::RunningApp;

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A design with a moment, so that the loads and factors are in the report.
void design(RunningApp &r)
{
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("100"));
    r.f.userLeave();
    ASSERT_GT(r.a.s.factors.sfIni, 0);
}

TEST(ReportHandlers, PrintToFileAsksForATextFileAndWritesTheReport)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RunningApp r;
    design(r);
    const QString path = dir.filePath(QStringLiteral("design.txt"));
    r.p.queuePath(path);
    r.f.userClick(r.f.MenuPrintToFile);

    ASSERT_EQ(r.p.saveRequests().size(), 1u);
    const pc::SaveFileRequest &req = r.p.saveRequests().front();
    EXPECT_EQ(req.title, QStringLiteral("KW KR Stresses"));
    EXPECT_EQ(req.filter, QStringLiteral("Text files (*.txt)|*.txt"));
    EXPECT_EQ(req.defaultExt, QStringLiteral("txt"));
    EXPECT_TRUE(req.confirmOverwrite);
    EXPECT_TRUE(r.p.messages().empty());

    const QByteArray bytes = readBytes(path);
    const pc::ReportBuild build = pc::buildReportTable(r.a.report.reportInput());
    ASSERT_TRUE(build.table.has_value());
    EXPECT_EQ(bytes, pc::reportFileBytes(*build.table, r.a.about.Version.caption(),
                                         QStringLiteral("2013-09-30")));
    EXPECT_TRUE(bytes.contains(" Bending moment M:                         100.0 kNm/m\r\n"));
}

TEST(ReportHandlers, CancellingTheDialogWritesNothing)
{
    RunningApp r;
    r.p.queueButton(pc::MessageButton::Cancel);
    r.f.userClick(r.f.MenuPrintToFile);
    EXPECT_EQ(r.p.saveRequests().size(), 1u);
    EXPECT_EQ(r.p.pendingAnswers(), 0u);
    EXPECT_TRUE(r.p.messages().empty());
}

struct FailureCase
{
    const char *name;
    std::function<QString(const QTemporaryDir &)> prepare; // the path chosen
    const char *reason; // at the end of the message; empty: any reason
};

TEST(ReportHandlers, AFileThatCannotBeWrittenIsNamedWithTheReason)
{
    const FailureCase cases[] = {
        {"a folder",
         [](const QTemporaryDir &d) {
             const QString p = d.filePath(QStringLiteral("folder.txt"));
             QDir().mkdir(p);
             return p;
         },
         "it is a folder"},
        {"a FIFO",
         [](const QTemporaryDir &d) {
             const QString p = d.filePath(QStringLiteral("fifo.txt"));
             ::mkfifo(QFile::encodeName(p).constData(), 0600);
             return p;
         },
         "it is not a regular file"},
        {"a missing folder",
         [](const QTemporaryDir &d) { return d.filePath(QStringLiteral("missing/report.txt")); },
         ""},
    };
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        RunningApp r;
        const QString path = c.prepare(dir);
        r.p.queuePath(path);
        r.f.userClick(r.f.MenuPrintToFile);
        ASSERT_EQ(r.p.messages().size(), 1u) << c.name;
        const QString text = r.p.messages().front().text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("The report could not be written to ") + path +
                                    QStringLiteral(": ")))
            << c.name << ": " << text.toStdString();
        EXPECT_GT(text.size(),
                  QStringLiteral("The report could not be written to : ").size() + path.size())
            << c.name;
        if (*c.reason) {
            EXPECT_TRUE(text.endsWith(QString::fromUtf8(c.reason))) << c.name;
        }
        EXPECT_FALSE(QFileInfo(path).isFile()) << c.name;
    }
}

TEST(ReportHandlers, AReadOnlyFolderIsNamedAndNothingIsWritten)
{
    const pc::test::SmallTmpfs disk("size=8k,ro");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    const QString path = disk.filePath(QStringLiteral("report.txt"));
    RunningApp r;
    design(r);
    r.p.queuePath(path);
    r.f.userClick(r.f.MenuPrintToFile);
    ASSERT_EQ(r.p.messages().size(), 1u);
    const QString text = r.p.messages().front().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The report could not be written to ") + path +
                                QStringLiteral(": ")))
        << text.toStdString();
    EXPECT_TRUE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(ReportHandlers, AFullDiskKeepsTheOldReport)
{
    const pc::test::SmallTmpfs disk("size=8k");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    const QString path = disk.filePath(QStringLiteral("report.txt"));
    writeAll(path, "the report of yesterday\r\n");
    ASSERT_TRUE(disk.fill(QStringLiteral("filler")));

    RunningApp r;
    r.p.queuePath(path);
    r.f.userClick(r.f.MenuPrintToFile);
    ASSERT_EQ(r.p.messages().size(), 1u);
    EXPECT_TRUE(r.p.messages().front().text.startsWith(
        QStringLiteral("The report could not be written to ") + path));
    EXPECT_EQ(readBytes(path), QByteArray("the report of yesterday\r\n"));
    QStringList left = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("filler"), QStringLiteral("report.txt")}));
}

TEST(ReportHandlers, AnExistingFileIsReplacedWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    writeAll(path, QByteArray(20000, 'o'));
    RunningApp r;
    r.p.queuePath(path);
    r.f.userClick(r.f.MenuPrintToFile);
    EXPECT_TRUE(r.p.messages().empty());
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.startsWith(" Pilecorr."));
    EXPECT_FALSE(bytes.contains('o' + QByteArray(10, 'o')));
}

// A shown loss that is not a number stops both commands before their
// dialog or print job: one message, nothing output.
TEST(ReportHandlers, ALossThatIsNotANumberStopsTheReport)
{
    for (const bool print : {false, true}) {
        RunningApp r;
        r.f.Lbl_Summary_Front2.setCaption(QStringLiteral(" N/A "));
        if (print) {
            r.p.queueButton(pc::MessageButton::Ok);
            r.f.userClick(r.f.MenuPrint);
            EXPECT_EQ(r.p.printDialogs(), 1);
            EXPECT_TRUE(r.p.printedDescription().isEmpty());
        } else {
            r.p.queuePath(QStringLiteral("/nonexistent/never.txt"));
            r.f.userClick(r.f.MenuPrintToFile);
            EXPECT_TRUE(r.p.saveRequests().empty());
        }
        EXPECT_EQ(r.p.messageTexts(),
                  QStringList{QStringLiteral("' N/A ' is not a valid floating point value")})
            << print;
    }
}

nlohmann::json printed(const RunningApp &r)
{
    return nlohmann::json::parse(r.p.printedDescription().toStdString());
}

TEST(ReportHandlers, PrintingDrawsThePageOnThePrinterChosen)
{
    RunningApp r;
    design(r);
    r.p.queueButton(pc::MessageButton::Cancel);
    r.f.userClick(r.f.MenuPrint);
    EXPECT_TRUE(r.p.printedDescription().isEmpty()) << "cancelled";

    r.p.queueButton(pc::MessageButton::Ok);
    r.f.userClick(r.f.MenuPrint);
    ASSERT_FALSE(r.p.printedDescription().isEmpty());
    const nlohmann::json page = printed(r);
    EXPECT_EQ(page["title"], " Pilecorr ");
    EXPECT_EQ(page["lines"].size(), 2u);
    bool title = false, footer = false, moment = false;
    for (const auto &t : page["texts"]) {
        title |= t["text"] == "PILECORR" && t["bold"] == true && t["size"] == 12;
        footer |= t["text"] == "2013-09-30 , 12:00:00";
        moment |= t["text"] == " Bending moment M: ";
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(footer);
    EXPECT_TRUE(moment);
}

TEST(ReportHandlers, AnEmptySectionListPrintsAnEmptyPageButTheFileIsWritten)
{
    RunningApp r;
    // A list without even the no-match lines (the menu entries are disabled
    // whenever the list shows no section; the command itself still copes).
    r.f.LB_SSP.clearItems();
    r.p.queueButton(pc::MessageButton::Ok);
    r.a.report.MenuPrintClick();
    ASSERT_FALSE(r.p.printedDescription().isEmpty());
    const nlohmann::json page = printed(r);
    EXPECT_TRUE(page["texts"].empty());
    EXPECT_TRUE(page["lines"].empty());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("empty.txt"));
    r.p.queuePath(path);
    r.a.report.MenuPrintToFileClick();
    EXPECT_TRUE(readBytes(path).startsWith(" Pilecorr."));
}

// The entries work where the section list shows sections, and are off
// where it shows the no-match lines.
TEST(ReportHandlers, TheEntriesAreOffWithoutASection)
{
    RunningApp r;
    EXPECT_TRUE(r.f.MenuPrint.enabled());
    EXPECT_TRUE(r.f.MenuPrintToFile.enabled());
    r.f.userSelect(r.f.RG_SSP, 3);
    EXPECT_FALSE(r.f.MenuPrint.enabled());
    r.p.queueButton(pc::MessageButton::Ok);
    r.f.userClick(r.f.MenuPrint);
    EXPECT_EQ(r.p.printDialogs(), 0);
    EXPECT_TRUE(r.p.printedDescription().isEmpty());
}

} // namespace
