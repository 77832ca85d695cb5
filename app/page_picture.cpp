#include "page_picture.h"

#include "binders.h"
#include "gui_session.h"
#include "qt_platform.h"
#include "window/app.h"
#include "windows.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace pc::gui {

namespace {

// Draws the page into `device` at `at`, on a blank client area.
bool drawPage(QPaintDevice &device, QWidget &page, const QPoint &at, const QSize &size)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    page.render(&painter, at, QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

} // namespace

std::optional<WindowPicture> pictureOfPage(Session &session, int pageIndex, int width, int height)
{
    // The page shows what the model holds now (the snapshot changes the input
    // page just before its picture). Where the program took the focus away,
    // the toolkit's goes too, so that no field hidden for the picture hands
    // it on to another as if the user had moved it.
    if (!session.app().f.focused()) {
        ProgramUpdate update;
        if (QWidget *focus = QApplication::focusWidget())
            focus->clearFocus();
    }
    session.flush();
    MainWindow &window = session.mainWindow();
    QWidget *page = window.ui.PageControl1->widget(pageIndex);
    if (!page || width <= 0 || height <= 0)
        return std::nullopt;
    const QSize size(width, height);
    // The client area starts where the menu bar ends: at the widget that
    // holds the page control (which a small screen puts in a scroll area).
    const QPoint at = page->mapTo(window.ui.PageControl1->parentWidget(), QPoint(0, 0));

    WindowPicture picture;
    picture.width = width;
    picture.height = height;

    QImage image(size, QImage::Format_RGB32);
    if (image.isNull() || !drawPage(image, *page, at, size))
        return std::nullopt;
    QBuffer png(&picture.png);
    if (!png.open(QIODevice::WriteOnly) || !image.save(&png, "PNG"))
        return std::nullopt;

    QBuffer svg(&picture.svg);
    if (!svg.open(QIODevice::WriteOnly))
        return std::nullopt;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    // The window is laid out at 96 pixels per inch: pasted, the drawing has
    // the size the window has on such a screen.
    generator.setResolution(96);
    generator.setTitle(window.windowTitle().trimmed());
    if (!drawPage(generator, *page, at, size))
        return std::nullopt;
    return picture;
}

void takePagePicturesFrom(QtPlatform &platform, Session &session)
{
    platform.setPagePictures([&session](int pageIndex, int width, int height) {
        return pictureOfPage(session, pageIndex, width, height);
    });
}

} // namespace pc::gui
