#include "binders.h"

#include "binder_support.h"
#include "gui_session.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace pc::gui {

using namespace detail;
using form::Control;
using form::Kind;
using form::Property;
using P = form::Property;

QString tooltipOf(const QString &hint)
{
    // A hint is a short part and a long part joined by a bar: the tooltip
    // shows the short part (the long one is the program's to show).
    const QString shortPart = hint.section(QLatin1Char('|'), 0, 0);
    return shortPart.trimmed().isEmpty() ? QString() : shortPart;
}

std::optional<QColor> modelColor(const QString &name)
{
    if (name == form::clWindowText)
        return std::nullopt;
    return QColor(name);
}

bool objectFitsKind(const QObject *o, Kind k)
{
    if (!o)
        return false;
    const auto *w = qobject_cast<const QWidget *>(o);
    switch (k) {
    case Kind::Window:
        return w && w->isWindow();
    case Kind::PageControl:
        return qobject_cast<const QTabWidget *>(o);
    case Kind::Page:
        return w && tabWidgetOf(w, nullptr);
    case Kind::GroupBox:
        return qobject_cast<const QGroupBox *>(o) && !qobject_cast<const RadioGroupBox *>(o);
    case Kind::Label:
    case Kind::Image:
        return qobject_cast<const QLabel *>(o);
    case Kind::Edit:
        return qobject_cast<const QLineEdit *>(o);
    case Kind::ListBox:
        return qobject_cast<const QListView *>(o);
    case Kind::ComboBox:
        return qobject_cast<const QComboBox *>(o);
    case Kind::RadioGroup:
        return qobject_cast<const RadioGroupBox *>(o);
    case Kind::RadioButton:
        return qobject_cast<const QRadioButton *>(o);
    case Kind::CheckBox:
        return qobject_cast<const QCheckBox *>(o);
    case Kind::Button:
        return qobject_cast<const QPushButton *>(o);
    case Kind::Grid:
        return qobject_cast<const QTableWidget *>(o);
    case Kind::TabControl:
        return qobject_cast<const QTabBar *>(o);
    case Kind::StatusBar:
        return qobject_cast<const QStatusBar *>(o);
    case Kind::MenuItem:
        return qobject_cast<const QAction *>(o) || qobject_cast<const QMenu *>(o);
    case Kind::Chart:
        return qobject_cast<const QChartView *>(o);
    case Kind::Menu:
        return qobject_cast<const QMenuBar *>(o) || qobject_cast<const QMenu *>(o);
    case Kind::Timer:
        return qobject_cast<const QTimer *>(o);
    }
    return false;
}

// ---- Binder -----------------------------------------------------------------

Binder::Binder(Session &session, form::Form &form, Control &control, QObject *object)
    : session_(session), form_(form), control_(control), object_(object),
      alive_(std::make_shared<bool>(true))
{
    if (const QWidget *w = widget()) {
        basePalette_ = w->palette();
        basePalette_.setResolveMask(w->testAttribute(Qt::WA_SetPalette) ? basePalette_.resolveMask()
                                                                        : 0);
    }
    std::weak_ptr<bool> alive = alive_;
    control_.addObserver([this, alive](Control &, Property p) {
        if (alive.lock())
            changed(p);
    });
}

Binder::~Binder()
{
    *alive_ = false;
}

QWidget *Binder::widget() const
{
    return qobject_cast<QWidget *>(object_.data());
}

void Binder::changed(Property p)
{
    dirty_.insert(p);
    if (immediate(p))
        flush();
    else
        session_.requestFlush();
}

void Binder::applyAll()
{
    dirty_.clear();
    apply(nullptr);
}

void Binder::flush()
{
    if (dirty_.empty())
        return;
    const std::set<Property> pending = std::move(dirty_);
    dirty_.clear();
    apply(&pending);
}

void Binder::apply(const std::set<Property> *only)
{
    if (!object_)
        return;
    ProgramUpdate update;
    const QSignalBlocker block(object_.data());
    for (Property p : properties())
        if (!only || only->count(p))
            apply(p);
}

bool Binder::fromUser()
{
    return !ProgramUpdate::active();
}

void Binder::userActed()
{
    // Whatever the toolkit did on its own (a toggled check mark, a changed
    // current item) gives way to the model's state.
    applyAll();
    session_.afterUserAction();
}

std::vector<Property> Binder::properties() const
{
    return {P::Hint, P::ShowHint, P::Enabled, P::Visible};
}

void Binder::apply(Property p)
{
    applyCommon(p);
}

void Binder::applyCommon(Property p)
{
    QWidget *w = widget();
    if (!w)
        return;
    switch (p) {
    case P::Hint:
    case P::ShowHint:
        w->setToolTip(control_.showHint() ? tooltipOf(control_.hint()) : QString());
        break;
    case P::Enabled:
        w->setEnabled(control_.enabled());
        break;
    case P::Visible:
        w->setVisible(control_.visible());
        break;
    case P::FontColor: {
        // The system window-text colour is the one the widget inherits; the
        // colours the window itself gave the widget stay.
        QPalette pal = basePalette_;
        if (const auto c = modelColor(control_.fontColor())) {
            pal.setColor(QPalette::WindowText, *c);
            pal.setColor(QPalette::Text, *c);
            pal.setColor(QPalette::ButtonText, *c);
        }
        w->setPalette(pal);
        break;
    }
    case P::FontBold: {
        QFont f = w->font();
        f.setBold(control_.fontBold());
        w->setFont(f);
        break;
    }
    case P::Top:
        if (control_.geometrySet(P::Top))
            w->move(w->x(), control_.top());
        break;
    case P::Left:
        if (control_.geometrySet(P::Left))
            w->move(control_.left(), w->y());
        break;
    case P::Width:
        if (control_.geometrySet(P::Width))
            w->resize(control_.width(), w->height());
        break;
    case P::Height:
        if (control_.geometrySet(P::Height))
            w->resize(w->width(), control_.maxHeight() > 0 && control_.geometrySet(P::MaxHeight)
                                      ? std::min(control_.height(), control_.maxHeight())
                                      : control_.height());
        break;
    case P::MaxHeight:
        if (control_.geometrySet(P::MaxHeight) && control_.maxHeight() > 0) {
            w->setMaximumHeight(control_.maxHeight());
            if (w->height() > control_.maxHeight())
                w->resize(w->width(), control_.maxHeight());
        }
        break;
    default:
        break;
    }
}

std::optional<std::string> Binder::shown(Property p) const
{
    return shownCommon(p);
}

std::optional<std::string> Binder::shownCommon(Property p) const
{
    const QWidget *w = widget();
    if (!w)
        return std::nullopt;
    switch (p) {
    case P::Enabled:
        return json(!w->testAttribute(Qt::WA_ForceDisabled));
    case P::Visible:
        return json(!w->isHidden());
    case P::FontColor:
        if (!w->palette().isBrushSet(QPalette::Active, QPalette::WindowText))
            return json(form::clWindowText);
        return json(w->palette().color(QPalette::WindowText).name().toUpper());
    case P::FontBold:
        return json(w->font().bold());
    default:
        return std::nullopt;
    }
}

QTabWidget *detail::tabWidgetOf(const QWidget *page, int *index)
{
    for (QWidget *p = page ? page->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(p)) {
            const int i = tabs->indexOf(const_cast<QWidget *>(page));
            if (i >= 0) {
                if (index)
                    *index = i;
                return tabs;
            }
        }
    return nullptr;
}

detail::MouseForwarder::MouseForwarder(Binder &binder, QWidget *surface,
                                       std::function<void()> acted)
    : QObject(&binder), binder_(binder), acted_(std::move(acted))
{
    const Control &c = binder.control();
    if (c.onMouseMove || c.onMouseEnter || c.onMouseLeave)
        surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

bool detail::MouseForwarder::eventFilter(QObject *, QEvent *e)
{
    Control &c = binder_.control();
    switch (e->type()) {
    case QEvent::MouseMove:
        if (c.onMouseMove || c.onMouseEnter || c.onMouseLeave) {
            const QPoint pos = static_cast<QMouseEvent *>(e)->position().toPoint();
            binder_.form().userMouse(c, pos.x(), pos.y());
            acted_();
        }
        break;
    case QEvent::Leave:
        if (c.onMouseLeave) {
            binder_.form().userMouseOut();
            acted_();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (c.onClick && (c.kind() == Kind::Label || c.kind() == Kind::Image) &&
            static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
            binder_.form().userClick(c);
            acted_();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

std::unique_ptr<Binder> makeBinder(Session &session, form::Form &form, Control &control,
                                   QObject *object)
{
    if (!objectFitsKind(object, control.kind()))
        return nullptr;
    for (auto family : {makeWindowBinder, makeDisplayBinder, makeInputBinder, makeListBinder,
                        makeMenuBinder, makeGridBinder})
        if (auto binder = family(session, form, control, object))
            return binder;
    return nullptr;
}

} // namespace pc::gui
