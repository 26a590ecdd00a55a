#pragma once

#include "computation/IncomeItems.h"
#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// Transactions with securities and futures instruments, with the offsetting of losses between categories.
class kTSvodSumPrilJ : public IncomeShareLog<kTSvodSumPrilJ> {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("SecOrgIncome", SecOrgIncome);
        io.Amount("SecOrgExpenses", SecOrgExpenses);
        io.Amount("SecOrgBase", SecOrgBase);
        io.Amount("SecFormerOrgIncome", SecFormerOrgIncome);
        io.Amount("SecFormerOrgExpenses", SecFormerOrgExpenses);
        io.Amount("SecFormerOrgBase", SecFormerOrgBase);
        io.Amount("SecUnorgIncome", SecUnorgIncome);
        io.Amount("SecUnorgExpenses", SecUnorgExpenses);
        io.Amount("SecUnorgBase", SecUnorgBase);
        io.Amount("FutOrgSecIncome", FutOrgSecIncome);
        io.Amount("FutOrgSecExpenses", FutOrgSecExpenses);
        io.Amount("FutOrgSecBase", FutOrgSecBase);
        io.Amount("FutOrgOtherIncome", FutOrgOtherIncome);
        io.Amount("FutOrgOtherExpenses", FutOrgOtherExpenses);
        io.Amount("FutOrgOtherBase", FutOrgOtherBase);
        io.Amount("FutUnorgIncome", FutUnorgIncome);
        io.Amount("FutUnorgExpenses", FutUnorgExpenses);
        io.Amount("FutUnorgBase", FutUnorgBase);
        io.Amount("SecOrgLoss", SecOrgLoss);
        io.Amount("SecOrgLossUsed", SecOrgLossUsed);
        io.Amount("FormerOrgLossApplied", FormerOrgLossApplied);
        io.Amount("PriorSecLossApplied", PriorSecLossApplied);
        io.Amount("SecFormerOrgLoss", SecFormerOrgLoss);
        io.Amount("FutOrgSecLoss", FutOrgSecLoss);
        io.Amount("FutOrgSecLossUsed", FutOrgSecLossUsed);
        io.Amount("FutOrgSecPriorApplied", FutOrgSecPriorApplied);
        io.Amount("FutOrgOtherLoss", FutOrgOtherLoss);
        io.Amount("FutOrgOtherLossUsed", FutOrgOtherLossUsed);
        io.Amount("FutOrgOtherPriorApplied", FutOrgOtherPriorApplied);
        io.Amount("PriorSecLoss", PriorSecLoss);
        io.Amount("PriorFutLoss", PriorFutLoss);
        io.Amount("CarriedSecLoss", CarriedSecLoss);
        io.Amount("CarriedFutLoss", CarriedFutLoss);
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("TaxableTotal", TaxableTotal);
        io.Amount("ExpensesApplied", ExpensesApplied);
    }

    Money SecOrgIncome;
    Money SecOrgExpenses;
    Money SecOrgBase;
    Money SecFormerOrgIncome;
    Money SecFormerOrgExpenses;
    Money SecFormerOrgBase;
    Money SecUnorgIncome;
    Money SecUnorgExpenses;
    Money SecUnorgBase;
    Money FutOrgSecIncome;
    Money FutOrgSecExpenses;
    Money FutOrgSecBase;
    Money FutOrgOtherIncome;
    Money FutOrgOtherExpenses;
    Money FutOrgOtherBase;
    Money FutUnorgIncome;
    Money FutUnorgExpenses;
    Money FutUnorgBase;
    Money SecOrgLoss;
    Money SecOrgLossUsed;
    Money FormerOrgLossApplied;
    Money PriorSecLossApplied;
    Money SecFormerOrgLoss;
    Money FutOrgSecLoss;
    Money FutOrgSecLossUsed;
    Money FutOrgSecPriorApplied;
    Money FutOrgOtherLoss;
    Money FutOrgOtherLossUsed;
    Money FutOrgOtherPriorApplied;
    Money PriorSecLoss;
    Money PriorFutLoss;
    Money CarriedSecLoss;
    Money CarriedFutLoss;
    Money IncomeTotal;
    Money TaxableTotal;
    Money ExpensesApplied;

private:
    // Adds a transaction with its expenses to the category of its income code; a transaction
    // without expenses claimed, or of another code, adds nothing.
    void AddTransaction(const IncomeItem& item);
    // Offsets losses between categories and derives the tax bases, the losses carried and the totals.
    void OffsetLosses();
};
