#include "reference/CodeNameTableModel.h"

CodeNameTableModel::CodeNameTableModel(const QString& codeCaption, const QString& nameCaption,
                                       QObject* parent)
    : QAbstractTableModel(parent), captions_{codeCaption, nameCaption} {}

void CodeNameTableModel::SetRows(QList<CodeNameRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int CodeNameTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int CodeNameTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CodeNameTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || role != Qt::DisplayRole) return {};
    const CodeNameRow& row = rows_[index.row()];
    return index.column() == 0 ? row.Code : row.Name;
}

QVariant CodeNameTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1) return {};
    return captions_[section];
}
