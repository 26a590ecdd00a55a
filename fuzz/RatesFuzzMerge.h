#pragma once

#include "reference/RateInput.h"
#include "reference/RatesDocument.h"

#include <cstdlib>

// Reads the bytes as one form of rates input (Unknown: whichever form they are, told as the import tells
// it) and merges what it gives into a small rates file, as the import does; a currency named only by the
// bank's Id is taken for the dollar. One currency is counted per million units, so that a large rate
// can exceed what the file holds.
inline void FuzzRatesMerge(RateInput::Format format, const uint8_t* data, size_t size) {
    RateInput input;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!(format == RateInput::Format::Unknown ? input.Read(bytes) : input.ReadAs(format, bytes))) {
        if (input.ErrorString().isEmpty()) std::abort(); // a refused file is always explained
        return;
    }
    RatesDocument document;
    if (!document.Load("<CurrencyRates><Currency Code=\"840\" Name=\"USD\" Quantity=\"1\" Id=\"R01235\">"
                       "<Rate Date=\"31.12.2009\" Rate=\"30.2442\"/></Currency>"
                       "<Currency Code=\"392\" Name=\"JPY\" Quantity=\"x\"/>"
                       "<Currency Code=\"960\" Name=\"SDR\" Quantity=\"1000000\"/></CurrencyRates>"))
        return;
    QStringList report;
    for (const IncomingRate& rate : input.Rates()) {
        const QString code = rate.Code.isEmpty() ? document.CodeOfBankId(rate.BankId) : rate.Code;
        (void)document.Merge(code.isEmpty() ? QStringLiteral("840") : code, rate, report);
    }
    (void)document.Serialize();
}
