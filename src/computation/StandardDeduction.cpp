#include "computation/StandardDeduction.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

namespace {

// The 400-rouble deduction ends in the month the income since January exceeds the first limit,
// the children's deductions in the month it exceeds the second.
constexpr Money kPersonalIncomeLimit = Money::FromUnits(40000);
constexpr Money kChildIncomeLimit = Money::FromUnits(280000);

// Personal deduction codes; 110 chooses one of the first three per month.
constexpr qint32 kPersonal400 = 103;
constexpr qint32 kPersonal500 = 104;
constexpr qint32 kPersonal3000 = 105;
constexpr qint32 kPersonalByMonth = 110;
// Positions of the monthly personal choice.
constexpr qint32 kMonthPersonal500 = 1;
constexpr qint32 kMonthPersonal3000 = 2;

// Children's deduction kinds: ordinary, single parent (doubled), chosen per month.
constexpr qint32 kChildOrdinary = 101;
constexpr qint32 kChildByMonth = 103;
// Position of "да" (a single parent) in the monthly choice; any other is "нет".
constexpr qint32 kMonthSingleParent = 0;

// The first month (0-based) whose cumulative income exceeds limit; 12 when none does.
size_t StopMonth(const std::array<Money, 12>& cumulative, Money limit) {
    size_t m = 0;
    while (m < 12 && cumulative[m] <= limit)
        ++m;
    return m;
}

} // namespace

void kTSvodSumPrilE1::Reset() {
    ResetFields(*this);
    deductionMonths_ = {};
    monthIncome_ = {};
    monthExpense_ = {};
}

bool kTSvodSumPrilE1::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    const mTStandartDeduct& record = declaration.StandardDeduction;
    if (record.GrantStandard != 1 || declaration.ReturnKind != ReturnKind3NDFL) return true;

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
            previous = CumulativeIncome[m];
            deductionMonths_[m] = record.BusinessMonthMarks[m] != 0;
        }
    } else {
        bool anyLine = false;
        for (const auto& source : declaration.IncomeSources13) {
            if (source->StandardDeductionSource != 1) continue;
            for (const auto& line : source->Lines()) {
                if (line->Month < 1 || line->Month > 12) continue;
                monthIncome_[line->Month - 1] += line->IncomeAmount - line->DeductionAmount;
                deductionMonths_[line->Month - 1] = true;
                anyLine = true;
            }
        }
        if (!anyLine) return true;
        Money running;
        for (size_t m = 0; m < 12; ++m) {
            running += monthIncome_[m];
            CumulativeIncome[m] = running;
        }
    }

    const size_t personalStop = StopMonth(CumulativeIncome, kPersonalIncomeLimit);
    const size_t childStop = StopMonth(CumulativeIncome, kChildIncomeLimit);
    qint32 deductionMonths = 0;
    for (size_t m = 0; m < 12; ++m) {
        if (!deductionMonths_[m]) continue;
        ++deductionMonths;
        if (m < personalStop) ++Months40000;
        if (m < childStop) ++Months280000;
    }

    switch (record.PersonalCode) {
    case kPersonal400:
        Deduction400 = Money::FromUnits(400LL * Months40000);
        break;
    case kPersonal500:
        Deduction500 = Money::FromUnits(500LL * deductionMonths);
        break;
    case kPersonal3000:
        Deduction3000 = Money::FromUnits(3000LL * deductionMonths);
        break;
    case kPersonalByMonth:
        for (size_t m = 0; m < 12; ++m) {
            if (!deductionMonths_[m]) continue;
            const qint32 choice = record.PersonalCodeByMonth[m];
            if (choice == kMonthPersonal3000)
                Deduction3000 += Money::FromUnits(3000);
            else if (choice == kMonthPersonal500)
                Deduction500 += Money::FromUnits(500);
            else if (choice == 0 && m < personalStop)
                Deduction400 += Money::FromUnits(400);
        }
        break;
    default:
        break;
    }

    if (record.ChildKind != 0) {
        for (size_t m = 0; m < childStop; ++m) {
            if (!deductionMonths_[m]) continue;
            const bool single =
                record.ChildKind == kChildOrdinary ||
                (record.ChildKind == kChildByMonth && record.ChildKindByMonth[m] != kMonthSingleParent);
            const qint64 children =
                record.ChildrenConstant == 1 ? record.ChildrenCount : record.ChildrenByMonth[m];
            const qint64 disabled =
                record.DisabledConstant == 1 ? record.DisabledCount : record.DisabledByMonth[m];
            if (single) {
                ChildDeduction += Money::FromUnits(1000 * children);
                DisabledChildDeduction += Money::FromUnits(2000 * disabled);
            } else {
                ChildDeductionDouble += Money::FromUnits(2000 * children);
                DisabledChildDeductionDouble += Money::FromUnits(4000 * disabled);
            }
        }
    }

    StandardTotal = Deduction3000 + Deduction500 + Deduction400 + ChildDeduction + ChildDeductionDouble +
                    DisabledChildDeduction + DisabledChildDeductionDouble;
    // Never more than the year's income, in whole roubles.
    const Money yearIncome = CumulativeIncome[11];
    if (yearIncome < StandardTotal) StandardTotal = Money::FromUnits(yearIncome.Raw() / Money::Scale);
    if (StandardTotal < Money()) StandardTotal = Money();
    return true;
}
