#include "reference/CurrencyRates.h"

#include "reference/ReferenceXml.h"

void mTCurrencyRates::Read(const pugi::xml_node& root) {
    using ReferenceXml::Attribute;
    for (const pugi::xml_node& c : root.children()) {
        if (c.type() != pugi::node_element) continue;
        CurrencyEntry currency{Attribute(c, "Code"), Attribute(c, "Name"), Attribute(c, "Quantity"), {}};
        for (const pugi::xml_node& r : c.children())
            if (r.type() == pugi::node_element)
                currency.Rates.append({Attribute(r, "Date"), Attribute(r, "Rate")});
        currencies_.append(std::move(currency));
    }
}

QList<CodeNameRow> mTCurrencyRates::PickerRows() const {
    QList<CodeNameRow> rows;
    rows.reserve(currencies_.size());
    for (const CurrencyEntry& c : currencies_)
        rows.append({c.Code, c.Name});
    return rows;
}

const CurrencyEntry* mTCurrencyRates::FindCurrency(const QString& code) const {
    for (const CurrencyEntry& c : currencies_)
        if (c.Code == code) return &c;
    return nullptr;
}

const CurrencyRateEntry* mTCurrencyRates::FindRateEntry(const CurrencyEntry& currency, TDateTime day) {
    const QString dayText = DateValue::Text(day);
    const QDate dayDate = DateValue::ToQDate(day);
    const CurrencyRateEntry* found = nullptr;
    for (const CurrencyRateEntry& entry : currency.Rates) {
        if (entry.Date == dayText) return &entry;
        TDateTime date = 0;
        // An entry whose date is not a date is never earlier than anything.
        if (DateValue::FromText(entry.Date, QLatin1Char('.'), date) && DateValue::ToQDate(date) < dayDate)
            found = &entry;
    }
    return found;
}

bool mTCurrencyRates::Lookup(const QString& code, TDateTime day, CurrencyRate& out) const {
    const CurrencyEntry* currency = FindCurrency(code);
    if (!currency) return false;
    const CurrencyRateEntry* entry = FindRateEntry(*currency, day);
    if (!entry) return false;
    bool unitsOk = false;
    const qint32 units = currency->Quantity.trimmed().toInt(&unitsOk);
    Money rate;
    // The file writes "."; a rate copied from a bank's table may carry ",".
    const QString rateText = QString(entry->Rate).replace(QLatin1Char(','), QLatin1Char('.'));
    if (!unitsOk || !Money::FromText(rateText, QLatin1Char('.'), rate)) return false;
    out = {units, rate};
    return true;
}
