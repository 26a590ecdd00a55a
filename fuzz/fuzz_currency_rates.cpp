// "CurrencyRates.xml" and the exchange-rate lookup of the foreign-income screen.
#include "fuzz/FuzzInputFile.h"
#include "reference/CurrencyRates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mTCurrencyRates rates;
    if (!rates.Load(FuzzInputFile(data, size, QStringLiteral("CurrencyRates.xml")))) return 0;
    CurrencyRate rate;
    for (const CurrencyEntry& c : rates.Currencies()) {
        (void)rates.Lookup(c.Code, DateValue::FromYmd(2010, 6, 15), rate);
        for (const CurrencyRateEntry& e : c.Rates)
            if (e.Day.isValid()) (void)rates.Lookup(c.Code, DateValue::FromQDate(e.Day), rate);
    }
    return 0;
}
