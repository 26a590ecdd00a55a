#include "computation/SecuritiesOperations.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilJ::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
