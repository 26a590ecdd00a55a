#include "computation/SocialDeduction.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilE2::Compute(mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilE3::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
