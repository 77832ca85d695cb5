// The splash that frames the start of a run: it fades out and asks the
// liability question once. It belongs to the program's lifecycle, which may
// end the run there.

#include "window/app.h"
#include "window/wiring.h"

namespace pc {

namespace {

constexpr int SplashLastTick = 7;
constexpr int SplashAlphaStep = 20;

} // namespace

void App::closeSplash()
{
    splash.Timer1.setEnabled(false);
    splash.hide();
}

void App::Timer1Timer()
{
    if (splash.tickCount >= SplashLastTick)
        return;
    ++splash.tickCount;
    form::Control &box = splash.TPilecorrSplashScreenBox;
    box.setAlphaBlend(box.alphaBlend() - SplashAlphaStep);
    if (splash.tickCount == SplashLastTick)
        closeSplash();
}

void App::SplashFormClick()
{
    closeSplash();
}

void App::SplashFormDeactivate()
{
    // Only while the splash fades; the question is asked once, and the
    // splash is gone once it is answered.
    if (!splash.Timer1.enabled() || splash.disclaimerAsked)
        return;
    splash.disclaimerAsked = true;
    if (options.askDisclaimer && !askDisclaimer()) {
        endProgram(0);
        return;
    }
    closeSplash();
}

void wireSplash(App &a)
{
    a.splash.Timer1.onTimer = [&a] { a.Timer1Timer(); };
    a.splash.TPilecorrSplashScreenBox.onClick = [&a] { a.SplashFormClick(); };
    a.splash.Image1.onClick = [&a] { a.SplashFormClick(); };
    a.splash.TPilecorrSplashScreenBox.onDeactivate = [&a] { a.SplashFormDeactivate(); };
}

} // namespace pc
