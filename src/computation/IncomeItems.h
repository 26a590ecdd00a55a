#pragma once

#include "records/Declaration.h"

// One income with the deduction claimed against it: an income line of a Russian source, or a
// foreign income record with its income in roubles.
struct IncomeItem {
    qint32 IncomeCode = 0;
    Money Income;
    qint32 DeductionCode = 0;
    Money Deduction;
    bool Foreign = false;
};

// The income lines of the 13 % sources (of a non-resident: the 30 % ones) in list and line order,
// then, while foreign income is declared, the foreign income records in list order.
template <class Visit> void ForEachIncomeItem(const mTDeclaration& declaration, Visit&& visit) {
    for (const auto& source : declaration.IncomeSources13)
        for (const auto& line : source->Lines())
            visit(IncomeItem{line->IncomeCode, line->IncomeAmount, line->DeductionCode, line->DeductionAmount,
                             false});
    if (declaration.IncomeKinds & IncomeForeign)
        for (const auto& record : declaration.CurrencyIncomes)
            visit(IncomeItem{record->IncomeCode, record->IncomeRoubles, record->DeductionCode,
                             record->DeductionAmount, true});
}
