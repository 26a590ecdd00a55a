#pragma once

#include "storage/Money.h"

#include <QString>

// Amounts as a taxpayer reads them: thousands apart, a comma, kopecks always ("600 000,00"), more
// decimals only where the amount has them ("666 666,6667"), "−" before a negative amount.
QString GroupedAmountText(Money amount);

// Month 1..12: "январь"; in a sentence after "в": "январе".
const QString& MonthName(int month);
// Month 1..12 as a heading: "Январь".
const QString& MonthTitle(int month);
const QString& MonthNameIn(int month);
// Months in order, consecutive ones as a range: "январь – май, июль".
QString MonthList(const bool (&months)[12]);
