// The scripted platform: answers from one queue, records, fixed metrics.

#include "platform/scripted_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace pc;

TEST(ScriptedPlatform, MessagesTakeQueuedButtonsOrTheirDefault)
{
    struct Case
    {
        const char *what;
        std::vector<MessageButton> queued;
        MessageKind kind;
        MessageButton expected;
    };
    const Case cases[] = {
        {"empty queue, question", {}, MessageKind::Question, MessageButton::No},
        {"empty queue, error box", {}, MessageKind::Error, MessageButton::No},
        {"empty queue, plain", {}, MessageKind::Plain, MessageButton::Ok},
        {"queued yes", {MessageButton::Yes}, MessageKind::Error, MessageButton::Yes},
        {"queued no before plain", {MessageButton::No}, MessageKind::Plain, MessageButton::No},
    };
    for (const Case &c : cases) {
        ScriptedPlatform p;
        for (MessageButton b : c.queued)
            p.queueButton(b);
        EXPECT_EQ(p.message(c.kind, QStringLiteral("cap"), QStringLiteral("t")), c.expected)
            << c.what;
        EXPECT_EQ(p.pendingAnswers(), 0u) << c.what;
    }
}

TEST(ScriptedPlatform, AnswersAreTakenInOrderAndPathsWaitForTheirDialog)
{
    ScriptedPlatform p;
    p.setCurrentDirectory(QStringLiteral("/runs/a"));
    p.queuePath(QStringLiteral("cat/SSP Pilecorr.pkd"));
    p.queueButton(MessageButton::Yes);
    // A message meets a path at the front: it takes its default and leaves it.
    EXPECT_EQ(p.message(MessageKind::Error, QString(), QStringLiteral("first")), MessageButton::No);
    EXPECT_EQ(p.openFile({}),
              std::optional<QString>(QStringLiteral("/runs/a/cat/SSP Pilecorr.pkd")));
    EXPECT_EQ(p.message(MessageKind::Error, QString(), QStringLiteral("second")),
              MessageButton::Yes);
    EXPECT_EQ(p.messageTexts(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

TEST(ScriptedPlatform, DialogsAreCancelledByCancelOrWhenNothingFits)
{
    ScriptedPlatform p;
    EXPECT_EQ(p.saveFile({}), std::nullopt); // empty queue
    p.queueButton(MessageButton::Cancel);
    p.queueButton(MessageButton::Yes);
    EXPECT_EQ(p.openFile({}), std::nullopt); // takes the cancel
    EXPECT_EQ(p.openFile({}), std::nullopt); // leaves the yes for a message
    EXPECT_EQ(p.pendingAnswers(), 1u);
    p.queuePath(QStringLiteral("/abs/out.txt"));
    p.message(MessageKind::Plain, QString(), QString());
    EXPECT_EQ(p.saveFile({}), std::optional<QString>(QStringLiteral("/abs/out.txt")));
    EXPECT_EQ(p.openRequests().size(), 2u);
    EXPECT_EQ(p.saveRequests().size(), 2u);
}

TEST(ScriptedPlatform, TextMetricsFollowTheDocumentedRule)
{
    struct Case
    {
        int ppi;
        double points;
        bool bold;
        const char *text;
        int width;
        int height;
    };
    const Case cases[] = {
        {96, 9, false, "XXXXXX", 42, 15}, {96, 9, false, "", 0, 15},
        {120, 9, false, "Mg", 18, 19},   // 17.5 rounds to even 18; 18.75 -> 19
        {96, 12, true, "abc", 31, 20},   // 30.8 -> 31; 20
        {144, 8, false, "abcd", 37, 20}, // 37.33 -> 37; 20
    };
    for (const Case &c : cases) {
        ScriptedPlatform p;
        p.setPixelsPerInch(c.ppi);
        FontSpec f;
        f.pointSize = c.points;
        f.bold = c.bold;
        EXPECT_EQ(p.textWidth(QString::fromUtf8(c.text), f), c.width) << c.text;
        EXPECT_EQ(p.textHeight(QString::fromUtf8(c.text), f), c.height) << c.text;
    }
}

TEST(ScriptedPlatform, RandomNumbersStayInRangeAndRepeatFromTheSeed)
{
    ScriptedPlatform a, b;
    std::vector<int> seenA, seenB;
    for (int i = 0; i < 200; ++i) {
        const int v = a.randomInt(205, 244);
        EXPECT_GE(v, 205);
        EXPECT_LE(v, 244);
        seenA.push_back(v);
        seenB.push_back(b.randomInt(205, 244));
    }
    EXPECT_EQ(seenA, seenB);
    EXPECT_GT(std::set<int>(seenA.begin(), seenA.end()).size(), 20u);
}

TEST(ScriptedPlatform, PrintDialogTakesAButtonOrIsCancelled)
{
    ScriptedPlatform p;
    EXPECT_FALSE(p.choosePrinter()); // nothing queued: cancelled
    p.queueButton(MessageButton::Ok);
    p.queueButton(MessageButton::Cancel);
    p.queuePath(QStringLiteral("/abs/report.txt"));
    EXPECT_TRUE(p.choosePrinter());
    EXPECT_FALSE(p.choosePrinter());
    EXPECT_FALSE(p.choosePrinter()); // a path is for a file dialog: it stays
    EXPECT_EQ(p.pendingAnswers(), 1u);
    EXPECT_EQ(p.printDialogs(), 4);
}

TEST(ScriptedPlatform, ClipboardIsRecordedAsTheDriverPrintsIt)
{
    // The header of a 640 x 549 PNG image: signature, IHDR length and type,
    // width and height big-endian.
    QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x02\x80\0\0\x02\x25", 24);
    ScriptedPlatform p;
    p.setClipboardBitmap(png);
    EXPECT_EQ(p.clipboardDescription(),
              QStringLiteral(R"({"kind":"bitmap","width":640,"height":549})"));
    p.setClipboardBitmap(QByteArray("not a picture"));
    EXPECT_EQ(p.clipboardDescription(),
              QStringLiteral(R"({"kind":"bitmap","width":0,"height":0})"));
    p.setClipboardPicture(QStringLiteral("/out/Graph \"1\".emf"));
    EXPECT_EQ(p.clipboardDescription(),
              QStringLiteral(R"({"kind":"vector","path":"/out/Graph \"1\".emf"})"));
}

TEST(ScriptedPlatform, APictureOfAPageIsABlankDrawingOfTheAskedSize)
{
    struct Case
    {
        const char *row;
        int page, width, height;
        const char *recorded;
    };
    const Case cases[] = {
        {"the main window", 0, 640, 549, R"({"kind":"bitmap","width":640,"height":549})"},
        {"another page and size", 3, 320, 200, R"({"kind":"bitmap","width":320,"height":200})"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        ScriptedPlatform p;
        const std::optional<WindowPicture> picture = p.pictureOfPage(c.page, c.width, c.height);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width, c.width);
        EXPECT_EQ(picture->height, c.height);
        EXPECT_TRUE(picture->svg.startsWith("<svg "));
        EXPECT_TRUE(picture->svg.contains(
            QStringLiteral("width=\"%1\" height=\"%2\"").arg(c.width).arg(c.height).toUtf8()));
        // Taking the picture puts nothing on the clipboard; putting it there does.
        EXPECT_EQ(p.clipboardDescription(), QString());
        p.setClipboardImage(*picture);
        EXPECT_EQ(p.clipboardDescription(), QString::fromUtf8(c.recorded));
    }
}

// The printer is an A4 page at the printer's resolution; what is drawn is
// recorded only once the document ends.
TEST(ScriptedPlatform, APrintJobIsRecordedWhenItEnds)
{
    struct Case
    {
        const char *name;
        int dpi, width, height, textWidth, textHeight;
    };
    // 7 pixels a character at 9 points and 96 pixels per inch; 1.25 x the
    // point size in height.
    const Case cases[] = {
        {"300 dpi", 300, 2480, 3508, 243, 52},
        {"600 dpi", 600, 4961, 7016, 486, 104},
    };
    for (const Case &c : cases) {
        pc::ScriptedPlatform p;
        p.setPrinterDotsPerInch(c.dpi);
        std::unique_ptr<pc::PageCanvas> page = p.beginPrintJob(QStringLiteral(" Job "));
        ASSERT_NE(page, nullptr) << c.name;
        EXPECT_EQ(page->dotsPerInch(), c.dpi) << c.name;
        EXPECT_EQ(page->pageWidth(), c.width) << c.name;
        EXPECT_EQ(page->pageHeight(), c.height) << c.name;
        pc::FontSpec font;
        font.family = QStringLiteral("Arial");
        font.pointSize = 10;
        EXPECT_EQ(page->textWidth(QStringLiteral("0123456789"), font), c.textWidth) << c.name;
        EXPECT_EQ(page->textHeight(QStringLiteral("Mg"), font), c.textHeight) << c.name;
        page->drawLine(1, 2, 3, 4, 5);
        page->drawText(10, 20, QStringLiteral("cm³"), font);
        EXPECT_TRUE(p.printedDescription().isEmpty()) << c.name;
        EXPECT_TRUE(page->end()) << c.name;
        EXPECT_EQ(p.printedDescription(),
                  QStringLiteral("{\"title\":\" Job \",\"dpi\":%1,\"width\":%2,\"height\":%3,"
                                 "\"lines\":[[1,2,3,4,5]],\"texts\":[{\"x\":10,\"y\":20,"
                                 "\"text\":\"cm³\",\"font\":\"Arial\",\"size\":10.0,"
                                 "\"bold\":false}]}")
                      .arg(c.dpi)
                      .arg(c.width)
                      .arg(c.height))
            << c.name;
    }
}
