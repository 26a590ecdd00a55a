#include "reference/DeductionProposal.h"

#include "storage/AmountText.h"

Money LimitDeduction(Money amount, Money limit) {
    return !limit.IsZero() && amount > limit ? limit : amount;
}

std::optional<Money> ProposeDeduction(const DeductionEntry& deduction, std::optional<Money> base) {
    if (deduction.Percent != 0) {
        if (!base) return Money();
        const double share = double(base->ToLongDouble() * deduction.Percent / 100.0L);
        return LimitDeduction(Money::FromLongDouble(RoundToKopecks(share)), deduction.MaxSum);
    }
    if (deduction.Equivalent) return base ? LimitDeduction(*base, deduction.MaxSum) : Money();
    return std::nullopt;
}
