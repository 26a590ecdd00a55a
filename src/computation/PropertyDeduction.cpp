#include "computation/PropertyDeduction.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilZ::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
