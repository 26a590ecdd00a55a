#include "computation/ForeignIncome.h"

#include "computation/IncomeCodes.h"
#include "computation/SvodSum.h"
#include "computation/WholeRoubles.h"
#include "records/Declaration.h"
#include "storage/AmountText.h"

#include <algorithm>

namespace {

// Roubles per one currency unit to four decimals; empty when the units are unknown.
QString RateText(Money rate, qint32 units) {
    if (units == 0) return {};
    return PointDecimalText(rate.ToLongDouble() / units);
}

} // namespace

void kTSvodSumPrilB::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    if (!(declaration.IncomeKinds & IncomeForeign)) return;
    for (int r = 0; r < declaration.CurrencyIncomes.Count(); ++r) {
        const mTCurrencyIncome* income = declaration.CurrencyIncomes.At(r);
        if (income->TaxRate != Rate || income->IncomeCode == IncomeCode::ExemptMaterialBenefit) continue;
        kTSvodSumPrilBRow row;
        row.CountryCode = income->CountryCode;
        row.CurrencyName = income->CurrencyName;
        row.CurrencyCode = income->CurrencyCode;
        row.SourceName = income->SourceName;
        row.IncomeDate = income->IncomeDate;
        row.RateAtIncomeText = RateText(income->RateAtIncome, income->RateUnitsAtIncome);
        row.IncomeCurrencyText = KopeckAmountText(income->IncomeCurrency);
        row.IncomeRoubles = income->IncomeRoubles;
        row.IncomeCode = income->IncomeCode;
        row.DeductionAmount = income->DeductionAmount;
        row.DeductionCode = income->DeductionCode;
        row.TaxPaidDate = income->TaxPaidDate;
        row.RateAtTaxText = RateText(income->RateAtTax, income->RateUnitsAtTax);
        row.TaxCurrencyText = KopeckAmountText(income->TaxCurrency);
        row.TaxRoubles = income->TaxRoubles;

        const Money net = std::max(Money(), income->IncomeRoubles - income->DeductionAmount);
        row.TaxComputedRF = PercentInRoubles(net, Rate);
        // The tax paid abroad is credited up to the Russian tax on the same income.
        row.Credit = RoundToRoubles(std::min(row.TaxComputedRF, row.TaxRoubles).ToLongDouble());
        row.RecordIndex = r;

        IncomeRoublesTotal += row.IncomeRoubles;
        ForeignTaxRoublesTotal += row.TaxRoubles;
        TaxComputedTotal += row.TaxComputedRF;
        CreditTotal += row.Credit;
        Rows.push_back(std::move(row));
    }
}
