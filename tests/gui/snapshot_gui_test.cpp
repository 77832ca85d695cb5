// The clipboard picture of a page on the real window: a bitmap of the
// window's client area with the page at its place, and the same picture as
// SVG beside it.

#include "app_fixture.h"
#include "binders.h"
#include "gui_session.h"
#include "page_picture.h"
#include "qt_platform.h"
#include "windows.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The sketch of the handler tests' first section ("AA 10"): a red square, so
// that the picture shows where it lies.
const QByteArray RedSketch("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">"
                           "<rect width=\"100\" height=\"100\" fill=\"#ff0000\"/></svg>");

// The program on the Qt platform, started in a working folder of its own
// that holds the sketch.
struct QtRun
{
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    pc::QtPlatform p;
    pc::App a{p};
    std::unique_ptr<pc::gui::Session> session;

    QtRun()
    {
        QDir(dir.path()).mkdir(QStringLiteral("data"));
        QFile sketch(QDir(dir.path()).filePath(QStringLiteral("data/AA 10.svg")));
        if (!sketch.open(QIODevice::WriteOnly) || sketch.write(RedSketch) != RedSketch.size())
            ADD_FAILURE() << "cannot write the sketch";
        sketch.close();
        QDir::setCurrent(dir.path());
        const pc::Catalogue c = pc::test::handlerCatalogue();
        a.catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        session = std::make_unique<pc::gui::Session>(a, pc::gui::Session::Options{});
        pc::gui::takePagePicturesFrom(p, *session);
        a.start();
        session->afterUserAction();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&session->mainWindow()));
        session->flush();
    }
    ~QtRun()
    {
        session.reset();
        QDir::setCurrent(previousDir);
    }

    QWidget *widget(const pc::form::Control &c) const { return session->widgetFor(c); }

    // Where a page lies in the client area (below the menu bar).
    QPoint placeOf(QWidget *page) const
    {
        auto &w = session->mainWindow();
        return page->mapTo(&w, QPoint(0, 0)) - w.centralWidget()->mapTo(&w, QPoint(0, 0));
    }
};

struct Copied
{
    QImage bitmap;
    QByteArray png;
    QByteArray svg;
};

Copied clipboard()
{
    Copied c;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return c;
    c.png = data->data(QStringLiteral("image/png"));
    c.svg = data->data(QStringLiteral("image/svg+xml"));
    c.bitmap = QImage::fromData(c.png, "PNG").convertToFormat(QImage::Format_RGB32);
    return c;
}

// Whether every pixel of `r` in `image` is white.
bool blank(const QImage &image, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

int redPixels(const QImage &image, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) == qRgb(255, 0, 0);
    return n;
}

TEST(GuiSnapshot, AnotherPageIsCopiedAtItsPlaceWithTheRestBlank)
{
    QtRun run;
    auto &f = run.a.f;
    ASSERT_EQ(f.userPage(pc::form::MainForm::PageRates), pc::form::ActionResult::Done);
    run.session->afterUserAction();
    QGuiApplication::clipboard()->clear();
    f.MenuCopy.click();
    run.session->afterUserAction();

    const Copied c = clipboard();
    ASSERT_FALSE(c.bitmap.isNull());
    EXPECT_EQ(c.bitmap.size(), QSize(640, 549));
    // A program that asks the clipboard for an image gets the same bitmap.
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              c.bitmap);
    QWidget *page = run.widget(f.TabSheetRates);
    ASSERT_NE(page, nullptr);
    const QRect place(run.placeOf(page), page->size());
    ASSERT_TRUE(QRect(0, 0, 640, 549).contains(place));
    // The page as it shows, pixel for pixel, at its place.
    const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(c.bitmap.copy(place), shown);
    // Below the page (where the status bar lies) the picture is blank.
    EXPECT_TRUE(blank(c.bitmap, QRect(0, place.bottom() + 1, 640, 549 - place.bottom() - 1)));

    // The same picture as SVG, of the same size.
    QSvgRenderer svg(c.svg);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 640, 549));
}

TEST(GuiSnapshot, TheInputPageShowsTheSketchInPlaceOfTheSectionChoice)
{
    QtRun run;
    auto &f = run.a.f;
    ASSERT_EQ(f.PageControl1.activePageIndex(), pc::form::MainForm::PageInput);
    QWidget *sketchBox = run.widget(f.GB_SketchSsp);
    QWidget *families = run.widget(f.RG_SSP);
    ASSERT_NE(sketchBox, nullptr);
    ASSERT_NE(families, nullptr);
    const QRect sketchPlace(run.placeOf(sketchBox), sketchBox->size());
    QGuiApplication::clipboard()->clear();
    f.MenuCopy.click();
    run.session->afterUserAction();

    const Copied c = clipboard();
    ASSERT_FALSE(c.bitmap.isNull());
    EXPECT_EQ(c.bitmap.size(), QSize(640, 549));
    // The red sketch fills much of its box in the picture.
    EXPECT_GT(redPixels(c.bitmap, sketchPlace), sketchPlace.width() * sketchPlace.height() / 4);
    QSvgRenderer svg(c.svg);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 640, 549));
    EXPECT_TRUE(c.svg.contains(" AA 10 ")) << "the sketch box's caption";

    // The window is back: the section choice shows, the sketch box does not.
    EXPECT_TRUE(families->isVisible());
    EXPECT_FALSE(sketchBox->isVisible());
    EXPECT_TRUE(run.widget(f.Edit_WallLength)->isVisible());
}

} // namespace
