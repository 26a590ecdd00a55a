#include "computation/PropertySaleDeduction.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilH1::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
