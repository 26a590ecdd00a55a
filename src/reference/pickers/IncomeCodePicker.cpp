#include "reference/pickers/IncomeCodePicker.h"

#include "shell/XmlElements.h"
TfmInputIncomeCode::TfmInputIncomeCode(QWidget* owner, bool nonResident, const QString& currentCode,
                                       const QString& rateFilter, const pugi::xml_node& dictionary)
    : TCodeListPicker(owner, QStringLiteral("Справочник видов доходов"), QStringLiteral("lvIncomeNames"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование дохода")}),
      dictionary_(dictionary), rateFilter_(rateFilter) {
    resize(720, 480);
    for (const pugi::xml_node& income : dictionary_.children("Income")) {
        if (!rateFilter_.isEmpty()) {
            if (AttributeText(income, "Stav") != rateFilter_) continue;
            if (nonResident && AttributeText(income, "NRez13") != QLatin1String("True")) continue;
        }
        AddRow(AttributeText(income, "Code"), AttributeText(income, "Name"));
    }
    const int row = RowOfCode(currentCode);
    SelectRow(row >= 0 ? row : 0);
}

void TfmInputIncomeCode::Chosen(int row) {
    rate_.clear();
    hasDeductions_ = false;
    if (row < 0) return;
    const pugi::xml_node income =
        dictionary_.find_child_by_attribute("Income", "Code", code_.toUtf8().constData());
    rate_ = rateFilter_.isEmpty() ? AttributeText(income, "Stav") : rateFilter_;
    hasDeductions_ = !ChildElements(income).empty();
}
