#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// Tax base and tax at 13 %.
class kTSvodSumList1 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("IncomeExempt", IncomeExempt);
        io.Amount("IncomeTaxable", IncomeTaxable);
        io.Amount("ExpensesDeductions", ExpensesDeductions);
        io.Amount("TaxBase", TaxBase);
        io.Amount("TaxComputed", TaxComputed);
        io.Amount("TaxWithheld", TaxWithheld);
        io.Amount("AdvancePaid", AdvancePaid);
        io.Amount("FixedAdvancePaid", FixedAdvancePaid);
        io.Amount("PaidOnNotices", PaidOnNotices);
        io.Amount("ForeignTaxCredit", ForeignTaxCredit);
        io.Amount("Refundable", Refundable);
        io.Amount("Payable", Payable);
    }

    Money IncomeTotal;
    Money IncomeExempt;
    Money IncomeTaxable;
    Money ExpensesDeductions;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
    Money AdvancePaid;
    Money FixedAdvancePaid;
    Money PaidOnNotices;
    Money ForeignTaxCredit;
    Money Refundable;
    Money Payable;
};

// Tax base and tax at 30 %.
class kTSvodSumList2 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("IncomeExempt", IncomeExempt);
        io.Amount("IncomeTaxable", IncomeTaxable);
        io.Amount("ExpensesDeductions", ExpensesDeductions);
        io.Amount("TaxBase", TaxBase);
        io.Amount("TaxComputed", TaxComputed);
        io.Amount("TaxWithheld", TaxWithheld);
        io.Amount("PaidOnNotices", PaidOnNotices);
        io.Amount("Refundable", Refundable);
        io.Amount("Payable", Payable);
    }

    Money IncomeTotal;
    Money IncomeExempt;
    Money IncomeTaxable;
    Money ExpensesDeductions;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
    Money PaidOnNotices;
    Money Refundable;
    Money Payable;
};

// Tax base and tax at 35 %.
class kTSvodSumList3 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("IncomeExempt", IncomeExempt);
        io.Amount("TaxBase", TaxBase);
        io.Amount("TaxComputed", TaxComputed);
        io.Amount("TaxWithheld", TaxWithheld);
        io.Amount("TaxWithheldExempt", TaxWithheldExempt);
        io.Amount("PaidOnNotices", PaidOnNotices);
        io.Amount("ForeignTaxCredit", ForeignTaxCredit);
        io.Amount("Refundable", Refundable);
        io.Amount("Payable", Payable);
    }

    Money IncomeTotal;
    Money IncomeExempt;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
    Money TaxWithheldExempt;
    Money PaidOnNotices;
    Money ForeignTaxCredit;
    Money Refundable;
    Money Payable;
};

// Tax base and tax at 9 %.
class kTSvodSumList4 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("TaxBase", TaxBase);
        io.Amount("TaxComputed", TaxComputed);
        io.Amount("TaxWithheld", TaxWithheld);
        io.Amount("PaidOnNotices", PaidOnNotices);
        io.Amount("ForeignTaxCredit", ForeignTaxCredit);
        io.Amount("Refundable", Refundable);
        io.Amount("Payable", Payable);
    }

    Money IncomeTotal;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
    Money PaidOnNotices;
    Money ForeignTaxCredit;
    Money Refundable;
    Money Payable;
};

// Tax base and tax at 15 %.
class kTSvodSumList5 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeTotal", IncomeTotal);
        io.Amount("TaxBase", TaxBase);
        io.Amount("TaxComputed", TaxComputed);
        io.Amount("TaxWithheld", TaxWithheld);
        io.Amount("PaidOnNotices", PaidOnNotices);
        io.Amount("Refundable", Refundable);
        io.Amount("Payable", Payable);
    }

    Money IncomeTotal;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
    Money PaidOnNotices;
    Money Refundable;
    Money Payable;
};
