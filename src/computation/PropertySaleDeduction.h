#pragma once

#include "computation/IncomeItems.h"
#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// Deduction on the sale of property and on the redemption of land or real estate.
class kTSvodSumPrilH1 : public IncomeShareLog<kTSvodSumPrilH1> {
public:
    // Fixed deductions for property held less than three years: real estate (a whole object and
    // its shares together) and other property.
    static constexpr Money RealEstateLimit = Money::FromUnits(1'000'000);
    static constexpr Money OtherPropertyLimit = Money::FromUnits(250'000);

    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("HousingSaleIncome", HousingSaleIncome);
        io.Amount("HousingSaleDeduction", HousingSaleDeduction);
        io.Amount("HousingShareIncome", HousingShareIncome);
        io.Amount("HousingShareDeduction", HousingShareDeduction);
        io.Amount("HousingDocIncome", HousingDocIncome);
        io.Amount("HousingDocExpenses", HousingDocExpenses);
        io.Amount("OtherSaleIncome", OtherSaleIncome);
        io.Amount("OtherSaleDeduction", OtherSaleDeduction);
        io.Amount("OtherDocIncome", OtherDocIncome);
        io.Amount("OtherDocExpenses", OtherDocExpenses);
        io.Amount("RedemptionIncome", RedemptionIncome);
        io.Amount("RedemptionDeduction", RedemptionDeduction);
        io.Amount("HousingLimitedIncome", HousingLimitedIncome);
        io.Amount("HousingLimitedDeduction", HousingLimitedDeduction);
        io.Amount("HousingIncomeTotal", HousingIncomeTotal);
        io.Amount("HousingDeductionTotal", HousingDeductionTotal);
        io.Amount("OtherIncomeTotal", OtherIncomeTotal);
        io.Amount("OtherDeductionTotal", OtherDeductionTotal);
        io.Amount("DeductionTotal", DeductionTotal);
    }

    Money HousingSaleIncome;
    Money HousingSaleDeduction;
    Money HousingShareIncome;
    Money HousingShareDeduction;
    Money HousingDocIncome;
    Money HousingDocExpenses;
    Money OtherSaleIncome;
    Money OtherSaleDeduction;
    Money OtherDocIncome;
    Money OtherDocExpenses;
    Money RedemptionIncome;
    Money RedemptionDeduction;
    Money HousingLimitedIncome;
    Money HousingLimitedDeduction;
    Money HousingIncomeTotal;
    Money HousingDeductionTotal;
    Money OtherIncomeTotal;
    Money OtherDeductionTotal;
    Money DeductionTotal;

private:
    // Adds a sale or redemption to its group by the pair of codes; other pairs add nothing.
    void AddSale(const IncomeItem& item);
};
