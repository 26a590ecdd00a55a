#pragma once

#include "explain/Explanation.h"

class kTSvodSum;
class mTDeclaration;

// Computes the declaration and explains every computed number: for each rate the income, the
// exempt part, the deductions with the limits that shaped them, the tax base, the tax, what was
// paid and what is left to pay or to refund, and the lines by budget classification code and OKATO.
// The declaration is left as it was entered (the computation's lowering of child-education amounts
// above their limit is undone). A computation error gives an explanation with Computed false and the
// message in Error.
Explanation ExplainDeclaration(mTDeclaration& declaration);

// Computes the declaration into sum and leaves the declaration as it was entered (the computation's
// lowering of child-education amounts above their limit is undone); false when the computation failed.
bool ComputeAsEntered(mTDeclaration& declaration, kTSvodSum& sum);

// Explains results computed before from the same declaration, its amounts as entered.
Explanation ExplainResults(const mTDeclaration& declaration, const kTSvodSum& sum);
