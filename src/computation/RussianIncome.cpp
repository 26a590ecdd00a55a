#include "computation/RussianIncome.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilA6::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilA13::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilA15::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilA30::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilA35::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
