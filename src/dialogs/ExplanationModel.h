#pragma once

#include "explain/Explanation.h"

#include <QAbstractItemModel>
#include <vector>

// The explanation as a tree for a view. The root's steps are the top rows; under a step come the
// values of the declaration it takes (each with where it was entered), then its own steps. Columns:
// what the row is, its amount, and the formula of a step or the place of a value.
class TExplanationModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { TitleColumn, AmountColumn, FormulaColumn, ColumnCount };

    explicit TExplanationModel(const Explanation& explanation, QObject* parent = nullptr);

    // The step a row shows; for a value's row, the step that takes it.
    Explanation::StepId StepOf(const QModelIndex& index) const;
    // The value of the declaration a row shows; unset for a step's row.
    RecordRef RecordOf(const QModelIndex& index) const;
    // The row of a step.
    QModelIndex IndexOf(Explanation::StepId step, int column = TitleColumn) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // A value of the declaration under a step.
    struct Value {
        RecordRef Record;
        QString Label;
        Money Amount;
        bool HasAmount = true;
    };
    // Step rows carry their step id, value rows the id of their step with the lowest bit set.
    static quintptr StepKey(Explanation::StepId step) { return quintptr(step) << 1; }
    static quintptr ValueKey(Explanation::StepId step) { return (quintptr(step) << 1) | 1; }
    bool IsValue(const QModelIndex& index) const { return index.internalId() & 1; }
    int ValueCount(Explanation::StepId step) const {
        return firstValue_[size_t(step) + 1] - firstValue_[size_t(step)];
    }
    const Value& ValueAt(const QModelIndex& index) const;
    int RowOf(Explanation::StepId step) const;

    const Explanation& explanation_;
    std::vector<Value> values_;
    std::vector<int> firstValue_; // per step, then the end
};
