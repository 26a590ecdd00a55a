#include "editing/RecordListModel.h"

TRecordListModel::TRecordListModel(QStringList headings, Count count, RowTexts rowTexts, QObject* parent)
    : QAbstractTableModel(parent), headings_(std::move(headings)), count_(std::move(count)),
      rowTexts_(std::move(rowTexts)) {}

void TRecordListModel::Reload() {
    beginResetModel();
    rows_.clear();
    const int count = count_();
    rows_.reserve(count);
    for (int row = 0; row < count; ++row)
        rows_.append(rowTexts_(row));
    endResetModel();
}

void TRecordListModel::ReloadRow(int row) {
    if (row < 0 || row >= rows_.size()) return;
    rows_[row] = rowTexts_(row);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int TRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TRecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant TRecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || role != Qt::DisplayRole) return {};
    return rows_[index.row()].value(index.column());
}

QVariant TRecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return headings_.value(section);
}
