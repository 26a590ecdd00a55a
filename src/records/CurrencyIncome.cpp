#include "records/CurrencyIncome.h"

#include "records/StartingDates.h"
#include "storage/AmountText.h"

namespace {

Money RoublesAtRate(Money amount, qint32 units, Money rate) {
    if (units == 0) return Money();
    return KopeckRound(amount.ToLongDouble() / units * rate.ToLongDouble());
}

} // namespace

mTCurrencyIncome::mTCurrencyIncome() {
    IncomeDate = StartingDate::ForeignIncome();
    TaxPaidDate = IncomeDate;
}

void mTCurrencyIncome::SetIncomeCurrency(Money amount) {
    IncomeCurrency = amount;
    IncomeRoubles = RoublesAtRate(amount, RateUnitsAtIncome, RateAtIncome);
}

void mTCurrencyIncome::SetTaxCurrency(Money amount) {
    TaxCurrency = amount;
    TaxRoubles = RoublesAtRate(amount, RateUnitsAtTax, RateAtTax);
}

template <class IO> void mTCurrencyIncome::Fields(IO& io, int index) {
    io.Stream(StreamName("@CurrencyIncome", index));
    io.Int("TaxRate", TaxRate);
    io.Int("IncomeCode", IncomeCode);
    io.Str("IncomeCodeName", IncomeCodeName);
    io.Str("SourceName", SourceName);
    io.Str("CountryCode", CountryCode);
    io.Date("IncomeDate", IncomeDate);
    io.Date("TaxPaidDate", TaxPaidDate);
    io.Byte("AutoRate", AutoRate);
    io.Str("CurrencyCode", CurrencyCode);
    io.Amount("RateAtIncome", RateAtIncome);
    io.Int("RateUnitsAtIncome", RateUnitsAtIncome);
    io.Amount("RateAtTax", RateAtTax);
    io.Int("RateUnitsAtTax", RateUnitsAtTax);
    io.Str("CurrencyName", CurrencyName);
    io.Amount("IncomeCurrency", IncomeCurrency);
    io.Amount("IncomeRoubles", IncomeRoubles);
    io.Amount("TaxCurrency", TaxCurrency);
    io.Amount("TaxRoubles", TaxRoubles);
    io.Int("DeductionCode", DeductionCode);
    io.Amount("DeductionAmount", DeductionAmount);
    io.Int("DeductionPercent", DeductionPercent);
}

DUROVID_LIST_RECORD_STORAGE(mTCurrencyIncome, 377, 378)
