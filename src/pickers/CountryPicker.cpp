#include "pickers/CountryPicker.h"

#include "reference/CodeNameList.h"

TfmGrazhd::TfmGrazhd(QWidget* owner, const mTCodeNameList& countries)
    : TCodeListPicker(owner, QStringLiteral("Справочник стран"), QStringLiteral("lvGrazhd"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование государства")}) {
    SetKeysAccept(false);
    SetRows(countries.Rows());
}
