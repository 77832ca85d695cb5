#pragma once
// The platform of the Qt program: real message boxes, file and print
// dialogs, the clipboard, beeps, locale, screen and font metrics.

#include "platform/platform.h"

#include <QRandomGenerator>

#include <functional>
#include <memory>

class QPrinter;

namespace pc {

class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageButton message(MessageKind kind, const QString &caption, const QString &text) override;
    std::optional<QString> openFile(const OpenFileRequest &req) override;
    std::optional<QString> saveFile(const SaveFileRequest &req) override;
    void beep() override;
    void exclamationBeep() override;
    QChar decimalSeparator() const override;
    QChar systemDecimalSeparator() const override;
    int pixelsPerInch() const override;
    int osMajorVersion() const override;
    int textWidth(const QString &text, const FontSpec &font) const override;
    int textHeight(const QString &text, const FontSpec &font) const override;
    QString currentDirectory() const override;
    bool fileExists(const QString &path) const override;
    QDateTime now() const override;
    int randomInt(int low, int high) override;
    bool choosePrinter() override;
    std::unique_ptr<PageCanvas> beginPrintJob(const QString &title) override;
    QString shortDateText(const QDate &date) const override;
    QString longTimeText(const QTime &time) const override;
    void setClipboardBitmap(const QByteArray &png) override;
    void setClipboardPicture(const QString &path) override;
    void openUrl(const QString &url) override;
    std::optional<WindowPicture> pictureOfPage(int pageIndex, int width, int height) override;
    void setClipboardImage(const WindowPicture &picture) override;

    // Where the pictures of the main window's pages come from (the session
    // that shows the window); without it no picture can be made.
    using PagePictures =
        std::function<std::optional<WindowPicture>(int pageIndex, int width, int height)>;
    void setPagePictures(PagePictures pictures) { pagePictures_ = std::move(pictures); }

    // ---- The corrosion chart's outputs ----
    void previewChartPrint(const ChartPicture &chart) override;
    std::optional<QString> saveChartPicture(const ChartPicture &chart,
                                            const QString &path) override;
    void copyChartToClipboard(const ChartPicture &chart) override;

    // ---- The service life curve's outputs ----
    std::optional<QString> saveLifeChart(const LifeChartPicture &chart, const QString &path,
                                         PictureFormat format) override;
    void copyLifeCurve(const LifeChartPicture &chart, const QString &seriesText) override;

    // The printer chosen last in the print dialog (nothing before the first
    // choice); the report is printed on it.
    QPrinter *printer() const { return printer_.get(); }

    // Answers the print dialog instead of showing it (tests): called with
    // the printer to set up, true prints on it.
    void answerPrintDialogWith(std::function<bool(QPrinter &)> answer)
    {
        printDialogAnswer_ = std::move(answer);
    }

private:
    QRandomGenerator random_;
    std::unique_ptr<QPrinter> printer_;
    PagePictures pagePictures_;
    std::function<bool(QPrinter &)> printDialogAnswer_;
};

} // namespace pc
