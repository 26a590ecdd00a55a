#include "computation/BusinessIncome.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

void kTSvodSumPrilV::LimitDeductionToIncome() {
    if (IncomeTotal < ProfessionalDeduction) ProfessionalDeduction = IncomeTotal;
}

bool kTSvodSumPrilV1::DeductsDocumentedExpenses(const mTBusinessNew& activity) {
    return activity.HasDocumentedExpenses == 1;
}

void kTSvodSumPrilV1::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (!(declaration.IncomeKinds & IncomeBusiness)) return;
    for (const auto& activity : declaration.BusinessIncomes) {
        IncomeTotal += activity->Income;
        ProfessionalDeduction +=
            DeductsDocumentedExpenses(*activity) ? activity->ExpensesTotal : activity->NormativeExpenses;
    }
    AdvancePaid = declaration.AdvancePaid;
    AdvanceAccrued = declaration.AdvanceAccrued;
    LimitDeductionToIncome();
}

void kTSvodSumPrilV2::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (!(declaration.IncomeKinds & IncomePractice)) return;
    for (const auto& practice : declaration.PracticeIncomes) {
        IncomeTotal += practice->PracticeAmounts[0];
        ProfessionalDeduction += practice->PracticeAmounts[1];
    }
    AdvancePaid = declaration.PracticeSum1;
    AdvanceAccrued = declaration.PracticeSum2;
    LimitDeductionToIncome();
}
