#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

// The rows of a record list as a view shows them: one row per record, one column per heading. The texts
// are read from the records when the list is reloaded, so a view never reaches into a record that a
// change has freed in the meantime.
class TRecordListModel : public QAbstractTableModel {
public:
    using Count = std::function<int()>;
    using RowTexts = std::function<QStringList(int row)>;

    TRecordListModel(QStringList headings, Count count, RowTexts rowTexts, QObject* parent = nullptr);

    // Reads every row again (the records changed).
    void Reload();
    // Reads one row again (its record changed, none was added or removed).
    void ReloadRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList headings_;
    Count count_;
    RowTexts rowTexts_;
    QList<QStringList> rows_;
};
