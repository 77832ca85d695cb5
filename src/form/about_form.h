#pragma once
// The about box (TPilecorrAboutBox): created hidden at start-up, shown by
// "&About ...". The driver reaches its controls as "AboutBox.<name>".

#include "form/form.h"

namespace pc::form {

class AboutForm : public Form
{
public:
    AboutForm();

    Control TPilecorrAboutBox{QStringLiteral("TPilecorrAboutBox"), Kind::Window};
    Control LogoShape{QStringLiteral("LogoShape"), Kind::Image};
    Control Copyright{QStringLiteral("Copyright"), Kind::Label};
    Control Version{QStringLiteral("Version"), Kind::Label};
    Control Lbl_Author{QStringLiteral("Lbl_Author"), Kind::Label};
    Control LblEmail{QStringLiteral("LblEmail"), Kind::Label};
    Control LblEmailLink{QStringLiteral("LblEmailLink"), Kind::Label};
    Control OKButton{QStringLiteral("OKButton"), Kind::Button};

    // Alpha transparency of the window (200 at design time).
    int alphaBlendValue = 200;
};

} // namespace pc::form
