#pragma once

#include "reference/CodeNameRow.h"
#include "reference/ReferenceFile.h"
#include "storage/Date.h"
#include "storage/Money.h"

// One rate entry of a currency, from its attributes Date ("dd.mm.yyyy") and Rate (roubles per Quantity
// units, decimal text). Converted while reading: a rates file holds thousands of entries.
struct CurrencyRateEntry {
    QDate Day;             // invalid when the Date text is not a date
    bool DayExact = false; // the Date text is exactly Day written "dd.mm.yyyy"
    Money Rate;
    bool RateValid = false; // the Rate text is a number
};

struct CurrencyEntry {
    QString Code; // three digits
    QString Name;
    QString Quantity; // units a rate is quoted for
    QList<CurrencyRateEntry> Rates;
    // Every entry is dated exactly and later than the one before, as generated and imported files are:
    // the entry for a day is then found by halving the list.
    bool InDateOrder = true;
};

// A rate found for a day, converted for the screen: units and roubles per those units.
struct CurrencyRate {
    qint32 Units = 0;
    Money Rate;
};

// "CurrencyRates.xml": one child of the root per currency (attributes Code, Name, Quantity), whose own
// children are its rate entries (attributes Date and Rate).
class mTCurrencyRates : public mTReferenceFile {
public:
    const QList<CurrencyEntry>& Currencies() const {
        Ready();
        return currencies_;
    }
    // Rows of the currency picker: code and name, and the letter code to search by.
    QList<CodeNameRow> PickerRows() const;

    // The first currency with exactly this code, nullptr when none.
    const CurrencyEntry* FindCurrency(const QString& code) const;
    // The entry dated exactly on the day, else the last entry in document order dated before it;
    // nullptr when every entry is dated on or after the day.
    static const CurrencyRateEntry* FindRateEntry(const CurrencyEntry& currency, TDateTime day);
    // An entry as read from its attributes Date and Rate.
    static CurrencyRateEntry ReadEntry(const char* date, const char* rate);
    // Both lookups; false when the currency or a rate is missing or its quantity or rate is not a number.
    bool Lookup(const QString& code, TDateTime day, CurrencyRate& out) const;

protected:
    void Clear() override { currencies_.clear(); }
    void Read(const ReferenceXml::Document& document) override;

private:
    QList<CurrencyEntry> currencies_;
};
