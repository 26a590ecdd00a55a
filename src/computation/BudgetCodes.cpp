#include "computation/BudgetCodes.h"

#include "records/Declaration.h"

#include <algorithm>

bool PaidUnder(const mTNalog& payment, std::span<const QLatin1String> codes) {
    return std::any_of(codes.begin(), codes.end(),
                       [&](QLatin1String code) { return payment.PaymentKBK == code; });
}

Money NoticePayments(const mTDeclaration& declaration, std::span<const QLatin1String> codes) {
    Money total;
    for (const auto& payment : declaration.TaxPayments)
        if (PaidUnder(*payment, codes)) total += payment->PaymentAmount;
    return total;
}

Money NoticePayments(const mTDeclaration& declaration, std::initializer_list<QLatin1String> codes) {
    return NoticePayments(declaration, std::span(codes.begin(), codes.size()));
}
