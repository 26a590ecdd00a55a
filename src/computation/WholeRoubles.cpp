#include "computation/WholeRoubles.h"

#include "storage/AmountText.h"

Money RoundToRoubles(long double value) {
    return Money::FromUnits(RoundHalfUp(static_cast<double>(value)));
}

Money PercentInRoubles(Money amount, int percent) {
    return RoundToRoubles(amount.ToLongDouble() * percent / 100.0L);
}
