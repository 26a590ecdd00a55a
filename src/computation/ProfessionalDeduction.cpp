#include "computation/ProfessionalDeduction.h"

#include "computation/SvodSum.h"

bool kTSvodSumPrilG::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}

bool kTSvodSumPrilG_In::Compute(const mTDeclaration&, kTSvodSum&) {
    Reset();
    return true;
}
