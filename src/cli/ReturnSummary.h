#pragma once

#include "storage/Money.h"

#include <QString>
#include <QStringList>
#include <array>

class JsonDumper;
class mTDeclaration;

// One line of the summary of many returns: whose return it is and to which tax office, what the
// computation gave, and what the check found.
struct ReturnSummary {
    QString File;
    QString Kind; // "3-НДФЛ резидента", "3-НДФЛ нерезидента", "4-НДФЛ"
    qint32 Correction = 0;
    QString Name; // surname and initials
    QString Inn;
    QString TaxOffice;
    std::array<Money, 5> Income; // in the order of Rates
    Money TaxComputed;
    Money TaxWithheld;
    Money Payable;
    Money Refundable;
    qint32 FaultCount = 0;
    QString FirstFault; // "section: message"
    bool Computed = true;

    // The rates of the income columns, in the order of the return's sheets.
    static constexpr std::array<int, 5> Rates{13, 30, 35, 9, 15};

    // The names of the table's columns, and one return's cells (amounts with ",", as the program shows them).
    static QStringList Columns();
    QStringList Cells() const;
    // The same as one JSON object, amounts as decimal text with ".".
    void Json(JsonDumper& json) const;
};

// Checks the declaration, then computes it (which may change it, so the check comes first). When the
// computation fails, says so on CliError, and the line holds what was computed before the failure.
ReturnSummary SummarizeReturn(const QString& file, mTDeclaration& declaration);
