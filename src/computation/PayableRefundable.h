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
};
