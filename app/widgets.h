#pragma once
// Widget classes of our own that the .ui files use where Qt has no widget of
// the kind: a radio group (a group box whose items are radio buttons), a
// drop-down list that tells the program when it opens, and a list box that
// draws tab stops.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QStringList>

#include <functional>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace pc::gui {

// A group box holding one radio button per item, in `columns` columns.
class RadioGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroupBox(QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    QStringList items() const;
    void setColumns(int columns);
    // -1 checks none.
    void setCheckedIndex(int index);
    int checkedIndex() const;
    void setItemEnabled(int index, bool on);
    bool itemEnabled(int index) const;
    QRadioButton *button(int index) const;
    int count() const { return static_cast<int>(buttons_.size()); }
    // Runs when new buttons stand for the items (they take their place in the
    // Tab order only when the window orders it again). A callback, since the
    // program's updates block the group's signals.
    std::function<void()> onItemsReplaced;

signals:
    // The user clicked item `index` (the button shows it checked already).
    void itemClicked(int index);

private:
    void relayout();

    QButtonGroup *group_;
    QGridLayout *layout_;
    std::vector<QRadioButton *> buttons_;
    int columns_ = 1;
};

// A drop-down list that runs `onDropDown` just before its list opens, and
// opens it at least `droppedWidth` pixels wide.
class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);
    void showPopup() override;

    std::function<void()> onDropDown;
    int droppedWidth = 0;
};

// A list box whose item texts may hold tab characters: the text after a tab
// starts at the next multiple of `tabStop` pixels. Its rows come from the
// model its binder sets.
class TabbedListBox : public QListView
{
    Q_OBJECT
    Q_PROPERTY(int tabStop READ tabStop WRITE setTabStop)
public:
    explicit TabbedListBox(QWidget *parent = nullptr);
    int tabStop() const { return tabStop_; }
    void setTabStop(int pixels);

private:
    int tabStop_ = 65;
};

// A one-line label that ends its text in an ellipsis when the text is wider
// than the label (text() keeps the whole text).
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pc::gui
