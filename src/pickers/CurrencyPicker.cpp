#include "pickers/CurrencyPicker.h"

#include "reference/CurrencyRates.h"

TfmInputCurrencyCode::TfmInputCurrencyCode(QWidget* owner, const mTCurrencyRates& rates,
                                           const QString& currentCode)
    : TCodeListPicker(owner, QStringLiteral("Справочник валют"), QStringLiteral("lvCurrencys"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование валюты")}) {
    SetRows(rates.PickerRows());
    const int row = RowOfCode(currentCode.isEmpty() ? QStringLiteral("0") : currentCode);
    SelectRow(row >= 0 ? row : 0);
}
