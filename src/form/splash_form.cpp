#include "form/splash_form.h"

namespace pc::form {

namespace {
const QString SplashVersionDesignText = QStringLiteral("Version ... ");
const QString White = QStringLiteral("#FFFFFF");
} // namespace

SplashForm::SplashForm() : Form(QStringLiteral("Splash"))
{
    add(TPilecorrSplashScreenBox, nullptr);
    add(Image1, &TPilecorrSplashScreenBox);
    add(Version, &TPilecorrSplashScreenBox);
    add(Timer1, &TPilecorrSplashScreenBox);
    TPilecorrSplashScreenBox.setVisible(false);
    TPilecorrSplashScreenBox.setWidth(450);
    TPilecorrSplashScreenBox.setHeight(359);
    Version.setCaption(SplashVersionDesignText);
    Version.setFontColor(White);
    Version.setFontBold(true);
    Timer1.setEnabled(false);
}

} // namespace pc::form
