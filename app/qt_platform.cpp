#include "qt_platform.h"

#include "chart_drawing.h"
#include "life_chart_drawing.h"
#include "output/whole_file.h"

#include "window/app.h"

#include <QApplication>
#include <QBuffer>
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
#include <QTemporaryFile>
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

// A window that stays above the others while it shows (the splash while it
// fades), or nullptr.
QWidget *stayOnTopWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint) &&
            w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip &&
            !qobject_cast<QDialog *>(w))
            return w;
    return nullptr;
}

// A question or a dialog must be answerable: while a window that stays on top
// shows, the question stays on top too (a window manager stacks the one shown
// later above), and once it is on screen it is raised and given the focus, so
// that it neither lies under the splash nor waits without the keyboard.
void bringAboveOnShow(QDialog &dialog)
{
    if (stayOnTopWindow())
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    QMetaObject::invokeMethod(
        &dialog,
        [&dialog] {
            if (QGuiApplication::platformName() == QLatin1String("offscreen"))
                return;
            dialog.raise();
            dialog.activateWindow();
        },
        Qt::QueuedConnection);
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
        break;
    }
    bringAboveOnShow(box);
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
    bringAboveOnShow(dialog);
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
    bringAboveOnShow(dialog);
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
    // A regular file or a link to one, as the scripted platform answers: a
    // FIFO under the catalogue's name must not be opened (it would wait for
    // a writer), nor a device.
    return QFileInfo(path).isFile();
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
    if (printDialogAnswer_) {
        if (!printer_)
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setCopyCount(1);
        return printDialogAnswer_(*printer_);
    }
    // Without a printer the dialog still offers printing into a PDF file,
    // after the warning; a printer is kept only once it was chosen.
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    if (noPrinter)
        message(MessageKind::Plain, ApplicationTitle,
                QStringLiteral("No printer is installed. The report can still be printed into a "
                               "PDF file."));
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
    if (noPrinter && printer_->outputFormat() != QPrinter::PdfFormat)
        printer_->setOutputFormat(QPrinter::PdfFormat);
    QPrintDialog dialog(printer_.get());
    // One copy of a one-page report: nothing to choose but the printer.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    bringAboveOnShow(dialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (!chosen && noPrinter)
        printer_.reset();
    return chosen;
}

namespace {

// Printing into a PDF file writes the file while the page is drawn: on a
// full disk the chosen file was left cut short (an older one included) and
// nothing said so. The page goes into a temporary file instead, which then
// replaces the chosen file whole through the program's whole-file writer,
// or not at all. Printers and the preview are left as they are.
class PdfFileRedirect
{
public:
    explicit PdfFileRedirect(QPrinter &printer) : printer_(printer)
    {
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
            return;
        target_ = printer.outputFileName();
        scratch_.setFileTemplate(
            QDir(QDir::tempPath()).filePath(QStringLiteral("pilecorr-XXXXXX.pdf")));
        if (!scratch_.open()) {
            failure_ = QStringLiteral("no temporary file could be made: ") + scratch_.errorString();
            return;
        }
        scratch_.close();
        printer.setOutputFileName(scratch_.fileName());
    }
    ~PdfFileRedirect()
    {
        if (!target_.isEmpty())
            printer_.setOutputFileName(target_);
    }
    PdfFileRedirect(const PdfFileRedirect &) = delete;
    PdfFileRedirect &operator=(const PdfFileRedirect &) = delete;

    // Whether the page may be drawn: false when no temporary file could be made.
    bool ready() const { return failure_.isEmpty(); }

    // After the painter ended: nothing when the chosen file holds the page
    // (or no file was chosen), otherwise the file and the reason.
    std::optional<QString> finish()
    {
        if (target_.isEmpty())
            return std::nullopt;
        printer_.setOutputFileName(target_);
        if (!failure_.isEmpty())
            return target_ + QStringLiteral(": ") + failure_;
        constexpr qint64 MaxPdfBytes = qint64(256) << 20;
        const FileRead page = readRegularFile(scratch_.fileName(), MaxPdfBytes);
        if (page.fault != FileRead::None || page.bytes.isEmpty())
            return target_ + QStringLiteral(": the page could not be written (") +
                   (page.bytes.isEmpty() && page.fault == FileRead::None
                        ? QStringLiteral("it came out empty")
                        : fileReadReason(page)) +
                   QStringLiteral(")");
        if (const std::optional<QString> why = writeWholeFile(target_, page.bytes))
            return target_ + QStringLiteral(": ") + *why;
        return std::nullopt;
    }

private:
    QPrinter &printer_;
    QString target_;
    QTemporaryFile scratch_;
    QString failure_;
};

// The page of a QPrinter through a painter; the fonts take the printer's
// resolution from the painter's device.
class QtPageCanvas : public PageCanvas
{
public:
    explicit QtPageCanvas(QPrinter &printer) : printer_(printer), redirect_(printer) {}

    bool begin() { return redirect_.ready() && painter_.begin(&printer_); }
    int dotsPerInch() const override { return printer_.logicalDpiY(); }
    int pageWidth() const override { return printer_.width(); }
    int pageHeight() const override { return printer_.height(); }
    int textWidth(const QString &text, const FontSpec &font) const override
    {
        return QFontMetrics(qtFont(font), &printer_).horizontalAdvance(text);
    }
    int textHeight(const QString &, const FontSpec &font) const override
    {
        return QFontMetrics(qtFont(font), &printer_).height();
    }
    void drawLine(int x1, int y1, int x2, int y2, int penWidth) override
    {
        painter_.setPen(QPen(Qt::black, penWidth));
        painter_.drawLine(x1, y1, x2, y2);
    }
    void drawText(int x, int y, const QString &text, const FontSpec &font) override
    {
        const QFont f = qtFont(font);
        painter_.setFont(f);
        painter_.setPen(Qt::black);
        painter_.setBackgroundMode(Qt::TransparentMode);
        painter_.drawText(x, y + QFontMetrics(f, &printer_).ascent(), text);
    }
    bool end() override
    {
        const bool painted = painter_.end() && printer_.printerState() != QPrinter::Error;
        if (const std::optional<QString> why = redirect_.finish())
            failure_ = *why;
        return painted && failure_.isEmpty();
    }
    QString endFailure() const override { return failure_; }

private:
    QPrinter &printer_;
    PdfFileRedirect redirect_;
    QPainter painter_;
    QString failure_;
};

} // namespace

std::unique_ptr<PageCanvas> QtPlatform::beginPrintJob(const QString &title)
{
    if (!printer_)
        return nullptr;
    printer_->setDocName(title);
    auto canvas = std::make_unique<QtPageCanvas>(*printer_);
    if (!canvas->begin())
        return nullptr;
    return canvas;
}

QString QtPlatform::shortDateText(const QDate &date) const
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString QtPlatform::longTimeText(const QTime &time) const
{
    return QLocale().toString(time, QLocale::LongFormat);
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

std::optional<WindowPicture> QtPlatform::pictureOfPage(int pageIndex, int width, int height)
{
    if (!pagePictures_)
        return std::nullopt;
    return pagePictures_(pageIndex, width, height);
}

void QtPlatform::setClipboardImage(const WindowPicture &picture)
{
    auto *data = new QMimeData;
    data->setImageData(QImage::fromData(picture.png, "PNG"));
    data->setData(QStringLiteral("image/png"), picture.png);
    data->setData(QStringLiteral("image/svg+xml"), picture.svg);
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
    std::optional<QString> failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&chart, &failure](QPrinter *target) {
                         PdfFileRedirect redirect(*target);
                         if (redirect.ready()) {
                             QPainter painter(target);
                             gui::paintChart(painter, target->pageRect(QPrinter::DevicePixel),
                                             chart);
                         }
                         failure = redirect.finish();
                     });
    dialog.exec();
    if (failure)
        message(MessageKind::Plain, ApplicationTitle,
                QStringLiteral("The chart could not be printed into ") + *failure);
}

std::optional<QString> QtPlatform::saveChartPicture(const ChartPicture &chart, const QString &path)
{
    return writeWholeFile(path, gui::chartSvgBytes(chart));
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

// ---- The service life curve's outputs ----

std::optional<QString> QtPlatform::saveLifeChart(const LifeChartPicture &chart, const QString &path,
                                                 PictureFormat format)
{
    if (format == PictureFormat::Svg)
        return writeWholeFile(path, gui::lifeChartSvgBytes(chart));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!gui::lifeChartImage(chart).save(&buffer, "PNG"))
        return QStringLiteral("the picture could not be made");
    return writeWholeFile(path, png);
}

void QtPlatform::copyLifeCurve(const LifeChartPicture &chart, const QString &seriesText)
{
    auto *data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), gui::lifeChartSvgBytes(chart));
    data->setImageData(gui::lifeChartImage(chart));
    data->setText(seriesText);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace pc
