#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Names of the tables in data/sources the shipped reference files are generated from.
namespace SourceFileName {
inline const QString TaxOffices = QStringLiteral("tax-offices.csv");
inline const QString Okved = QStringLiteral("okved-2001.csv");
inline const QString Rates = QStringLiteral("central-bank-rates-2010.csv");
inline const QString CurrencyIds = QStringLiteral("central-bank-currency-ids.csv");
} // namespace SourceFileName

// Builds the reference files the program is delivered with from their source tables, so that nobody
// edits them by hand: "InspectionNumbers.xml" from the tax service's directory of tax offices,
// "Sp_OKVED2.xml" from the classifier OK 029-2001 and "CurrencyRates.xml" from the Bank of Russia's
// daily rates. The tables are checked on the way: a bad line stops the build with its line.
class ReferenceGenerator {
public:
    // The files it builds, by their names beside the program.
    static QStringList Files();

    // Builds one of Files() from the tables in the sources folder.
    bool Build(const QString& sourcesDir, const QString& fileName, QByteArray& bytes);
    // Builds every one and writes it into the folder; nothing is written when a table is bad.
    bool WriteAll(const QString& sourcesDir, const QString& outDir);

    // code;name — four-digit codes, each once: root Inspections, one Inspection per office in table order.
    bool BuildInspections(const QByteArray& table, QByteArray& bytes);
    // code;name;section — sections (A) and subsections (CA) are level 1, then classes (01), subclasses
    // (01.1), groups (01.11), subgroups (01.11.1) and kinds (01.11.11) are levels 2 to 6; the Kod of an
    // entry is its code behind the letters of its section or subsection, so that an entry's Kod begins
    // with the Kod of every entry above it.
    bool BuildOkved(const QByteArray& table, QByteArray& bytes);
    // The rates table merged into an empty rates file as an import would merge it, the currencies in the
    // order of their names, each with the bank's Id from the second table (code;letter;id).
    bool BuildCurrencyRates(const QByteArray& rates, const QByteArray& ids, QByteArray& bytes);

    QString ErrorString() const { return error_; }

private:
    bool Fail(const QString& message);

    QString error_;
};
