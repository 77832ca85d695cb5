#pragma once
// Plays a script's user actions on the real widgets through the toolkit: key
// presses into the edits, clicks on list items, buttons, radio buttons, tabs
// and menu entries, focus changes and pointer moves, and reads back what the
// widgets show. Dialogs are answered from the script's queue by the scripted
// platform, so no dialog waits for a person.

#include "driver/script_target.h"

#include <QString>

#include <memory>
#include <set>

class QLineEdit;
class QWidget;

namespace pc::gui {

class Session;

class WidgetScriptTarget : public driver::ScriptTarget
{
public:
    // With a folder, a picture of the main window is saved there each time
    // a page is chosen (input.png, summary.png, rates.png, chart.png), and
    // one of the about box and of the corrosion table window when they first
    // show (about.png, table.png).
    explicit WidgetScriptTarget(QString screenshotDir = QString());
    ~WidgetScriptTarget() override;

    Session *session() const { return session_.get(); }

    void attach(App &app) override;
    void detach(App &app) override;

    form::ActionResult enter(form::Form &form, form::Control &c) override;
    form::ActionResult leave(form::Form &form) override;
    form::ActionResult type(form::Form &form, form::Control &c, const QString &text) override;
    form::ActionResult key(form::Form &form, form::Control &c, QChar key) override;
    form::ActionResult replace(form::Form &form, form::Control &c, const QString &text) override;
    form::ActionResult select(form::Form &form, form::Control &c, int index) override;
    form::ActionResult dropDown(form::Form &form, form::Control &c) override;
    form::ActionResult click(form::Form &form, form::Control &c) override;
    form::ActionResult page(form::Form &form, int index) override;
    form::ActionResult mouse(form::Form &form, form::Control &c, int x, int y) override;
    void close(App &app) override;
    std::optional<std::string> shown(const form::Control &c, form::Property p) const override;

private:
    // The windows are up to date and the main window can take the focus.
    void ready() const;
    // After an action: pictures, if asked for.
    void done();
    QWidget *widgetOf(const form::Control &c) const;
    // Puts the focus on c through the toolkit, as a click or a tab would.
    void focus(form::Form &form, form::Control &c);
    form::ActionResult typeKeys(form::Form &form, form::Control &c, const QString &text);
    // The edit of c, with the focus on it.
    QLineEdit *focusedEdit(form::Form &form, form::Control &c);
    // Saves a picture of w as NAME.png; `once`: only the first time.
    void save(QWidget *w, const QString &name, bool once);

    QString screenshotDir_;
    std::set<QString> saved_;
    std::unique_ptr<Session> session_;
    App *app_ = nullptr;
};

} // namespace pc::gui
