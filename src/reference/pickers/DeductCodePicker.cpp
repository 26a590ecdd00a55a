#include "reference/pickers/DeductCodePicker.h"

#include "shell/XmlElements.h"
namespace {
bool Flag(const pugi::xml_node& node, const char* name) {
    return AttributeText(node, name) == QLatin1String("True");
}
} // namespace

TfmInputDeductCode::TfmInputDeductCode(QWidget* owner, bool allDeductions, const QString& currentCode,
                                       const QString& incomeCode, const pugi::xml_node& dictionary)
    : TCodeListPicker(owner, QStringLiteral("Справочник видов вычетов"), QStringLiteral("lvDeductNames"),
                      {QStringLiteral("Код"), QStringLiteral("Виды вычетов")}),
      income_(dictionary.find_child_by_attribute("Income", "Code", incomeCode.toUtf8().constData())) {
    resize(720, 360);
    for (const pugi::xml_node& deduction : income_.children("Deduction")) {
        const QString code = AttributeText(deduction, "Code");
        if (!allDeductions && !code.startsWith(QLatin1String("20")) && !code.startsWith(QLatin1Char('5')) &&
            code != QLatin1String("0"))
            continue;
        AddRow(code, AttributeText(deduction, "Name"));
    }
    if (!ChildElements(income_).empty()) {
        const int row = RowOfCode(currentCode);
        SelectRow(row >= 0 ? row : 0);
    }
}

void TfmInputDeductCode::Chosen(int row) {
    limit_ = Money();
    editable_ = equivalent_ = visible_ = false;
    percent_ = 0;
    if (row < 0) return;
    const pugi::xml_node entry =
        income_.find_child_by_attribute("Deduction", "Code", code_.toUtf8().constData());
    name_ = AttributeText(entry, "Name");
    Money limit;
    if (Money::FromText(AttributeText(entry, "MaxSum"), QLatin1Char('.'), limit)) limit_ = limit;
    editable_ = Flag(entry, "Enabled");
    equivalent_ = Flag(entry, "Equivalent");
    visible_ = Flag(entry, "Visible");
    const QString percent = AttributeText(entry, "Stav").trimmed();
    percent_ = percent.isEmpty() ? 0 : percent.toInt();
}
