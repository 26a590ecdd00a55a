#pragma once

// What the tests of the tax bases and the payable lines add to DeclarationBuilder.h: amounts in
// data-driven rows, incomes with their deductions, payments on tax notices and the lines payable
// or refundable.

#include "computation/DeclarationBuilder.h"
#include "computation/SvodSum.h"

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

// A line payable or refundable, comparable as a whole.
struct PaymentLine {
    QString kbk;
    QString okato;
    QString sign;
    Money amount;
    bool operator==(const PaymentLine&) const = default;
};

// Failed comparisons show the lines.
inline char* toString(const PaymentLine& line) {
    return qstrdup(QStringLiteral("(%1, %2, %3, %4)")
                       .arg(line.kbk, line.okato, line.sign, line.amount.ToText())
                       .toUtf8()
                       .constData());
}

inline QList<PaymentLine> PaymentLines(const kTSvodSum& sum) {
    QList<PaymentLine> lines;
    for (const kTSvodSumList6Row& row : sum.List6.Rows)
        lines.append({row.KBK, row.Okato, row.PaySign, row.Amount});
    return lines;
}
