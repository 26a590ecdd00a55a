#include "storage/AmountText.h"

#include <cmath>

qint64 RoundHalfUp(double x) {
    const double whole = std::trunc(x);
    const double fraction = x - whole;
    return static_cast<qint64>(whole) + (fraction >= 0.5 ? 1 : 0);
}

double RoundToKopecks(double x) {
    const volatile double product = x * 100.0; // rounded to a double before RoundHalfUp sees it
    return static_cast<double>(RoundHalfUp(product)) / 100.0;
}

Money KopeckRound(long double v) {
    const volatile double product = static_cast<double>(v * 100.0L);
    return Money::FromRaw(RoundHalfUp(product) * (Money::Scale / 100));
}

QString WholeAmountText(Money v, QChar separator) {
    const QString text = v.ToText(separator);
    return text.size() > 15 ? QStringLiteral("999999999999999") : text;
}

QString KopeckAmountText(Money v) {
    const qint64 raw = v.Raw() < 0 ? 0 : v.Raw();
    const qint64 kopecks = (raw % Money::Scale) / 100;
    const QString text = QString::number(raw / Money::Scale) + QLatin1Char('.') +
                         QString::number(kopecks).rightJustified(2, QLatin1Char('0'));
    return text.size() > 15 ? QStringLiteral("999999999999.99") : text;
}

QString ShortFloatText(double value) {
    if (value == 0.0 || !std::isfinite(value)) return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        // Out of the everyday range: spell it out without an exponent, 15 significant digits.
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        const int decimals = std::max(0, 14 - exponent);
        text = QString::number(value, 'f', decimals);
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.'))) text.chop(1);
        }
    }
    return text;
}

QString PointDecimalText(long double x) {
    const double rounded = static_cast<double>(RoundHalfUp(static_cast<double>(x * 10000.0L))) / 10000.0;
    return ShortFloatText(rounded).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString AmountFieldText(Money v) {
    return v.ToText(kScreenDecimalSeparator);
}

QString GroupedAmountText(Money amount) {
    const bool negative = amount.Raw() < 0;
    // Work in unsigned so that the smallest amount has a magnitude too.
    const quint64 magnitude = negative ? quint64(0) - quint64(amount.Raw()) : quint64(amount.Raw());
    const QString whole = QString::number(magnitude / Money::Scale);
    QString text;
    text.reserve(whole.size() + whole.size() / 3 + 6);
    if (negative) text += QChar(0x2212);
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) text += QLatin1Char(' ');
        text += whole[i];
    }
    QString fraction = QString::number(magnitude % Money::Scale).rightJustified(4, QLatin1Char('0'));
    while (fraction.size() > 2 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return text + QLatin1Char(',') + fraction;
}

bool ParseAmountField(const QString& text, Money& out) {
    if (text.trimmed().isEmpty()) {
        out = Money();
        return true;
    }
    QString digits = text.trimmed();
    digits.remove(QLatin1Char(' ')).remove(QChar(0x00A0)).replace(QChar(0x2212), QLatin1Char('-'));
    return Money::FromText(digits, kScreenDecimalSeparator, out);
}

QString DateFieldText(TDateTime value) {
    return DateValue::Text(value);
}

bool ParseDateField(const QString& text, TDateTime& out) {
    return DateValue::FromText(text, QLatin1Char('.'), out);
}
