#include "computation/ProfessionalDeduction.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

namespace {

constexpr qint32 kContractIncome = 2010;
constexpr qint32 kContractDeduction = 403;

// A group of income codes (a range, both ends included) with its deduction code and its two fields.
struct ProfessionalGroup {
    qint32 firstIncomeCode;
    qint32 lastIncomeCode;
    qint32 deductionCode;
    Money kTSvodSumPrilGGroups::*income;
    Money kTSvodSumPrilGGroups::*deduction;
};

constexpr ProfessionalGroup kGroups[] = {
    {kContractIncome, kContractIncome, kContractDeduction, &kTSvodSumPrilGGroups::ContractIncome,
     &kTSvodSumPrilGGroups::ContractExpenses},
    {2201, 2209, 404, &kTSvodSumPrilGGroups::RoyaltyIncomeActual,
     &kTSvodSumPrilGGroups::RoyaltyExpensesActual},
    {2201, 2209, 405, &kTSvodSumPrilGGroups::RoyaltyIncomeNormative,
     &kTSvodSumPrilGGroups::RoyaltyExpensesNormative},
    {1540, 1540, 315, &kTSvodSumPrilGGroups::ShareSaleIncome, &kTSvodSumPrilGGroups::ShareSaleExpenses},
    {1550, 1550, 314, &kTSvodSumPrilGGroups::ConstructionRightsIncome,
     &kTSvodSumPrilGGroups::ConstructionRightsExpenses},
};

} // namespace

void kTSvodSumPrilGGroups::Add(qint32 incomeCode, qint32 deductionCode, Money income, Money deduction,
                               bool contractsOnly) {
    for (const ProfessionalGroup& group : kGroups) {
        if (incomeCode < group.firstIncomeCode || incomeCode > group.lastIncomeCode ||
            deductionCode != group.deductionCode)
            continue;
        if (contractsOnly && group.income != &kTSvodSumPrilGGroups::ContractIncome) return;
        this->*group.income += income;
        this->*group.deduction += deduction;
        return;
    }
}

void kTSvodSumPrilGGroups::Finish() {
    // The cap applies to the sums of a group, not to single lines.
    for (const ProfessionalGroup& group : kGroups)
        if (this->*group.income < this->*group.deduction) this->*group.deduction = this->*group.income;
    ExpensesTotal = ContractExpenses + RoyaltyExpensesActual + RoyaltyExpensesNormative + ShareSaleExpenses +
                    ConstructionRightsExpenses;
}

bool kTSvodSumPrilG::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    // A non-resident deducts expenses on work contracts only.
    const bool nonResident = declaration.ReturnKind == ReturnKind3NDFLNonResident;
    if (declaration.ReturnKind == ReturnKind3NDFL || nonResident) {
        const auto& sources = nonResident ? declaration.IncomeSources13NR : declaration.IncomeSources13;
        for (const auto& source : sources)
            for (const auto& line : source->Lines())
                Add(line->IncomeCode, line->DeductionCode, line->IncomeAmount, line->DeductionAmount,
                    nonResident);
    }
    Finish();
    return true;
}

bool kTSvodSumPrilG_In::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (declaration.IncomeKinds & IncomeForeign)
        for (const auto& income : declaration.CurrencyIncomes)
            Add(income->IncomeCode, income->DeductionCode, income->IncomeRoubles, income->DeductionAmount);
    Finish();
    return true;
}
