// The binder of string grids, with the cells the program draws itself.

#include "binder_support.h"
#include "gui_session.h"
#include "widgets.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace pc::gui::detail {

namespace {

// ---- Grids -----------------------------------------------------------------------

// Paints a cell as the grid does, then what the program asks for it.
class GridDelegate : public QStyledItemDelegate
{
public:
    GridDelegate(QTableWidget *grid, Control &control)
        : QStyledItemDelegate(grid), grid_(grid), control_(control)
    {}

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
        // The grids only show: a click may focus one, but Tab passes over it
        // and, inside it, moves on to the next control instead of the next cell.
        g->setFocusPolicy(c.focusable() ? Qt::ClickFocus : Qt::NoFocus);
        g->setTabKeyNavigation(false);
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
                    const QString &text =
                        control_.cells()[static_cast<size_t>(r)][static_cast<size_t>(c)];
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

} // namespace

std::unique_ptr<Binder> makeGridBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    switch (c.kind()) {
    case Kind::Grid:
        return std::make_unique<GridBinder>(s, f, c, o);
    default:
        return nullptr;
    }
}

} // namespace pc::gui::detail
