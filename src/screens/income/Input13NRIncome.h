#pragma once

#include "screens/income/Input13Income.h"

// The line dialog of a non-resident's income at 13 %: incomes a non-resident may declare at 13 % with
// any of their deductions, no proposal of the amount (a typed one is only capped), and lines without the
// income's name or the deduction's percent.
class TfmInput13NRIncome : public TfmInput13Income {
    Q_OBJECT

public:
    TfmInput13NRIncome(QWidget* owner, const mTIncomeDictionary& dictionary);
};
