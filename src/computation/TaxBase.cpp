#include "computation/TaxBase.h"

#include "computation/SvodSum.h"

bool kTSvodSumList1::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumList2::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumList3::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumList4::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumList5::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
