#pragma once
// The four windows of the program, each built from its .ui file. They hold
// no logic: the binders connect their widgets to the model, and the few
// events a window itself receives go to the session.

#include "ui_about_box.h"
#include "ui_life_curve_window.h"
#include "ui_main_window.h"
#include "ui_splash.h"
#include "ui_table_window.h"

#include <QDialog>
#include <QMainWindow>
#include <QWidget>

#include <memory>

class QTimer;

namespace pc::gui {
class LifeChartDrawing;
}

namespace pc::gui {

class Session;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Session &session);
    Ui::TForm1 ui;

protected:
    // The close button: the program's close handling, then the end.
    void closeEvent(QCloseEvent *event) override;
    // Keeps the banner at the right end of the menu bar.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Session &session_;
};

class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    SplashWindow();
    Ui::TPilecorrSplashScreenBox ui;
    QTimer *timer;
};

class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *owner);
    Ui::TPilecorrAboutBox ui;

protected:
    // Escape closes the box as its close button does, so the program knows
    // it is gone and the next "About" shows it again.
    void reject() override;
};

class TableWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TableWindow(QWidget *owner);
    Ui::TForm2 ui;

protected:
    // Escape closes the window as its close button does.
    void keyPressEvent(QKeyEvent *event) override;
};

// The service life curve window. The chart follows the picture the model
// holds; the mouse over it reports the year under it.
class LifeCurveWindow : public QWidget
{
    Q_OBJECT
public:
    LifeCurveWindow(Session &session, QWidget *owner);
    ~LifeCurveWindow() override;
    Ui::TFormLife ui;
    // Draws the model's chart picture again.
    void redraw();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The close button and Escape hide the window; the model hears of it.
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Session &session_;
    std::unique_ptr<LifeChartDrawing> drawing_;
};

// The fonts of a window: the named family when the system has it, else the
// system's own sans font.
QFont familyFont(const QString &family, qreal pointSize);

} // namespace pc::gui
