#pragma once

#include "pickers/CodeListPicker.h"
#include "reference/CodeTableRow.h"

#include <span>

// The pickers of the taxpayer screens over a table the program carries (document kinds, regions):
// codes shown with two digits, opened on the row of the current code.
class TTablePicker : public TCodeListPicker {
    Q_OBJECT

public:
    TTablePicker(QWidget* owner, const QString& caption, const QString& listName, const QString& nameHeader,
                 std::span<const CodeTableRow> rows);

    // Focuses and selects the row of code ("01" stands for 0, no choice yet).
    void Preselect(int code);
    int ChosenCode() const { return Code().toInt(); }

    static QString CodeText(int code) { return QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')); }
};
