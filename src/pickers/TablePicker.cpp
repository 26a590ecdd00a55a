#include "pickers/TablePicker.h"

#include <QTreeWidget>

TTablePicker::TTablePicker(QWidget* owner, const QString& caption, const QString& listName,
                           const QString& nameHeader, std::span<const CodeTableRow> rows)
    : TCodeListPicker(owner, caption, listName, {QStringLiteral("Код"), nameHeader}) {
    for (const CodeTableRow& row : rows)
        AddRow(CodeText(row.Code), QString::fromUtf8(row.Name));
    // The name column takes the rest of the list's width (about 570), so no sideways scrolling appears.
    List()->setColumnWidth(0, 60);
    resize(662, 271);
}

void TTablePicker::Preselect(int code) {
    const int row = RowOfCode(CodeText(code == 0 ? 1 : code));
    if (row < 0) return;
    SelectRow(row);
    List()->setFocus();
}
