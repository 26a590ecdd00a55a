#include "computation/PayableRefundable.h"

#include "computation/SvodSum.h"

bool kTSvodSumList6::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
