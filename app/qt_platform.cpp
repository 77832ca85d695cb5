#include "qt_platform.h"

#include "chart_drawing.h"
#include "output/picture_file.h"

#include "window/app.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QOperatingSystemVersion>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSysInfo>
#include <QUrl>

#include <cmath>

namespace pc {

namespace {

// "Text files (*.txt)|*.txt|All files|*" -> "Text files (*.txt);;All files (*)":
// the description of each pair, with its patterns added when it lacks them.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (parts[i].contains(QLatin1Char('('))
                        ? parts[i]
                        : parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

// The named family where the system has it, else the system's own sans
// font, as the windows use them.
QFont qtFont(const FontSpec &spec)
{
    QFont font = QApplication::font();
    font.setFamilies({spec.family, QApplication::font().family()});
    font.setPointSizeF(spec.pointSize);
    font.setBold(spec.bold);
    return font;
}

QChar firstChar(const QString &s)
{
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

} // namespace

QtPlatform::QtPlatform() : random_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())) {}

QtPlatform::~QtPlatform() = default;

MessageButton QtPlatform::message(MessageKind kind, const QString &caption, const QString &text)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        // Above the splash, which stays on top while it fades.
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        break;
    }
    // Lines laid out by the program stay whole: the text is as wide as its
    // widest line, within the screen.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        const QScreen *screen = QGuiApplication::primaryScreen();
        const int room = screen ? screen->availableGeometry().width() * 4 / 5 : widest;
        label->setMinimumWidth(std::min(widest + 8, room));
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageButton::Yes;
    case QMessageBox::No:
        return MessageButton::No;
    case QMessageBox::Ok:
        return MessageButton::Ok;
    default:
        return MessageButton::Cancel;
    }
}

std::optional<QString> QtPlatform::openFile(const OpenFileRequest &req)
{
    QFileDialog dialog(nullptr, req.title, req.initialDir, qtFilter(req.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(req.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Qt has no read-only check box; a read-only dialog is the nearest.
    dialog.setOption(QFileDialog::ReadOnly, req.readOnlyShown && req.readOnlyChecked);
    if (!req.fileName.isEmpty())
        dialog.selectFile(req.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::saveFile(const SaveFileRequest &req)
{
    QFileDialog dialog(nullptr, req.title, QString(), qtFilter(req.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(req.defaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !req.confirmOverwrite);
    if (!req.fileName.isEmpty())
        dialog.selectFile(req.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::exclamationBeep()
{
    QApplication::beep();
}

QChar QtPlatform::decimalSeparator() const
{
    return firstChar(QLocale().decimalPoint());
}

QChar QtPlatform::systemDecimalSeparator() const
{
    return firstChar(QLocale::system().decimalPoint());
}

int QtPlatform::pixelsPerInch() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

int QtPlatform::osMajorVersion() const
{
    const int major = QOperatingSystemVersion::current().majorVersion();
    if (major > 0)
        return major;
    return QSysInfo::kernelVersion().section(QLatin1Char('.'), 0, 0).toInt();
}

int QtPlatform::textWidth(const QString &text, const FontSpec &font) const
{
    return QFontMetrics(qtFont(font)).horizontalAdvance(text);
}

int QtPlatform::textHeight(const QString &text, const FontSpec &font) const
{
    const QFontMetrics metrics(qtFont(font));
    return text.isEmpty() ? metrics.height() : metrics.boundingRect(text).height();
}

QString QtPlatform::currentDirectory() const
{
    return QDir::currentPath();
}

bool QtPlatform::fileExists(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

int QtPlatform::randomInt(int low, int high)
{
    if (high <= low)
        return low;
    return static_cast<int>(
        random_.bounded(static_cast<qint64>(low), static_cast<qint64>(high) + 1));
}

bool QtPlatform::choosePrinter()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        message(MessageKind::Plain, ApplicationTitle,
                QStringLiteral("No printer is installed. Install a printer to print."));
        return false;
    }
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
    QPrintDialog dialog(printer_.get());
    // One copy of a one-page report: nothing to choose but the printer.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::setClipboardBitmap(const QByteArray &png)
{
    QGuiApplication::clipboard()->setImage(QImage::fromData(png, "PNG"));
}

void QtPlatform::setClipboardPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    auto *data = new QMimeData;
    const QString suffix = QFileInfo(path).suffix().toLower();
    data->setData(suffix == QLatin1String("svg") ? QStringLiteral("image/svg+xml")
                                                 : QStringLiteral("image/x-emf"),
                  file.readAll());
    data->setUrls({QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())});
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtPlatform::openUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

// ---- The corrosion chart's outputs ----

void QtPlatform::previewChartPrint(const ChartPicture &chart)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&chart](QPrinter *target) {
                         QPainter painter(target);
                         gui::paintChart(painter, target->pageRect(QPrinter::DevicePixel), chart);
                     });
    dialog.exec();
}

std::optional<QString> QtPlatform::saveChartPicture(const ChartPicture &chart, const QString &path)
{
    return writePictureFile(path, gui::chartSvgBytes(chart));
}

void QtPlatform::copyChartToClipboard(const ChartPicture &chart)
{
    // The vector picture for programs that paste it sharp, the bitmap for
    // the others.
    auto *data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), gui::chartSvgBytes(chart));
    data->setImageData(gui::chartImage(chart));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace pc
