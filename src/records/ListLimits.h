#pragma once

#include <QString>
#include <QtGlobal>

// How long each list of a declaration may grow. A list's count is stored as a 16-bit word, so a list
// holds at most 65 535 records. The stream of income line j of source s is named after s and j
// written one after the other ("%.3d%.3d"): that name is unambiguous only while j has three digits
// (source 100's line 1000 and source 1001's line 0 would both be "1001000"), so a source holds at most
// 1 000 lines. Beyond a limit the file could not be loaded back: the save refuses it, and the screens
// refuse to add a record beyond it, both with FullMessage.
namespace ListLimits {

enum class List {
    IncomeSources13,
    IncomeSources13NR,
    IncomeSources35,
    IncomeSources30,
    CurrencyIncomes,
    BusinessIncomes,
    PracticeIncomes,
    TaxPayments,
    PensionContracts,
    IncomeLines, // the income lines of one 13 % source
};

int MaxCount(List list);

// "В списке «…» может быть не более N записей." The list's name follows the kind of return
// (the non-resident's lists hold income at other rates).
QString FullMessage(List list, quint8 returnKind);

// For a screen about to add a record to a list that holds count records: empty when it may,
// else the message to show.
QString RefusalToAdd(List list, int count, quint8 returnKind);

} // namespace ListLimits
