#include "computation/SecuritiesOperations.h"

#include "computation/IncomeItems.h"
#include "computation/PositivePart.h"
#include "computation/SvodSum.h"

#include <algorithm>

void kTSvodSumPrilJ::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    ForEachIncomeItem(declaration, [this](const IncomeItem& item) { AddTransaction(item); });
    OffsetLosses();
}

void kTSvodSumPrilJ::AddTransaction(const IncomeItem& item) {
    struct Category {
        qint32 incomeCode;
        Money kTSvodSumPrilJ::*income;
        Money kTSvodSumPrilJ::*expenses;
    };
    static constexpr Category categories[] = {
        {1530, &kTSvodSumPrilJ::SecOrgIncome, &kTSvodSumPrilJ::SecOrgExpenses},
        {1536, &kTSvodSumPrilJ::SecFormerOrgIncome, &kTSvodSumPrilJ::SecFormerOrgExpenses},
        {1531, &kTSvodSumPrilJ::SecUnorgIncome, &kTSvodSumPrilJ::SecUnorgExpenses},
        {1532, &kTSvodSumPrilJ::FutOrgSecIncome, &kTSvodSumPrilJ::FutOrgSecExpenses},
        {1535, &kTSvodSumPrilJ::FutOrgOtherIncome, &kTSvodSumPrilJ::FutOrgOtherExpenses},
        {1533, &kTSvodSumPrilJ::FutUnorgIncome, &kTSvodSumPrilJ::FutUnorgExpenses},
    };
    if (item.DeductionCode == 0) return;
    for (const Category& category : categories)
        if (category.incomeCode == item.IncomeCode) {
            this->*category.income += item.Income;
            this->*category.expenses += item.Deduction;
            Share(category.income, item, item.Income);
            Share(category.expenses, item, item.Deduction);
            return;
        }
}

void kTSvodSumPrilJ::OffsetLosses() {
    // Categories whose loss offsets nothing: their base never goes below zero.
    SecFormerOrgBase = PositivePart(SecFormerOrgIncome - SecFormerOrgExpenses);
    SecUnorgBase = PositivePart(SecUnorgIncome - SecUnorgExpenses);
    FutUnorgBase = PositivePart(FutUnorgIncome - FutUnorgExpenses);

    SecOrgLoss = PositivePart(SecOrgExpenses - SecOrgIncome);
    SecFormerOrgLoss = PositivePart(SecFormerOrgExpenses - SecFormerOrgIncome);
    FutOrgSecLoss = PositivePart(FutOrgSecExpenses - FutOrgSecIncome);
    FutOrgOtherLoss = PositivePart(FutOrgOtherExpenses - FutOrgOtherIncome);

    const Money zero;
    const Money securities = SecOrgIncome - SecOrgExpenses;
    if (securities > zero) FormerOrgLossApplied = std::min(SecFormerOrgLoss, securities);

    // Losses of earlier years are not taken into this return.
    PriorSecLoss = zero;
    PriorFutLoss = zero;

    if (securities - FormerOrgLossApplied > zero)
        PriorSecLossApplied = std::min(PriorSecLoss, securities - FormerOrgLossApplied);

    const Money futuresOnSecurities = FutOrgSecIncome - FutOrgSecExpenses;
    Money priorFutLossLeft = PriorFutLoss;
    if (futuresOnSecurities > zero) {
        FutOrgSecPriorApplied = std::min(PriorFutLoss, futuresOnSecurities);
        priorFutLossLeft = PriorFutLoss - FutOrgSecPriorApplied;
    }
    const Money otherFutures = FutOrgOtherIncome - FutOrgOtherExpenses;
    if (otherFutures > zero) FutOrgOtherPriorApplied = std::min(priorFutLossLeft, otherFutures);

    // A loss on securities of the organised market lowers the gain on futures on securities and the
    // other way round; a loss on other futures lowers the gain on futures on securities.
    const Money futuresLeft = futuresOnSecurities - FutOrgSecPriorApplied;
    if (futuresLeft > zero && SecOrgLoss > zero) SecOrgLossUsed = std::min(SecOrgLoss, futuresLeft);
    const Money securitiesLeft = securities - FormerOrgLossApplied - PriorSecLossApplied;
    if (securitiesLeft > zero && FutOrgSecLoss > zero)
        FutOrgSecLossUsed = std::min(FutOrgSecLoss, securitiesLeft);
    if (futuresLeft - SecOrgLossUsed > zero && FutOrgOtherLoss > zero)
        FutOrgOtherLossUsed = std::min(FutOrgOtherLoss, futuresLeft - SecOrgLossUsed);

    SecOrgBase = PositivePart(securitiesLeft - FutOrgSecLossUsed);
    FutOrgSecBase = PositivePart(futuresLeft - SecOrgLossUsed - FutOrgOtherLossUsed);
    FutOrgOtherBase = PositivePart(otherFutures - FutOrgOtherPriorApplied);

    CarriedSecLoss = PriorSecLoss + SecOrgLoss - SecOrgLossUsed - PriorSecLossApplied;
    CarriedFutLoss = PriorFutLoss + FutOrgSecLoss + FutOrgOtherLoss - FutOrgSecLossUsed -
                     FutOrgSecPriorApplied - FutOrgOtherLossUsed - FutOrgOtherPriorApplied;

    IncomeTotal = SecOrgIncome + SecFormerOrgIncome + SecUnorgIncome + FutOrgSecIncome + FutOrgOtherIncome +
                  FutUnorgIncome;
    TaxableTotal =
        SecOrgBase + SecFormerOrgBase + SecUnorgBase + FutOrgSecBase + FutOrgOtherBase + FutUnorgBase;
    // Expenses and losses count only up to the income they offset, so they never lower other income.
    ExpensesApplied = IncomeTotal - TaxableTotal;
}
