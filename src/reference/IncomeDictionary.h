#pragma once

#include "reference/CodeNameRow.h"
#include "storage/Money.h"

#include <QByteArray>
#include <QList>

// A deduction that may be claimed against an income code, with the rule its amount follows.
struct DeductionEntry {
    QString Code; // "0" is "Не предоставлять вычет"
    QString Name;
    qint32 Percent = 0;      // Stav: the deduction is this percentage of the income; 0 when blank
    bool Visible = false;    // the amount field is shown
    bool Enabled = false;    // the user may type the amount; otherwise it is only proposed
    bool Equivalent = false; // the deduction equals the income, up to MaxSum
    Money MaxSum;            // the limit; 0 means none
};

struct IncomeEntry {
    QString Stav; // rate in percent, as text
    QString Code;
    QString Name;
    bool NRez13 = false;   // a non-resident may declare it at 13 %
    bool SaleDate = false; // a sale of property or securities
    QList<DeductionEntry> Deductions;
};

// What the income picker yields for a chosen row.
struct IncomeChoice {
    QString Code;
    QString Name;
    quint16 Rate = 0;
    bool HasDeductions = false;
};

// The income and deduction code dictionary (IncomeDict) that the program carries inside itself.
class mTIncomeDictionary {
public:
    // The dictionary embedded in the program, parsed once.
    static const mTIncomeDictionary& Embedded();
    // The embedded windows-1251 document as it is stored.
    static QByteArray EmbeddedDocument();

    // Parses a dictionary document; false with ErrorString() when it is not one.
    bool LoadFromBytes(const QByteArray& bytes);
    QString ErrorString() const { return error_; }

    const QList<IncomeEntry>& Incomes() const { return incomes_; }
    // The first income with exactly this code, nullptr when none.
    const IncomeEntry* FindIncome(const QString& code) const;

    // Rows of the income picker in document order. With a rate filter only incomes of exactly that
    // rate are listed, and with the non-resident filter only those marked NRez13; without a rate
    // filter every income is listed.
    QList<CodeNameRow> IncomeRows(const QString& rateFilter, bool nonResident) const;
    // What choosing a row yields: the rate is the filter when there is one, else the income's own.
    IncomeChoice ChooseIncome(const CodeNameRow& row, const QString& rateFilter) const;

    // Rows of the deduction picker for an income. Without allDeductions only the codes beginning with
    // "20" or "5" and the code "0" are listed. Empty for an income that is not in the dictionary.
    QList<CodeNameRow> DeductionRows(const QString& incomeCode, bool allDeductions) const;
    // The first deduction of the income with exactly this code, nullptr when none.
    const DeductionEntry* FindDeduction(const QString& incomeCode, const QString& deductionCode) const;

private:
    QList<IncomeEntry> incomes_;
    QString error_;
};
