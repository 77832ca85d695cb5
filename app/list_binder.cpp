// The binder of the list box: the program's items shown through a model of
// the binder's own (ListRows), so a refill changes only the rows that change.

#include "binder_support.h"
#include "gui_session.h"
#include "list_rows.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>

namespace pc::gui::detail {

namespace {

class ListBoxBinder : public Binder
{
public:
    ListBoxBinder(Session &s, form::Form &f, Control &c, QObject *o)
        : Binder(s, f, c, o), rows_(new ListRows(this))
    {
        list()->setModel(rows_);
        // A click takes the focus only once the press is matched to a row
        // (below): leaving the focused field may refill and scroll the list,
        // and the row under the pointer when the button went down is the one
        // the user chose.
        list()->setFocusPolicy(Qt::TabFocus);
        list()->viewport()->installEventFilter(this);
        // Keys that move the selection pick the item they land on, once the
        // list has finished moving (the pick may refill it).
        connect(list()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex &current) {
                    const int row = current.isValid() ? current.row() : -1;
                    if (fromUser() && row >= 0 && row != control_.itemIndex())
                        QMetaObject::invokeMethod(
                            this,
                            [this, row] {
                                if (row < control_.itemCount())
                                    pick(row);
                            },
                            Qt::QueuedConnection);
                });
    }

protected:
    QListView *list() const { return qobject_cast<QListView *>(object_.data()); }
    // What the view shows, read through its model.
    QStringList items() const
    {
        const QAbstractItemModel *m = list()->model();
        return texts(m ? m->rowCount() : 0,
                     [m](int i) { return m->data(m->index(i, 0), Qt::DisplayRole).toString(); });
    }

    std::vector<Property> properties() const override
    {
        return with(
            {P::Items, P::ItemIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor},
            Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Items:
            rows_->setRows(control_.items());
            applySelection();
            break;
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
        case P::Items:
            return json(items());
        case P::ItemIndex:
            return json(list()->selectionModel()->hasSelection() ? list()->currentIndex().row()
                                                                 : -1);
        default:
            return shownCommon(p);
        }
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        // A click picks the item under the pointer, the same item again too:
        // the row first, then the focus (whose move may run the handlers of
        // the field left), then the pick of that row.
        if (o == list()->viewport() && e->type() == QEvent::MouseButtonPress && fromUser()) {
            auto *me = static_cast<QMouseEvent *>(e);
            if (me->button() != Qt::LeftButton)
                return false;
            const QModelIndex index = list()->indexAt(me->position().toPoint());
            const QPointer<QListView> alive(list());
            if (list()->isEnabled())
                list()->setFocus(Qt::MouseFocusReason);
            if (alive && index.isValid())
                pick(index.row());
            return true;
        }
        return false;
    }

private:
    void applySelection()
    {
        const int i = control_.itemIndex();
        QItemSelectionModel *selection = list()->selectionModel();
        if (i < 0 || i >= rows_->rowCount()) {
            selection->clearSelection();
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::ClearAndSelect);
        } else {
            const QModelIndex index = rows_->index(i);
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            list()->scrollTo(index);
        }
    }

    void pick(int row)
    {
        form_.userSelect(control_, row);
        userActed();
    }

    ListRows *rows_;
};

} // namespace

std::unique_ptr<Binder> makeListBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    if (c.kind() == Kind::ListBox)
        return std::make_unique<ListBoxBinder>(s, f, c, o);
    return nullptr;
}

} // namespace pc::gui::detail
