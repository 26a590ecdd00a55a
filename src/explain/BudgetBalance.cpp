#include "explain/BudgetBalance.h"

#include "computation/SvodSum.h"
#include "explain/ExplainText.h"
#include "explain/TaxExplanation.h"
#include "records/Declaration.h"

namespace {

QString Amount(Money amount) {
    return GroupedAmountText(amount) + QStringLiteral(" руб.");
}

template <class Sheet> BudgetBalance::Rate RateOf(int percent, const char* name, const Sheet& sheet) {
    return {percent, sheet.Payable, sheet.Refundable, {name, "Payable"}, {name, "Refundable"}};
}

} // namespace

std::vector<BudgetBalance::Item> BudgetBalance::Items() const {
    if (!Taxed || !Computed) return {};
    const Item payment{QStringLiteral("К уплате в бюджет"), Payable, false};
    const Item refund{QStringLiteral("К возврату из бюджета"), Refundable, true};
    if (!Refundable.IsZero() && !Payable.IsZero()) return {payment, refund};
    return {Refundable.IsZero() ? payment : refund};
}

QString BudgetBalance::Headline() const {
    if (!Taxed) return QStringLiteral("Налог по декларации 4-НДФЛ не рассчитывается");
    if (!Computed) return QStringLiteral("Налог не рассчитан: ошибка в расчётах");
    QStringList lines;
    for (const Item& item : Items())
        lines << item.Caption + QStringLiteral(": ") + Amount(item.Amount);
    return lines.join(QLatin1Char('\n'));
}

QStringList BudgetBalance::Breakdown() const {
    QStringList lines;
    for (const Rate& rate : Rates) {
        const QString percent = QString::number(rate.Percent) + QStringLiteral(" %: ");
        if (!rate.Payable.IsZero()) lines << percent + QStringLiteral("к уплате ") + Amount(rate.Payable);
        if (!rate.Refundable.IsZero())
            lines << percent + QStringLiteral("к возврату ") + Amount(rate.Refundable);
    }
    return lines;
}

ResultRef BudgetBalance::LineOf(bool refund) const {
    for (const Rate& rate : Rates)
        if (!(refund ? rate.Refundable : rate.Payable).IsZero())
            return refund ? rate.RefundableLine : rate.PayableLine;
    return {};
}

BudgetBalance BalanceOf(const kTSvodSum& sum) {
    BudgetBalance balance;
    balance.Computed = true;
    // The sheets of the return by rate, in their order.
    for (const BudgetBalance::Rate& rate :
         {RateOf(13, "List1", sum.List1), RateOf(30, "List2", sum.List2), RateOf(35, "List3", sum.List3),
          RateOf(9, "List4", sum.List4), RateOf(15, "List5", sum.List5)}) {
        if (rate.Payable.IsZero() && rate.Refundable.IsZero()) continue;
        balance.Rates.push_back(rate);
        balance.Payable += rate.Payable;
        balance.Refundable += rate.Refundable;
    }
    return balance;
}

BudgetBalance BalanceOf(mTDeclaration& declaration) {
    if (declaration.ReturnKind == ReturnKind4NDFL) {
        BudgetBalance balance;
        balance.Taxed = false;
        return balance;
    }
    kTSvodSum sum;
    const bool computed = ComputeAsEntered(declaration, sum);
    BudgetBalance balance = BalanceOf(sum);
    balance.Computed = computed;
    if (!computed) balance.Error = kTSvodSum::FailureMessage;
    return balance;
}
