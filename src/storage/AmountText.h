#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <QString>

// Rounding and text forms of amounts shared by the screens, the container, the export and the checks.

// Integer part plus one when the fractional part is at least 0.5; negatives are cut toward zero.
qint64 RoundHalfUp(double x);
// RoundHalfUp of x * 100 (the product rounded to a double first), divided by 100.
double RoundToKopecks(double x);
// The kopeck rounding of computed amounts: v * 100 is taken to a double, then RoundHalfUp, then / 100.
Money KopeckRound(long double v);
// Shortest decimal form; "999999999999999" when longer than 15 characters.
QString WholeAmountText(Money v, QChar separator = QLatin1Char('.'));
// Two decimals, kopecks cut (never rounded), negatives as 0; "999999999999.99" when too long.
QString KopeckAmountText(Money v);
// x rounded to four decimals, shortest form with "." as the separator.
QString PointDecimalText(long double x);

// Up to 15 significant digits, "." as separator, no exponent for values of everyday size.
QString ShortFloatText(double value);

// The user interface shows amounts with "," and dates as dd.mm.yyyy.
inline constexpr QChar kScreenDecimalSeparator = QLatin1Char(',');
QString AmountFieldText(Money v);
// Amounts as a taxpayer reads them, in lists, read-only fields and the explanation: thousands apart, a
// comma, kopecks always ("600 000,00"), more decimals only where the amount has them ("666 666,6667"),
// "−" before a negative amount. ParseAmountField reads it back exactly.
QString GroupedAmountText(Money amount);
// An empty field stands for 0; blanks between the digits and the "−" of GroupedAmountText are read.
// Returns false when the text is not an amount.
bool ParseAmountField(const QString& text, Money& out);
QString DateFieldText(TDateTime value);
bool ParseDateField(const QString& text, TDateTime& out);
