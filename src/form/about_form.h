#pragma once
// The about box (TPilecorrAboutBox): created hidden at start-up, shown by
// "&About ...". The driver reaches its controls as "AboutBox.<name>".

#include "form/form.h"

namespace pc::form {

class AboutForm : public Form
{
public:
    AboutForm();

    // Alpha transparency 200 at design time; each show draws a new one.
    Control TPilecorrAboutBox{QStringLiteral("TPilecorrAboutBox"), Kind::Window};
    Control LogoShape{QStringLiteral("LogoShape"), Kind::Image};
    Control Copyright{QStringLiteral("Copyright"), Kind::Label};
    Control Version{QStringLiteral("Version"), Kind::Label};
    // What the shipped catalogue is, in one line; its hint says it in full.
    Control LblSampleNotice{QStringLiteral("LblSampleNotice"), Kind::Label};
    Control Lbl_Author{QStringLiteral("Lbl_Author"), Kind::Label};
    Control LblEmail{QStringLiteral("LblEmail"), Kind::Label};
    Control LblEmailLink{QStringLiteral("LblEmailLink"), Kind::Label};
    Control OKButton{QStringLiteral("OKButton"), Kind::Button};
};

} // namespace pc::form
