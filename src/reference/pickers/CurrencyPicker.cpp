#include "reference/pickers/CurrencyPicker.h"

#include "shell/XmlElements.h"
TfmInputCurrencyCode::TfmInputCurrencyCode(QWidget* owner, const pugi::xml_node& root,
                                           const QString& currentCode)
    : TCodeListPicker(owner, QStringLiteral("Справочник валют"), QStringLiteral("lvCurrencys"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование валюты")}) {
    for (const pugi::xml_node& currency : ChildElements(root))
        AddRow(QString::fromUtf8(currency.attribute("Code").value()),
               QString::fromUtf8(currency.attribute("Name").value()));
    const int row = RowOfCode(currentCode.isEmpty() ? QStringLiteral("0") : currentCode);
    SelectRow(row >= 0 ? row : 0);
}
