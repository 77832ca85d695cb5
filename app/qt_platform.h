#pragma once
// The platform of the Qt program: real message boxes, file dialogs, beeps,
// locale, screen and font metrics.

#include "platform/platform.h"

#include <QRandomGenerator>

namespace pc {

class QtPlatform : public Platform
{
public:
    QtPlatform();

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
    void setClipboardDescription(const QString &jsonDescription) override;
    void openUrl(const QString &url) override;

private:
    QRandomGenerator random_;
};

} // namespace pc
