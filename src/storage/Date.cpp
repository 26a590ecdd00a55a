#include "storage/Date.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
}

namespace DateValue {

TDateTime FromQDate(QDate date) {
    return static_cast<double>(kEpoch.daysTo(date));
}

TDateTime FromQDateTime(const QDateTime& dateTime) {
    const double seconds = dateTime.time().msecsSinceStartOfDay() / 1000.0;
    return FromQDate(dateTime.date()) + seconds / 86400.0;
}

TDateTime FromYmd(int year, int month, int day) {
    return FromQDate(QDate(year, month, day));
}

TDateTime Today() {
    return FromQDate(QDate::currentDate());
}

QDate ToQDate(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6) return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(value)));
}

QDateTime ToQDateTime(TDateTime value) {
    const QDate date = ToQDate(value);
    if (!date.isValid()) return {};
    const double fraction = value - std::floor(value);
    const int msecs = static_cast<int>(std::llround(fraction * 86400000.0));
    return QDateTime(date, QTime(0, 0)).addMSecs(msecs);
}

bool HasTimeOfDay(TDateTime value) {
    return std::isfinite(value) && value != std::floor(value);
}

int Year(TDateTime value) {
    return ToQDate(value).year();
}

QString Text(TDateTime value, QChar separator) {
    const QDate date = ToQDate(value);
    if (!date.isValid()) return {};
    const auto two = [](int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return two(date.day()) + separator + two(date.month()) + separator +
           QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

QString TextWithTime(TDateTime value) {
    if (!HasTimeOfDay(value)) return Text(value);
    return Text(value) + QLatin1Char(' ') + ToQDateTime(value).time().toString(QStringLiteral("hh:mm:ss"));
}

bool FromText(const QString& input, QChar separator, TDateTime& out) {
    const QStringList parts = input.trimmed().split(separator);
    if (parts.size() != 3) return false;
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].toInt(&okDay);
    const int month = parts[1].toInt(&okMonth);
    const int year = parts[2].toInt(&okYear);
    if (!okDay || !okMonth || !okYear || parts[2].size() != 4 || parts[0].size() > 2 || parts[1].size() > 2)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid()) return false;
    out = FromQDate(date);
    return true;
}

} // namespace DateValue
