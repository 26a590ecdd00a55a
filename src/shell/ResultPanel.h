#pragma once

#include "explain/BudgetBalance.h"

#include <QFrame>

class QLabel;
class mTDeclaration;

// What the return gives as it stands, in one line along the window: "К возврату из бюджета" or "К уплате
// в бюджет" with the amount, the amounts by rate on hover; a click on an amount asks for its line of
// "Расчёт налога".
class TResultPanel : public QFrame {
    Q_OBJECT

public:
    explicit TResultPanel(QWidget* parent = nullptr);

    // Computes the declaration again (it is left as entered) and shows the result.
    void Refresh(mTDeclaration& declaration);
    const BudgetBalance& Balance() const { return balance_; }
    QLabel* Label() const { return label_; }

signals:
    // The user clicked an amount: the line of the computation that gives it.
    void LineChosen(const ResultRef& line);

private:
    BudgetBalance balance_;
    QLabel* label_;
};
