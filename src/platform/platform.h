#pragma once
// Everything the handlers ask of the outside world. The Qt program implements
// it with real dialogs; the command line and the tests use ScriptedPlatform,
// which answers from a queue and records what was asked.

#include "output/corrosion_chart.h"
#include "output/life_chart.h"

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace pc {

enum class MessageButton { Ok, Cancel, Yes, No };

enum class MessageKind {
    Plain,    // message with OK
    Error,    // error box with Yes and No
    Question, // question without icon, Yes and No, No is the default
};

struct OpenFileRequest
{
    QString title;
    QString initialDir;
    QString fileName;
    QString filter; // "Data files only (*.pkd)|*.pkd"
    bool readOnlyShown = false;
    bool readOnlyChecked = false;
    bool mustExist = true;
};

struct SaveFileRequest
{
    QString title;
    QString fileName;
    QString filter;
    QString defaultExt;
    bool confirmOverwrite = true;
};

// A picture of the main window (the clipboard snapshot): the bitmap as PNG
// bytes and, beside it, the same picture as an SVG document.
struct WindowPicture
{
    int width = 0;
    int height = 0;
    QByteArray png;
    QByteArray svg;
};

struct FontSpec
{
    QString family = QStringLiteral("Segoe UI");
    double pointSize = 9;
    bool bold = false;
};

// ---- The printer's page ------------------------------------------------------
// One document of one page on the printer chosen last, in printer pixels.
// Text is black, drawn with a transparent background; (x, y) is the top-left
// corner of its line. end() finishes the document: false when the printer
// (or the file it prints to) could not take it.
class PageCanvas
{
public:
    virtual ~PageCanvas() = default;
    virtual int dotsPerInch() const = 0; // vertical resolution
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual int textWidth(const QString &text, const FontSpec &font) const = 0;
    virtual int textHeight(const QString &text, const FontSpec &font) const = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, int penWidth) = 0;
    virtual void drawText(int x, int y, const QString &text, const FontSpec &font) = 0;
    virtual bool end() = 0;
    // After a failed end(): the file printed into and why it does not hold
    // the page; empty when the printer gave no reason.
    virtual QString endFailure() const { return {}; }
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Message boxes; `caption` is the window title.
    virtual MessageButton message(MessageKind kind, const QString &caption,
                                  const QString &text) = 0;

    // File dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const OpenFileRequest &req) = 0;
    virtual std::optional<QString> saveFile(const SaveFileRequest &req) = 0;

    virtual void beep() = 0;            // default system beep
    virtual void exclamationBeep() = 0; // for a rejected keystroke

    // Number formats: the user's current decimal separator and the system
    // default locale's.
    virtual QChar decimalSeparator() const = 0;
    virtual QChar systemDecimalSeparator() const = 0;

    virtual int pixelsPerInch() const = 0;
    virtual int osMajorVersion() const = 0;

    // Text metrics in pixels of the given font.
    virtual int textWidth(const QString &text, const FontSpec &font) const = 0;
    virtual int textHeight(const QString &text, const FontSpec &font) const = 0;

    // Files and the clock.
    virtual QString currentDirectory() const = 0;
    virtual bool fileExists(const QString &path) const = 0;
    virtual QDateTime now() const = 0;

    // A random whole number in [low, high].
    virtual int randomInt(int low, int high) = 0;

    // The print dialog (one copy). It warns by itself when no printer is
    // installed. True when the user chose a printer to print on.
    virtual bool choosePrinter() = 0;

    // ---- Printing and dates (the report) ----
    // Begins a print job named `title` on the printer chosen last; nothing
    // when no printer was chosen or it cannot start.
    virtual std::unique_ptr<PageCanvas> beginPrintJob(const QString &title) = 0;
    // The user's short date and long time formats.
    virtual QString shortDateText(const QDate &date) const = 0;
    virtual QString longTimeText(const QTime &time) const = 0;

    // The clipboard: a bitmap given as PNG bytes, or a vector picture given
    // as the file that holds it.
    virtual void setClipboardBitmap(const QByteArray &png) = 0;
    virtual void setClipboardPicture(const QString &path) = 0;

    // The snapshot of the main window: a picture of its client area, width x
    // height pixels, with page `pageIndex` of the page control drawn at its
    // place in the window and the rest left blank; nothing when it cannot be
    // made. The window's pending changes are drawn first.
    virtual std::optional<WindowPicture> pictureOfPage(int pageIndex, int width, int height) = 0;
    // Puts the picture on the clipboard as one entry offering both the bitmap
    // and the SVG, so that a word processor pastes it sharp.
    virtual void setClipboardImage(const WindowPicture &picture) = 0;

    // The shell: opens an address such as "mailto:..." with the user's program.
    virtual void openUrl(const QString &url) = 0;

    // ---- The corrosion chart's outputs ----
    // The modal print preview of the chart (page set-up, the printer and the
    // printing itself happen in it).
    virtual void previewChartPrint(const ChartPicture &chart) = 0;
    // Saves the chart as an SVG picture, whole or not at all: nothing when it
    // was written, otherwise the reason.
    virtual std::optional<QString> saveChartPicture(const ChartPicture &chart,
                                                    const QString &path) = 0;
    // Puts the chart on the clipboard as an SVG picture and as a bitmap.
    virtual void copyChartToClipboard(const ChartPicture &chart) = 0;

    // ---- The service life curve's outputs ----
    // Saves the curve's chart as an SVG or PNG picture, whole or not at all:
    // nothing when it was written, otherwise the reason.
    enum class PictureFormat { Svg, Png };
    virtual std::optional<QString> saveLifeChart(const LifeChartPicture &chart, const QString &path,
                                                 PictureFormat format) = 0;
    // Puts the curve on the clipboard: the chart as a picture and the series
    // as text, in one entry.
    virtual void copyLifeCurve(const LifeChartPicture &chart, const QString &seriesText) = 0;
};

} // namespace pc
