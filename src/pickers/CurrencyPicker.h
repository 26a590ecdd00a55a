#pragma once

#include "pickers/CodeListPicker.h"

class mTCurrencyRates;

// The currency picker, built from "CurrencyRates.xml" each time it is opened; it selects the row of
// the current currency code, else the first row. Its button "Загрузить курсы…" imports rates from a
// file of the Bank of Russia or a rates table into the per-user copy of the rates file, which start-up
// reads first; the rates given to the picker are then replaced by that file's, so they take effect at once.
class TfmInputCurrencyCode : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputCurrencyCode(QWidget* owner, mTCurrencyRates& rates, const QString& currentCode);

    // The rates file "Загрузить курсы…" writes.
    static QString OutputFile();

private:
    void LoadRates();

    mTCurrencyRates& rates_;
};
