#pragma once

#include "reference/CodeNameRow.h"

#include <QAbstractTableModel>

// The rows of a two-column picker (code, name) for a list view; read-only. The pickers of the desktop
// program show it with their own column captions, e.g. "Код" and "Наименование инспекции".
class CodeNameTableModel : public QAbstractTableModel {
public:
    CodeNameTableModel(const QString& codeCaption, const QString& nameCaption, QObject* parent = nullptr);

    void SetRows(QList<CodeNameRow> rows);
    const QList<CodeNameRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString captions_[2];
    QList<CodeNameRow> rows_;
};
