#include "computation/ExemptIncome.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilM::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilM2::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilM3::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
