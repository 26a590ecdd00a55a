#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates are day numbers since 30 December 1899 held in a double; the fraction is the time of day.
// A year alone is 1 January of that year.
using TDateTime = double;

namespace DateValue {

TDateTime FromQDate(QDate date);
TDateTime FromQDateTime(const QDateTime& dateTime);
TDateTime FromYmd(int year, int month, int day);
TDateTime Today();
QDate ToQDate(TDateTime value);
QDateTime ToQDateTime(TDateTime value);
bool HasTimeOfDay(TDateTime value);
int Year(TDateTime value);

// "dd.mm.yyyy" with the given separator.
QString Text(TDateTime value, QChar separator = QLatin1Char('.'));
// "dd.mm.yyyy", followed by " hh:mm:ss" when the value carries a time of day.
QString TextWithTime(TDateTime value);
// Parses "d.m.yyyy" (one or two digit day and month, four-digit year) with the given separator.
bool FromText(const QString& text, QChar separator, TDateTime& out);

} // namespace DateValue
