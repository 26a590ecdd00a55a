#pragma once

// What the tests of the tax bases and the payable lines add to the declarations of
// DeclarationBuilder.h: amounts in data-driven rows and payments on tax notices.

#include "computation/DeclarationBuilder.h"

#include <QLatin1String>
#include <QMetaType>

Q_DECLARE_METATYPE(Money)

// An income with the deduction claimed against it: an income line of a Russian source of its own,
// or a foreign income record in roubles.
struct Claim {
    qint32 incomeCode;
    const char* income;
    qint32 deductionCode;
    const char* deduction;
    bool foreign = false;
};

Q_DECLARE_METATYPE(QList<Claim>)

inline void AddClaims(mTDeclaration& declaration, const QList<Claim>& claims) {
    for (const Claim& claim : claims) {
        if (claim.foreign)
            AddForeign(declaration, 13, claim.incomeCode, claim.income, QStringLiteral("0"),
                       claim.deductionCode, claim.deduction);
        else
            AddSource13(declaration.IncomeSources13, {},
                        {{claim.incomeCode, claim.income, claim.deductionCode, claim.deduction}});
    }
}

inline void AddNoticePayment(mTDeclaration& declaration, QLatin1String kbk, Money amount) {
    mTNalog& payment = *declaration.TaxPayments.At(declaration.TaxPayments.Add());
    payment.PaymentKBK = kbk;
    payment.PaymentAmount = amount;
}
