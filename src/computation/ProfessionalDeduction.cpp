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

void kTSvodSumPrilGGroups::Add(const IncomeItem& item, bool contractsOnly) {
    for (const ProfessionalGroup& group : kGroups) {
        if (item.IncomeCode < group.firstIncomeCode || item.IncomeCode > group.lastIncomeCode ||
            item.DeductionCode != group.deductionCode)
            continue;
        if (contractsOnly && group.income != &kTSvodSumPrilGGroups::ContractIncome) return;
        this->*group.income += item.Income;
        this->*group.deduction += item.Deduction;
        Share(group.income, item, item.Income);
        Share(group.deduction, item, item.Deduction);
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

void kTSvodSumPrilG::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    // A non-resident deducts expenses on work contracts only.
    const bool nonResident = declaration.ReturnKind == ReturnKind3NDFLNonResident;
    if (declaration.ReturnKind == ReturnKind3NDFL || nonResident) {
        const auto& sources = nonResident ? declaration.IncomeSources13NR : declaration.IncomeSources13;
        for (int s = 0; s < sources.Count(); ++s) {
            const mTThirteenPercent& source = *sources.At(s);
            for (int l = 0; l < source.LineCount(); ++l) {
                const mTSourseIncome& line = *source.Line(l);
                Add({line.IncomeCode, line.IncomeAmount, line.DeductionCode, line.DeductionAmount, false, s,
                     l},
                    nonResident);
            }
        }
    }
    Finish();
}

void kTSvodSumPrilG_In::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (declaration.IncomeKinds & IncomeForeign)
        for (int r = 0; r < declaration.CurrencyIncomes.Count(); ++r) {
            const mTCurrencyIncome& income = *declaration.CurrencyIncomes.At(r);
            Add({income.IncomeCode, income.IncomeRoubles, income.DeductionCode, income.DeductionAmount, true,
                 r});
        }
    Finish();
}
