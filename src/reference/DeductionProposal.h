#pragma once

#include "reference/IncomeDictionary.h"

#include <optional>

// The deduction amount proposed for an income line when its deduction code is chosen or its income
// changes. base is the income of the line in roubles, nullopt when its field is empty. Returns nullopt
// when the amount is left for the user to type:
// - with a percent: base × percent / 100, rounded half up to kopecks;
// - otherwise, when equivalent: the base;
// - otherwise nothing is proposed.
// An empty base proposes 0. A proposal above a non-zero limit is lowered to the limit.
std::optional<Money> ProposeDeduction(const DeductionEntry& deduction, std::optional<Money> base);

// A typed deduction above a non-zero limit is lowered to the limit.
Money LimitDeduction(Money amount, Money limit);
