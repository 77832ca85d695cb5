#pragma once
// Design files: "Open design ..." and "Save design ..." of the File menu.
// Opening enters the file's inputs as a user would, through the main form's
// user entry points, so the design files see the main form and the state
// but none of the window's handlers.

#include "output/design_file.h"
#include "window/window_parts.h"

#include <QString>

#include <optional>

namespace pc {

class DesignFileHandlers
{
public:
    DesignFileHandlers(Platform &p, form::MainForm &f, RunState &s, const Catalogue &catalogue)
        : p(p), f(f), s(s), catalogue_(catalogue)
    {}

    void MenuOpenDesignClick();
    void MenuSaveDesignClick();
    // Every input of the window as a design file keeps it.
    Design currentDesign() const;
    // Opens the design file at `path` onto the window as a user would enter
    // it: nothing when it was opened; otherwise the refusal ("key: reason")
    // and the window is as it was. The command line calls this too.
    std::optional<QString> openDesign(const QString &path);
    // Writes the window's design to `path`, whole or not at all: nothing when
    // it was written, otherwise the reason.
    std::optional<QString> saveDesign(const QString &path);

private:
    const Catalogue &cat() const { return catalogue_; }

    Platform &p;
    form::MainForm &f;
    // Read, and handed to the face controls; the replay changes it only
    // through the handlers the user's entries run.
    RunState &s;
    const Catalogue &catalogue_;
};

void wireDesignFiles(form::MainForm &f, DesignFileHandlers &files);

} // namespace pc
