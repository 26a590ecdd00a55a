#include "computation/PayableRefundable.h"

#include "computation/BudgetCodes.h"
#include "computation/SvodSum.h"
#include "computation/WholeRoubles.h"
#include "records/Declaration.h"

#include <QHash>

namespace {

constexpr QLatin1String kToPay("1");
constexpr QLatin1String kToRefund("2");
constexpr QLatin1String kNothingDue("3");

// Takes up to amount from what is left to place, and returns the part taken.
class Remainder {
public:
    explicit Remainder(Money amount) : left_(amount) {}
    bool Positive() const { return left_ > Money(); }
    Money Left() const { return left_; }
    Money Take(Money amount) {
        const Money part = amount < left_ ? amount : left_;
        left_ -= part;
        return part;
    }

private:
    Money left_;
};

// Entrepreneurs, heads of peasant households, notaries and lawyers pay under the business code.
QLatin1String CategoryCode(const mTDeclaration& declaration) {
    return declaration.PayerCategory <= 3 ? BudgetCode::Entrepreneurs : BudgetCode::OtherPersons;
}

} // namespace

bool kTSvodSumList6::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    const QString& personOkato = declaration.Person.OKATO;

    const kTSvodSumList1& list1 = sum.List1;
    if (!list1.Refundable.IsZero()) DistributeRefund(declaration, sum);
    if (!list1.Payable.IsZero()) SplitPayment(declaration, sum);
    if (list1.Refundable.IsZero() && list1.Payable.IsZero() && !list1.IncomeTotal.IsZero())
        Append(CategoryCode(declaration), personOkato, kNothingDue, Money());

    // The other rates: a refund to the OKATO of the rate's tax agents, a payment as a person's.
    const auto settle = [&](const auto& sheet, const QString& refundOkato) {
        if (!sheet.Refundable.IsZero())
            Append(BudgetCode::TaxAgents, refundOkato, kToRefund, sheet.Refundable);
        if (!sheet.Payable.IsZero()) Append(BudgetCode::OtherPersons, personOkato, kToPay, sheet.Payable);
        if (sheet.Refundable.IsZero() && sheet.Payable.IsZero() && !sheet.IncomeTotal.IsZero())
            Append(BudgetCode::OtherPersons, personOkato, kNothingDue, Money());
    };
    settle(sum.List3, sum.Okato35);
    settle(sum.List2, sum.Okato13);
    settle(sum.List4, sum.Okato9);
    settle(sum.List5, sum.Okato15);

    // The return always names the code it is filed under.
    if (Rows.empty()) Append(CategoryCode(declaration), personOkato, kNothingDue, Money());
    return true;
}

void kTSvodSumList6::Append(QLatin1String kbk, const QString& okato, QLatin1String paySign, Money amount) {
    kTSvodSumList6Row row;
    row.KBK = kbk;
    row.Okato = okato;
    row.PaySign = paySign;
    row.Amount = amount;
    Rows.push_back(std::move(row));
}

void kTSvodSumList6::DistributeRefund(const mTDeclaration& declaration, const kTSvodSum& sum) {
    const QString& personOkato = declaration.Person.OKATO;
    Remainder rest(sum.List1.Refundable);
    const Money zero;

    Money advance;
    if ((declaration.IncomeKinds & IncomeBusiness) && declaration.BusinessIncomes.Count() > 0 &&
        declaration.AdvancePaid > zero)
        advance += declaration.AdvancePaid;
    if ((declaration.IncomeKinds & IncomePractice) && declaration.PracticeIncomes.Count() > 0 &&
        declaration.PracticeSum1 > zero)
        advance += declaration.PracticeSum1;
    if (advance > zero) Append(BudgetCode::Entrepreneurs, personOkato, kToRefund, rest.Take(advance));

    const auto& sources = declaration.ReturnKind == ReturnKind3NDFLNonResident ? declaration.IncomeSources13NR
                                                                               : declaration.IncomeSources13;
    // Sources of the same OKATO share one line; looked up by code so that many sources stay cheap.
    QHash<QString, size_t> agentLines;
    for (const auto& source : sources) {
        if (!rest.Positive()) break;
        if (source->TaxWithheld <= zero) continue;
        // A source need not name its OKATO (a person buying property has none); its refund then
        // goes to the taxpayer's own OKATO rather than to a line without one.
        const QString okato = source->SourceOKATO.trimmed().isEmpty() ? personOkato : source->SourceOKATO;
        const Money part = rest.Take(source->TaxWithheld);
        const auto line = agentLines.constFind(okato);
        if (line != agentLines.constEnd()) {
            Rows[*line].Amount += part;
        } else {
            agentLines.insert(okato, Rows.size());
            Append(BudgetCode::TaxAgents, okato, kToRefund, part);
        }
    }

    if (rest.Positive() && sum.List1.PaidOnNotices > zero) {
        const Money agentsNotices = NoticePayments(declaration, {BudgetCode::Individuals13});
        if (agentsNotices > zero)
            Append(BudgetCode::TaxAgents, personOkato, kToRefund, rest.Take(agentsNotices));
        const Money entrepreneursNotices = NoticePayments(declaration, {BudgetCode::Entrepreneurs13});
        if (rest.Positive() && entrepreneursNotices > zero)
            Append(BudgetCode::Entrepreneurs, personOkato, kToRefund, rest.Take(entrepreneursNotices));
    }

    if (rest.Positive()) Append(BudgetCode::TaxAgents, personOkato, kToRefund, rest.Left());
}

void kTSvodSumList6::SplitPayment(const mTDeclaration& declaration, const kTSvodSum& sum) {
    const QString& personOkato = declaration.Person.OKATO;
    Remainder rest(sum.List1.Payable);
    if (declaration.IncomeKinds & (IncomeBusiness | IncomePractice)) {
        // The tax on the business income alone, less the advances paid on it.
        const Money businessBase = sum.PrilV1.IncomeTotal + sum.PrilV2.IncomeTotal -
                                   sum.PrilV1.ProfessionalDeduction - sum.PrilV2.ProfessionalDeduction;
        const Money business =
            PercentInRoubles(businessBase, 13) - sum.PrilV1.AdvancePaid - sum.PrilV2.AdvancePaid;
        if (business > Money()) Append(BudgetCode::Entrepreneurs, personOkato, kToPay, rest.Take(business));
    }
    if (rest.Positive()) Append(BudgetCode::OtherPersons, personOkato, kToPay, rest.Left());
}
