#pragma once

#include "computation/ResultFields.h"
#include "records/Declaration.h"

class kTSvodSum;
class mTDeclaration;
class mTSourseIncome;

// One month of the standard deductions: what the month got of each deduction, and the business
// loss carried into the next month. The sheet's fields are the sums over the months.
struct kTSvodSumPrilE1Month {
    Money Deduction3000;
    Money Deduction500;
    Money Deduction400;
    Money ChildDeduction;
    Money ChildDeductionDouble;
    Money DisabledChildDeduction;
    Money DisabledChildDeductionDouble;
    qint64 Children = 0;
    qint64 Disabled = 0;
    Money BusinessLoss;
};

// Standard deductions of a resident, month by month against the income received since January.
class kTSvodSumPrilE1 {
public:
    // The 400-rouble deduction ends in the month the income since January exceeds the first limit,
    // the children's deductions in the month it exceeds the second.
    static constexpr Money PersonalIncomeLimit = Money::FromUnits(40000);
    static constexpr Money ChildIncomeLimit = Money::FromUnits(280000);

    // Every income line that counts toward the income since January, unless monthly business
    // income is given: the lines with a month of the 13 % sources marked for the standard deductions,
    // with the source's and the line's positions.
    template <class Visit> static void ForEachMonthLine(const mTDeclaration& declaration, Visit&& visit);
    // The first month (0-based) whose income since January exceeds limit; 12 when none does.
    static size_t StopMonth(const std::array<Money, 12>& cumulative, Money limit);

    void Reset();
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
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

    // What the computation went by, month by month (index 0 = January); not part of the return.
    const std::array<bool, 12>& DeductionMonths() const { return deductionMonths_; }
    const std::array<kTSvodSumPrilE1Month, 12>& MonthDeductions() const { return months_; }

private:
    std::array<bool, 12> deductionMonths_{};
    std::array<Money, 12> monthIncome_{};
    std::array<Money, 12> monthExpense_{};
    std::array<kTSvodSumPrilE1Month, 12> months_{};
};

template <class Visit>
void kTSvodSumPrilE1::ForEachMonthLine(const mTDeclaration& declaration, Visit&& visit) {
    for (int s = 0; s < declaration.IncomeSources13.Count(); ++s) {
        const mTThirteenPercent& source = *declaration.IncomeSources13.At(s);
        if (source.StandardDeductionSource != 1) continue;
        for (int l = 0; l < source.LineCount(); ++l) {
            const mTSourseIncome& line = *source.Line(l);
            if (line.Month >= 1 && line.Month <= 12) visit(s, l, line);
        }
    }
}
