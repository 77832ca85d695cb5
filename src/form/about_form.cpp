#include "form/about_form.h"

#include "catalogue/sample_notice.h"

namespace pc::form {

namespace {
const QString AboutCaption = QStringLiteral(" Pilecorr About");
const QString AboutVersionDesignText = QStringLiteral("Version ");
const QString EmailLabel = QStringLiteral("e-mail  ");
// The support address is the program's own; it is not a maker's.
const QString SupportAddress = QStringLiteral("pilecorr-support@example.org");
const QString EmailLinkHint = QStringLiteral("Click to send an e-mail to ...");
const QString SampleNoticeLine = QStringLiteral(
    "The sample catalogue is computed from idealised geometry; it is not a maker's data.");
// The authorship spot's hint, shown once per run.
const QString AuthorLine =
    QStringLiteral(" Pilecorr: written for the designers of sheet pile walls ");

void place(Control &c, int left, int top, int width, int height)
{
    c.setLeft(left);
    c.setTop(top);
    c.setWidth(width);
    c.setHeight(height);
}
} // namespace

AboutForm::AboutForm() : Form(QStringLiteral("AboutBox"))
{
    add(TPilecorrAboutBox, nullptr);
    for (Control *c : {&LogoShape, &Copyright, &Version, &LblSampleNotice, &Lbl_Author, &LblEmail,
                       &LblEmailLink, &OKButton})
        add(*c, &TPilecorrAboutBox);
    for (Control *c : controls())
        c->setShowHint(true);
    TPilecorrAboutBox.setCaption(AboutCaption);
    TPilecorrAboutBox.setVisible(false);
    TPilecorrAboutBox.setWidth(337);
    TPilecorrAboutBox.setHeight(254);
    TPilecorrAboutBox.setAlphaBlend(200);

    // Design positions in pixels at 96 pixels per inch; the mail link and
    // its label are placed when the box is shown.
    place(LogoShape, 0, 0, 337, 56);
    place(Version, 10, 60, 317, 16);
    place(Copyright, 10, 78, 317, 80);
    place(LblSampleNotice, 10, 160, 317, 30);
    place(OKButton, 131, 220, 75, 25);
    place(Lbl_Author, 4, 239, 11, 11);
    place(LblEmail, 10, 195, 60, 16);
    place(LblEmailLink, 70, 195, 200, 16);

    Copyright.setFontColor(clGreen);
    Version.setCaption(AboutVersionDesignText);
    Version.setFontColor(clNavy);
    LblSampleNotice.setCaption(SampleNoticeLine);
    LblSampleNotice.setHint(SampleCatalogueNotice);
    Lbl_Author.setHint(AuthorLine);
    LblEmail.setCaption(EmailLabel);
    LblEmail.setFontColor(clGreen);
    LblEmailLink.setCaption(SupportAddress);
    LblEmailLink.setFontColor(clBlue);
    LblEmailLink.setHint(EmailLinkHint);
    OKButton.setCaption(QStringLiteral("OK"));
}

} // namespace pc::form
