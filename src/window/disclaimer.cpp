// The liability question asked once when the splash loses activation.

#include "window/app.h"

namespace pc {

namespace {

// Lines are separated by CR LF; continuation lines are indented.
const QString DisclaimerText = QStringLiteral(
    "September 2013\r\n"
    "\r\n"
    "This software simplifies the selection of a steel sheet pile section based on\r\n"
    "  the 'allowable steel stresses'. Before using it, make sure that this method\r\n"
    "  can be applied to your project. It can also take into account the loss of\r\n"
    "  steel due to corrosion.\r\n"
    "\r\n"
    "Notes\r\n"
    "Some sheet pile sections are not available in all steel grades.\r\n"
    "New sheet pile ranges are developed quite frequently; the latest updates are\r\n"
    "  on the maker's website.\r\n"
    "\r\n"
    "Liability\r\n"
    "This free software is provided 'as is', with no guarantee that it works on\r\n"
    "  every platform. By using it you agree that the maker cannot be held\r\n"
    "  liable for any possible error, misuse or misinterpretation.\r\n"
    "  Use it at your own risk.\r\n"
    "\r\n"
    "For more information visit our website or contact the technical department:\r\n"
    "  www.example.org/pilecorr\r\n"
    "  pilecorr-support@example.org\r\n"
    "\r\n"
    "Do you accept above liability clauses?");

} // namespace

bool App::askDisclaimer()
{
    return p.message(MessageKind::Question, ApplicationTitle, DisclaimerText) == MessageButton::Yes;
}

} // namespace pc
