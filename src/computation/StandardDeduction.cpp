#include "computation/StandardDeduction.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

namespace {

// Personal deduction codes; 110 chooses one of the first three per month.
constexpr qint32 kPersonal400 = 103;
constexpr qint32 kPersonal500 = 104;
constexpr qint32 kPersonal3000 = 105;
constexpr qint32 kPersonalByMonth = 110;
// Positions of the monthly personal choice.
constexpr qint32 kMonthPersonal400 = 0;
constexpr qint32 kMonthPersonal500 = 1;
constexpr qint32 kMonthPersonal3000 = 2;

// Children's deduction kinds: ordinary, single parent (doubled), chosen per month.
constexpr qint32 kChildOrdinary = 101;
constexpr qint32 kChildByMonth = 103;
// Position of "да" (a single parent) in the monthly choice; any other is "нет".
constexpr qint32 kMonthSingleParent = 0;

} // namespace

size_t kTSvodSumPrilE1::StopMonth(const std::array<Money, 12>& cumulative, Money limit) {
    size_t m = 0;
    while (m < 12 && cumulative[m] <= limit)
        ++m;
    return m;
}

void kTSvodSumPrilE1::Reset() {
    ResetFields(*this);
    deductionMonths_ = {};
    monthIncome_ = {};
    monthExpense_ = {};
    months_ = {};
}

void kTSvodSumPrilE1::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    const mTStandartDeduct& record = declaration.StandardDeduction;
    if (record.GrantStandard != 1 || declaration.ReturnKind != ReturnKind3NDFL) return;

    if (record.MonthlyBusiness == 1) {
        // A loss is carried into the following months; the cumulative income never falls below 0.
        Money deficit;
        Money previous;
        for (size_t m = 0; m < 12; ++m) {
            monthIncome_[m] = record.BusinessIncomeByMonth[m];
            monthExpense_[m] = record.BusinessExpenseByMonth[m];
            const Money value = monthIncome_[m] - monthExpense_[m] + previous - deficit;
            if (value < Money()) {
                deficit = -value;
                CumulativeIncome[m] = Money();
            } else {
                deficit = Money();
                CumulativeIncome[m] = value;
            }
            months_[m].BusinessLoss = deficit;
            previous = CumulativeIncome[m];
            deductionMonths_[m] = record.BusinessMonthMarks[m] != 0;
        }
    } else {
        bool anyLine = false;
        ForEachMonthLine(declaration, [&](int, int, const mTSourseIncome& line) {
            monthIncome_[line.Month - 1] += line.IncomeAmount - line.DeductionAmount;
            deductionMonths_[line.Month - 1] = true;
            anyLine = true;
        });
        if (!anyLine) return;
        Money running;
        for (size_t m = 0; m < 12; ++m) {
            running += monthIncome_[m];
            CumulativeIncome[m] = running;
        }
    }

    const size_t personalStop = StopMonth(CumulativeIncome, PersonalIncomeLimit);
    const size_t childStop = StopMonth(CumulativeIncome, ChildIncomeLimit);
    qint32 deductionMonths = 0;
    for (size_t m = 0; m < 12; ++m) {
        if (!deductionMonths_[m]) continue;
        ++deductionMonths;
        if (m < personalStop) ++Months40000;
        if (m < childStop) ++Months280000;
    }

    for (size_t m = 0; m < 12; ++m) {
        if (!deductionMonths_[m]) continue;
        kTSvodSumPrilE1Month& month = months_[m];
        const qint32 personal = record.PersonalCode == kPersonalByMonth ? record.PersonalCodeByMonth[m] : -1;
        if (record.PersonalCode == kPersonal3000 || personal == kMonthPersonal3000)
            month.Deduction3000 = Money::FromUnits(3000);
        else if (record.PersonalCode == kPersonal500 || personal == kMonthPersonal500)
            month.Deduction500 = Money::FromUnits(500);
        else if ((record.PersonalCode == kPersonal400 || personal == kMonthPersonal400) && m < personalStop)
            month.Deduction400 = Money::FromUnits(400);

        if (record.ChildKind == 0 || m >= childStop) continue;
        const bool single =
            record.ChildKind == kChildOrdinary ||
            (record.ChildKind == kChildByMonth && record.ChildKindByMonth[m] != kMonthSingleParent);
        month.Children = record.ChildrenConstant == 1 ? record.ChildrenCount : record.ChildrenByMonth[m];
        month.Disabled = record.DisabledConstant == 1 ? record.DisabledCount : record.DisabledByMonth[m];
        if (single) {
            month.ChildDeduction = Money::FromUnits(1000 * month.Children);
            month.DisabledChildDeduction = Money::FromUnits(2000 * month.Disabled);
        } else {
            month.ChildDeductionDouble = Money::FromUnits(2000 * month.Children);
            month.DisabledChildDeductionDouble = Money::FromUnits(4000 * month.Disabled);
        }
    }
    for (const kTSvodSumPrilE1Month& month : months_) {
        Deduction3000 += month.Deduction3000;
        Deduction500 += month.Deduction500;
        Deduction400 += month.Deduction400;
        ChildDeduction += month.ChildDeduction;
        ChildDeductionDouble += month.ChildDeductionDouble;
        DisabledChildDeduction += month.DisabledChildDeduction;
        DisabledChildDeductionDouble += month.DisabledChildDeductionDouble;
    }

    StandardTotal = Deduction3000 + Deduction500 + Deduction400 + ChildDeduction + ChildDeductionDouble +
                    DisabledChildDeduction + DisabledChildDeductionDouble;
    // Never more than the year's income, in whole roubles.
    const Money yearIncome = CumulativeIncome[11];
    if (yearIncome < StandardTotal) StandardTotal = Money::FromUnits(yearIncome.Raw() / Money::Scale);
    if (StandardTotal < Money()) StandardTotal = Money();
}
