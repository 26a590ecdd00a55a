#pragma once

#include "pickers/CodeListPicker.h"
#include "reference/IncomeDictionary.h"

// The income-code picker over the income and deduction code dictionary. With a rate filter it lists
// only the incomes of that rate (and, with the non-resident filter, only those a non-resident may
// declare at 13 %). The dictionary must outlive the picker.
class TfmInputIncomeCode : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputIncomeCode(QWidget* owner, bool nonResident, const QString& currentCode,
                       const QString& rateFilter,
                       const mTIncomeDictionary& dictionary = mTIncomeDictionary::Embedded());

    // The chosen income's rate (0 when the rate text is empty) and whether it has deduction entries.
    qint16 Rate() const { return qint16(choice_.Rate); }
    bool HasDeductions() const { return choice_.HasDeductions; }

protected:
    void Chosen(int row) override;

private:
    const mTIncomeDictionary& dictionary_;
    QString rateFilter_;
    IncomeChoice choice_;
};
