#pragma once
// The Qt program around one App: its four windows built from the .ui files,
// the binding of every named control to its widget, the keyboard focus
// between the toolkit and the model, the hint timing, and the end of the run.

#include "form/form.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace pc {
class App;
} // namespace pc

namespace pc::gui {

class Binder;
class WindowBinding;
class MainWindow;
class SplashWindow;
class AboutWindow;
class TableWindow;
class LifeCurveWindow;

// Brings a window to the front of the others.
void raiseWindow(QWidget *window);

class Session : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        // Windows that lose activation tell the model (the about box and the
        // corrosion table window then close). A script run leaves activation
        // alone, as the headless driver does: its actions never move it.
        bool forwardActivation = true;
    };

    Session(App &app, Options options);
    ~Session() override;

    App &app() const { return app_; }
    MainWindow &mainWindow() const { return *main_; }
    SplashWindow &splashWindow() const { return *splash_; }
    AboutWindow &aboutWindow() const { return *about_; }
    TableWindow &tableWindow() const { return *table_; }
    LifeCurveWindow &lifeCurveWindow() const { return *life_; }
    bool forwardsActivation() const { return options_.forwardActivation; }

    // Every window's binding (main window first).
    const std::vector<std::unique_ptr<WindowBinding>> &bindings() const { return bindings_; }
    Binder *binderFor(const form::Control &c) const;
    // The widget a control is shown by, or nullptr.
    QWidget *widgetFor(const form::Control &c) const;

    // Model changes wait for the next flush; one is posted when none is.
    void requestFlush();
    // Applies every pending model change to the widgets now.
    void flush();
    // After a user action went through the model: the widgets follow it,
    // the keyboard focus goes where the model put it, and a finished run
    // ends the event loop.
    void afterUserAction();
    // Puts the toolkit's keyboard focus on the control that has the model's.
    void syncFocus();
    // The splash stays above the other windows while it shows (also where no
    // window manager keeps it there).
    void keepOnTop();
    // Tab and Shift+Tab go through the main window's controls in the order of
    // its inventory (the model's registration order), whatever order the
    // widgets were made in; a radio group's buttons stand in its place.
    void orderTabChain();

signals:
    // The program ended (closed, or a start that could not go on).
    void ended(int exitCode);

private:
    void focusChanged(QWidget *old, QWidget *now);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void applyFontQuality();

    App &app_;
    Options options_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<LifeCurveWindow> life_;
    std::vector<std::unique_ptr<WindowBinding>> bindings_;
    bool flushPosted_ = false;
    bool lifeChartStale_ = true;
    bool endReported_ = false;
};

} // namespace pc::gui
