#pragma once

#include "screens/ListEditor.h"

#include <functional>

// The list of the payers of income at one rate, as every income screen shows it: one column with the
// payer's name, and a payer deleted with whatever it holds. The screen adds its dialogs and its detail.
template <class List> ListRecords PayerSourceRecords(std::function<List&()> sources) {
    ListRecords records;
    records.Headings = {QStringLiteral("Источники выплат")};
    records.Noun = QStringLiteral("источника");
    records.Name = [sources](int row) { return sources().At(row)->SourceName; };
    records.Count = [sources] { return sources().Count(); };
    records.RowTexts = [sources](int row) { return QStringList{sources().At(row)->SourceName}; };
    records.Delete = [sources](int row) { sources().Delete(row); };
    return records;
}
