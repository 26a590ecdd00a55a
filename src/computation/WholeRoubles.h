#pragma once

#include "storage/Money.h"

// Taxes are due in whole roubles: the value is taken to a double and rounded half up
// (a negative value is cut toward zero), leaving no kopecks.
Money RoundToRoubles(long double value);
// percent % of amount, computed in extended precision, in whole roubles.
Money PercentInRoubles(Money amount, int percent);

// percent % of amount, the kopecks past the second decimal cut. Wide arithmetic: the amounts come
// from a file and must not overflow.
Money PercentCutToKopecks(Money amount, int percent);
// amount > percent % of base, exactly.
bool ExceedsPercent(Money amount, Money base, int percent);
