#pragma once
// The clipboard picture of the active page ("C&opy to Clipboard"). On the
// input page it hides the input controls for a moment and shows the sketch
// of the section, so it writes the main window and the section label.

class QString;

#include "window/window_parts.h"

namespace pc {

class SnapshotHandlers
{
public:
    // `catalogueFolder`: where the sketches of an installed program lie.
    SnapshotHandlers(Platform &p, form::MainForm &f, RunState &s, const QString &catalogueFolder)
        : p(p), f(f), s(s), catalogueFolder(catalogueFolder)
    {}

    void MenuCopyClick();

private:
    Platform &p;
    form::MainForm &f;
    RunState &s;
    const QString &catalogueFolder;
};

void wireSnapshot(form::MainForm &f, SnapshotHandlers &snapshot);

} // namespace pc
