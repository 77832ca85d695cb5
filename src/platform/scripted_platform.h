#pragma once
// The platform of headless runs and tests: answers come from a queue, and
// everything the program shows or asks is recorded.
//
// Answers: one queue of buttons and file paths, in script order. A message
// box takes the front entry when it is a button (yes, no, ok or cancel);
// otherwise it returns its default: No for a question or an error box with
// Yes and No, OK for a plain message. A file dialog takes the front entry when
// it is a path (relative paths are taken from the working directory) or
// "cancel"; otherwise it is cancelled. The print dialog takes the front entry
// when it is a button (ok or yes print, cancel or no cancel); otherwise it is
// cancelled.
//
// The clipboard is recorded as the driver prints it:
// {"kind":"bitmap","width":W,"height":H} (read from the PNG header; 0 x 0 for
// bytes that are not a PNG image) or {"kind":"vector","path":...}. A picture
// of the window (bitmap with its SVG) is recorded as a bitmap of its size.
//
// Text metrics are deterministic so that layouts computed from them are the
// same on every machine: every character is 7 pixels wide in a 9-point font
// at 96 pixels per inch, scaled by point size / 9 and by pixels per inch / 96;
// a bold font is 10 % wider; the text height is pixels per inch x point size
// / 72 x 1.25 (15 pixels for 9 points at 96). Both are rounded half to even.
//
// The printer is an A4 page of 2480 x 3508 pixels at 300 dots per inch (the
// resolution can be set), with the same text metrics at its resolution. A
// finished print job is recorded as the driver prints it ($Printed):
// {"title":T,"dpi":D,"width":W,"height":H,"lines":[[x1,y1,x2,y2,pen],...],
//  "texts":[{"x":X,"y":Y,"text":S,"font":F,"size":P,"bold":B},...]}.
// Dates are written as 2013-09-30 and times as 12:00:00.
//
// The clock stands still at 30 September 2013, 12:00; the random generator
// starts from a fixed seed.

#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <variant>

namespace pc {

class ScriptedPlatform : public Platform
{
public:
    ScriptedPlatform();

    // Configuration.
    void setCurrentDirectory(const QString &dir) { cwd_ = dir; }
    void setDecimalSeparator(QChar c) { decimal_ = c; }
    void setSystemDecimalSeparator(QChar c) { systemDecimal_ = c; }
    void setPixelsPerInch(int ppi) { ppi_ = ppi; }
    void setPrinterDotsPerInch(int dpi) { printerDpi_ = dpi; }

    // The answer queue.
    void queueButton(MessageButton b) { answers_.emplace_back(b); }
    void queuePath(const QString &path) { answers_.emplace_back(path); }
    size_t pendingAnswers() const { return answers_.size(); }

    // Records.
    struct ShownMessage
    {
        MessageKind kind;
        QString caption;
        QString text;
        MessageButton answer;
    };
    const std::vector<ShownMessage> &messages() const { return messages_; }
    QStringList messageTexts() const;
    int beeps() const { return beeps_; }
    int exclamationBeeps() const { return exclamationBeeps_; }
    const std::vector<OpenFileRequest> &openRequests() const { return openRequests_; }
    const std::vector<SaveFileRequest> &saveRequests() const { return saveRequests_; }
    const QString &clipboardDescription() const { return clipboard_; }
    int printDialogs() const { return printDialogs_; }
    // The print job finished last, as JSON (empty before the first).
    const QString &printedDescription() const { return printed_; }
    const QStringList &openedUrls() const { return urls_; }

    // Platform.
    MessageButton message(MessageKind kind, const QString &caption, const QString &text) override;
    std::optional<QString> openFile(const OpenFileRequest &req) override;
    std::optional<QString> saveFile(const SaveFileRequest &req) override;
    void beep() override { ++beeps_; }
    void exclamationBeep() override { ++exclamationBeeps_; }
    QChar decimalSeparator() const override { return decimal_; }
    QChar systemDecimalSeparator() const override { return systemDecimal_; }
    int pixelsPerInch() const override { return ppi_; }
    int osMajorVersion() const override { return osMajor_; }
    int textWidth(const QString &text, const FontSpec &font) const override;
    int textHeight(const QString &text, const FontSpec &font) const override;
    QString currentDirectory() const override { return cwd_; }
    bool fileExists(const QString &path) const override;
    QDateTime now() const override { return now_; }
    int randomInt(int low, int high) override;
    bool choosePrinter() override;
    std::unique_ptr<PageCanvas> beginPrintJob(const QString &title) override;
    QString shortDateText(const QDate &date) const override;
    QString longTimeText(const QTime &time) const override;
    void setClipboardBitmap(const QByteArray &png) override;
    void setClipboardPicture(const QString &path) override;
    void openUrl(const QString &url) override { urls_ << url; }
    // A blank picture of the asked size (the SVG only names its size); the
    // clipboard records it as a bitmap of that size.
    std::optional<WindowPicture> pictureOfPage(int pageIndex, int width, int height) override;
    void setClipboardImage(const WindowPicture &picture) override;

    // The deterministic text metrics at `ppi` pixels per inch.
    static int textWidthAt(const QString &text, const FontSpec &font, int ppi);
    static int textHeightAt(const FontSpec &font, int ppi);

    // ---- The corrosion chart's outputs: each is recorded as one line,
    // "print preview", "picture NAME" (the name of the file written) or "clipboard", with
    // " (marker shadow on)" when the shadow was not switched off for it. The
    // picture is written as a plain SVG drawing; the clipboard is described as
    // {"kind":"chart","width":W,"height":H,"points":N}.
    const QStringList &chartOutputs() const { return chartOutputs_; }
    void previewChartPrint(const ChartPicture &chart) override;
    std::optional<QString> saveChartPicture(const ChartPicture &chart,
                                            const QString &path) override;
    void copyChartToClipboard(const ChartPicture &chart) override;

    // ---- The service life curve's outputs, recorded in chartOutputs() as
    // "life picture NAME" or "life clipboard". Without a painter the picture
    // is the plain SVG drawing, under either format's name; the clipboard is
    // described as {"kind":"life curve","years":N,"text":the series text}.
    std::optional<QString> saveLifeChart(const LifeChartPicture &chart, const QString &path,
                                         PictureFormat format) override;
    void copyLifeCurve(const LifeChartPicture &chart, const QString &seriesText) override;

private:
    friend class ScriptedPageCanvas;
    std::optional<QString> takeDialogAnswer();

    std::deque<std::variant<MessageButton, QString>> answers_;
    std::vector<ShownMessage> messages_;
    std::vector<OpenFileRequest> openRequests_;
    std::vector<SaveFileRequest> saveRequests_;
    int beeps_ = 0;
    int exclamationBeeps_ = 0;
    int printDialogs_ = 0;
    QString cwd_;
    QChar decimal_ = QLatin1Char('.');
    QChar systemDecimal_ = QLatin1Char('.');
    int ppi_ = 96;
    int osMajor_ = 10;
    QDateTime now_;
    uint64_t random_;
    QString clipboard_;
    int printerDpi_ = 300;
    QString printed_;
    QStringList urls_;
    QStringList chartOutputs_;
};

} // namespace pc
