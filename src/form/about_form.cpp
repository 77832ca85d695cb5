#include "form/about_form.h"

namespace pc::form {

namespace {
const QString AboutCaption = QStringLiteral(" Pilecorr About");
const QString AboutVersionDesignText = QStringLiteral("Version ");
const QString EmailLabel = QStringLiteral("e-mail  ");
// The support address is the program's own; it is not a maker's.
const QString SupportAddress = QStringLiteral("pilecorr-support@example.org");
const QString EmailLinkHint = QStringLiteral("Click to send an e-mail to ...");
} // namespace

AboutForm::AboutForm() : Form(QStringLiteral("AboutBox"))
{
    add(TPilecorrAboutBox, nullptr);
    for (Control *c : {&LogoShape, &Copyright, &Version, &Lbl_Author, &LblEmail, &LblEmailLink,
                       &OKButton})
        add(*c, &TPilecorrAboutBox);
    for (Control *c : controls())
        c->setShowHint(true);
    TPilecorrAboutBox.setCaption(AboutCaption);
    TPilecorrAboutBox.setVisible(false);
    TPilecorrAboutBox.setWidth(337);
    TPilecorrAboutBox.setHeight(254);
    Copyright.setFontColor(clGreen);
    Version.setCaption(AboutVersionDesignText);
    Version.setFontColor(clNavy);
    Lbl_Author.setWidth(11);
    Lbl_Author.setHeight(11);
    LblEmail.setCaption(EmailLabel);
    LblEmail.setFontColor(clGreen);
    LblEmailLink.setCaption(SupportAddress);
    LblEmailLink.setFontColor(clBlue);
    LblEmailLink.setHint(EmailLinkHint);
    OKButton.setCaption(QStringLiteral("OK"));
}

} // namespace pc::form
