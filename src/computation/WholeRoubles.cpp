#include "computation/WholeRoubles.h"

#include "storage/AmountText.h"

Money RoundToRoubles(long double value) {
    return Money::FromUnits(RoundHalfUp(static_cast<double>(value)));
}

Money PercentInRoubles(Money amount, int percent) {
    return RoundToRoubles(amount.ToLongDouble() * percent / 100.0L);
}

Money PercentCutToKopecks(Money amount, int percent) {
    constexpr qint64 rawPerKopeck = Money::Scale / 100;
    const __int128 kopecks = static_cast<__int128>(amount.Raw()) * percent / Money::Scale;
    return Money::FromRaw(static_cast<qint64>(kopecks) * rawPerKopeck);
}

bool ExceedsPercent(Money amount, Money base, int percent) {
    return static_cast<__int128>(amount.Raw()) * 100 > static_cast<__int128>(base.Raw()) * percent;
}
