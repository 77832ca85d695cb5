#include "script_player.h"

#include "binders.h"
#include "gui_session.h"
#include "widgets.h"
#include "window/app.h"
#include "windows.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>

namespace pc::gui {

using form::ActionResult;
using form::Control;
using form::Kind;

namespace {

// The key a character is typed with.
Qt::Key keyOf(QChar ch)
{
    switch (ch.unicode()) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 10:
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        break;
    }
    const char16_t u = ch.toUpper().unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || u == u' ' || u == u'.' ||
        u == u',' || u == u'-' || u == u'+')
        return static_cast<Qt::Key>(u);
    return Qt::Key_unknown;
}

// The point at the middle of a widget's rectangle `r`.
QPoint middle(const QRect &r)
{
    return r.center();
}

// Where a person clicks a widget: a check box or a radio button on its mark
// (the toolkit takes only clicks on the mark or the text), anything else in
// its middle.
QPoint clickPoint(const QWidget *w)
{
    if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w))
        return QPoint(std::min(8, w->width() / 2), w->height() / 2);
    return w->rect().center();
}

// Events are delivered with the toolkit's own event delivery, as the window
// system's would be after it found the widget under the pointer or with the
// focus. Successive presses are far enough apart never to make a double click.
ulong eventTime = 0;

// A press of the mouse button first puts the focus on the first widget from
// the one pressed outwards that takes the focus on a click, unless the
// widget's focus lies on the way there, as the toolkit does for the real mouse.
void focusOnPress(QWidget *w, QPoint pos)
{
    for (QWidget *x = w; x; x = x->parentWidget()) {
        const QWidget *proxy = x;
        while (proxy->focusProxy())
            proxy = proxy->focusProxy();
        const auto takesClick = [](const QWidget *y) {
            return (y->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
        };
        if (x->isEnabled() && x->rect().contains(pos) && takesClick(x) && takesClick(proxy)) {
            x->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (x->isWindow() || proxy->hasFocus())
            return;
        pos += x->pos();
    }
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton, buttons,
                  Qt::NoModifier);
    eventTime += 1000;
    e.setTimestamp(eventTime);
    QCoreApplication::sendEvent(w, &e);
}

// A click of the left button at `pos` of w: focus, press, release. A handler
// run by the press may take the widget away; the release then goes nowhere.
void clickAt(QWidget *w, QPoint pos)
{
    const QPointer<QWidget> alive(w);
    focusOnPress(w, pos);
    if (!alive)
        return;
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    if (alive)
        sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

// One key typed into w: pressed and released.
void typeKey(QWidget *w, QChar ch)
{
    const QPointer<QWidget> alive(w);
    const Qt::Key code = keyOf(ch);
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(w, &press);
    if (!alive)
        return;
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(w, &release);
}

// Lets the window system's answers in until `done` holds or `ms` passed.
template <typename Condition> void waitFor(Condition done, int ms)
{
    const QDeadlineTimer deadline(ms);
    QCoreApplication::processEvents();
    while (!done() && !deadline.hasExpired()) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
}

const std::pair<int, const char *> PagePictures[] = {
    {0, "input"}, {1, "summary"}, {2, "rates"}, {3, "chart"}};

} // namespace

WidgetScriptTarget::WidgetScriptTarget(QString screenshotDir)
    : screenshotDir_(std::move(screenshotDir))
{}

WidgetScriptTarget::~WidgetScriptTarget() = default;

void WidgetScriptTarget::attach(App &app)
{
    app_ = &app;
    Session::Options o;
    o.forwardActivation = false;
    session_ = std::make_unique<Session>(app, o);
}

void WidgetScriptTarget::detach(App &)
{
    session_.reset();
    app_ = nullptr;
}

QWidget *WidgetScriptTarget::widgetOf(const Control &c) const
{
    return session_->widgetFor(c);
}

void WidgetScriptTarget::ready() const
{
    session_->flush();
    QCoreApplication::processEvents();
    MainWindow &w = session_->mainWindow();
    if (!w.isHidden() && !w.isActiveWindow()) {
        w.activateWindow();
        // A window manager answers in its own time; the script goes on with
        // an inactive window after that (the focus then stays the model's).
        waitFor([&w] { return w.isActiveWindow(); }, 2000);
    }
    session_->flush();
}

void WidgetScriptTarget::done()
{
    session_->flush();
    if (screenshotDir_.isEmpty())
        return;
    if (!session_->aboutWindow().isHidden())
        save(&session_->aboutWindow(), QStringLiteral("about"), true);
    if (!session_->tableWindow().isHidden())
        save(&session_->tableWindow(), QStringLiteral("table"), true);
}

void WidgetScriptTarget::save(QWidget *w, const QString &name, bool once)
{
    if (once && saved_.count(name))
        return;
    saved_.insert(name);
    QCoreApplication::processEvents();
    QDir().mkpath(screenshotDir_);
    w->grab().save(QDir(screenshotDir_).filePath(name + QStringLiteral(".png")));
}

void WidgetScriptTarget::focus(form::Form &form, Control &c)
{
    QWidget *w = widgetOf(c);
    if (form.focused() == &c || !w)
        return;
    w->setFocus(Qt::MouseFocusReason);
    // The toolkit moves no focus it already has; the model's focus goes
    // there all the same.
    if (form.focused() != &c) {
        form.userEnter(c);
        session_->afterUserAction();
    }
}

ActionResult WidgetScriptTarget::enter(form::Form &form, Control &c)
{
    if (const ActionResult r = form.enterCheck(c); r != ActionResult::Done)
        return r;
    ready();
    focus(form, c);
    done();
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::leave(form::Form &form)
{
    ready();
    Control *was = form.focused();
    if (!was)
        return ActionResult::Done;
    // The focus goes to the page the control lies on (or the window).
    Control *to = form.pageOf(*was);
    if (!to && was != &form.window())
        to = &form.window();
    if (QWidget *w = to ? widgetOf(*to) : nullptr)
        w->setFocus(Qt::OtherFocusReason);
    if (form.focused() == was) {
        form.userLeave();
        session_->afterUserAction();
    }
    done();
    return ActionResult::Done;
}

QLineEdit *WidgetScriptTarget::focusedEdit(form::Form &form, Control &c)
{
    ready();
    focus(form, c);
    return qobject_cast<QLineEdit *>(widgetOf(c));
}

ActionResult WidgetScriptTarget::typeKeys(form::Form &form, Control &c, const QString &text)
{
    if (const ActionResult r = form.editCheck(c); r != ActionResult::Done)
        return r;
    QLineEdit *edit = focusedEdit(form, c);
    for (QChar ch : edit ? text : QString()) {
        // A handler may have moved the focus away or disabled the field: the
        // rest of the keys go nowhere.
        if (form.focused() != &c || !form.reachable(c))
            break;
        // Each key lands at the end of the text.
        edit->deselect();
        edit->end(false);
        typeKey(edit, ch);
    }
    done();
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::type(form::Form &form, Control &c, const QString &text)
{
    return typeKeys(form, c, text);
}

ActionResult WidgetScriptTarget::key(form::Form &form, Control &c, QChar key)
{
    return typeKeys(form, c, QString(key));
}

ActionResult WidgetScriptTarget::replace(form::Form &form, Control &c, const QString &text)
{
    if (const ActionResult r = form.editCheck(c); r != ActionResult::Done)
        return r;
    QLineEdit *edit = focusedEdit(form, c);
    if (edit && form.focused() == &c && form.reachable(c)) {
        // Select all, then paste (or delete, for no text).
        edit->selectAll();
        if (text.isEmpty())
            edit->del();
        else
            edit->insert(text);
    }
    done();
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::select(form::Form &form, Control &c, int index)
{
    if (&c == form.pageControl())
        return page(form, index);
    if (const ActionResult r = form.selectCheck(c, index); r != ActionResult::Done)
        return r;
    ready();
    QWidget *w = widgetOf(c);
    if (auto *list = qobject_cast<QListView *>(w)) {
        const QModelIndex item = list->model() ? list->model()->index(index, 0) : QModelIndex();
        list->scrollTo(item);
        clickAt(list->viewport(), middle(list->visualRect(item)));
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        // The press on the box gives it the focus first (the field left runs
        // its exit handler, which may refill the box); the list opens as the
        // toolkit opens it, without the drop-down event that a script asks
        // for with `dropdown`; then the item is clicked, if it is still there.
        focusOnPress(combo, combo->rect().center());
        if (combo->isEnabled() && combo->isVisible() && index < combo->count()) {
            combo->QComboBox::showPopup();
            QAbstractItemView *view = combo->view();
            const QModelIndex item = view->model()->index(index, 0);
            view->scrollTo(item);
            clickAt(view->viewport(), middle(view->visualRect(item)));
            if (view->isVisible())
                combo->hidePopup();
        }
    } else if (auto *group = qobject_cast<RadioGroupBox *>(w)) {
        clickAt(group->button(index), clickPoint(group->button(index)));
    } else if (auto *bar = qobject_cast<QTabBar *>(w)) {
        clickAt(bar, middle(bar->tabRect(index)));
    }
    done();
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::dropDown(form::Form &form, Control &c)
{
    if (const ActionResult r = form.dropDownCheck(c); r != ActionResult::Done)
        return r;
    ready();
    if (auto *combo = qobject_cast<QComboBox *>(widgetOf(c))) {
        combo->showPopup();
        combo->hidePopup();
    }
    done();
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::click(form::Form &form, Control &c)
{
    if (const ActionResult r = form.clickCheck(c); r != ActionResult::Done)
        return r;
    ready();
    QObject *o = session_->binderFor(c) ? session_->binderFor(c)->object() : nullptr;
    if (auto *menu = qobject_cast<QMenu *>(o)) {
        // An entry with a submenu: the submenu opens and closes again.
        menu->popup(session_->mainWindow().mapToGlobal(QPoint(0, 0)));
        menu->hide();
    } else if (auto *action = qobject_cast<QAction *>(o)) {
        action->trigger();
    } else if (auto *w = qobject_cast<QWidget *>(o)) {
        clickAt(w, clickPoint(w));
    }
    done();
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::page(form::Form &form, int index)
{
    if (const ActionResult r = form.pageCheck(index); r != ActionResult::Done)
        return r;
    Control *pc = form.pageControl();
    ready();
    if (auto *tabs = qobject_cast<QTabWidget *>(widgetOf(*pc)))
        clickAt(tabs->tabBar(), middle(tabs->tabBar()->tabRect(index)));
    done();
    if (!screenshotDir_.isEmpty() && app_ && pc->activePageIndex() == index)
        for (const auto &[i, name] : PagePictures)
            if (i == index)
                save(&session_->mainWindow(), QString::fromLatin1(name), false);
    return ActionResult::Done;
}

ActionResult WidgetScriptTarget::mouse(form::Form &form, Control &c, int x, int y)
{
    if (const ActionResult r = form.check(c); r != ActionResult::Done)
        return r;
    ready();
    QWidget *w = widgetOf(c);
    // Grids and the chart take the pointer on their viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
        w = area->viewport();
    if (w) {
        const QPointF pos(x, y);
        QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    done();
    return ActionResult::Done;
}

void WidgetScriptTarget::close(App &)
{
    ready();
    session_->mainWindow().close();
    done();
}

std::optional<std::string> WidgetScriptTarget::shown(const Control &c, form::Property p) const
{
    session_->flush();
    const Binder *b = session_->binderFor(c);
    return b ? b->shown(p) : std::nullopt;
}

} // namespace pc::gui
