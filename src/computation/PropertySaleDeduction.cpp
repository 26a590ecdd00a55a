#include "computation/PropertySaleDeduction.h"

#include "computation/IncomeItems.h"
#include "computation/SvodSum.h"

#include <algorithm>

namespace {

// Fixed deductions for property held less than three years.
constexpr Money kRealEstateLimit = Money::FromUnits(1'000'000);
constexpr Money kOtherPropertyLimit = Money::FromUnits(250'000);

} // namespace

bool kTSvodSumPrilH1::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return true;
    if (declaration.IncomeSources13.Count() == 0 && !(declaration.IncomeKinds & IncomeForeign)) return true;

    ForEachIncomeItem(declaration, [this](const IncomeItem& item) { AddSale(item); });

    HousingDocExpenses = std::min(HousingDocExpenses, HousingDocIncome);
    HousingSaleDeduction = std::min(HousingSaleDeduction, kRealEstateLimit);
    HousingShareDeduction = std::min(HousingShareDeduction, kRealEstateLimit);
    // The limit holds for a whole object and its shares together.
    HousingLimitedIncome = HousingSaleIncome + HousingShareIncome;
    HousingLimitedDeduction = std::min(HousingSaleDeduction + HousingShareDeduction, kRealEstateLimit);
    HousingIncomeTotal = HousingDocIncome + HousingLimitedIncome;
    HousingDeductionTotal = HousingDocExpenses + HousingLimitedDeduction;

    OtherSaleDeduction = std::min(OtherSaleDeduction, kOtherPropertyLimit);
    OtherIncomeTotal = OtherSaleIncome + OtherDocIncome;
    OtherDeductionTotal = OtherSaleDeduction + OtherDocExpenses;

    DeductionTotal = HousingDeductionTotal + OtherDeductionTotal + RedemptionDeduction;
    return true;
}

void kTSvodSumPrilH1::AddSale(const IncomeItem& item) {
    const auto is = [&item](qint32 incomeCode, qint32 deductionCode) {
        return item.IncomeCode == incomeCode && item.DeductionCode == deductionCode;
    };
    if (is(1510, 901)) {
        // The fixed deduction is the whole income of the group, whatever amount the line carries.
        HousingSaleIncome += item.Income;
        HousingSaleDeduction = HousingSaleIncome;
    } else if (is(1510, 903)) {
        HousingDocIncome += item.Income;
        HousingDocExpenses += item.Deduction;
    } else if (is(1511, 903)) {
        HousingDocIncome += item.Income;
        HousingDocExpenses += item.Foreign ? item.Deduction : std::min(item.Income, item.Deduction);
    } else if (is(1511, 904)) {
        HousingShareIncome += item.Income;
        HousingShareDeduction += item.Foreign ? std::min(item.Income, item.Deduction) : item.Deduction;
    } else if (is(1520, 906)) {
        OtherSaleIncome += item.Income;
        OtherSaleDeduction += item.Deduction;
    } else if (is(1520, 903)) {
        OtherDocIncome += item.Income;
        OtherDocExpenses += item.Deduction;
    } else if (is(4900, 908)) {
        RedemptionIncome += item.Income;
        RedemptionDeduction += item.Deduction;
    }
}
