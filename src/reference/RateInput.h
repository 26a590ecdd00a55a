#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// A rate as a file gives it, before it is merged into a rates file.
struct IncomingRate {
    QString Code;       // three digits; empty when the file names the currency only by the bank's Id
    QString BankId;     // the Bank of Russia's Id of the currency ("R01235") when the file gives one
    QString Name;       // empty when the file gives none
    qint64 Nominal = 1; // units the value is quoted for
    QDate Day;          // the first day on which the rate is in force
    qint64 Value = 0;   // roubles per Nominal units, in hundred-millionths
    int Line = 0;       // where the file gives it
};

// The files rates are imported from, told apart by their content:
// - the Bank of Russia's daily rates: root ValCurs with attribute Date, one Valute per currency with
//   NumCode, CharCode, Nominal, Name and Value (decimal comma);
// - its history of one currency: root ValCurs, one Record per day with attributes Date and Id and the
//   elements Nominal and Value;
// - our table: code;letter;quantity;name;date;rate (UTF-8, the rate with a decimal point).
// Anything malformed is refused with its line; nothing is taken from a file that has a bad part.
class RateInput {
public:
    enum class Format { Unknown, Daily, History, Table };

    bool Read(const QByteArray& bytes);
    // Reads the bytes as this format only.
    bool ReadAs(Format format, const QByteArray& bytes);

    Format Kind() const { return format_; }
    const QList<IncomingRate>& Rates() const { return rates_; }
    QString ErrorString() const { return error_; }

    // A rate's value as its text: digits with at most one decimal separator ("," or "."), at most eight
    // decimals, above zero and below a billion.
    static bool ParseValue(const QString& text, qint64& value);
    static constexpr qint64 ValueScale = 100000000;

private:
    bool ReadXml(Format wanted, const QByteArray& bytes);
    bool ReadTable(const QByteArray& bytes);
    bool Fail(int line, const QString& what);

    Format format_ = Format::Unknown;
    QList<IncomingRate> rates_;
    QString error_;
};
