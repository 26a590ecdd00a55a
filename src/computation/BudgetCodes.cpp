#include "computation/BudgetCodes.h"

#include "records/Declaration.h"

#include <algorithm>

Money NoticePayments(const mTDeclaration& declaration, std::initializer_list<QLatin1String> codes) {
    Money total;
    for (const auto& payment : declaration.TaxPayments)
        if (std::any_of(codes.begin(), codes.end(),
                        [&](QLatin1String code) { return payment->PaymentKBK == code; }))
            total += payment->PaymentAmount;
    return total;
}
