#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// Standard deductions of a resident, month by month against the income received since January.
class kTSvodSumPrilE1 {
public:
    void Reset();
    bool Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Int("Months40000", Months40000);
        io.Int("Months280000", Months280000);
        Amounts(io, "CumulativeIncome", CumulativeIncome);
        io.Amount("Deduction3000", Deduction3000);
        io.Amount("Deduction500", Deduction500);
        io.Amount("Deduction400", Deduction400);
        io.Amount("ChildDeduction", ChildDeduction);
        io.Amount("ChildDeductionDouble", ChildDeductionDouble);
        io.Amount("DisabledChildDeduction", DisabledChildDeduction);
        io.Amount("DisabledChildDeductionDouble", DisabledChildDeductionDouble);
        io.Amount("StandardTotal", StandardTotal);
    }

    qint32 Months40000 = 0;
    qint32 Months280000 = 0;
    std::array<Money, 12> CumulativeIncome{}; // index 0 = January
    Money Deduction3000;
    Money Deduction500;
    Money Deduction400;
    Money ChildDeduction;
    Money ChildDeductionDouble;
    Money DisabledChildDeduction;
    Money DisabledChildDeductionDouble;
    Money StandardTotal;

private:
    std::array<bool, 12> deductionMonths_{};
    std::array<Money, 12> monthIncome_{};
    std::array<Money, 12> monthExpense_{};
};
