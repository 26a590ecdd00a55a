#pragma once

#include "computation/IncomeItems.h"
#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// Professional deductions against income at 13 %, by group of income and deduction codes.
class kTSvodSumPrilGGroups : public IncomeShareLog<kTSvodSumPrilGGroups> {
public:
    void Reset() { ResetFields(*this); }
    template <class IO> void Fields(IO& io) {
        io.Amount("ContractIncome", ContractIncome);
        io.Amount("ContractExpenses", ContractExpenses);
        io.Amount("RoyaltyIncomeActual", RoyaltyIncomeActual);
        io.Amount("RoyaltyExpensesActual", RoyaltyExpensesActual);
        io.Amount("RoyaltyIncomeNormative", RoyaltyIncomeNormative);
        io.Amount("RoyaltyExpensesNormative", RoyaltyExpensesNormative);
        io.Amount("ShareSaleIncome", ShareSaleIncome);
        io.Amount("ShareSaleExpenses", ShareSaleExpenses);
        io.Amount("ConstructionRightsIncome", ConstructionRightsIncome);
        io.Amount("ConstructionRightsExpenses", ConstructionRightsExpenses);
        io.Amount("ExpensesTotal", ExpensesTotal);
    }

    Money ContractIncome;
    Money ContractExpenses;
    Money RoyaltyIncomeActual;
    Money RoyaltyExpensesActual;
    Money RoyaltyIncomeNormative;
    Money RoyaltyExpensesNormative;
    Money ShareSaleIncome;
    Money ShareSaleExpenses;
    Money ConstructionRightsIncome;
    Money ConstructionRightsExpenses;
    Money ExpensesTotal;

protected:
    // Adds an income and its deduction to the group of the two codes; no group, nothing added.
    // contractsOnly admits only civil-law work contracts.
    void Add(const IncomeItem& item, bool contractsOnly = false);
    // Caps each group's deduction at its income and totals the deductions.
    void Finish();
};

// From the income lines of the Russian income sources.
class kTSvodSumPrilG : public kTSvodSumPrilGGroups {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};

// From the foreign income records.
class kTSvodSumPrilG_In : public kTSvodSumPrilGGroups {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};
