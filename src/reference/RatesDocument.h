#pragma once

#include "reference/RateInput.h"

#include <QStringList>
#include <map>
#include <memory>
#include <pugixml.hpp>
#include <vector>

// "CurrencyRates.xml" opened for changing: rates are merged into it one at a time, and everything the
// merge does not touch stays as it was (other currencies, their names and attributes, entries of other
// dates, comments).
class RatesDocument {
public:
    // A document without currencies.
    RatesDocument();
    ~RatesDocument();

    // Opens a rates file's text; false with ErrorString() when it is not well-formed XML in an encoding
    // the converters know, or not shaped as a rates file: root CurrencyRates, currencies, their rates,
    // and nothing nested inside a rate.
    bool Load(const QByteArray& bytes);

    // Merges one rate into the currency of this code:
    // - a currency not yet in the file is appended with the rate's name and nominal (and the bank's Id
    //   when the rate carries one); a rate without a name cannot add a currency;
    // - an entry of that date gets the value when it differs (reported), a new date is put among the
    //   currency's entries before the first later one;
    // - the value is converted to the currency's Quantity; when it cannot be held there in four
    //   decimals, the Quantity is raised by a power of ten and the currency's entries are converted
    //   with it (reported), so that no rate is ever rounded.
    // Lines of what changed are appended to report. False with ErrorString() when the rate cannot be merged.
    bool Merge(const QString& code, const IncomingRate& rate, QStringList& report);

    // The code of the first currency that carries this Bank of Russia Id, empty when none.
    QString CodeOfBankId(const QString& bankId) const;
    // Gives a currency the Bank of Russia's Id (attribute Id); false when the currency is not in the file.
    bool SetBankId(const QString& code, const QString& bankId);
    // Puts the currencies in the order of their names.
    void SortByName();

    int Added() const { return added_; }
    int Replaced() const { return replaced_; }
    int Unchanged() const { return unchanged_; }

    QByteArray Serialize() const;
    QString ErrorString() const { return error_; }

    // A rate of 1/10000 roubles as the file writes it: four decimals after a point.
    static QString RateText(qint64 raw);

    static constexpr const char* RootName = "CurrencyRates";

private:
    struct Currency;
    Currency* Find(const QString& code);
    Currency* Append(const QString& code, const IncomingRate& rate);
    bool Rescale(Currency& currency, int power, QStringList& report);
    bool Fail(const QString& message);
    bool HasRatesShape(const pugi::xml_node& root);

    pugi::xml_document document_;
    std::map<QString, std::unique_ptr<Currency>> currencies_; // read on first use
    int added_ = 0, replaced_ = 0, unchanged_ = 0;
    QString error_;
};
