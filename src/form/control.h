#pragma once
// One named control of a window, with exactly the toolkit rules the handlers
// rely on:
//  - setText() on an edit with a different text runs onChange before it returns;
//    the same text runs nothing;
//  - setItemIndex() on a radio group to a different item runs onClick at once;
//    clearItems() on a radio group leaves no item selected and runs nothing;
//  - setChecked(true) on an unchecked radio button runs onClick at once (and
//    unchecks the other radio buttons of the same parent);
//  - setChecked() on a check box to a different state runs onClick;
//  - setItemIndex() on a list box, combo box or tab control runs nothing;
//  - setChecked() on a menu item runs nothing; menu radio items of one group
//    uncheck each other; click() runs onClick only when the item is enabled.
// User actions (typing, picking, clicking) go through the Form, which keeps the
// focus and runs key filter, change, click, enter and exit in order.
// Every property change notifies the observers (the Qt binders listen).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace pc::form {

enum class Kind {
    Window,
    PageControl,
    Page,
    GroupBox,
    Label,
    Edit,
    ListBox,
    ComboBox,
    RadioGroup,
    RadioButton,
    CheckBox,
    Button,
    Grid,
    TabControl,
    StatusBar,
    MenuItem,
    Chart,
    Image,
    Menu,  // a main menu or a context menu: holds menu items, no events of its own
    Timer, // runs onTimer at its interval while it is enabled; never seen
};

// Font colours as the driver prints them.
inline const QString clWindowText = QStringLiteral("clWindowText");
inline const QString clRed = QStringLiteral("#FF0000");
inline const QString clBlue = QStringLiteral("#0000FF");
inline const QString clBlack = QStringLiteral("#000000");
inline const QString clMaroon = QStringLiteral("#800000");
inline const QString clGreen = QStringLiteral("#008000");
inline const QString clNavy = QStringLiteral("#000080");

enum class Property {
    Text,
    Caption,
    Hint,
    ShowHint,
    Enabled,
    Visible,
    Checked,
    Items,
    ItemIndex,
    Columns,
    ItemEnabled,
    FontColor,
    FontBold,
    Panels,
    PanelWidths,
    Cells,
    ColCount,
    RowCount,
    TabVisible,
    ActivePageIndex,
    TabIndex,
    MaxHeight,
    Top,
    Height,
    Width,
    MaxLength,
    // Grid sizes (not dumped; the driver reads them on request).
    DefaultColWidth,
    DefaultRowHeight,
    ColWidths,
    RowHeights,
    // Left edge of a control the program places; alpha transparency of a window;
    // the drawing an image control shows (not dumped).
    Left,
    AlphaBlend,
    Picture,
    // The chart (not dumped; the driver reads them on request).
    ChartTitle,
    SubTitle,
    SubTitleLeft,
    LeftAxisTitle,
    BottomAxisTitle,
    SeriesColor,
    Series,
    PointLabels,
    BottomAxisMax,
    LeftAxisMax,
    PlotRect,
    Zoomed,
    CursorLines,
    MarkerShadow,
};

// How the program wants one grid cell painted. The decision is the model's, so
// that the Qt program only paints what it is told.
struct CellDrawing
{
    QString text;              // the text to draw instead of the cell's own
    bool activeBorder = false; // fill with the system colour of an active border
    bool header = false;       // silver background, white text, 15 px from the left
    bool rightAligned = false; // right end 5 px inside the cell's right edge
};

class Control
{
public:
    Control(QString name, Kind kind);
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return name_; }
    Kind kind() const { return kind_; }

    // Caption of labels, group boxes, buttons, check boxes, radio buttons,
    // radio groups, pages, menu items and windows.
    const QString &caption() const { return caption_; }
    void setCaption(const QString &c);

    // Text of edits (runs onChange when it differs). For a combo box the
    // text of the selected item ("" when none).
    QString text() const;
    void setText(const QString &t);

    const QString &hint() const { return hint_; }
    void setHint(const QString &h);
    bool showHint() const { return showHint_; }
    void setShowHint(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    // A menu entry held back until its function exists reads as disabled
    // while it has no click handler, whatever the program sets.
    bool enabled() const { return enabled_ && !(heldBack_ && !onClick); }
    void setEnabled(bool on);
    bool heldBack() const { return heldBack_; }
    void holdBackUntilHandled()
    {
        const bool before = enabled();
        heldBack_ = true;
        if (enabled() != before)
            notify(Property::Enabled);
    }
    const QString &fontColor() const { return fontColor_; }
    void setFontColor(const QString &c);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool on);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);

    // Items of list boxes, combo boxes, radio groups and tab controls.
    const QStringList &items() const { return items_; }
    int itemCount() const { return static_cast<int>(items_.size()); }
    void clearItems(); // selection becomes -1, runs nothing
    void addItem(const QString &item);
    void setItems(const QStringList &items); // replaces; selection -1, runs nothing
    void setItem(int index, const QString &item);
    void deleteItem(int index);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index); // radio group: runs onClick when it changes
    int columns() const { return columns_; }
    void setColumns(int n);
    std::vector<bool> itemEnabled() const { return itemEnabled_; }
    void setItemEnabled(int index, bool on);

    // Check boxes, radio buttons, menu items.
    bool checked() const { return checked_; }
    void setChecked(bool on);
    // Menu radio items with the same group uncheck each other (0 = no group).
    int radioGroup() const { return radioGroup_; }
    void setRadioGroup(int g) { radioGroup_ = g; }
    // Click by program: a menu item runs onClick only when enabled; a button
    // or check box runs it as the toolkit does.
    void click();

    // Grids.
    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    void setColCount(int n);
    void setRowCount(int n);
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);
    const std::vector<std::vector<QString>> &cells() const { return cells_; } // [row][col]
    // Column widths and row heights in pixels. Setting the default width or
    // height gives every column or row that size, as does adding one.
    int defaultColWidth() const { return defaultColWidth_; }
    void setDefaultColWidth(int w);
    int defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int h);
    const std::vector<int> &colWidths() const { return colWidths_; }
    int colWidth(int col) const;
    void setColWidth(int col, int w);
    const std::vector<int> &rowHeights() const { return rowHeights_; }
    int rowHeight(int row) const;
    void setRowHeight(int row, int h);

    // Status bar panels.
    const QStringList &panels() const { return panels_; }
    QString panel(int i) const { return i < panels_.size() ? panels_[i] : QString(); }
    void setPanel(int i, const QString &text);
    const std::vector<int> &panelWidths() const { return panelWidths_; }
    void setPanelWidth(int i, int width);

    // Pages and the page control.
    bool tabVisible() const { return tabVisible_; }
    void setTabVisible(bool on);
    int activePageIndex() const { return activePageIndex_; }
    void setActivePageIndex(int i); // by program: runs nothing
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i); // by program: runs nothing

    // Whether a person can put the focus on it by clicking or tabbing (the
    // program can still focus it).
    bool focusable() const { return focusable_; }
    void setFocusable(bool on) { focusable_ = on; }

    // Drop-down lists: number of rows shown when opened; width of the opened
    // list in pixels (0 = as wide as the box).
    int dropDownCount() const { return dropDownCount_; }
    void setDropDownCount(int n) { dropDownCount_ = n; }
    int droppedWidth() const { return droppedWidth_; }
    void setDroppedWidth(int w) { droppedWidth_ = w; }

    // Menu items: the shortcut as shown in the menu ("Ctrl+P"), empty when none.
    const QString &shortcut() const { return shortcut_; }
    void setShortcut(const QString &s) { shortcut_ = s; }

    // Geometry the program sets.
    int top() const { return top_; }
    void setTop(int v);
    int height() const { return height_; }
    void setHeight(int v);
    int width() const { return width_; }
    void setWidth(int v);
    int maxHeight() const { return maxHeight_; }
    void setMaxHeight(int v);
    int left() const { return left_; }
    void setLeft(int v);
    // Width limits (labels that wrap); not printed by the driver.
    int minWidth() const { return minWidth_; }
    void setMinWidth(int v) { minWidth_ = v; }
    int maxWidth() const { return maxWidth_; }
    void setMaxWidth(int v) { maxWidth_ = v; }
    // Windows: alpha transparency, 0 (invisible) to 255 (opaque).
    int alphaBlend() const { return alphaBlend_; }
    void setAlphaBlend(int v);

    // Image controls: the drawing shown, as an SVG document (empty: none).
    const QByteArray &picture() const { return picture_; }
    void setPicture(const QByteArray &svg);

    // Whether the geometry property p (Top, Height, Width, MaxHeight, Left) has
    // been given a value, at design time or by the program: the driver dumps
    // only those.
    bool geometrySet(Property p) const;

    // Structure: the control this one lies on (group box, page, window).
    Control *parent() const { return parent_; }
    void setParent(Control *p);
    const std::vector<Control *> &children() const { return children_; }

    // Event handlers, bound by the wiring table; empty = the event does nothing.
    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void()> onEnter;
    std::function<void()> onExit;
    std::function<void()> onDropDown;
    std::function<void()> onShow;
    std::function<void(QChar &key)> onKeyPress; // set key to QChar() to drop it
    std::function<void(int x, int y)> onMouseMove;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseLeave;
    std::function<void()> onTimer;      // a timer's tick
    std::function<void()> onDeactivate; // a window loses activation
    // Owner drawing of grid cells: how cell (col, row) is painted after the
    // grid has drawn it normally; nothing = the grid's own drawing only.
    std::function<std::optional<CellDrawing>(int col, int row)> onDrawCell;

    using Observer = std::function<void(Control &, Property)>;
    void addObserver(Observer o) { observers_.push_back(std::move(o)); }

    // Properties the driver prints for this kind of control.
    std::vector<Property> dumpedProperties() const;

protected:
    void notify(Property p);

private:
    // Sets one geometry property (Top, Height, Width, MaxHeight, Left).
    void setGeometry(Property p, int &field, int v);

    QString name_;
    Kind kind_;
    QString caption_;
    QString text_;
    QString hint_;
    bool showHint_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool heldBack_ = false;
    QString fontColor_ = clWindowText;
    bool fontBold_ = false;
    int maxLength_ = 0;
    QStringList items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    std::vector<bool> itemEnabled_;
    bool checked_ = false;
    int radioGroup_ = 0;
    int colCount_ = 0;
    int rowCount_ = 0;
    std::vector<std::vector<QString>> cells_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    QStringList panels_;
    std::vector<int> panelWidths_;
    bool tabVisible_ = true;
    int activePageIndex_ = 0;
    int tabIndex_ = 0;
    int top_ = 0;
    int height_ = 0;
    int width_ = 0;
    int maxHeight_ = 0;
    int left_ = 0;
    int alphaBlend_ = 255;
    int minWidth_ = 0;
    int maxWidth_ = 0;
    unsigned geometrySet_ = 0; // one bit per geometry property
    bool focusable_ = true;
    int dropDownCount_ = 8;
    int droppedWidth_ = 0;
    QString shortcut_;
    QByteArray picture_;
    Control *parent_ = nullptr;
    std::vector<Control *> children_;
    std::vector<Observer> observers_;
};

} // namespace pc::form
