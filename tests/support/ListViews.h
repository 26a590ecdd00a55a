#pragma once

// Reading and driving the record lists of the screens (views over models) the way a user sees them.

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QStringList>
#include <QTreeView>

inline int RowCount(const QAbstractItemView* list) {
    return list->model()->rowCount();
}

inline QString RowText(const QAbstractItemView* list, int row, int column = 0) {
    return list->model()->index(row, column).data().toString();
}

// Every row's first column.
inline QStringList FirstColumn(const QAbstractItemView* list) {
    QStringList texts;
    for (int row = 0; row < RowCount(list); ++row)
        texts << RowText(list, row);
    return texts;
}

// The selected row, -1 when none is.
inline int SelectedRow(const QAbstractItemView* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// Selects a row as a click would (-1: none).
inline void ChooseRow(QAbstractItemView* list, int row) {
    if (row < 0) {
        list->selectionModel()->clearSelection();
        return;
    }
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

inline QRect RowRect(const QAbstractItemView* list, int row) {
    return list->visualRect(list->model()->index(row, 0));
}
