#pragma once

#include "explain/ExplainStep.h"
#include "storage/Money.h"

#include <QString>
#include <vector>

class kTSvodSum;
class mTDeclaration;

// What the return gives as it stands: the tax left to pay and the tax to come back, in all and by rate,
// each with the line of the computation that gives it.
struct BudgetBalance {
    struct Rate {
        int Percent = 0;
        Money Payable;
        Money Refundable;
        ResultRef PayableLine;
        ResultRef RefundableLine;
    };

    // False when the computation failed; Error then says what to do.
    bool Computed = false;
    QString Error;
    // A 4-NDFL return declares next year's income: no tax is computed for it.
    bool Taxed = true;
    // The rates with something to pay or to refund, in the order of the return's sheets.
    std::vector<Rate> Rates;
    Money Payable;
    Money Refundable;

    // What to show: the payment or the refund with its amount; with tax to pay at one rate and a refund
    // at another, both; the payment of 0,00 when nothing is due. None for a return that computes no tax.
    struct Item {
        QString Caption; // "К возврату из бюджета"
        Money Amount;
        bool Refund = false;
    };
    std::vector<Item> Items() const;
    // The items on one line each, "К возврату из бюджета: 78 000,00 руб.", or why there are none.
    QString Headline() const;
    // One line per rate: "13 %: к возврату 78 000,00 руб."
    QStringList Breakdown() const;
    // The line of the computation that gives the payment (or the refund): that of its first rate; unset
    // when there is none.
    ResultRef LineOf(bool refund) const;
};

// Computes the declaration, leaving it as it was entered.
BudgetBalance BalanceOf(mTDeclaration& declaration);
// The balance of results computed before.
BudgetBalance BalanceOf(const kTSvodSum& sum);
