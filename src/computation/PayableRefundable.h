#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// One line of the amounts to pay or refund.
class kTSvodSumList6Row {
public:
    template <class IO> void Fields(IO& io) {
        io.Str("KBK", KBK);
        io.Str("Okato", Okato);
        io.Str("PaySign", PaySign);
        io.Amount("Amount", Amount);
    }

    QString KBK; // budget classification code, 20 digits
    QString Okato;
    QString PaySign; // "1" to be paid, "2" to be refunded, "3" nothing due
    Money Amount;
};

// Amounts payable or refundable by budget classification code and OKATO code.
class kTSvodSumList6 {
public:
    void Reset() { ResetFields(*this); }
    bool Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) { RowList(io, "Rows", Rows); }

    std::vector<kTSvodSumList6Row> Rows;

private:
    void Append(QLatin1String kbk, const QString& okato, QLatin1String paySign, Money amount);
    // The 13 % refund goes back the way the tax came in: advances of the business, then the tax
    // agents by their OKATO codes, then the notice payments, the rest to the tax agents' code.
    void DistributeRefund(const mTDeclaration& declaration, const kTSvodSum& sum);
    // The 13 % payment is split between business income and other income.
    void SplitPayment(const mTDeclaration& declaration, const kTSvodSum& sum);
};
