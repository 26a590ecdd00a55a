#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// One income received abroad, with the Russian tax on it and the credit of the tax paid abroad.
class kTSvodSumPrilBRow {
public:
    template <class IO> void Fields(IO& io) {
        io.Str("CountryCode", CountryCode);
        io.Str("CurrencyName", CurrencyName);
        io.Str("CurrencyCode", CurrencyCode);
        io.Str("SourceName", SourceName);
        io.Date("IncomeDate", IncomeDate);
        io.Str("RateAtIncomeText", RateAtIncomeText);
        io.Str("IncomeCurrencyText", IncomeCurrencyText);
        io.Amount("IncomeRoubles", IncomeRoubles);
        io.Int("IncomeCode", IncomeCode);
        io.Amount("DeductionAmount", DeductionAmount);
        io.Int("DeductionCode", DeductionCode);
        io.Date("TaxPaidDate", TaxPaidDate);
        io.Str("RateAtTaxText", RateAtTaxText);
        io.Str("TaxCurrencyText", TaxCurrencyText);
        io.Amount("TaxRoubles", TaxRoubles);
        io.Amount("TaxComputedRF", TaxComputedRF);
        io.Amount("Credit", Credit);
    }

    QString CountryCode;
    QString CurrencyName;
    QString CurrencyCode;
    QString SourceName;
    TDateTime IncomeDate = 0;
    QString RateAtIncomeText;
    QString IncomeCurrencyText;
    Money IncomeRoubles;
    qint32 IncomeCode = 0;
    Money DeductionAmount;
    qint32 DeductionCode = 0;
    TDateTime TaxPaidDate = 0;
    QString RateAtTaxText;
    QString TaxCurrencyText;
    Money TaxRoubles;
    Money TaxComputedRF;
    Money Credit;
    // Position of the foreign income record the row comes from; not part of the return.
    qint32 RecordIndex = 0;
};

// Foreign income of one tax rate (13, 9 or 35 %).
class kTSvodSumPrilB {
public:
    explicit kTSvodSumPrilB(int rate) : Rate(rate) {}
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("IncomeRoublesTotal", IncomeRoublesTotal);
        io.Amount("ForeignTaxRoublesTotal", ForeignTaxRoublesTotal);
        io.Amount("TaxComputedTotal", TaxComputedTotal);
        io.Amount("CreditTotal", CreditTotal);
        RowList(io, "Rows", Rows);
    }

    const int Rate;
    std::vector<kTSvodSumPrilBRow> Rows;
    Money IncomeRoublesTotal;
    Money ForeignTaxRoublesTotal;
    Money TaxComputedTotal;
    Money CreditTotal;
};
