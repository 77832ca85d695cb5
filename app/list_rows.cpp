#include "list_rows.h"

#include <algorithm>

namespace pc::gui {

ListRows::ListRows(QObject *parent) : QAbstractListModel(parent) {}

void ListRows::setRows(const QStringList &rows)
{
    const int common = static_cast<int>(std::min(rows_.size(), rows.size()));
    // Each run of changed rows is one change for the view.
    for (int i = 0; i < common;) {
        if (rows_[i] == rows[i]) {
            ++i;
            continue;
        }
        const int first = i;
        while (i < common && rows_[i] != rows[i]) {
            rows_[i] = rows[i];
            ++i;
        }
        emit dataChanged(index(first), index(i - 1), {Qt::DisplayRole});
    }
    if (rows.size() > rows_.size()) {
        beginInsertRows(QModelIndex(), common, static_cast<int>(rows.size()) - 1);
        rows_.append(rows.mid(common));
        endInsertRows();
    } else if (rows.size() < rows_.size()) {
        beginRemoveRows(QModelIndex(), common, static_cast<int>(rows_.size()) - 1);
        rows_.resize(common);
        endRemoveRows();
    }
}

int ListRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ListRows::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size() || index.column() != 0)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return rows_[index.row()];
    return {};
}

} // namespace pc::gui
