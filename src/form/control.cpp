#include "form/control.h"

#include "form/program_error.h"

#include <algorithm>

namespace pc::form {

namespace {

unsigned geometryBit(Property p)
{
    switch (p) {
    case Property::Top:
        return 1u;
    case Property::Height:
        return 2u;
    case Property::Width:
        return 4u;
    case Property::MaxHeight:
        return 8u;
    case Property::Left:
        return 16u;
    default:
        return 0u;
    }
}

// Runs a handler if one is bound. The handler is copied first: it may rebind
// or clear the very member it was called through.
void run(const std::function<void()> &handler)
{
    if (handler) {
        auto h = handler;
        h();
    }
}

} // namespace

Control::Control(QString name, Kind kind) : name_(std::move(name)), kind_(kind)
{
    if (kind_ == Kind::StatusBar) {
        panels_ = QStringList{QString(), QString()};
        panelWidths_ = {0, 0};
    }
}

void Control::notify(Property p)
{
    // Observers may be added while notifying; iterate by index.
    for (size_t i = 0; i < observers_.size(); ++i) {
        auto o = observers_[i];
        o(*this, p);
    }
}

void Control::setCaption(const QString &c)
{
    if (caption_ == c)
        return;
    caption_ = c;
    notify(Property::Caption);
}

QString Control::text() const
{
    switch (kind_) {
    case Kind::Edit:
        return text_;
    case Kind::ComboBox:
    case Kind::ListBox:
        return itemIndex_ >= 0 && itemIndex_ < items_.size() ? items_[itemIndex_] : QString();
    default:
        return caption_;
    }
}

void Control::setText(const QString &t)
{
    switch (kind_) {
    case Kind::Edit:
        // A different text is a change, and the change handler runs before
        // the setter returns; the same text runs nothing.
        if (text_ == t)
            return;
        text_ = t;
        notify(Property::Text);
        run(onChange);
        return;
    case Kind::ComboBox:
    case Kind::ListBox:
        // Selects the item with that text (none when there is none), runs nothing.
        setItemIndex(static_cast<int>(items_.indexOf(t)));
        return;
    default:
        setCaption(t);
        return;
    }
}

void Control::setHint(const QString &h)
{
    if (hint_ == h)
        return;
    hint_ = h;
    notify(Property::Hint);
}

void Control::setShowHint(bool on)
{
    if (showHint_ == on)
        return;
    showHint_ = on;
    notify(Property::ShowHint);
}

void Control::setVisible(bool on)
{
    if (visible_ == on)
        return;
    visible_ = on;
    notify(Property::Visible);
}

void Control::setEnabled(bool on)
{
    if (enabled_ == on)
        return;
    const bool before = enabled();
    enabled_ = on;
    if (enabled() != before)
        notify(Property::Enabled);
}

void Control::setFontColor(const QString &c)
{
    if (fontColor_ == c)
        return;
    fontColor_ = c;
    notify(Property::FontColor);
}

void Control::setFontBold(bool on)
{
    if (fontBold_ == on)
        return;
    fontBold_ = on;
    notify(Property::FontBold);
}

void Control::setMaxLength(int n)
{
    n = std::max(0, n);
    if (maxLength_ == n)
        return;
    maxLength_ = n;
    notify(Property::MaxLength);
}

void Control::clearItems()
{
    const bool hadSelection = itemIndex_ != -1;
    const bool hadItems = !items_.isEmpty();
    items_.clear();
    itemEnabled_.clear();
    itemIndex_ = -1;
    if (hadItems)
        notify(Property::Items);
    if (hadSelection)
        notify(Property::ItemIndex);
}

void Control::addItem(const QString &item)
{
    items_.append(item);
    itemEnabled_.push_back(true);
    notify(Property::Items);
}

void Control::setItems(const QStringList &items)
{
    clearItems();
    items_ = items;
    itemEnabled_.assign(static_cast<size_t>(items.size()), true);
    notify(Property::Items);
}

void Control::setItem(int index, const QString &item)
{
    PC_FORM_EXPECT(index >= 0 && index < items_.size(), name_, "setItem: no such item");
    if (index < 0 || index >= items_.size() || items_[index] == item)
        return;
    items_[index] = item;
    notify(Property::Items);
}

void Control::deleteItem(int index)
{
    PC_FORM_EXPECT(index >= 0 && index < items_.size(), name_, "deleteItem: no such item");
    if (index < 0 || index >= items_.size())
        return;
    items_.removeAt(index);
    itemEnabled_.erase(itemEnabled_.begin() + index);
    const int before = itemIndex_;
    if (kind_ == Kind::RadioGroup) {
        // The group keeps its index unless it now lies past the end.
        if (itemIndex_ >= items_.size())
            itemIndex_ = static_cast<int>(items_.size()) - 1;
    } else if (itemIndex_ == index) {
        itemIndex_ = -1; // the selected item is gone: nothing is selected
    } else if (itemIndex_ > index) {
        --itemIndex_; // the same item stays selected
    }
    notify(Property::Items);
    if (itemIndex_ != before)
        notify(Property::ItemIndex);
}

void Control::setItemIndex(int index)
{
    if (kind_ == Kind::TabControl) {
        setTabIndex(index);
        return;
    }
    const int count = static_cast<int>(items_.size());
    if (kind_ == Kind::RadioGroup) {
        // Out-of-range indices are clamped; only a selection of an item (not
        // of "none") raises the click.
        index = std::clamp(index, -1, count - 1);
        if (index == itemIndex_)
            return;
        itemIndex_ = index;
        notify(Property::ItemIndex);
        if (index >= 0)
            run(onClick);
        return;
    }
    // List and combo boxes: an index outside the items selects nothing; no
    // handler runs.
    if (index < 0 || index >= count)
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    notify(Property::ItemIndex);
    if (kind_ == Kind::ComboBox)
        notify(Property::Text);
}

void Control::setColumns(int n)
{
    n = std::max(1, n);
    if (columns_ == n)
        return;
    columns_ = n;
    notify(Property::Columns);
}

void Control::setItemEnabled(int index, bool on)
{
    PC_FORM_EXPECT(index >= 0 && index < static_cast<int>(itemEnabled_.size()), name_,
                   "setItemEnabled: no such item");
    if (index < 0 || index >= static_cast<int>(itemEnabled_.size()) || itemEnabled_[index] == on)
        return;
    itemEnabled_[index] = on;
    notify(Property::ItemEnabled);
}

void Control::setChecked(bool on)
{
    if (checked_ == on)
        return;
    checked_ = on;
    notify(Property::Checked);
    switch (kind_) {
    case Kind::CheckBox:
        run(onClick);
        return;
    case Kind::RadioButton:
        if (!on)
            return;
        if (parent_) {
            for (Control *sibling : parent_->children_)
                if (sibling != this && sibling->kind_ == Kind::RadioButton && sibling->checked_) {
                    sibling->checked_ = false;
                    sibling->notify(Property::Checked);
                }
        }
        run(onClick);
        return;
    case Kind::MenuItem:
        if (on && radioGroup_ != 0 && parent_) {
            for (Control *sibling : parent_->children_)
                if (sibling != this && sibling->kind_ == Kind::MenuItem &&
                    sibling->radioGroup_ == radioGroup_ && sibling->checked_) {
                    sibling->checked_ = false;
                    sibling->notify(Property::Checked);
                }
        }
        return; // checking a menu entry runs nothing
    default:
        return;
    }
}

void Control::click()
{
    switch (kind_) {
    case Kind::MenuItem:
        if (enabled())
            run(onClick);
        return;
    case Kind::CheckBox:
        setChecked(!checked_);
        return;
    case Kind::RadioButton:
        setChecked(true);
        return;
    default:
        run(onClick);
        return;
    }
}

void Control::setColCount(int n)
{
    n = std::max(0, n);
    if (colCount_ == n)
        return;
    colCount_ = n;
    for (auto &row : cells_)
        row.resize(static_cast<size_t>(n));
    colWidths_.resize(static_cast<size_t>(n), defaultColWidth_);
    notify(Property::ColCount);
}

void Control::setRowCount(int n)
{
    n = std::max(0, n);
    if (rowCount_ == n)
        return;
    rowCount_ = n;
    cells_.resize(static_cast<size_t>(n), std::vector<QString>(static_cast<size_t>(colCount_)));
    rowHeights_.resize(static_cast<size_t>(n), defaultRowHeight_);
    notify(Property::RowCount);
}

void Control::setDefaultColWidth(int w)
{
    const std::vector<int> all(colWidths_.size(), w);
    if (defaultColWidth_ == w && colWidths_ == all)
        return;
    defaultColWidth_ = w;
    colWidths_ = all;
    notify(Property::DefaultColWidth);
    notify(Property::ColWidths);
}

void Control::setDefaultRowHeight(int h)
{
    const std::vector<int> all(rowHeights_.size(), h);
    if (defaultRowHeight_ == h && rowHeights_ == all)
        return;
    defaultRowHeight_ = h;
    rowHeights_ = all;
    notify(Property::DefaultRowHeight);
    notify(Property::RowHeights);
}

int Control::colWidth(int col) const
{
    return col >= 0 && col < colCount_ ? colWidths_[static_cast<size_t>(col)] : 0;
}

void Control::setColWidth(int col, int w)
{
    PC_FORM_EXPECT(col >= 0 && col < colCount_, name_, "setColWidth: no such column");
    if (col < 0 || col >= colCount_ || colWidths_[static_cast<size_t>(col)] == w)
        return;
    colWidths_[static_cast<size_t>(col)] = w;
    notify(Property::ColWidths);
}

int Control::rowHeight(int row) const
{
    return row >= 0 && row < rowCount_ ? rowHeights_[static_cast<size_t>(row)] : 0;
}

void Control::setRowHeight(int row, int h)
{
    PC_FORM_EXPECT(row >= 0 && row < rowCount_, name_, "setRowHeight: no such row");
    if (row < 0 || row >= rowCount_ || rowHeights_[static_cast<size_t>(row)] == h)
        return;
    rowHeights_[static_cast<size_t>(row)] = h;
    notify(Property::RowHeights);
}

QString Control::cell(int col, int row) const
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
        return QString();
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Control::setCell(int col, int row, const QString &text)
{
    // A cell outside the grid is not kept.
    PC_FORM_EXPECT(row >= 0 && row < rowCount_ && col >= 0 && col < colCount_, name_,
                   "setCell: no such cell");
    if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
        return;
    QString &c = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    if (c == text)
        return;
    c = text;
    notify(Property::Cells);
}

void Control::setPanel(int i, const QString &text)
{
    PC_FORM_EXPECT(i >= 0 && i < panels_.size(), name_, "setPanel: no such panel");
    if (i < 0 || i >= panels_.size() || panels_[i] == text)
        return;
    panels_[i] = text;
    notify(Property::Panels);
}

void Control::setPanelWidth(int i, int width)
{
    PC_FORM_EXPECT(i >= 0 && i < static_cast<int>(panelWidths_.size()), name_,
                   "setPanelWidth: no such panel");
    if (i < 0 || i >= static_cast<int>(panelWidths_.size()) || panelWidths_[i] == width)
        return;
    panelWidths_[i] = width;
    notify(Property::PanelWidths);
}

void Control::setTabVisible(bool on)
{
    if (tabVisible_ == on)
        return;
    tabVisible_ = on;
    notify(Property::TabVisible);
}

void Control::setActivePageIndex(int i)
{
    if (activePageIndex_ == i)
        return;
    activePageIndex_ = i;
    notify(Property::ActivePageIndex);
}

void Control::setTabIndex(int i)
{
    const int count = static_cast<int>(items_.size());
    if (i < -1 || i >= count)
        i = -1;
    if (tabIndex_ == i)
        return;
    tabIndex_ = i;
    notify(Property::TabIndex);
}

void Control::setGeometry(Property p, int &field, int v)
{
    geometrySet_ |= geometryBit(p);
    if (field == v)
        return;
    field = v;
    notify(p);
}

bool Control::geometrySet(Property p) const
{
    return (geometrySet_ & geometryBit(p)) != 0;
}

void Control::setTop(int v)
{
    setGeometry(Property::Top, top_, v);
}

void Control::setHeight(int v)
{
    setGeometry(Property::Height, height_, v);
}

void Control::setWidth(int v)
{
    setGeometry(Property::Width, width_, v);
}

void Control::setMaxHeight(int v)
{
    setGeometry(Property::MaxHeight, maxHeight_, v);
}

void Control::setLeft(int v)
{
    setGeometry(Property::Left, left_, v);
}

void Control::setAlphaBlend(int v)
{
    v = std::clamp(v, 0, 255);
    if (alphaBlend_ == v)
        return;
    alphaBlend_ = v;
    notify(Property::AlphaBlend);
}

void Control::setPicture(const QByteArray &svg)
{
    if (picture_ == svg)
        return;
    picture_ = svg;
    notify(Property::Picture);
}

void Control::setParent(Control *p)
{
    if (parent_ == p)
        return;
    if (parent_) {
        auto &siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = p;
    if (p)
        p->children_.push_back(this);
}

std::vector<Property> Control::dumpedProperties() const
{
    using P = Property;
    std::vector<Property> props;
    switch (kind_) {
    case Kind::Window:
        props = {P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible};
        break;
    case Kind::PageControl:
        props = {P::ActivePageIndex, P::Enabled, P::Visible};
        break;
    case Kind::Page:
        props = {P::Caption, P::Enabled, P::TabVisible};
        break;
    case Kind::GroupBox:
        props = {P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor};
        break;
    case Kind::Label:
        props = {P::Caption, P::Hint,      P::ShowHint, P::Enabled,
                 P::Visible, P::FontColor, P::FontBold};
        break;
    case Kind::Edit:
        props = {P::Text, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor, P::MaxLength};
        break;
    case Kind::ListBox:
        props = {P::Items,   P::ItemIndex, P::Hint,     P::ShowHint,
                 P::Enabled, P::Visible,   P::FontColor};
        break;
    case Kind::ComboBox:
        props = {P::Items,    P::ItemIndex, P::Text,    P::Hint,
                 P::ShowHint, P::Enabled,   P::Visible, P::FontColor};
        break;
    case Kind::RadioGroup:
        props = {P::Caption,  P::Items,   P::ItemIndex, P::Columns,   P::ItemEnabled, P::Hint,
                 P::ShowHint, P::Enabled, P::Visible,   P::FontColor, P::FontBold};
        break;
    case Kind::RadioButton:
    case Kind::CheckBox:
        props = {P::Caption, P::Checked, P::Hint,      P::ShowHint,
                 P::Enabled, P::Visible, P::FontColor, P::FontBold};
        break;
    case Kind::Button:
        props = {P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible};
        break;
    case Kind::Grid:
        props = {P::Cells, P::ColCount, P::RowCount, P::Hint, P::ShowHint, P::Enabled, P::Visible};
        break;
    case Kind::TabControl:
        props = {P::Items, P::TabIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible};
        break;
    case Kind::StatusBar:
        props = {P::Panels, P::PanelWidths, P::Visible};
        break;
    case Kind::MenuItem:
        props = {P::Caption, P::Checked, P::Hint, P::Enabled, P::Visible};
        break;
    case Kind::Chart:
        props = {P::Hint, P::ShowHint, P::Enabled, P::Visible};
        break;
    case Kind::Image:
        props = {P::Visible};
        break;
    case Kind::Menu:
        props = {P::Enabled};
        break;
    case Kind::Timer:
        props = {P::Enabled};
        break;
    }
    for (Property g : {P::Top, P::Height, P::Width, P::MaxHeight})
        if (geometrySet(g))
            props.push_back(g);
    return props;
}

} // namespace pc::form
