#pragma once

#include "computation/ResultFields.h"

#include <optional>

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

// What makes up a line, part by part, in the order the lines were built: the 13 % refund goes back
// the way the tax came in, the 13 % payment splits by income, and every other rate adds its refund,
// its payment or its "nothing due" whole.
struct kTSvodSumList6Part {
    enum Origin : quint8 {
        Advances,            // 13 % refund: the entrepreneur's advance payments
        TaxAgent,            // 13 % refund: tax withheld by a source
        AgentNotices,        // 13 % refund: notice payments under the tax agents' code
        EntrepreneurNotices, // 13 % refund: notice payments under the entrepreneurs' code
        RefundRest,          // 13 % refund: what none of them took
        BusinessTax,         // 13 % payment: the tax on business income less its advances
        PaymentRest,         // 13 % payment: the rest
        Refund,              // another rate's refund
        Payment,             // another rate's payment
        NothingDue           // a rate with income and nothing to pay or refund
    };
    Origin From;
    int Rate;           // 13, 35, 30, 9 or 15
    size_t Row;         // the line the part went to
    qint32 Source = -1; // TaxAgent: the source's position in its list
    Money Offered;      // what could go there: advances, tax withheld, notice payments, the business tax
    Money Amount;       // what went there
};

// Amounts payable or refundable by budget classification code and OKATO code.
class kTSvodSumList6 {
public:
    void Reset() {
        ResetFields(*this);
        parts_.clear();
    }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) { RowList(io, "Rows", Rows); }

    std::vector<kTSvodSumList6Row> Rows;
    // What makes up each line; not part of the return.
    const std::vector<kTSvodSumList6Part>& Parts() const { return parts_; }

private:
    std::vector<kTSvodSumList6Part> parts_;

    // The 13 % refund goes back the way the tax came in: advances of the business, then the tax
    // agents by their OKATO codes, then the notice payments, the rest to the tax agents' code.
    void DistributeRefund(const mTDeclaration& declaration, const kTSvodSum& sum);
    // The 13 % payment is split between business income and other income.
    void SplitPayment(const mTDeclaration& declaration, const kTSvodSum& sum);
    // Appends a line for the part, or adds the part to an existing line.
    void Place(kTSvodSumList6Part::Origin from, int rate, std::optional<size_t> row, QLatin1String kbk,
               const QString& okato, QLatin1String paySign, Money offered, Money part, qint32 source = -1);
};
