#include "computation/StandardDeduction.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilE1::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

void kTSvodSumPrilE1::Reset() {
    ResetFields(*this);
    deductionMonths_ = {};
    monthIncome_ = {};
    monthExpense_ = {};
}
