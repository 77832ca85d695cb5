#pragma once
// The about box: its notice, its centred mail row and the hint timing of the
// authorship spot. It writes only its own window and the hint timing.

#include "window/window_parts.h"

namespace pc {

// Hints of the whole application: the pause before a hint shows and how long
// it stays, in ms (the toolkit's defaults until start-up and the about box
// change them).
struct HintTiming
{
    int pause = 500;
    int hidePause = 0;
};

class AboutBoxHandlers
{
public:
    AboutBoxHandlers(Platform &p, form::AboutForm &about, HintTiming &hints)
        : p(p), about(about), hints(hints)
    {}

    void MenuAboutClick();
    void AboutFormShow();
    void AboutFormDeactivate();
    void OKButtonClick();
    void LblEmailLinkClick();
    void Lbl_AuthorMouseMove(int x, int y);
    void Lbl_AuthorMouseLeave();

private:
    Platform &p;
    form::AboutForm &about;
    HintTiming &hints;
};

void wireAboutBox(form::MainForm &f, form::AboutForm &about, AboutBoxHandlers &box);

} // namespace pc
