#include "computation/TaxBase.h"

#include "computation/BudgetCodes.h"
#include "computation/PositivePart.h"
#include "computation/SvodSum.h"
#include "computation/WholeRoubles.h"
#include "records/Declaration.h"

#include <algorithm>

namespace {

// Tax paid beyond the tax computed is refundable; tax computed beyond what was paid and the
// credit for tax paid abroad is payable. The credit lowers a payment but never makes a refund.
void Settle(Money computed, Money paid, Money credit, Money& refundable, Money& payable) {
    if (computed < paid)
        refundable = paid - computed;
    else if (computed > paid + credit)
        payable = computed - paid - credit;
}

} // namespace

void kTSvodSumList1::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind == ReturnKind3NDFLNonResident) {
        IncomeTotal = sum.PrilA13.IncomeTotal;
        IncomeTaxable = IncomeTotal;
        ExpensesDeductions = sum.PrilH1.DeductionTotal + sum.PrilG.ExpensesTotal + sum.PrilG_In.ExpensesTotal;
    } else {
        IncomeTotal = sum.PrilA13.IncomeTotal + sum.PrilV1.IncomeTotal + sum.PrilV2.IncomeTotal +
                      sum.PrilB13.IncomeRoublesTotal;
        IncomeExempt = sum.PrilM.ExemptTotal;
        IncomeTaxable = IncomeTotal - IncomeExempt;
        ExpensesDeductions =
            sum.PrilE1.StandardTotal + sum.PrilE2.SocialTotal + sum.PrilH1.DeductionTotal +
            sum.PrilZ.DeclCostDeduction + sum.PrilZ.DeclInterestDeduction + sum.PrilZ.AgentInterestDeduction +
            sum.PrilZ.AgentCostDeduction + sum.PrilJ.ExpensesApplied + sum.PrilV1.ProfessionalDeduction +
            sum.PrilV2.ProfessionalDeduction + sum.PrilG.ExpensesTotal + sum.PrilG_In.ExpensesTotal;
        AdvancePaid = sum.PrilV1.AdvancePaid + sum.PrilV2.AdvancePaid;
        ForeignTaxCredit = sum.PrilB13.CreditTotal;
    }
    TaxBase = PositivePart(IncomeTaxable - ExpensesDeductions);
    TaxComputed = PercentInRoubles(TaxBase, 13);
    TaxWithheld = sum.PrilA13.TaxWithheldTotal;
    FixedAdvancePaid = sum.PrilA13.FixedAdvancePaid;
    PaidOnNotices = NoticePayments(declaration, BudgetCode::Notices13);
    Settle(TaxComputed, TaxWithheld + AdvancePaid + FixedAdvancePaid + PaidOnNotices, ForeignTaxCredit,
           Refundable, Payable);
}

void kTSvodSumList2::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind == ReturnKind3NDFLNonResident) {
        IncomeTotal = sum.PrilA30.IncomeTotal;
        IncomeExempt = sum.PrilM.ExemptTotal + sum.PrilM2.ExemptTotal;
        IncomeTaxable = IncomeTotal - IncomeExempt;
        ExpensesDeductions = sum.PrilJ.ExpensesApplied;
        TaxBase = PositivePart(IncomeTaxable - ExpensesDeductions);
        TaxComputed = PercentInRoubles(TaxBase, 30);
        TaxWithheld = sum.PrilA30.TaxWithheldTotal;
    }
    // A resident's payments under this code have no tax to meet and come back as a refund.
    PaidOnNotices = NoticePayments(declaration, BudgetCode::Notices30);
    Settle(TaxComputed, TaxWithheld + PaidOnNotices, Money(), Refundable, Payable);
}

void kTSvodSumList3::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return;
    IncomeTotal = sum.PrilA35.IncomeTotal + sum.PrilB35.IncomeRoublesTotal;
    IncomeExempt = sum.PrilM2.ExemptTotal;
    TaxBase = PositivePart(IncomeTotal - IncomeExempt);
    TaxComputed = PercentInRoubles(TaxBase, 35);
    TaxWithheld = sum.PrilA35.TaxWithheldTotal;
    // Tax withheld from an exempt material benefit was not due and counts as paid.
    TaxWithheldExempt = sum.PrilM3.TaxWithheldTotal;
    PaidOnNotices = NoticePayments(declaration, BudgetCode::Notices35);
    ForeignTaxCredit = sum.PrilB35.CreditTotal;
    Settle(TaxComputed, TaxWithheld + TaxWithheldExempt + PaidOnNotices, ForeignTaxCredit, Refundable,
           Payable);
}

void kTSvodSumList4::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return;
    IncomeTotal = sum.PrilA6.IncomeTotal + sum.PrilB9.IncomeRoublesTotal;
    TaxBase = sum.PrilA6.TaxableTotal + sum.PrilB9.IncomeRoublesTotal;
    // The tax of dividends is the one the sources and the foreign-income sheet computed.
    TaxComputed = sum.PrilA6.TaxComputedTotal + sum.PrilB9.TaxComputedTotal;
    TaxWithheld = sum.PrilA6.TaxWithheldTotal;
    PaidOnNotices = NoticePayments(declaration, BudgetCode::Notices9);
    ForeignTaxCredit = sum.PrilB9.CreditTotal;
    Settle(TaxComputed, TaxWithheld + PaidOnNotices, ForeignTaxCredit, Refundable, Payable);
}

void kTSvodSumList5::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFLNonResident) return;
    IncomeTotal = sum.PrilA15.IncomeTotal;
    TaxBase = sum.PrilA15.TaxableTotal;
    // Computed on the total, so it may differ by a rouble from the sum of the sources' taxes.
    TaxComputed = PercentInRoubles(TaxBase, 15);
    TaxWithheld = sum.PrilA15.TaxWithheldTotal;
    PaidOnNotices = NoticePayments(declaration, BudgetCode::Notices15);
    Settle(TaxComputed, TaxWithheld + PaidOnNotices, Money(), Refundable, Payable);
}
