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

void kTSvodSumList6::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    using Part = kTSvodSumList6Part;
    Reset();
    const QString& personOkato = declaration.Person.OKATO;

    const kTSvodSumList1& list1 = sum.List1;
    if (!list1.Refundable.IsZero()) DistributeRefund(declaration, sum);
    if (!list1.Payable.IsZero()) SplitPayment(declaration, sum);
    if (list1.Refundable.IsZero() && list1.Payable.IsZero() && !list1.IncomeTotal.IsZero())
        Place(Part::NothingDue, 13, {}, CategoryCode(declaration), personOkato, kNothingDue, Money(),
              Money());

    // The other rates: a refund to the OKATO of the rate's tax agents, a payment as a person's.
    const auto settle = [&](int rate, const auto& sheet, const QString& refundOkato) {
        if (!sheet.Refundable.IsZero())
            Place(Part::Refund, rate, {}, BudgetCode::TaxAgents, refundOkato, kToRefund, sheet.Refundable,
                  sheet.Refundable);
        if (!sheet.Payable.IsZero())
            Place(Part::Payment, rate, {}, BudgetCode::OtherPersons, personOkato, kToPay, sheet.Payable,
                  sheet.Payable);
        if (sheet.Refundable.IsZero() && sheet.Payable.IsZero() && !sheet.IncomeTotal.IsZero())
            Place(Part::NothingDue, rate, {}, BudgetCode::OtherPersons, personOkato, kNothingDue, Money(),
                  Money());
    };
    settle(35, sum.List3, sum.Okato35);
    settle(30, sum.List2, sum.Okato13);
    settle(9, sum.List4, sum.Okato9);
    settle(15, sum.List5, sum.Okato15);

    // The return always names the code it is filed under.
    if (Rows.empty())
        Place(Part::NothingDue, 13, {}, CategoryCode(declaration), personOkato, kNothingDue, Money(),
              Money());
}

void kTSvodSumList6::Place(kTSvodSumList6Part::Origin from, int rate, std::optional<size_t> row,
                           QLatin1String kbk, const QString& okato, QLatin1String paySign, Money offered,
                           Money part, qint32 source) {
    if (row) {
        Rows[*row].Amount += part;
    } else {
        row = Rows.size();
        kTSvodSumList6Row line;
        line.KBK = kbk;
        line.Okato = okato;
        line.PaySign = paySign;
        line.Amount = part;
        Rows.push_back(std::move(line));
    }
    parts_.push_back({from, rate, *row, source, offered, part});
}

void kTSvodSumList6::DistributeRefund(const mTDeclaration& declaration, const kTSvodSum& sum) {
    using Part = kTSvodSumList6Part;
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
    if (advance > zero)
        Place(Part::Advances, 13, {}, BudgetCode::Entrepreneurs, personOkato, kToRefund, advance,
              rest.Take(advance));

    const auto& sources = declaration.ReturnKind == ReturnKind3NDFLNonResident ? declaration.IncomeSources13NR
                                                                               : declaration.IncomeSources13;
    // Sources of the same OKATO share one line; looked up by code so that many sources stay cheap.
    QHash<QString, size_t> agentLines;
    for (int s = 0; s < sources.Count(); ++s) {
        const mTThirteenPercent& source = *sources.At(s);
        if (!rest.Positive()) break;
        if (source.TaxWithheld <= zero) continue;
        // A source need not name its OKATO (a person buying property has none); its refund then
        // goes to the taxpayer's own OKATO rather than to a line without one.
        const QString okato = source.SourceOKATO.trimmed().isEmpty() ? personOkato : source.SourceOKATO;
        const auto line = agentLines.constFind(okato);
        std::optional<size_t> row;
        if (line != agentLines.constEnd())
            row = *line;
        else
            agentLines.insert(okato, Rows.size());
        Place(Part::TaxAgent, 13, row, BudgetCode::TaxAgents, okato, kToRefund, source.TaxWithheld,
              rest.Take(source.TaxWithheld), s);
    }

    if (rest.Positive() && sum.List1.PaidOnNotices > zero) {
        const Money agentsNotices = NoticePayments(declaration, {BudgetCode::Individuals13});
        if (agentsNotices > zero)
            Place(Part::AgentNotices, 13, {}, BudgetCode::TaxAgents, personOkato, kToRefund, agentsNotices,
                  rest.Take(agentsNotices));
        const Money entrepreneursNotices = NoticePayments(declaration, {BudgetCode::Entrepreneurs13});
        if (rest.Positive() && entrepreneursNotices > zero)
            Place(Part::EntrepreneurNotices, 13, {}, BudgetCode::Entrepreneurs, personOkato, kToRefund,
                  entrepreneursNotices, rest.Take(entrepreneursNotices));
    }

    if (rest.Positive()) {
        const Money left = rest.Left();
        Place(Part::RefundRest, 13, {}, BudgetCode::TaxAgents, personOkato, kToRefund, left, rest.Take(left));
    }
}

void kTSvodSumList6::SplitPayment(const mTDeclaration& declaration, const kTSvodSum& sum) {
    using Part = kTSvodSumList6Part;
    const QString& personOkato = declaration.Person.OKATO;
    Remainder rest(sum.List1.Payable);
    if (declaration.IncomeKinds & (IncomeBusiness | IncomePractice)) {
        // The tax on the business income alone, less the advances paid on it.
        const Money businessBase = sum.PrilV1.IncomeTotal + sum.PrilV2.IncomeTotal -
                                   sum.PrilV1.ProfessionalDeduction - sum.PrilV2.ProfessionalDeduction;
        const Money business =
            PercentInRoubles(businessBase, 13) - sum.PrilV1.AdvancePaid - sum.PrilV2.AdvancePaid;
        if (business > Money())
            Place(Part::BusinessTax, 13, {}, BudgetCode::Entrepreneurs, personOkato, kToPay, business,
                  rest.Take(business));
    }
    if (rest.Positive()) {
        const Money left = rest.Left();
        Place(Part::PaymentRest, 13, {}, BudgetCode::OtherPersons, personOkato, kToPay, left,
              rest.Take(left));
    }
}
