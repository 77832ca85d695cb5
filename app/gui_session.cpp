#include "gui_session.h"

#include "binders.h"
#include "widgets.h"
#include "window/app.h"
#include "window_binding.h"
#include "windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

#include <cmath>

namespace pc::gui {

namespace {

// The pause before a hint shows is the program's (the about box changes it),
// and the frames of the group boxes are kept once drawn.
class HintTimingStyle : public QProxyStyle
{
public:
    explicit HintTimingStyle(Session *session) : session_(session) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay && session_)
            return session_->app().hints.pause;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The frame of a group box is drawn once per size and palette and kept:
    // the base style stretches an image over the whole frame, with worker
    // threads, every time any label inside the box repaints, and that was a
    // quarter of a keystroke's painting. PILECORR_PLAIN_GROUPBOX_FRAMES draws
    // every frame in place, for comparing the two.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const qreal ratio =
            painter && painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        // At a fractional scale, or through a painter that scales, the frame's
        // edges fall on other device pixels when drawn elsewhere than in
        // place: drawn as the base style draws it.
        if (element != PE_FrameGroupBox || !option || !painter || option->rect.isEmpty() ||
            ratio != std::floor(ratio) ||
            painter->worldTransform().type() > QTransform::TxTranslate ||
            qEnvironmentVariableIsSet("PILECORR_PLAIN_GROUPBOX_FRAMES")) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The style leaves less room above the frame of a box without a title
        // or check box, and sizes the room by the font otherwise.
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
        const QString key =
            QStringLiteral("pilecorr-groupbox-%1x%2@%3-%4-%5-%6-%7-%8")
                .arg(option->rect.width())
                .arg(option->rect.height())
                .arg(ratio)
                .arg(option->palette.cacheKey())
                .arg(static_cast<int>(option->state))
                .arg(static_cast<int>(painter->renderHints()))
                .arg(titled ? option->fontMetrics.height() : -1)
                .arg(QLatin1String(widget ? widget->metaObject()->className() : ""));
        // The base style draws a pixel outside the rectangle too.
        constexpr int Margin = 2;
        const QSize size = option->rect.size() + QSize(2 * Margin, 2 * Margin);
        QPixmap frame;
        if (!QPixmapCache::find(key, &frame)) {
            frame = QPixmap((QSizeF(size) * ratio).toSize());
            frame.setDevicePixelRatio(ratio);
            frame.fill(Qt::transparent);
            QPainter p(&frame);
            p.setRenderHints(painter->renderHints());
            QStyleOption local(*option);
            local.rect = QRect(QPoint(Margin, Margin), option->rect.size());
            QProxyStyle::drawPrimitive(element, &local, &p, widget);
            p.end();
            QPixmapCache::insert(key, frame);
        }
        painter->drawPixmap(option->rect.topLeft() - QPoint(Margin, Margin), frame);
    }

private:
    QPointer<Session> session_;
};

QFont::StyleStrategy strategyOf(FontQuality q)
{
    // ClearType natural is smoothed text; the default quality of those days
    // drew small text unsmoothed.
    return q == FontQuality::ClearTypeNatural ? QFont::PreferAntialias : QFont::NoAntialias;
}

} // namespace

Session::Session(App &app, Options options) : app_(app), options_(options)
{
    main_ = std::make_unique<MainWindow>(*this);
    splash_ = std::make_unique<SplashWindow>();
    about_ = std::make_unique<AboutWindow>(main_.get());
    table_ = std::make_unique<TableWindow>(main_.get());
    life_ = std::make_unique<LifeCurveWindow>(*this, main_.get());

    // Presentation: the main window's font is the system's modern interface
    // font (an older system's otherwise), 9 points, falling back to the
    // platform's own sans font; the status bar's is Arial, 8 points.
    const QString family =
        app.p.osMajorVersion() > 5 ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
    main_->setFont(familyFont(family, 9));
    about_->setFont(familyFont(family, 9));
    main_->ui.SB1->setFont(familyFont(QStringLiteral("Arial"), 8));

    bindings_.push_back(std::make_unique<WindowBinding>(*this, app.f, main_.get()));
    bindings_.push_back(std::make_unique<WindowBinding>(*this, app.tableWindow, table_.get()));
    bindings_.push_back(std::make_unique<WindowBinding>(*this, app.lifeCurveWindow, life_.get()));
    bindings_.push_back(std::make_unique<WindowBinding>(*this, app.splash, splash_.get()));
    bindings_.push_back(std::make_unique<WindowBinding>(*this, app.about, about_.get()));
    for (auto &b : bindings_)
        b->applyAll();
    applyFontQuality();
    // Buttons made for new items would otherwise come last in the Tab order.
    for (auto *group : main_->findChildren<RadioGroupBox *>())
        group->onItemsReplaced = [this] { orderTabChain(); };
    orderTabChain();

    connect(qApp, &QApplication::focusChanged, this, &Session::focusChanged);
    qApp->installEventFilter(this);
    QApplication::setStyle(new HintTimingStyle(this));
    app.onFontQualityChanged = [this](FontQuality) { applyFontQuality(); };
    // The curve's chart is drawn once per flush, and only while its window
    // is shown: a unit switch replaces the picture several times.
    app.lifeCurveWindow.onChartChanged = [this] {
        lifeChartStale_ = true;
        requestFlush();
    };
}

Session::~Session()
{
    // Nothing that the windows do while they go may reach the program.
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    app_.onFontQualityChanged = nullptr;
    app_.lifeCurveWindow.onChartChanged = nullptr;
    for (auto *group : main_->findChildren<RadioGroupBox *>())
        group->onItemsReplaced = nullptr;
    bindings_.clear();
}

Binder *Session::binderFor(const form::Control &c) const
{
    for (const auto &b : bindings_)
        if (Binder *binder = b->binderFor(c))
            return binder;
    return nullptr;
}

QWidget *Session::widgetFor(const form::Control &c) const
{
    const Binder *b = binderFor(c);
    return b ? b->widget() : nullptr;
}

void Session::requestFlush()
{
    if (flushPosted_)
        return;
    flushPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (flushPosted_)
                flush();
        },
        Qt::QueuedConnection);
}

void Session::flush()
{
    flushPosted_ = false;
    for (auto &b : bindings_)
        b->flush();
    if (lifeChartStale_ && app_.lifeCurveWindow.shown()) {
        lifeChartStale_ = false;
        life_->redraw();
    }
}

void Session::afterUserAction()
{
    flush();
    syncFocus();
    if (app_.ended() && !endReported_) {
        endReported_ = true;
        emit ended(app_.exitCode());
    }
}

void Session::syncFocus()
{
    form::Control *c = app_.f.focused();
    QWidget *w = c ? widgetFor(*c) : nullptr;
    if (!w || w->isHidden())
        return;
    // An inactive window (a message box is up, or another window was
    // clicked) gets the widget as the one it gives the focus to when it is
    // active again; left to itself it would give it back to the widget it
    // had, or to the next one when that was disabled meanwhile, and that
    // would be taken for the user's move.
    // The focus counts as there when the widget that has it shows the
    // control (a radio button of a group, a combo's edit), not merely when
    // it lies inside the control's widget: a page control holds the pages.
    const QWidget *now =
        main_->isActiveWindow() ? QApplication::focusWidget() : main_->focusWidget();
    if (now && bindings_.front()->controlOf(now) == c)
        return;
    ProgramUpdate update;
    w->setFocus(Qt::OtherFocusReason);
}

void raiseWindow(QWidget *window)
{
    // Off screen there is nothing to stack (and the platform says so on
    // every call).
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
}

void Session::keepOnTop()
{
    if (splash_ && !splash_->isHidden())
        raiseWindow(splash_.get());
}

void Session::orderTabChain()
{
    std::vector<QWidget *> chain;
    for (form::Control *c : app_.f.controls()) {
        QWidget *w = widgetFor(*c);
        if (!w)
            continue;
        if (auto *group = qobject_cast<RadioGroupBox *>(w)) {
            for (int i = 0; i < group->count(); ++i)
                chain.push_back(group->button(i));
        } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            chain.push_back(tabs->tabBar());
        } else if (w->focusPolicy() & Qt::TabFocus) {
            chain.push_back(w);
        }
    }
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Session::focusChanged(QWidget *old, QWidget *now)
{
    if (!now || ProgramUpdate::active())
        return;
    // The main window activated again gives the focus to a widget of its
    // own choosing (the one it had, or itself when that one is gone): the
    // focus stays the program's, where it was, and no handler runs. The
    // user's click that activated it moves the focus on afterwards.
    const bool activated = !old || old->window() != now->window();
    if (activated && now->window() == main_.get() && app_.f.focused()) {
        syncFocus();
        return;
    }
    for (const auto &b : bindings_) {
        form::Control *c = b->controlOf(now);
        if (!c)
            continue;
        form::Form &form = b->form();
        if (form::Form::focusableKind(c->kind()))
            form.userEnter(*c);
        else if (c->kind() == form::Kind::Page || c->kind() == form::Kind::Window)
            form.setFocus(c);
        else
            return;
        afterUserAction();
        return;
    }
}

bool Session::eventFilter(QObject *watched, QEvent *event)
{
    // A hint stays as long as the program says.
    if (event->type() == QEvent::ToolTip && app_.hints.hidePause > 0) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && !w->toolTip().isEmpty()) {
            const auto *help = static_cast<QHelpEvent *>(event);
            QToolTip::showText(help->globalPos(), w->toolTip(), w, QRect(), app_.hints.hidePause);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Session::applyFontQuality()
{
    const QFont::StyleStrategy s = strategyOf(app_.fontQuality);
    auto apply = [s](QWidget *w) {
        QFont f = w->font();
        f.setStyleStrategy(s);
        w->setFont(f);
    };
    apply(main_.get());
    for (QWidget *w : main_->findChildren<QWidget *>())
        if (w->testAttribute(Qt::WA_SetFont))
            apply(w);
}

} // namespace pc::gui
