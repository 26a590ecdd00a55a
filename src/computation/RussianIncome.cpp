#include "computation/RussianIncome.h"

#include "computation/IncomeCodes.h"
#include "computation/SvodSum.h"
#include "computation/WholeRoubles.h"
#include "records/Declaration.h"

namespace {

// A rate's OKATO code is the first one that a source of the rate carries.
void TakeOkato(QString& code, const QString& sourceOkato) {
    if (code.isEmpty()) code = sourceOkato;
}

// Sources with income lines: the income is the sum of the lines.
void AddLineSources(kTSvodSumPrilA& sheet, const mTRecordList<mTThirteenPercent>& sources, QString& okato) {
    for (const auto& source : sources) {
        TakeOkato(okato, source->SourceOKATO);
        for (const auto& line : source->Lines())
            sheet.IncomeTotal += line->IncomeAmount;
        sheet.TaxableTotal += source->TaxableIncome;
        sheet.TaxComputedTotal += source->TaxComputed;
        sheet.TaxWithheldTotal += source->TaxWithheld;
    }
}

} // namespace

void kTSvodSumPrilA6::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return;
    for (const auto& source : declaration.IncomeSources30) {
        IncomeTotal += source->IncomeTotal;
        TaxableTotal += source->TaxableIncome;
        TaxComputedTotal += source->TaxComputed;
        TaxWithheldTotal += source->TaxWithheld;
        TakeOkato(sum.Okato9, source->SourceOKATO);
    }
}

void kTSvodSumPrilA13::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    FixedAdvancePaid = declaration.FixedAdvancePayments;
    if (declaration.ReturnKind == ReturnKind3NDFLNonResident)
        AddLineSources(*this, declaration.IncomeSources13NR, sum.Okato13);
    else if (declaration.ReturnKind == ReturnKind3NDFL)
        AddLineSources(*this, declaration.IncomeSources13, sum.Okato13);
}

void kTSvodSumPrilA15::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFLNonResident) return;
    for (const auto& source : declaration.IncomeSources30) {
        TakeOkato(sum.Okato15, source->SourceOKATO);
        IncomeTotal += source->IncomeTotal;
        TaxableTotal += source->TaxableIncome;
        // The tax is recomputed from the taxable income, whatever the source entered.
        TaxComputedTotal += PercentInRoubles(source->TaxableIncome, 15);
        TaxWithheldTotal += source->TaxWithheld;
    }
}

void kTSvodSumPrilA30::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind == ReturnKind3NDFLNonResident)
        AddLineSources(*this, declaration.IncomeSources13, sum.Okato13);
}

void kTSvodSumPrilA35::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    if (declaration.ReturnKind != ReturnKind3NDFL) return;
    // The first rows of the prize sheet are the prize sources of this list, in the same order.
    size_t prize = 0;
    for (const auto& source : declaration.IncomeSources35) {
        if (source->IncomeCode == IncomeCode::ExemptMaterialBenefit) {
            // Its tax is refunded through the agent that paid the benefit.
            sum.Okato35 = source->SourceOKATO;
            continue;
        }
        Money taxable = source->IncomeTotal;
        if (source->IncomeCode == IncomeCode::AdvertisingPrize && source->DeductionCode != 0) {
            if (prize < sum.PrilM2.Rows.size()) {
                const kTSvodSumPrilM2Row& row = sum.PrilM2.Rows[prize];
                taxable = row.Income - row.Exempt;
            }
            ++prize;
        }
        TaxableTotal += taxable;
        TaxComputedTotal += PercentInRoubles(taxable, 35);
        TakeOkato(sum.Okato35, source->SourceOKATO);
        IncomeTotal += source->IncomeTotal;
        TaxWithheldTotal += source->TaxWithheld;
    }
}
