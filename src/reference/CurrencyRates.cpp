#include "reference/CurrencyRates.h"

#include "reference/CurrencyLetters.h"
#include "reference/ReferenceXml.h"

#include <algorithm>
#include <cstring>

namespace {

// Dates and rates are ASCII, which reads the same in every encoding the file may have.
bool Digits(const char* s, int n) {
    for (int i = 0; i < n; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

int Number(const char* s, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (s[i] - '0');
    return v;
}

void ReadDate(const char* text, CurrencyRateEntry& entry) {
    if (std::strlen(text) == 10 && text[2] == '.' && text[5] == '.' && Digits(text, 2) &&
        Digits(text + 3, 2) && Digits(text + 6, 4)) {
        entry.Day = QDate(Number(text + 6, 4), Number(text + 3, 2), Number(text, 2));
        entry.DayExact = entry.Day.isValid();
        return;
    }
    // Any other spelling of a date ("1.1.2010") still orders the entries, but never matches a day exactly.
    TDateTime day = 0;
    if (DateValue::FromText(QString::fromLatin1(text), QLatin1Char('.'), day))
        entry.Day = DateValue::ToQDate(day);
}

void ReadRate(const char* text, CurrencyRateEntry& entry) {
    // The common form, digits with up to four decimals after a point, is read straight from the bytes:
    // a rates file holds thousands of them.
    qint64 raw = 0;
    int digits = 0, decimals = -1;
    const char* c = text;
    for (; *c; ++c) {
        if (*c == '.' && decimals < 0) {
            decimals = 0;
        } else if (*c >= '0' && *c <= '9' && digits < 14 && decimals < 4) {
            raw = raw * 10 + (*c - '0');
            ++digits;
            if (decimals >= 0) ++decimals;
        } else {
            break;
        }
    }
    if (*c == 0 && digits > 0) {
        for (int d = std::max(decimals, 0); d < 4; ++d)
            raw *= 10;
        entry.Rate = Money::FromRaw(raw);
        entry.RateValid = true;
        return;
    }
    // Anything else the way every amount is read; a rate copied from a bank's table may carry "," as
    // its separator.
    char16_t buffer[32];
    const size_t length = std::strlen(text);
    if (length > std::size(buffer)) return;
    for (size_t i = 0; i < length; ++i)
        buffer[i] = text[i] == ',' ? u'.' : char16_t(static_cast<unsigned char>(text[i]));
    entry.RateValid =
        Money::FromText(QString::fromRawData(reinterpret_cast<const QChar*>(buffer), qsizetype(length)),
                        QLatin1Char('.'), entry.Rate);
}

} // namespace

void mTCurrencyRates::Read(const ReferenceXml::Document& document) {
    for (const pugi::xml_node& c : document.Root().children()) {
        if (c.type() != pugi::node_element) continue;
        CurrencyEntry currency{document.Attribute(c, "Code"),
                               document.Attribute(c, "Name"),
                               document.Attribute(c, "Quantity"),
                               {}};
        qsizetype entries = 0;
        for (pugi::xml_node r = c.first_child(); r; r = r.next_sibling())
            ++entries;
        currency.Rates.reserve(entries);
        for (const pugi::xml_node& r : c.children()) {
            if (r.type() != pugi::node_element) continue;
            const CurrencyRateEntry entry =
                ReadEntry(r.attribute("Date").value(), r.attribute("Rate").value());
            currency.InDateOrder = currency.InDateOrder && entry.DayExact &&
                                   (currency.Rates.isEmpty() || currency.Rates.last().Day < entry.Day);
            currency.Rates.append(entry);
        }
        currencies_.append(std::move(currency));
    }
}

CurrencyRateEntry mTCurrencyRates::ReadEntry(const char* date, const char* rate) {
    CurrencyRateEntry entry;
    ReadDate(date, entry);
    ReadRate(rate, entry);
    return entry;
}

QList<CodeNameRow> mTCurrencyRates::PickerRows() const {
    QList<CodeNameRow> rows;
    rows.reserve(Currencies().size());
    for (const CurrencyEntry& c : currencies_)
        rows.append({c.Code, c.Name, CurrencyLetterCode(c.Code)});
    return rows;
}

const CurrencyEntry* mTCurrencyRates::FindCurrency(const QString& code) const {
    for (const CurrencyEntry& c : Currencies())
        if (c.Code == code) return &c;
    return nullptr;
}

const CurrencyRateEntry* mTCurrencyRates::FindRateEntry(const CurrencyEntry& currency, TDateTime day) {
    const QDate date = DateValue::ToQDate(day);
    if (!date.isValid()) return nullptr;
    if (currency.InDateOrder) {
        // No two entries share a day: the exact entry, else the last one before the day.
        const auto after = std::upper_bound(currency.Rates.cbegin(), currency.Rates.cend(), date,
                                            [](QDate d, const CurrencyRateEntry& e) { return d < e.Day; });
        return after == currency.Rates.cbegin() ? nullptr : &*(after - 1);
    }
    const CurrencyRateEntry* found = nullptr;
    for (const CurrencyRateEntry& entry : currency.Rates) {
        if (entry.DayExact && entry.Day == date) return &entry;
        if (entry.Day.isValid() && entry.Day < date) found = &entry;
    }
    return found;
}

bool mTCurrencyRates::Lookup(const QString& code, TDateTime day, CurrencyRate& out) const {
    const CurrencyEntry* currency = FindCurrency(code);
    if (!currency) return false;
    const CurrencyRateEntry* entry = FindRateEntry(*currency, day);
    if (!entry || !entry->RateValid) return false;
    bool unitsOk = false;
    const qint32 units = currency->Quantity.trimmed().toInt(&unitsOk);
    if (!unitsOk) return false;
    out = {units, entry->Rate};
    return true;
}
