#pragma once
// The platform of the Qt program: real message boxes, file and print
// dialogs, the clipboard, beeps, locale, screen and font metrics.

#include "platform/platform.h"

#include <QRandomGenerator>

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
    void setClipboardBitmap(const QByteArray &png) override;
    void setClipboardPicture(const QString &path) override;
    void openUrl(const QString &url) override;

    // ---- The corrosion chart's outputs ----
    void previewChartPrint(const ChartPicture &chart) override;
    std::optional<QString> saveChartPicture(const ChartPicture &chart,
                                            const QString &path) override;
    void copyChartToClipboard(const ChartPicture &chart) override;

    // The printer chosen last in the print dialog (nothing before the first
    // choice); the report is printed on it.
    QPrinter *printer() const { return printer_.get(); }

private:
    QRandomGenerator random_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace pc
