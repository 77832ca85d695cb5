#pragma once
// The disclaimer splash (TPilecorrSplashScreenBox): shown first, fades out,
// asks the liability question once. The driver reaches its controls as
// "Splash.<name>".

#include "form/form.h"

#include <cstdint>

namespace pc::form {

class SplashForm : public Form
{
public:
    SplashForm();

    // Its alpha transparency starts at 255 (opaque).
    Control TPilecorrSplashScreenBox{QStringLiteral("TPilecorrSplashScreenBox"), Kind::Window};
    Control Image1{QStringLiteral("Image1"), Kind::Image};
    Control Version{QStringLiteral("Version"), Kind::Label};
    // Stopped at creation; the start-up starts it once every window exists.
    Control Timer1{QStringLiteral("Timer1"), Kind::Timer};

    static constexpr int TimerIntervalMs = 500;
    // Ticks of Timer1 since the program started.
    uint16_t tickCount = 0;
    // The liability question has been asked (it is asked at most once).
    bool disclaimerAsked = false;
};

} // namespace pc::form
