// Binders of windows, the page control, its pages and timers.

#include "binder_support.h"
#include "gui_session.h"
#include "widgets.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace pc::gui::detail {

namespace {

// The scroll area a main window's pages move into on a screen too small for
// the window.
const QString ScrolledClientName = QStringLiteral("scrolledClient");

// ---- Window -----------------------------------------------------------------

class WindowBinder : public Binder
{
public:
    WindowBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        widget()->installEventFilter(this);
    }

protected:
    std::vector<Property> properties() const override
    {
        return {P::Caption,    P::Hint,  P::ShowHint, P::Enabled,
                P::AlphaBlend, P::Width, P::Height,   P::Visible};
    }

    void apply(Property p) override
    {
        QWidget *w = widget();
        switch (p) {
        case P::Caption:
            w->setWindowTitle(control_.caption());
            break;
        case P::AlphaBlend:
            w->setWindowOpacity(control_.alphaBlend() / 255.0);
            break;
        case P::Width:
        case P::Height:
            if (control_.geometrySet(P::Width) && control_.geometrySet(P::Height))
                resizeClient(control_.width(), control_.height());
            break;
        case P::Visible:
            if (control_.visible() == !w->isHidden())
                break;
            if (control_.visible()) {
                place();
                w->show();
                raiseWindow(w);
                if (w->property("activateOnShow").toBool())
                    w->activateWindow();
                session_.keepOnTop();
                if (w->property("paintAtOnce").toBool()) {
                    // Shown and painted before anything else is created.
                    w->repaint();
                    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                }
            } else {
                w->hide();
            }
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Caption)
            return json(widget()->windowTitle());
        return shownCommon(p);
    }

    // Windows come and go in the order the program shows and hides them
    // (a question asked next stands above the window shown before it).
    bool immediate(Property p) const override { return p == P::Visible; }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o != object_)
            return false;
        if (e->type() == QEvent::WindowDeactivate && session_.forwardsActivation() &&
            control_.onDeactivate && !widget()->isHidden()) {
            run(control_.onDeactivate);
            userActed();
        } else if (e->type() == QEvent::Close && fromUser() && !widget()->isHidden()) {
            // A small window closed with its close button is only hidden.
            if (&control_ != &form_.window() || form_.prefix().isEmpty())
                return false;
            form_.hide();
            userActed();
        }
        return false;
    }

private:
    // The client area: below the menu bar of a main window. A window of
    // fixed size that the screen cannot hold (a small laptop screen at 150 %)
    // is made as large as the screen allows and its pages scroll inside it,
    // so that its title, its menus and its status bar stay within reach.
    void resizeClient(int width, int height)
    {
        QWidget *w = widget();
        auto *mw = qobject_cast<QMainWindow *>(w);
        int extra = 0;
        if (mw && mw->menuWidget())
            extra = mw->menuWidget()->sizeHint().height();
        QSize size(width, height + extra);
        if (!w->property("fixedSize").toBool()) {
            w->resize(size);
            return;
        }
        const QSize room = roomOnScreen(*w);
        if (mw && room.isValid() &&
            (size.width() > room.width() || size.height() > room.height())) {
            scrollClientArea(*mw);
            // Room for the scroll bar across the pages, where the screen has it,
            // so that only the direction that does not fit scrolls.
            const int bar = w->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w);
            const QSize wanted = size;
            if (wanted.height() > room.height())
                size.rwidth() += bar;
            if (wanted.width() > room.width())
                size.rheight() += bar;
            size = size.boundedTo(room);
        }
        w->setFixedSize(size);
    }

    // The screen's available area less what a window manager's frame
    // around the window may take; invalid when there is no screen.
    static QSize roomOnScreen(const QWidget &w)
    {
        const QScreen *screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        constexpr int Border = 8;
        const int title =
            std::max(32, w.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &w));
        return screen->availableGeometry().size() - QSize(2 * Border, title + Border);
    }

    static void scrollClientArea(QMainWindow &mw)
    {
        if (mw.centralWidget() && mw.centralWidget()->objectName() == ScrolledClientName)
            return;
        QWidget *content = mw.takeCentralWidget();
        if (!content)
            return;
        // The pages keep their places and sizes inside the scrolled area.
        const QRect used = content->childrenRect();
        content->setFixedSize(std::max(used.right(), 0) + 1, std::max(used.bottom(), 0) + 1);
        auto *scroll = new QScrollArea;
        scroll->setObjectName(ScrolledClientName);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(content);
        mw.setCentralWidget(scroll);
    }

    // Windows come up centred: over the main window when they belong to
    // it, otherwise on the screen; never with their title above or left of
    // the screen's available area, where it could not be taken to move them.
    void place()
    {
        QWidget *w = widget();
        w->adjustSize();
        if (w->property("fixedSize").toBool() || control_.geometrySet(P::Width))
            resizeClient(control_.width(), control_.height());
        const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        const QRect screenArea = screen ? screen->availableGeometry() : QRect();
        QRect area = screenArea;
        if (QWidget *owner = w->parentWidget(); owner && owner->isVisible())
            area = owner->window()->frameGeometry();
        if (!area.isValid())
            return;
        QPoint at = area.center() - QPoint(w->width() / 2, w->height() / 2);
        if (screenArea.isValid())
            at = QPoint(std::max(at.x(), screenArea.left()), std::max(at.y(), screenArea.top()));
        w->move(at);
    }
};

// ---- Page control and pages -------------------------------------------------

class PageControlBinder : public Binder
{
public:
    PageControlBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        auto *tabs = qobject_cast<QTabWidget *>(o);
        // A press on a tab chooses that tab's page, matched to the tab under
        // the pointer before anything runs: leaving the focused field may
        // hide a tab, and the tab bar, left to itself, would open the page
        // whose tab then slid under the pointer.
        tabs->tabBar()->installEventFilter(this);
        // Keys that move between the tabs.
        connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
            if (index != control_.activePageIndex())
                page(index);
        });
    }

protected:
    std::vector<Property> properties() const override
    {
        return {P::Enabled, P::Visible, P::ActivePageIndex};
    }

    void apply(Property p) override
    {
        if (p == P::ActivePageIndex)
            tabs()->setCurrentIndex(control_.activePageIndex());
        else
            applyCommon(p);
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::ActivePageIndex)
            return json(tabs()->currentIndex());
        return shownCommon(p);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        QTabWidget *t = tabs();
        if (!t || o != t->tabBar() || e->type() != QEvent::MouseButtonPress || !fromUser())
            return false;
        const auto *me = static_cast<QMouseEvent *>(e);
        if (me->button() != Qt::LeftButton)
            return false;
        const int index = t->tabBar()->tabAt(me->position().toPoint());
        if (index >= 0 && t->isTabEnabled(index))
            page(index);
        return true;
    }

private:
    QTabWidget *tabs() const { return qobject_cast<QTabWidget *>(object_.data()); }

    void page(int index)
    {
        if (index >= 0)
            user([&] { form_.userPage(index); });
    }
};

class PageBinder : public Binder
{
public:
    using Binder::Binder;

protected:
    std::vector<Property> properties() const override
    {
        return {P::Caption, P::Enabled, P::TabVisible};
    }

    void apply(Property p) override
    {
        int index = -1;
        QTabWidget *tabs = tabWidgetOf(widget(), &index);
        if (!tabs)
            return;
        // Hiding the shown page's tab makes the tab widget show another
        // page; which page is active is the model's to say.
        const QSignalBlocker block(tabs);
        switch (p) {
        case P::Caption:
            tabs->setTabText(index, control_.caption());
            break;
        case P::Enabled:
            tabs->setTabEnabled(index, control_.enabled());
            break;
        case P::TabVisible:
            tabs->setTabVisible(index, control_.tabVisible());
            break;
        default:
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        int index = -1;
        QTabWidget *tabs = tabWidgetOf(widget(), &index);
        if (!tabs)
            return std::nullopt;
        switch (p) {
        case P::Caption:
            return json(tabs->tabText(index));
        case P::Enabled:
            return json(tabs->isTabEnabled(index));
        case P::TabVisible:
            return json(tabs->isTabVisible(index));
        default:
            return std::nullopt;
        }
    }
};

// ---- Timer ---------------------------------------------------------------------------------

class TimerBinder : public Binder
{
public:
    TimerBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(timer(), &QTimer::timeout, this, [this] {
            run(control_.onTimer);
            session_.afterUserAction();
        });
    }

protected:
    QTimer *timer() const { return qobject_cast<QTimer *>(object_.data()); }

    std::vector<Property> properties() const override { return {P::Enabled}; }

    void apply(Property p) override
    {
        if (p != P::Enabled)
            return;
        if (control_.enabled() && !timer()->isActive())
            timer()->start();
        else if (!control_.enabled())
            timer()->stop();
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Enabled)
            return json(timer()->isActive());
        return std::nullopt;
    }
};

} // namespace

std::unique_ptr<Binder> makeWindowBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    switch (c.kind()) {
    case Kind::Window:
        return std::make_unique<WindowBinder>(s, f, c, o);
    case Kind::PageControl:
        return std::make_unique<PageControlBinder>(s, f, c, o);
    case Kind::Page:
        return std::make_unique<PageBinder>(s, f, c, o);
    case Kind::Timer:
        return std::make_unique<TimerBinder>(s, f, c, o);
    default:
        return nullptr;
    }
}

} // namespace pc::gui::detail
