#include "computation/ForeignIncome.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilB::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
