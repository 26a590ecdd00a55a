#pragma once

#include "records/RecordIO.h"

#include <array>

// One kind of business or private-practice activity with its income and expenses.
class mTBusinessNew {
public:
    DUROVID_LIST_RECORD_INTERFACE

    QString ActivityKind;
    QString OKVED = QStringLiteral("..");
    quint8 HasDocumentedExpenses = 1;
    Money Income;
    Money ExpensesTotal;
    Money ExpensesMaterial;
    Money ExpensesDepreciation;
    Money ExpensesLabour;
    Money ExpensesLabourContracts;
    Money ExpensesOther;
    std::array<Money, 13> OtherExpenseParts{};
    Money NormativeExpenses;
};
