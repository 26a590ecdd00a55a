#include "computation/PropertySaleDeduction.h"

#include "computation/IncomeItems.h"
#include "computation/SvodSum.h"

#include <algorithm>

void kTSvodSumPrilH1::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return;
    if (declaration.IncomeSources13.Count() == 0 && !(declaration.IncomeKinds & IncomeForeign)) return;

    ForEachIncomeItem(declaration, [this](const IncomeItem& item) { AddSale(item); });

    HousingDocExpenses = std::min(HousingDocExpenses, HousingDocIncome);
    HousingSaleDeduction = std::min(HousingSaleDeduction, RealEstateLimit);
    HousingShareDeduction = std::min(HousingShareDeduction, RealEstateLimit);
    // The limit holds for a whole object and its shares together.
    HousingLimitedIncome = HousingSaleIncome + HousingShareIncome;
    HousingLimitedDeduction = std::min(HousingSaleDeduction + HousingShareDeduction, RealEstateLimit);
    HousingIncomeTotal = HousingDocIncome + HousingLimitedIncome;
    HousingDeductionTotal = HousingDocExpenses + HousingLimitedDeduction;

    OtherSaleDeduction = std::min(OtherSaleDeduction, OtherPropertyLimit);
    OtherIncomeTotal = OtherSaleIncome + OtherDocIncome;
    OtherDeductionTotal = OtherSaleDeduction + OtherDocExpenses;

    DeductionTotal = HousingDeductionTotal + OtherDeductionTotal + RedemptionDeduction;
}

void kTSvodSumPrilH1::AddSale(const IncomeItem& item) {
    const auto is = [&item](qint32 incomeCode, qint32 deductionCode) {
        return item.IncomeCode == incomeCode && item.DeductionCode == deductionCode;
    };
    const auto add = [&](Money kTSvodSumPrilH1::*field, Money amount) {
        this->*field += amount;
        Share(field, item, amount);
    };
    if (is(1510, 901)) {
        // The fixed deduction is the whole income of the group, whatever amount the line carries.
        add(&kTSvodSumPrilH1::HousingSaleIncome, item.Income);
        HousingSaleDeduction = HousingSaleIncome;
    } else if (is(1510, 903)) {
        add(&kTSvodSumPrilH1::HousingDocIncome, item.Income);
        add(&kTSvodSumPrilH1::HousingDocExpenses, item.Deduction);
    } else if (is(1511, 903)) {
        add(&kTSvodSumPrilH1::HousingDocIncome, item.Income);
        add(&kTSvodSumPrilH1::HousingDocExpenses,
            item.Foreign ? item.Deduction : std::min(item.Income, item.Deduction));
    } else if (is(1511, 904)) {
        add(&kTSvodSumPrilH1::HousingShareIncome, item.Income);
        add(&kTSvodSumPrilH1::HousingShareDeduction,
            item.Foreign ? std::min(item.Income, item.Deduction) : item.Deduction);
    } else if (is(1520, 906)) {
        add(&kTSvodSumPrilH1::OtherSaleIncome, item.Income);
        add(&kTSvodSumPrilH1::OtherSaleDeduction, item.Deduction);
    } else if (is(1520, 903)) {
        add(&kTSvodSumPrilH1::OtherDocIncome, item.Income);
        add(&kTSvodSumPrilH1::OtherDocExpenses, item.Deduction);
    } else if (is(4900, 908)) {
        add(&kTSvodSumPrilH1::RedemptionIncome, item.Income);
        add(&kTSvodSumPrilH1::RedemptionDeduction, item.Deduction);
    }
}
