#pragma once

#include "storage/Money.h"

#include <algorithm>

// The amount when it is above zero, else zero: a base, a loss or a remainder never goes negative.
inline Money PositivePart(Money value) {
    return std::max(value, Money());
}
