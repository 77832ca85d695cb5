#include "binders.h"

#include "driver/json_text.h"
#include "gui_session.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace pc::gui {

using form::Control;
using form::Kind;
using form::Property;
using P = form::Property;

namespace {

std::string json(const QString &s)
{
    return driver::jsonString(s);
}

std::string json(bool b)
{
    return driver::jsonBool(b);
}

std::string json(int v)
{
    return driver::jsonInt(v);
}

std::string json(const QStringList &l)
{
    return driver::jsonStrings(l);
}

// Runs a model event handler if one is bound (copied first: it may rebind
// itself).
void run(const std::function<void()> &handler)
{
    if (handler) {
        auto h = handler;
        h();
    }
}

// The pages of a tab widget: the page widget's index in it.
QTabWidget *tabWidgetOf(const QWidget *page, int *index)
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

// A line of a Qt grid is drawn inside the cell before it, so a Qt section is
// the model's cell size plus the line.
constexpr int GridLine = 1;

} // namespace

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
        return qobject_cast<const QListWidget *>(o);
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
    if (!object_)
        return;
    ProgramUpdate update;
    const QSignalBlocker block(object_.data());
    for (Property p : properties())
        apply(p);
}

void Binder::flush()
{
    if (dirty_.empty())
        return;
    const std::set<Property> pending = std::move(dirty_);
    dirty_.clear();
    if (!object_)
        return;
    ProgramUpdate update;
    const QSignalBlocker block(object_.data());
    for (Property p : properties())
        if (pending.count(p))
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
        w->setToolTip(control_.showHint() ? control_.hint().trimmed().isEmpty() ? QString()
                                                                                  : control_.hint()
                                          : QString());
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

namespace {

const std::vector<Property> Geometry = {P::MaxHeight, P::Left, P::Top, P::Width, P::Height};

std::vector<Property> with(std::vector<Property> a, const std::vector<Property> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

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
        return {P::Caption, P::Hint, P::ShowHint, P::Enabled, P::AlphaBlend, P::Width, P::Height,
                P::Visible};
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
                w->raise();
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
    // The client area: below the menu bar of a main window.
    void resizeClient(int width, int height)
    {
        QWidget *w = widget();
        int extra = 0;
        if (auto *mw = qobject_cast<QMainWindow *>(w); mw && mw->menuWidget())
            extra = mw->menuWidget()->sizeHint().height();
        if (w->property("fixedSize").toBool())
            w->setFixedSize(width, height + extra);
        else
            w->resize(width, height + extra);
    }

    // Windows come up centred: over the main window when they belong to
    // it, otherwise on the screen.
    void place()
    {
        QWidget *w = widget();
        w->adjustSize();
        if (w->property("fixedSize").toBool() || control_.geometrySet(P::Width))
            resizeClient(control_.width(), control_.height());
        QRect area;
        if (QWidget *owner = w->parentWidget(); owner && owner->isVisible())
            area = owner->window()->frameGeometry();
        else if (const QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        if (area.isValid())
            w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
};

// ---- Page control and pages -------------------------------------------------

class PageControlBinder : public Binder
{
public:
    PageControlBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        auto *tabs = qobject_cast<QTabWidget *>(o);
        connect(tabs, &QTabWidget::tabBarClicked, this, [this](int index) { user(index); });
        connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
            if (index != control_.activePageIndex())
                user(index);
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

private:
    QTabWidget *tabs() const { return qobject_cast<QTabWidget *>(object_.data()); }

    void user(int index)
    {
        if (!fromUser() || index < 0)
            return;
        form_.userPage(index);
        userActed();
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

// ---- Mouse: moves, leaving, clicks on labels ---------------------------------

// Forwards the pointer's moves over a widget (and its leaving) and, for
// labels and pictures, clicks to the model.
class MouseForwarder : public QObject
{
public:
    MouseForwarder(Binder &binder, QWidget *surface, std::function<void()> acted)
        : QObject(surface), binder_(binder), acted_(std::move(acted))
    {
        const Control &c = binder.control();
        if (c.onMouseMove || c.onMouseEnter || c.onMouseLeave)
            surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
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

private:
    Binder &binder_;
    std::function<void()> acted_;
};

// ---- Group boxes, labels, pictures ---------------------------------------------

class GroupBoxBinder : public Binder
{
public:
    GroupBoxBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
    }

protected:
    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor},
                    Geometry);
    }

    void apply(Property p) override
    {
        if (p == P::Caption)
            qobject_cast<QGroupBox *>(object_.data())->setTitle(control_.caption());
        else
            applyCommon(p);
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Caption)
            return json(qobject_cast<QGroupBox *>(object_.data())->title());
        return shownCommon(p);
    }
};

class LabelBinder : public Binder
{
public:
    LabelBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
        if (c.onClick)
            widget()->setCursor(Qt::PointingHandCursor);
    }

protected:
    QLabel *label() const { return qobject_cast<QLabel *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor,
                     P::FontBold},
                    Geometry);
    }

    void apply(Property p) override
    {
        if (p == P::Caption) {
            label()->setText(control_.caption());
            fitHeight();
        } else {
            applyCommon(p);
            if (p == P::MaxHeight)
                fitHeight();
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Caption)
            return json(label()->text());
        return shownCommon(p);
    }

private:
    // A word-wrapped label grows with its text up to its maximum height.
    void fitHeight()
    {
        QLabel *l = label();
        if (!l->wordWrap() || l->property("fixedHeight").toBool())
            return;
        const int h = std::clamp(l->heightForWidth(l->width()), l->minimumHeight(),
                                 l->maximumHeight());
        l->resize(l->width(), h);
    }
};

class ImageBinder : public Binder
{
public:
    ImageBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
    }

protected:
    std::vector<Property> properties() const override { return {P::Visible}; }
};

// ---- Edits ---------------------------------------------------------------------

// The key filter of the model runs on every typed character before the edit
// takes it; the edit's own editing then goes to the model as the user's
// change of the text.
class EditBinder : public Binder
{
public:
    EditBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        edit()->installEventFilter(this);
        connect(edit(), &QLineEdit::textEdited, this, [this](const QString &text) {
            if (!fromUser())
                return;
            form_.userReplace(control_, text);
            userActed();
        });
    }

protected:
    QLineEdit *edit() const { return qobject_cast<QLineEdit *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::MaxLength, P::Text, P::Hint, P::ShowHint, P::Enabled, P::Visible,
                     P::FontColor},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Text:
            // The same text keeps the cursor where the user left it.
            if (edit()->text() != control_.text())
                edit()->setText(control_.text());
            break;
        case P::MaxLength:
            edit()->setMaxLength(control_.maxLength() > 0 ? control_.maxLength() : 32767);
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Text)
            return json(edit()->text());
        return shownCommon(p);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o != object_ || e->type() != QEvent::KeyPress || !fromUser())
            return false;
        auto *ke = static_cast<QKeyEvent *>(e);
        QChar key;
        if (ke->key() == Qt::Key_Backspace)
            key = QChar(8);
        else if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab)
            return false; // moves the focus; it is no character of the field
        else if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false; // a shortcut or an editing command (paste comes back as a change)
        else if (ke->text().size() == 1)
            key = ke->text().at(0);
        else
            return false;
        if (form_.focused() != &control_)
            form_.userEnter(control_);
        if (control_.onKeyPress) {
            auto filter = control_.onKeyPress;
            const QChar typed = key;
            filter(key);
            if (key.isNull()) {
                userActed();
                return true; // dropped
            }
            if (key != typed) {
                // Replaced: the edit takes the replacement instead (a change).
                if (key.unicode() >= 0x20)
                    edit()->insert(QString(key));
                userActed();
                return true;
            }
        }
        if (key.unicode() < 0x20 && key != QChar(8))
            return false; // not inserted into a one-line edit
        return false; // the edit inserts or deletes it: textEdited follows
    }
};

// ---- List and combo boxes ----------------------------------------------------------

class ListBoxBinder : public Binder
{
public:
    ListBoxBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        list()->viewport()->installEventFilter(this);
        // Keys that move the selection pick the item they land on.
        connect(list(), &QListWidget::currentRowChanged, this, [this](int row) {
            if (fromUser() && row >= 0 && row != control_.itemIndex())
                pick(row);
        });
    }

protected:
    QListWidget *list() const { return qobject_cast<QListWidget *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Items, P::ItemIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible,
                     P::FontColor},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Items: {
            QStringList now;
            now.reserve(list()->count());
            for (int i = 0; i < list()->count(); ++i)
                now << list()->item(i)->text();
            if (now != control_.items()) {
                list()->clear();
                list()->addItems(control_.items());
            }
            applySelection();
            break;
        }
        case P::ItemIndex:
            applySelection();
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Items: {
            QStringList items;
            for (int i = 0; i < list()->count(); ++i)
                items << list()->item(i)->text();
            return json(items);
        }
        case P::ItemIndex:
            return json(list()->selectedItems().isEmpty() ? -1 : list()->currentRow());
        default:
            return shownCommon(p);
        }
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        // A click picks the item under the pointer, the same item again too.
        if (o == list()->viewport() && e->type() == QEvent::MouseButtonPress && fromUser()) {
            auto *me = static_cast<QMouseEvent *>(e);
            const QModelIndex index = list()->indexAt(me->position().toPoint());
            if (me->button() == Qt::LeftButton && index.isValid()) {
                pick(index.row());
                return true;
            }
        }
        return false;
    }

private:
    void applySelection()
    {
        const int i = control_.itemIndex();
        if (i < 0) {
            list()->clearSelection();
            list()->setCurrentRow(-1);
        } else {
            list()->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            list()->scrollToItem(list()->item(i));
        }
    }

    void pick(int row)
    {
        form_.userSelect(control_, row);
        userActed();
    }
};

class ComboBoxBinder : public Binder
{
public:
    ComboBoxBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(combo(), &QComboBox::activated, this, [this](int index) {
            if (!fromUser() || index < 0)
                return;
            form_.userSelect(control_, index);
            userActed();
        });
        if (auto *dd = qobject_cast<DropDownList *>(combo()))
            dd->onDropDown = [this] {
                if (!fromUser())
                    return;
                form_.userDropDown(control_);
                userActed();
                qobject_cast<DropDownList *>(combo())->droppedWidth = control_.droppedWidth();
            };
    }

protected:
    QComboBox *combo() const { return qobject_cast<QComboBox *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Items, P::ItemIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible,
                     P::FontColor},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Items: {
            QStringList now;
            for (int i = 0; i < combo()->count(); ++i)
                now << combo()->itemText(i);
            if (now != control_.items()) {
                combo()->clear();
                combo()->addItems(control_.items());
            }
            combo()->setMaxVisibleItems(control_.dropDownCount());
            combo()->setCurrentIndex(control_.itemIndex());
            break;
        }
        case P::ItemIndex:
            combo()->setCurrentIndex(control_.itemIndex());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Items: {
            QStringList items;
            for (int i = 0; i < combo()->count(); ++i)
                items << combo()->itemText(i);
            return json(items);
        }
        case P::ItemIndex:
            return json(combo()->currentIndex());
        case P::Text:
            return json(combo()->currentText());
        default:
            return shownCommon(p);
        }
    }
};

// ---- Radio groups, radio buttons, check boxes, buttons ------------------------

class RadioGroupBinder : public Binder
{
public:
    RadioGroupBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(group(), &RadioGroupBox::itemClicked, this, [this](int index) {
            if (!fromUser())
                return;
            form_.userSelect(control_, index);
            userActed();
        });
    }

protected:
    RadioGroupBox *group() const { return qobject_cast<RadioGroupBox *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Items, P::Columns, P::ItemIndex, P::ItemEnabled, P::Hint,
                     P::ShowHint, P::Enabled, P::Visible, P::FontColor, P::FontBold},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Caption:
            group()->setTitle(control_.caption());
            break;
        case P::Items:
            if (group()->items() != control_.items()) {
                group()->setItems(control_.items());
                apply(P::ItemEnabled);
                apply(P::FontBold);
                apply(P::Hint);
            }
            group()->setCheckedIndex(control_.itemIndex());
            break;
        case P::Columns:
            group()->setColumns(control_.columns());
            break;
        case P::ItemIndex:
            group()->setCheckedIndex(control_.itemIndex());
            break;
        case P::ItemEnabled: {
            const auto on = control_.itemEnabled();
            for (int i = 0; i < group()->count(); ++i)
                group()->setItemEnabled(i, i < static_cast<int>(on.size()) && on[static_cast<size_t>(i)]);
            break;
        }
        case P::FontBold:
            for (int i = 0; i < group()->count(); ++i) {
                QFont f = group()->button(i)->font();
                f.setBold(control_.fontBold());
                group()->button(i)->setFont(f);
            }
            break;
        case P::Hint:
        case P::ShowHint:
            applyCommon(p);
            for (int i = 0; i < group()->count(); ++i)
                group()->button(i)->setToolTip(group()->toolTip());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Caption:
            return json(group()->title());
        case P::Items:
            return json(group()->items());
        case P::ItemIndex:
            return json(group()->checkedIndex());
        case P::FontBold:
            return json(group()->count() > 0 ? group()->button(0)->font().bold()
                                             : control_.fontBold());
        default:
            return shownCommon(p);
        }
    }
};

// Radio buttons, check boxes and buttons: a click is the user's click.
class ButtonBinder : public Binder
{
public:
    ButtonBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        if (auto *radio = qobject_cast<QRadioButton *>(o))
            radio->setAutoExclusive(false); // the model unchecks the others
        connect(button(), &QAbstractButton::clicked, this, [this] {
            if (!fromUser())
                return;
            form_.userClick(control_);
            userActed();
        });
    }

protected:
    QAbstractButton *button() const { return qobject_cast<QAbstractButton *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Checked, P::Hint, P::ShowHint, P::Enabled, P::Visible,
                     P::FontColor, P::FontBold},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Caption:
            button()->setText(control_.caption());
            break;
        case P::Checked:
            if (button()->isCheckable())
                button()->setChecked(control_.checked());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Caption:
            return json(button()->text());
        case P::Checked:
            return json(button()->isChecked());
        default:
            return shownCommon(p);
        }
    }
};

// ---- Grids -----------------------------------------------------------------------

// Paints a cell as the grid does, then what the program asks for it.
class GridDelegate : public QStyledItemDelegate
{
public:
    GridDelegate(QTableWidget *grid, Control &control)
        : QStyledItemDelegate(grid), grid_(grid), control_(control)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const int col = index.column();
        const int row = index.row();
        const QRect cell = option.rect.adjusted(0, 0, -GridLine, -GridLine);
        const bool fixed = row < grid_->property("fixedRows").toInt() ||
                           col < grid_->property("fixedCols").toInt();
        if (fixed) {
            painter->fillRect(cell, option.palette.button());
            painter->setPen(option.palette.color(QPalette::ButtonText));
            painter->drawText(cell.adjusted(2, 0, -2, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              index.data().toString());
        } else {
            QStyledItemDelegate::paint(painter, option, index);
        }
        if (!control_.onDrawCell)
            return;
        const auto drawing = control_.onDrawCell(col, row);
        if (!drawing)
            return;
        painter->save();
        painter->setClipRect(cell);
        const QPalette &pal = option.palette;
        if (drawing->header) {
            painter->fillRect(cell, QColor(192, 192, 192));
            painter->setPen(Qt::white);
            painter->drawText(cell.adjusted(15, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                              drawing->text);
        } else if (drawing->rightAligned) {
            painter->fillRect(cell, pal.color(QPalette::Base));
            painter->setPen(pal.color(QPalette::Text));
            painter->drawText(cell.adjusted(0, 2, -5, 0), Qt::AlignRight | Qt::AlignTop,
                              drawing->text);
        } else {
            // The system's active-border colour: Qt names no such colour;
            // the light shade of the window's own colours stands for it.
            if (drawing->activeBorder)
                painter->fillRect(cell, pal.color(QPalette::Midlight));
            painter->setPen(pal.color(QPalette::Text));
            painter->drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                              drawing->text);
        }
        painter->restore();
    }

private:
    QTableWidget *grid_;
    Control &control_;
};

class GridBinder : public Binder
{
public:
    GridBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        QTableWidget *g = grid();
        g->setItemDelegate(new GridDelegate(g, c));
        g->horizontalHeader()->hide();
        g->verticalHeader()->hide();
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionMode(QAbstractItemView::NoSelection);
        g->horizontalHeader()->setMinimumSectionSize(1);
        g->verticalHeader()->setMinimumSectionSize(1);
        g->setFocusPolicy(c.focusable() ? Qt::StrongFocus : Qt::NoFocus);
        new MouseForwarder(*this, g->viewport(), [this] { userActed(); });
    }

protected:
    QTableWidget *grid() const { return qobject_cast<QTableWidget *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::ColCount, P::RowCount, P::ColWidths, P::RowHeights, P::Cells, P::Hint,
                     P::ShowHint, P::Enabled, P::Visible},
                    Geometry);
    }

    void apply(Property p) override
    {
        QTableWidget *g = grid();
        switch (p) {
        case P::ColCount:
            g->setColumnCount(control_.colCount());
            apply(P::ColWidths);
            break;
        case P::RowCount:
            g->setRowCount(control_.rowCount());
            apply(P::RowHeights);
            break;
        case P::ColWidths:
        case P::DefaultColWidth:
            for (int c = 0; c < control_.colCount(); ++c)
                g->setColumnWidth(c, control_.colWidth(c) + GridLine);
            break;
        case P::RowHeights:
        case P::DefaultRowHeight:
            for (int r = 0; r < control_.rowCount(); ++r)
                g->setRowHeight(r, control_.rowHeight(r) + GridLine);
            break;
        case P::Cells:
            for (int r = 0; r < control_.rowCount(); ++r)
                for (int c = 0; c < control_.colCount(); ++c) {
                    const QString &text = control_.cells()[static_cast<size_t>(r)][static_cast<size_t>(c)];
                    QTableWidgetItem *item = g->item(r, c);
                    if (!item) {
                        if (text.isEmpty())
                            continue;
                        item = new QTableWidgetItem;
                        item->setFlags(Qt::ItemIsEnabled);
                        g->setItem(r, c, item);
                    }
                    if (item->text() != text)
                        item->setText(text);
                }
            g->viewport()->update();
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        QTableWidget *g = grid();
        switch (p) {
        case P::ColCount:
            return json(g->columnCount());
        case P::RowCount:
            return json(g->rowCount());
        case P::Cells: {
            std::vector<std::string> rows;
            for (int r = 0; r < g->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < g->columnCount(); ++c)
                    cells << (g->item(r, c) ? g->item(r, c)->text() : QString());
                rows.push_back(json(cells));
            }
            return driver::jsonArray(rows);
        }
        default:
            return shownCommon(p);
        }
    }
};

// ---- Tab control -------------------------------------------------------------------

class TabControlBinder : public Binder
{
public:
    TabControlBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(bar(), &QTabBar::tabBarClicked, this, [this](int index) {
            if (!fromUser() || index < 0)
                return;
            form_.userSelect(control_, index);
            userActed();
        });
        connect(bar(), &QTabBar::currentChanged, this, [this](int index) {
            if (!fromUser() || index < 0 || index == control_.tabIndex())
                return;
            form_.userSelect(control_, index);
            userActed();
        });
        new MouseForwarder(*this, bar(), [this] { userActed(); });
    }

protected:
    QTabBar *bar() const { return qobject_cast<QTabBar *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Items, P::TabIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible},
                    Geometry);
    }

    void apply(Property p) override
    {
        QTabBar *b = bar();
        switch (p) {
        case P::Items: {
            const QStringList &items = control_.items();
            while (b->count() > items.size())
                b->removeTab(b->count() - 1);
            for (int i = 0; i < items.size(); ++i) {
                if (i < b->count())
                    b->setTabText(i, items[i]);
                else
                    b->addTab(items[i]);
            }
            b->setCurrentIndex(control_.tabIndex());
            break;
        }
        case P::TabIndex:
            b->setCurrentIndex(control_.tabIndex());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Items: {
            QStringList items;
            for (int i = 0; i < bar()->count(); ++i)
                items << bar()->tabText(i);
            return json(items);
        }
        case P::TabIndex:
            return json(bar()->currentIndex());
        default:
            return shownCommon(p);
        }
    }
};

// ---- Status bar ------------------------------------------------------------------------

class StatusBarBinder : public Binder
{
public:
    StatusBarBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        auto *bar = qobject_cast<QStatusBar *>(o);
        bar->setSizeGripEnabled(false);
        for (int i = 0; i < c.panels().size(); ++i) {
            auto *panel = new QLabel(bar);
            panel->setObjectName(c.name() + QStringLiteral("_panel%1").arg(i));
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Sunken);
            // The last panel takes the rest of the bar.
            const bool last = i + 1 == c.panels().size();
            bar->addWidget(panel, last ? 1 : 0);
            panels_.push_back(panel);
        }
    }

protected:
    std::vector<Property> properties() const override
    {
        return {P::PanelWidths, P::Panels, P::Visible};
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Panels:
            for (size_t i = 0; i < panels_.size(); ++i)
                panels_[i]->setText(control_.panel(static_cast<int>(i)));
            break;
        case P::PanelWidths:
            for (size_t i = 0; i + 1 < panels_.size(); ++i)
                if (i < control_.panelWidths().size())
                    panels_[i]->setFixedWidth(control_.panelWidths()[i]);
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Panels) {
            QStringList texts;
            for (const QLabel *l : panels_)
                texts << l->text();
            return json(texts);
        }
        return shownCommon(p);
    }

private:
    std::vector<QLabel *> panels_;
};

// ---- Menus -------------------------------------------------------------------------------

class MenuItemBinder : public Binder
{
public:
    MenuItemBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        if (auto *menu = qobject_cast<QMenu *>(o)) {
            // An entry that opens a submenu: its click is the opening.
            connect(menu, &QMenu::aboutToShow, this, [this] { user(); });
        } else {
            auto *a = action();
            a->setCheckable(c.radioGroup() != 0 || c.checked());
            connect(a, &QAction::triggered, this, [this] { user(); });
        }
    }

protected:
    // The entry's action: its own, or its submenu's.
    QAction *action() const
    {
        if (auto *menu = qobject_cast<QMenu *>(object_.data()))
            return menu->menuAction();
        return qobject_cast<QAction *>(object_.data());
    }

    std::vector<Property> properties() const override
    {
        return {P::Caption, P::Checked, P::Hint, P::Enabled, P::Visible};
    }

    void apply(Property p) override
    {
        QAction *a = action();
        switch (p) {
        case P::Caption:
            if (auto *menu = qobject_cast<QMenu *>(object_.data()))
                menu->setTitle(control_.caption());
            else
                a->setText(control_.caption());
            if (!control_.shortcut().isEmpty())
                a->setShortcut(QKeySequence(control_.shortcut()));
            break;
        case P::Checked:
            if (control_.checked())
                a->setCheckable(true);
            a->setChecked(control_.checked());
            break;
        case P::Hint:
            a->setToolTip(control_.hint());
            break;
        case P::Enabled:
            a->setEnabled(control_.enabled());
            break;
        case P::Visible:
            a->setVisible(control_.visible());
            break;
        default:
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        QAction *a = action();
        switch (p) {
        case P::Caption:
            return json(a->text());
        case P::Checked:
            return json(a->isChecked());
        case P::Enabled:
            return json(a->isEnabled());
        case P::Visible:
            return json(a->isVisible());
        default:
            return std::nullopt;
        }
    }

private:
    void user()
    {
        if (!fromUser())
            return;
        form_.userClick(control_);
        userActed();
    }
};

class MenuBinder : public Binder
{
public:
    using Binder::Binder;

protected:
    std::vector<Property> properties() const override { return {P::Enabled}; }
};

// ---- Chart --------------------------------------------------------------------------------

class ChartBinder : public Binder
{
public:
    ChartBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
    }

protected:
    std::vector<Property> properties() const override
    {
        return with({P::Hint, P::ShowHint, P::Enabled, P::Visible}, Geometry);
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

std::unique_ptr<Binder> makeBinder(Session &session, form::Form &form, Control &control,
                                   QObject *object)
{
    if (!objectFitsKind(object, control.kind()))
        return nullptr;
    switch (control.kind()) {
    case Kind::Window:
        return std::make_unique<WindowBinder>(session, form, control, object);
    case Kind::PageControl:
        return std::make_unique<PageControlBinder>(session, form, control, object);
    case Kind::Page:
        return std::make_unique<PageBinder>(session, form, control, object);
    case Kind::GroupBox:
        return std::make_unique<GroupBoxBinder>(session, form, control, object);
    case Kind::Label:
        return std::make_unique<LabelBinder>(session, form, control, object);
    case Kind::Image:
        return std::make_unique<ImageBinder>(session, form, control, object);
    case Kind::Edit:
        return std::make_unique<EditBinder>(session, form, control, object);
    case Kind::ListBox:
        return std::make_unique<ListBoxBinder>(session, form, control, object);
    case Kind::ComboBox:
        return std::make_unique<ComboBoxBinder>(session, form, control, object);
    case Kind::RadioGroup:
        return std::make_unique<RadioGroupBinder>(session, form, control, object);
    case Kind::RadioButton:
    case Kind::CheckBox:
    case Kind::Button:
        return std::make_unique<ButtonBinder>(session, form, control, object);
    case Kind::Grid:
        return std::make_unique<GridBinder>(session, form, control, object);
    case Kind::TabControl:
        return std::make_unique<TabControlBinder>(session, form, control, object);
    case Kind::StatusBar:
        return std::make_unique<StatusBarBinder>(session, form, control, object);
    case Kind::MenuItem:
        return std::make_unique<MenuItemBinder>(session, form, control, object);
    case Kind::Menu:
        return std::make_unique<MenuBinder>(session, form, control, object);
    case Kind::Chart:
        return std::make_unique<ChartBinder>(session, form, control, object);
    case Kind::Timer:
        return std::make_unique<TimerBinder>(session, form, control, object);
    }
    return nullptr;
}

} // namespace pc::gui
