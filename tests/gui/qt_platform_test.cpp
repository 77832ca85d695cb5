// The Qt platform's clipboard and print dialog on the offscreen platform.

#include "qt_platform.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QMimeData>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

TEST(QtPlatform, ABitmapGoesOnTheClipboardAsAnImage)
{
    QImage page(64, 48, QImage::Format_RGB32);
    page.fill(Qt::red);
    pc::QtPlatform platform;
    platform.setClipboardBitmap(pngOf(page));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), page.size());
    EXPECT_EQ(copied.pixelColor(10, 10), QColor(Qt::red));
}

TEST(QtPlatform, AVectorPictureGoesOnTheClipboardWithItsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Graph.svg"));
    const QByteArray svg("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(svg);
    }
    pc::QtPlatform platform;
    platform.setClipboardPicture(path);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QStringLiteral("image/svg+xml")), svg);
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(data->urls().front().toLocalFile(), path);
}

// The dialog (and, without a printer, the warning before it) is answered by
// closing it; nothing is chosen then.
TEST(QtPlatform, ThePrintDialogChoosesNothingWhenItIsClosed)
{
    int dialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&dialogs] {
        if (auto *modal = QApplication::activeModalWidget()) {
            ++dialogs;
            if (auto *d = qobject_cast<QDialog *>(modal))
                d->reject();
            else
                modal->close();
        }
    });
    closer.start(50);
    pc::QtPlatform platform;
    EXPECT_FALSE(platform.choosePrinter());
    // Without a printer the warning comes first, then the dialog that still
    // offers a PDF file.
    EXPECT_EQ(dialogs, QPrinterInfo::availablePrinters().isEmpty() ? 2 : 1);
    // Without a printer installed no printer is kept for the report.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        EXPECT_EQ(platform.printer(), nullptr);
    }
}
