// Binders of the menus and their entries.

#include "binder_support.h"
#include "gui_session.h"
#include "widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pc::gui::detail {

namespace {

// ---- Menus -------------------------------------------------------------------------------

class MenuItemBinder : public Binder
{
public:
    MenuItemBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        if (auto *menu = qobject_cast<QMenu *>(o)) {
            // An entry that opens a submenu: its click is the opening.
            connect(menu, &QMenu::aboutToShow, this, [this] { clicked(); });
        } else {
            auto *a = action();
            a->setCheckable(c.radioGroup() != 0 || c.checked());
            if (c.radioGroup() != 0)
                joinRadioGroup(a, c.radioGroup());
            connect(a, &QAction::triggered, this, [this] { clicked(); });
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
        case P::Checked: {
            if (control_.checked())
                a->setCheckable(true);
            // The group hears of the change (the binder blocks the action's
            // signals), so that it knows which of its entries is checked.
            const bool blocked = a->blockSignals(false);
            a->setChecked(control_.checked());
            a->blockSignals(blocked);
            break;
        }
        case P::Hint:
            a->setToolTip(tooltipOf(control_.hint()));
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
    void clicked()
    {
        user([this] { form_.userClick(control_); });
    }

    // Radio entries of one group are an exclusive action group, so that the
    // style draws them as radio items, not as check boxes.
    static void joinRadioGroup(QAction *a, int group)
    {
        QObject *owner = a->parent() ? a->parent() : a;
        const QString name = QStringLiteral("MenuRadioGroup%1").arg(group);
        auto *g = owner->findChild<QActionGroup *>(name, Qt::FindDirectChildrenOnly);
        if (!g) {
            g = new QActionGroup(owner);
            g->setObjectName(name);
            g->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        }
        g->addAction(a);
    }
};

class MenuBinder : public Binder
{
public:
    using Binder::Binder;

protected:
    std::vector<Property> properties() const override { return {P::Enabled}; }
};

} // namespace

std::unique_ptr<Binder> makeMenuBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    switch (c.kind()) {
    case Kind::MenuItem:
        return std::make_unique<MenuItemBinder>(s, f, c, o);
    case Kind::Menu:
        return std::make_unique<MenuBinder>(s, f, c, o);
    default:
        return nullptr;
    }
}

} // namespace pc::gui::detail
