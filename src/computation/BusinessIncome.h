#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTBusinessNew;
class mTDeclaration;

// Income and professional deduction of business or private-practice activities, with the
// advance payments entered for them.
class kTSvodSumPrilV {
public:
    void Reset() { ResetFields(*this); }
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("ProfessionalDeduction", ProfessionalDeduction);
        io.Amount("AdvancePaid", AdvancePaid);
        io.Amount("AdvanceAccrued", AdvanceAccrued);
    }

    Money IncomeTotal;
    Money ProfessionalDeduction;
    Money AdvancePaid;
    Money AdvanceAccrued;

protected:
    // The deduction never exceeds the income.
    void LimitDeductionToIncome();
};

// Business and private-practice activities.
class kTSvodSumPrilV1 : public kTSvodSumPrilV {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    // An activity deducts its documented expenses, or without documents the normative share of the income.
    static bool DeductsDocumentedExpenses(const mTBusinessNew& activity);
};

// Private-practice records of the older layout.
class kTSvodSumPrilV2 : public kTSvodSumPrilV {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};
