#pragma once

#include "records/Declaration.h"

#include <vector>

// One income with the deduction claimed against it: an income line of a Russian source, or a
// foreign income record with its income in roubles.
struct IncomeItem {
    qint32 IncomeCode = 0;
    Money Income;
    qint32 DeductionCode = 0;
    Money Deduction;
    bool Foreign = false;
    // Where it comes from: the position of the source (or foreign record) in its list, and of the
    // line in the source; -1 for a foreign record, which has no lines.
    int Record = 0;
    int Line = -1;
};

// The income lines of the 13 % sources (of a non-resident: the 30 % ones) in list and line order,
// then, while foreign income is declared, the foreign income records in list order.
template <class Visit> void ForEachIncomeItem(const mTDeclaration& declaration, Visit&& visit) {
    for (int s = 0; s < declaration.IncomeSources13.Count(); ++s) {
        const mTThirteenPercent& source = *declaration.IncomeSources13.At(s);
        for (int l = 0; l < source.LineCount(); ++l) {
            const mTSourseIncome& line = *source.Line(l);
            visit(IncomeItem{line.IncomeCode, line.IncomeAmount, line.DeductionCode, line.DeductionAmount,
                             false, s, l});
        }
    }
    if (declaration.IncomeKinds & IncomeForeign)
        for (int r = 0; r < declaration.CurrencyIncomes.Count(); ++r) {
            const mTCurrencyIncome& record = *declaration.CurrencyIncomes.At(r);
            visit(IncomeItem{record.IncomeCode, record.IncomeRoubles, record.DeductionCode,
                             record.DeductionAmount, true, r, -1});
        }
}

// What one income added to one field of a sheet.
template <class Sheet> struct IncomeShare {
    Money Sheet::*Field;
    IncomeItem Item;
    Money Amount;
};

// A sheet that adds incomes up by their codes can log what each income added where: the
// explanation replays the sheet with a log to show which lines make up each amount. The plain
// computation keeps no log.
template <class Sheet> class IncomeShareLog {
public:
    std::vector<IncomeShare<Sheet>>* Shares = nullptr;

protected:
    void Share(Money Sheet::*field, const IncomeItem& item, Money amount) {
        if (Shares) Shares->push_back({field, item, amount});
    }
};
