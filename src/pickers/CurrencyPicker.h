#pragma once

#include "pickers/CodeListPicker.h"

class mTCurrencyRates;

// The currency picker, built from "CurrencyRates.xml" each time it is opened; it selects the row of
// the current currency code, else the first row.
class TfmInputCurrencyCode : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputCurrencyCode(QWidget* owner, const mTCurrencyRates& rates, const QString& currentCode);
};
