// "CurrencyRates.xml": the exchange-rate lookup of the foreign-income screen, and the rates import,
// which opens the same file, merges rates into it and writes it back.
#include "fuzz/FuzzInputFile.h"
#include "reference/CurrencyRates.h"
#include "reference/RatesDocument.h"

#include <cstdlib>

namespace {

void Lookups(const uint8_t* data, size_t size) {
    mTCurrencyRates rates;
    if (!rates.Load(FuzzInputFile(data, size, QStringLiteral("CurrencyRates.xml")))) return;
    CurrencyRate rate;
    for (const CurrencyEntry& c : rates.Currencies()) {
        (void)rates.Lookup(c.Code, DateValue::FromYmd(2010, 6, 15), rate);
        for (const CurrencyRateEntry& e : c.Rates)
            if (e.Day.isValid()) (void)rates.Lookup(c.Code, DateValue::FromQDate(e.Day), rate);
    }
}

// A rate that needs more decimals than a quantity of one holds, for a currency the file may have, and
// one for a currency it lacks.
void Import(const uint8_t* data, size_t size) {
    RatesDocument document;
    if (!document.Load(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) {
        if (document.ErrorString().isEmpty()) std::abort(); // a refused file is always explained
        return;
    }
    QStringList report;
    IncomingRate rate;
    rate.Name = QStringLiteral("Японских иен");
    rate.BankId = QStringLiteral("R01820");
    rate.Day = QDate(2010, 6, 15);
    rate.Nominal = 100;
    rate.Value = 3312345678; // 33.12345678 per 100
    for (const QString& code : {QStringLiteral("392"), QStringLiteral("840"), QStringLiteral("999")})
        if (!document.Merge(code, rate, report) && document.ErrorString().isEmpty()) std::abort();
    (void)document.CodeOfBankId(rate.BankId);
    document.SortByName();
    (void)document.Serialize();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Lookups(data, size);
    Import(data, size);
    return 0;
}
