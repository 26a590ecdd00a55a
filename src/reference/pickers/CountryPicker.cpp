#include "reference/pickers/CountryPicker.h"

#include "shell/XmlElements.h"
TfmGrazhd::TfmGrazhd(QWidget* owner, const pugi::xml_node& root)
    : TCodeListPicker(owner, QStringLiteral("Справочник стран"), QStringLiteral("lvGrazhd"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование государства")}) {
    SetKeysAccept(false);
    for (const pugi::xml_node& country : ChildElements(root))
        AddRow(QString::fromUtf8(country.attribute("Code").value()), QString::fromUtf8(country.text().get()));
}

void TfmGrazhd::Preselect(const QString& code) {
    code_ = code;
    const int row = RowOfCode(code);
    if (row >= 0) SelectRow(row);
}
