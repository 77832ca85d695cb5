#include "widgets.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace pc::gui {

RadioGroupBox::RadioGroupBox(QWidget *parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QGridLayout(this))
{
    // The program decides which item is checked: none may be.
    group_->setExclusive(false);
    layout_->setContentsMargins(8, 4, 8, 4);
    layout_->setHorizontalSpacing(8);
    layout_->setVerticalSpacing(0);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroupBox::itemClicked);
}

void RadioGroupBox::setItems(const QStringList &items)
{
    // A button may be the one whose click is running: it goes once the
    // click is over.
    for (QRadioButton *b : buttons_) {
        group_->removeButton(b);
        layout_->removeWidget(b);
        b->hide();
        b->deleteLater();
    }
    buttons_.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], this);
        b->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
        b->setAutoExclusive(false);
        group_->addButton(b, i);
        buttons_.push_back(b);
    }
    relayout();
    if (onItemsReplaced)
        onItemsReplaced();
}

QStringList RadioGroupBox::items() const
{
    QStringList out;
    for (const QRadioButton *b : buttons_)
        out << b->text();
    return out;
}

void RadioGroupBox::setColumns(int columns)
{
    columns_ = std::max(1, columns);
    relayout();
}

void RadioGroupBox::relayout()
{
    // Items run down the first column, then down the next, as a radio group
    // with several columns lists them.
    const int n = static_cast<int>(buttons_.size());
    const int rows = std::max(1, (n + columns_ - 1) / columns_);
    for (int i = 0; i < n; ++i) {
        layout_->removeWidget(buttons_[static_cast<size_t>(i)]);
        layout_->addWidget(buttons_[static_cast<size_t>(i)], i % rows, i / rows);
        buttons_[static_cast<size_t>(i)]->show();
    }
}

void RadioGroupBox::setCheckedIndex(int index)
{
    for (int i = 0; i < count(); ++i)
        buttons_[static_cast<size_t>(i)]->setChecked(i == index);
}

int RadioGroupBox::checkedIndex() const
{
    for (int i = 0; i < count(); ++i)
        if (buttons_[static_cast<size_t>(i)]->isChecked())
            return i;
    return -1;
}

void RadioGroupBox::setItemEnabled(int index, bool on)
{
    if (index >= 0 && index < count())
        buttons_[static_cast<size_t>(index)]->setEnabled(on);
}

bool RadioGroupBox::itemEnabled(int index) const
{
    return index >= 0 && index < count() && buttons_[static_cast<size_t>(index)]->isEnabled();
}

QRadioButton *RadioGroupBox::button(int index) const
{
    return index >= 0 && index < count() ? buttons_[static_cast<size_t>(index)] : nullptr;
}

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent) {}

void DropDownList::showPopup()
{
    if (onDropDown) {
        auto run = onDropDown;
        run();
    }
    view()->setMinimumWidth(std::max(droppedWidth, width()));
    QComboBox::showPopup();
}

namespace {

// Draws an item's text with its tab characters as tab stops.
class TabStopDelegate : public QStyledItemDelegate
{
public:
    explicit TabStopDelegate(TabbedListBox *list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget *w = opt.widget;
        QStyle *style = w ? w->style() : nullptr;
        if (!style)
            return;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
        const QRect r = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, w);
        painter->save();
        painter->setFont(opt.font);
        const QPalette::ColorGroup cg = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
        painter->setPen(opt.palette.color(
            cg, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        const QStringList parts = text.split(QLatin1Char('\t'));
        const QFontMetrics fm(opt.font);
        const int stop = std::max(1, list_->tabStop());
        int x = r.left();
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = r.left() + ((x - r.left()) / stop + 1) * stop;
            painter->drawText(QRect(x, r.top(), r.right() - x, r.height()),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
            x += fm.horizontalAdvance(parts[i]);
        }
        painter->restore();
    }

private:
    TabbedListBox *list_;
};

} // namespace

TabbedListBox::TabbedListBox(QWidget *parent) : QListView(parent)
{
    setItemDelegate(new TabStopDelegate(this));
    setUniformItemSizes(true);
}

void TabbedListBox::setTabStop(int pixels)
{
    tabStop_ = pixels;
    viewport()->update();
}

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent) {}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, r.width());
    style()->drawItemText(&painter, r, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

} // namespace pc::gui
