#pragma once

#include "storage/AmountText.h"

#include <QString>

// Month 1..12: "январь"; in a sentence after "в": "январе".
const QString& MonthName(int month);
// Month 1..12 as a heading: "Январь".
const QString& MonthTitle(int month);
const QString& MonthNameIn(int month);
// Months in order, consecutive ones as a range: "январь – май, июль".
QString MonthList(const bool (&months)[12]);
