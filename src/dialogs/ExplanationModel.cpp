#include "dialogs/ExplanationModel.h"

#include "explain/ExplainText.h"

#include <QBrush>
#include <QFont>

TExplanationModel::TExplanationModel(const Explanation& explanation, QObject* parent)
    : QAbstractItemModel(parent), explanation_(explanation) {
    firstValue_.reserve(size_t(explanation.StepCount()) + 1);
    for (Explanation::StepId id = 0; id < explanation.StepCount(); ++id) {
        firstValue_.push_back(int(values_.size()));
        if (const RecordRef named = explanation.Named(id); named.IsSet())
            values_.push_back({named, RecordFieldTitle(named), Money(), false});
        for (const ExplainTerm& term : explanation.Terms(id))
            if (term.Record.IsSet()) values_.push_back({term.Record, term.Label, term.Amount, true});
    }
    firstValue_.push_back(int(values_.size()));
}

Explanation::StepId TExplanationModel::StepOf(const QModelIndex& index) const {
    if (!index.isValid()) return explanation_.IsEmpty() ? -1 : explanation_.Root();
    return Explanation::StepId(index.internalId() >> 1);
}

RecordRef TExplanationModel::RecordOf(const QModelIndex& index) const {
    if (!index.isValid() || !IsValue(index)) return {};
    return ValueAt(index).Record;
}

const TExplanationModel::Value& TExplanationModel::ValueAt(const QModelIndex& index) const {
    return values_[size_t(firstValue_[size_t(StepOf(index))] + index.row())];
}

int TExplanationModel::RowOf(Explanation::StepId step) const {
    return ValueCount(explanation_.Parent(step)) + explanation_.Row(step);
}

QModelIndex TExplanationModel::IndexOf(Explanation::StepId step, int column) const {
    if (step < 0 || step == explanation_.Root()) return {};
    return createIndex(RowOf(step), column, StepKey(step));
}

QModelIndex TExplanationModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || (parent.isValid() && IsValue(parent))) return {};
    const Explanation::StepId step = StepOf(parent);
    if (step < 0) return {};
    const int values = ValueCount(step);
    if (row < values) return createIndex(row, column, ValueKey(step));
    if (row - values >= explanation_.ChildCount(step)) return {};
    return createIndex(row, column, StepKey(explanation_.Child(step, row - values)));
}

QModelIndex TExplanationModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    const Explanation::StepId step = StepOf(child);
    return IndexOf(IsValue(child) ? step : explanation_.Parent(step));
}

int TExplanationModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0 || (parent.isValid() && IsValue(parent))) return 0;
    const Explanation::StepId step = StepOf(parent);
    return step < 0 ? 0 : ValueCount(step) + explanation_.ChildCount(step);
}

int TExplanationModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant TExplanationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (IsValue(index)) {
        const Value& value = ValueAt(index);
        const QString where = RecordRefText(value.Record, explanation_.NonResident);
        switch (role) {
        case Qt::DisplayRole:
            if (index.column() == TitleColumn) return value.Label;
            if (index.column() == AmountColumn)
                return value.HasAmount ? GroupedAmountText(value.Amount) : QString();
            return where;
        case Qt::ToolTipRole:
            return QStringLiteral("Введено: %1").arg(where);
        case Qt::ForegroundRole:
            return QBrush(QColor(0, 70, 140));
        default:
            return {};
        }
    }
    const Explanation::StepId id = StepOf(index);
    const ExplainStep& step = explanation_.Step(id);
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == TitleColumn) return step.Title;
        if (!step.HasAmount()) return QString();
        return index.column() == AmountColumn ? GroupedAmountText(step.Amount) : explanation_.Formula(id);
    case Qt::ToolTipRole:
        return step.Rule.isEmpty() ? QVariant() : QVariant(step.Rule);
    case Qt::FontRole:
        if (explanation_.Parent(id) == explanation_.Root()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant TExplanationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole && section == AmountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
    case TitleColumn:
        return QStringLiteral("Показатель");
    case AmountColumn:
        return QStringLiteral("Сумма, руб.");
    case FormulaColumn:
        return QStringLiteral("Как получена");
    default:
        return {};
    }
}
