#include "computation/BusinessIncome.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilV1::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilV2::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

void kTSvodSumPrilV::LimitDeductionToIncome() {
    if (IncomeTotal < ProfessionalDeduction) ProfessionalDeduction = IncomeTotal;
}
