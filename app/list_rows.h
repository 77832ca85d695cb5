#pragma once
// The rows a list box shows, as a model for a QListView: a refill of the
// program's list tells the view only which rows changed, were added or were
// taken away, so that a list of hundreds of rows that a keystroke refills
// costs the view the rows it shows, not one widget item per row.

#include <QAbstractListModel>
#include <QStringList>

namespace pc::gui {

class ListRows : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ListRows(QObject *parent = nullptr);

    // Becomes `rows`: the rows that differ at the same place are changed,
    // rows beyond the old end added, and rows beyond the new end removed.
    void setRows(const QStringList &rows);
    const QStringList &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList rows_;
};

} // namespace pc::gui
