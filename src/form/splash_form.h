#pragma once
// The disclaimer splash (TPilecorrSplashScreenBox): shown first, fades out,
// asks the liability question once. The driver reaches its controls as
// "Splash.<name>".

#include "form/form.h"

namespace pc::form {

class SplashForm : public Form
{
public:
    SplashForm();

    Control TPilecorrSplashScreenBox{QStringLiteral("TPilecorrSplashScreenBox"), Kind::Window};
    Control Image1{QStringLiteral("Image1"), Kind::Image};
    Control Version{QStringLiteral("Version"), Kind::Label};

    // Alpha transparency of the window, 255 = opaque.
    int alphaBlendValue = 255;
};

} // namespace pc::form
