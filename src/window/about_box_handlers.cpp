#include "window/about_box_handlers.h"

#include "form/about_form.h"
#include "form/main_form.h"
#include "platform/platform.h"
#include "units/rounding.h"

namespace pc {

namespace {

constexpr int AboutAlphaLow = 205;
constexpr int AboutAlphaHigh = 244;
constexpr int EmailRowAboveOk = 25;

// Hint timing while the pointer rests on the authorship spot, and for the
// rest of the run once it has left it.
constexpr int AuthorHintPause = 4000;
constexpr int AuthorHintHidePause = 2000;
constexpr int AfterAuthorHintPause = 1000;
constexpr int AfterAuthorHintHidePause = 1500;

// Six lines, each with a blank at both ends, separated by CR LF. The maker
// and the telephone number are the program's own (the number lies in a
// range reserved for fiction).
const QString AboutNotice = QStringLiteral(" Pilecorr project \r\n"
                                           " Sheet pile design tools \r\n"
                                           " No liability for any possible error. \r\n"
                                           " Changes possible without prior notice. \r\n"
                                           " Need help ? \r\n"
                                           " Phone +44 20 7946 0000 ");

const QString MailtoScheme = QStringLiteral("mailto:");

int roundedHalf(int v)
{
    return static_cast<int>(roundEven(static_cast<long double>(v) / 2));
}

} // namespace

void AboutBoxHandlers::MenuAboutClick()
{
    about.Copyright.setCaption(AboutNotice);
    about.TPilecorrAboutBox.setAlphaBlend(p.randomInt(AboutAlphaLow, AboutAlphaHigh));
    // The box shows over the centre of the main window (the Qt program
    // places it); showing a box that is already shown runs nothing more.
    if (about.shown())
        return;
    about.show();
    AboutFormShow();
}

void AboutBoxHandlers::AboutFormShow()
{
    // The mail address and its label form one centred row above the button.
    const FontSpec font;
    const int emailWidth = p.textWidth(about.LblEmail.caption(), font);
    const int linkWidth = p.textWidth(about.LblEmailLink.caption(), font);
    const int top = about.OKButton.top() - EmailRowAboveOk;
    about.LblEmailLink.setTop(top);
    about.LblEmail.setTop(top);
    about.LblEmail.setWidth(emailWidth);
    about.LblEmailLink.setWidth(linkWidth);
    about.LblEmail.setLeft(roundedHalf(about.TPilecorrAboutBox.width()) -
                           roundedHalf(linkWidth + emailWidth));
    about.LblEmailLink.setLeft(about.LblEmail.left() + emailWidth);
}

void AboutBoxHandlers::AboutFormDeactivate()
{
    about.hide();
}

void AboutBoxHandlers::OKButtonClick()
{
    about.hide();
}

void AboutBoxHandlers::LblEmailLinkClick()
{
    // Handed to the user's mail program; nothing is checked or reported.
    p.openUrl(MailtoScheme + about.LblEmailLink.caption());
}

void AboutBoxHandlers::Lbl_AuthorMouseMove(int, int)
{
    hints.pause = AuthorHintPause;
    hints.hidePause = AuthorHintHidePause;
}

void AboutBoxHandlers::Lbl_AuthorMouseLeave()
{
    hints.pause = AfterAuthorHintPause;
    hints.hidePause = AfterAuthorHintHidePause;
    // The authorship line shows once per run.
    about.Lbl_Author.setShowHint(false);
}

void wireAboutBox(form::MainForm &f, form::AboutForm &about, AboutBoxHandlers &box)
{
    f.MenuAbout.onClick = [&box] { box.MenuAboutClick(); };
    about.TPilecorrAboutBox.onDeactivate = [&box] { box.AboutFormDeactivate(); };
    about.OKButton.onClick = [&box] { box.OKButtonClick(); };
    about.LblEmailLink.onClick = [&box] { box.LblEmailLinkClick(); };
    about.Lbl_Author.onMouseMove = [&box](int x, int y) { box.Lbl_AuthorMouseMove(x, y); };
    about.Lbl_Author.onMouseLeave = [&box] { box.Lbl_AuthorMouseLeave(); };
}

} // namespace pc
