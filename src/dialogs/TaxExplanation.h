#pragma once

#include "explain/Explanation.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfmTaxExplanation;
}
class QTreeView;
class TExplanationModel;

// "Расчёт налога": the explanation of every computed number as a tree, with the current step's formula,
// rule and note beside it; the tree can be copied or printed as text. Double-clicking a value the
// taxpayer entered closes the window with that value chosen, so that the main window shows where it was
// entered.
class TfmTaxExplanation : public QDialog {
    Q_OBJECT

public:
    TfmTaxExplanation(Explanation explanation, QWidget* owner = nullptr);
    ~TfmTaxExplanation() override;

    // The value whose place the user asked to see; unset when the window was just closed.
    const RecordRef& ChosenRecord() const { return chosen_; }

    // Makes the step that gives the result field the current row, opening the steps above it; false
    // when no step gives it.
    bool ShowLine(const ResultRef& line);

    QTreeView* Tree() const;
    TExplanationModel* Model() const { return model_; }
    // The explanation as the text that is copied and printed.
    QString Text() const;

private:
    void ShowCurrent(const QModelIndex& index);
    void Choose(const QModelIndex& index);
    void Copy();
    void Print();

    std::unique_ptr<Ui::TfmTaxExplanation> ui;
    Explanation explanation_;
    TExplanationModel* model_;
    RecordRef chosen_;
};
