#pragma once

#include "records/RecordIO.h"

// One income received abroad in a foreign currency, with its exchange rates and the tax paid abroad.
class mTCurrencyIncome {
public:
    mTCurrencyIncome();
    DUROVID_LIST_RECORD_INTERFACE

    // Store the amount and derive the rouble amount from the record's rate (kopecks, half up).
    void SetIncomeCurrency(Money amount);
    void SetTaxCurrency(Money amount);

    qint32 TaxRate = 0;
    qint32 IncomeCode = 0;
    QString IncomeCodeName;
    QString SourceName;
    QString CountryCode;
    TDateTime IncomeDate;
    TDateTime TaxPaidDate;
    quint8 AutoRate = 0;
    QString CurrencyCode;
    Money RateAtIncome;
    qint32 RateUnitsAtIncome = 0;
    Money RateAtTax;
    qint32 RateUnitsAtTax = 0;
    QString CurrencyName;
    Money IncomeCurrency;
    Money IncomeRoubles;
    Money TaxCurrency;
    Money TaxRoubles;
    qint32 DeductionCode = 0;
    Money DeductionAmount;
    qint32 DeductionPercent = 0;
};
