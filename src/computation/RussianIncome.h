#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// Totals of the Russian income sources of one tax rate.
class kTSvodSumPrilA {
public:
    void Reset() { ResetFields(*this); }
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("TaxWithheldTotal", TaxWithheldTotal);
        io.Amount("TaxComputedTotal", TaxComputedTotal);
        io.Amount("TaxableTotal", TaxableTotal);
    }

    Money IncomeTotal;
    Money TaxWithheldTotal;
    Money TaxComputedTotal;
    Money TaxableTotal;
};

// Dividends of a resident at 9 %.
class kTSvodSumPrilA6 : public kTSvodSumPrilA {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Income at 13 %, with the fixed advance payments of a foreign worker.
class kTSvodSumPrilA13 : public kTSvodSumPrilA {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        kTSvodSumPrilA::Fields(io);
        io.Amount("FixedAdvancePaid", FixedAdvancePaid);
    }

    Money FixedAdvancePaid;
};

// Dividends of a non-resident at 15 %; the tax is recomputed per source.
class kTSvodSumPrilA15 : public kTSvodSumPrilA {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Income of a non-resident at 30 %.
class kTSvodSumPrilA30 : public kTSvodSumPrilA {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Income at 35 %; prizes are taxed on their part above the exempt one.
class kTSvodSumPrilA35 : public kTSvodSumPrilA {
public:
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
};
