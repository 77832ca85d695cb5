#include "case_row.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue_test_support.h"
#include "window/catalogue_locator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include <set>
#include <sys/stat.h>

namespace {

using pc::MessageButton;
using pc::MessageKind;

// Answers from queues and records what the locating loop asked.
class FakePlatform : public pc::Platform
{
public:
    QString cwd = QStringLiteral("/work/run");
    std::set<QString> files;           // paths that exist (besides real ones)
    bool realFiles = false;            // also ask the file system
    std::deque<MessageButton> answers; // an exhausted queue answers No
    std::deque<std::optional<QString>> chosen;

    struct Message
    {
        MessageKind kind;
        QString caption;
        QString text;
    };
    std::vector<Message> messages;
    std::vector<pc::OpenFileRequest> requests;

    MessageButton message(MessageKind kind, const QString &caption, const QString &text) override
    {
        messages.push_back({kind, caption, text});
        if (answers.empty())
            return MessageButton::No;
        const MessageButton b = answers.front();
        answers.pop_front();
        return b;
    }
    std::optional<QString> openFile(const pc::OpenFileRequest &req) override
    {
        requests.push_back(req);
        if (chosen.empty())
            return std::nullopt;
        // Copy the path out of the queue as a plain string: copying the
        // optional itself makes GCC's optimiser warn about an uninitialised
        // member of the empty case.
        const bool cancelled = !chosen.front().has_value();
        const QString path = cancelled ? QString() : *chosen.front();
        chosen.pop_front();
        if (cancelled)
            return std::nullopt;
        return path;
    }
    std::optional<QString> saveFile(const pc::SaveFileRequest &) override { return std::nullopt; }
    std::optional<pc::WindowPicture> pictureOfPage(int, int, int) override { return std::nullopt; }
    void setClipboardImage(const pc::WindowPicture &) override {}
    void beep() override {}
    void exclamationBeep() override {}
    QChar decimalSeparator() const override { return QLatin1Char('.'); }
    QChar systemDecimalSeparator() const override { return QLatin1Char('.'); }
    int pixelsPerInch() const override { return 96; }
    int osMajorVersion() const override { return 10; }
    int textWidth(const QString &text, const pc::FontSpec &) const override
    {
        return 7 * int(text.size());
    }
    int textHeight(const QString &, const pc::FontSpec &) const override { return 15; }
    QString currentDirectory() const override { return cwd; }
    bool fileExists(const QString &path) const override
    {
        return files.count(path) > 0 || (realFiles && QFile::exists(path));
    }
    QDateTime now() const override { return {}; }
    int randomInt(int low, int) override { return low; }
    bool choosePrinter() override { return false; }
    std::unique_ptr<pc::PageCanvas> beginPrintJob(const QString &) override { return nullptr; }
    QString shortDateText(const QDate &) const override { return {}; }
    QString longTimeText(const QTime &) const override { return {}; }
    void setClipboardBitmap(const QByteArray &) override {}
    void setClipboardPicture(const QString &) override {}
    void openUrl(const QString &) override {}
    void previewChartPrint(const pc::ChartPicture &) override {}
    std::optional<QString> saveChartPicture(const pc::ChartPicture &, const QString &) override
    {
        return QStringLiteral("not here");
    }
    void copyChartToClipboard(const pc::ChartPicture &) override {}
    std::optional<QString> saveLifeChart(const pc::LifeChartPicture &, const QString &,
                                         PictureFormat) override
    {
        return QStringLiteral("not here");
    }
    void copyLifeCurve(const pc::LifeChartPicture &, const QString &) override {}
};

struct LocateCase
{
    const char *name;
    std::vector<QString> existing;
    std::vector<MessageButton> answers;
    std::vector<std::optional<QString>> chosen;
    std::optional<QString> expected;
    size_t questions; // Yes/No boxes shown
};

TEST(CatalogueLocator, ScriptedAnswers)
{
    const QString here = QStringLiteral("/work/run/SSP Pilecorr.pkd");
    const QString elsewhere = QStringLiteral("/data/SSP Pilecorr.pkd");
    const QString copy = QStringLiteral("/data/SSP Pilecorr copy.pkd");
    const QString lower = QStringLiteral("/data/ssp pilecorr.pkd");
    const QString prefixed = QStringLiteral("/data/OldSSP Pilecorr.pkd");
    const auto Yes = MessageButton::Yes;
    const auto No = MessageButton::No;
    const LocateCase cases[] = {
        {"file in the current directory", {here}, {}, {}, here, 0},
        {"missing, No ends", {}, {No}, {}, std::nullopt, 1},
        {"missing, Cancel ends", {}, {MessageButton::Cancel}, {}, std::nullopt, 1},
        {"Yes, wrongly named file, then No ends", {copy}, {Yes, No}, {copy}, std::nullopt, 2},
        {"Yes, dialog cancelled ends", {}, {Yes}, {std::nullopt}, std::nullopt, 1},
        {"Yes, file elsewhere accepted", {elsewhere}, {Yes}, {elsewhere}, elsewhere, 1},
        {"name compared case-sensitively",
         {lower, elsewhere},
         {Yes, Yes},
         {lower, elsewhere},
         elsewhere,
         2},
        {"right name, file gone", {}, {Yes, No}, {elsewhere}, std::nullopt, 2},
        {"only the end of the path is compared", {prefixed}, {Yes}, {prefixed}, prefixed, 1},
    };
    for (const auto &c : cases) {
        FakePlatform p;
        p.files.insert(c.existing.begin(), c.existing.end());
        p.answers.assign(c.answers.begin(), c.answers.end());
        p.chosen.assign(c.chosen.begin(), c.chosen.end());
        EXPECT_EQ(pc::locateCatalogueFile(p), c.expected) << c.name;
        ASSERT_EQ(p.messages.size(), c.questions) << c.name;
        for (const auto &m : p.messages) {
            EXPECT_EQ(m.kind, MessageKind::Error) << c.name;
            EXPECT_EQ(m.caption, QStringLiteral(" Pilecorr 2.5.0.3 ")) << c.name;
            EXPECT_EQ(m.text, QStringLiteral("Unable to find the file \"SSP Pilecorr.pkd\" or "
                                             "corrupted file.\r\nWould you like to browse your "
                                             "computer for the file?\r\nClick \"No\" to exit "
                                             "application."))
                << c.name;
        }
        for (const auto &r : p.requests) {
            EXPECT_EQ(r.initialDir, p.cwd) << c.name;
            EXPECT_EQ(r.fileName, QStringLiteral("SSP Pilecorr.pkd")) << c.name;
            EXPECT_EQ(r.filter, QStringLiteral("Data files only (*.pkd)|*.pkd")) << c.name;
            EXPECT_TRUE(r.readOnlyShown && r.readOnlyChecked && r.mustExist) << c.name;
        }
    }
}

// A catalogue named on the command line comes before the working
// directory's; a missing one leads to the usual question.
TEST(CatalogueLocator, ACatalogueNamedAtStart)
{
    const QString here = QStringLiteral("/work/run/SSP Pilecorr.pkd");
    const QString named = QStringLiteral("/data/old catalogue.pkd");
    const QString folder = QStringLiteral("/data");
    const QString inFolder = QStringLiteral("/data/SSP Pilecorr.pkd");
    const QString browsed = QStringLiteral("/else/SSP Pilecorr.pkd");
    struct Case
    {
        const char *name;
        QString given;
        std::vector<QString> existing;
        std::vector<MessageButton> answers;
        std::optional<QString> expected;
        size_t questions;
    };
    const Case cases[] = {
        {"a file of any name, before the working directory's", named, {named, here}, {}, named, 0},
        {"a folder holding the catalogue", folder, {inFolder, here}, {}, inFolder, 0},
        {"missing: the question, not the working directory's", named, {here}, {}, std::nullopt, 1},
        {"missing, then browsed to", named, {browsed}, {MessageButton::Yes}, browsed, 1},
    };
    for (const Case &c : cases) {
        FakePlatform p;
        p.files.insert(c.existing.begin(), c.existing.end());
        p.answers.assign(c.answers.begin(), c.answers.end());
        p.chosen.push_back(browsed);
        EXPECT_EQ(pc::locateCatalogueFile(p, c.given), c.expected) << c.name;
        EXPECT_EQ(p.messages.size(), c.questions) << c.name;
    }
}

TEST(CatalogueLoader, LoadsOrReportsCorruption)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/SSP Pilecorr.pkd");
    const QByteArray good = pc::writeCatalogue(pc::test::smallFixture());

    struct Case
    {
        const char *name;
        QByteArray contents; // empty: no file
        std::vector<MessageButton> answers;
        bool loads;
        bool corruptionShown;
    } const cases[] = {
        {"good file", good, {}, true, false},
        {"last byte missing", good.left(good.size() - 1), {}, false, true},
        {"empty file", QByteArray(""), {}, false, true},
        {"no file, user ends", QByteArray(), {MessageButton::No}, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        QFile::remove(path);
        if (!c.contents.isNull()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.contents);
        }
        FakePlatform p;
        p.cwd = dir.path();
        p.realFiles = true;
        p.answers.assign(c.answers.begin(), c.answers.end());
        const auto catalogue = pc::loadCatalogue(p);
        EXPECT_EQ(catalogue.has_value(), c.loads) << c.name;
        const bool shown = !p.messages.empty() && p.messages.back().kind == MessageKind::Plain &&
                           p.messages.back().text ==
                               QStringLiteral("\"SSP Pilecorr.pkd\" file seems to be corrupted. "
                                              "Reinstall original file.") &&
                           p.messages.back().caption == QStringLiteral(" Pilecorr 2.5.0.3 ");
        EXPECT_EQ(shown, c.corruptionShown) << c.name;
        if (catalogue) {
            EXPECT_EQ(catalogue->SectionCount(), 6) << c.name;
        }
    }
}

// An installed program looks in its data folder when the working directory
// holds no catalogue, and says where it looked when neither does.
TEST(CatalogueLocator, InstalledProgramLooksInItsDataFolderAfterTheWorkingDirectory)
{
    const QString installed = pc::installedDataFolder(QStringLiteral("/opt/pc/bin"));
    EXPECT_EQ(installed, QStringLiteral("/opt/pc/share/pilecorr"));
    const QString inCwd = QStringLiteral("/work/run/SSP Pilecorr.pkd");
    const QString inData = QStringLiteral("/opt/pc/share/pilecorr/SSP Pilecorr.pkd");
    const QString notFound =
        QStringLiteral("Unable to find the file \"SSP Pilecorr.pkd\" or corrupted file.\r\n"
                       "Would you like to browse your computer for the file?\r\n"
                       "Click \"No\" to exit application.");
    struct Case
    {
        const char *name;
        std::set<QString> files;
        QStringList folders;
        std::optional<QString> found;
        QString question; // empty: none asked
    } const cases[] = {
        {"working directory first", {inCwd, inData}, {installed}, inCwd, {}},
        {"then the data folder", {inData}, {installed}, inData, {}},
        {"neither: the question names both",
         {},
         {installed},
         std::nullopt,
         notFound + QStringLiteral("\r\n\r\nLooked in:\r\n/work/run\r\n/opt/pc/share/pilecorr")},
        {"no data folder: the question as it stands", {}, {}, std::nullopt, notFound},
    };
    for (const auto &c : cases) {
        FakePlatform p;
        p.files = c.files;
        const std::optional<QString> found = pc::locateCatalogueFile(p, QString(), c.folders);
        EXPECT_EQ(found, c.found) << c.name;
        if (c.question.isEmpty()) {
            EXPECT_TRUE(p.messages.empty()) << c.name;
        } else {
            ASSERT_EQ(p.messages.size(), 1u) << c.name;
            EXPECT_EQ(p.messages[0].text, c.question) << c.name;
        }
    }
}

// What a working directory may hold under the catalogue's name besides a
// file: none of them is read as a catalogue, none hangs the start (a FIFO
// would wait for a writer for ever), and the user is told.
TEST(CatalogueLoader, ANameThatIsNoFileEndsTheStartWithAMessage)
{
    struct Case
    {
        const char *name;
        std::function<bool(const QString &path)> make;
    } const cases[] = {
        {"a folder", [](const QString &path) { return QDir().mkdir(path); }},
        {"a link to itself",
         [](const QString &path) { return QFile::link(QStringLiteral("SSP Pilecorr.pkd"), path); }},
        {"a FIFO",
         [](const QString &path) {
             return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
         }},
        {"a link to a folder",
         [](const QString &path) { return QFile::link(QStringLiteral("/"), path); }},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(c.make(dir.filePath(QStringLiteral("SSP Pilecorr.pkd")))) << c.name;
        FakePlatform p;
        p.cwd = dir.path();
        p.realFiles = true;
        EXPECT_FALSE(pc::loadCatalogue(p).has_value()) << c.name;
        EXPECT_FALSE(p.messages.empty()) << c.name;
    }
}

} // namespace
