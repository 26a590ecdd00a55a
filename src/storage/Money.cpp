#include "storage/Money.h"

#include <cfenv>
#include <cmath>
#include <limits>

Money Money::FromLongDouble(long double value) {
    const long double scaled = value * static_cast<long double>(Scale);
    if (!std::isfinite(scaled)) return FromRaw(0);
    const long double limit = static_cast<long double>(std::numeric_limits<qint64>::max());
    if (scaled >= limit) return FromRaw(std::numeric_limits<qint64>::max());
    if (scaled <= -limit) return FromRaw(std::numeric_limits<qint64>::min() + 1);
    // nearbyintl follows the current rounding mode, which is round-half-even by default.
    return FromRaw(static_cast<qint64>(std::nearbyintl(scaled)));
}

QString Money::ToText(QChar separator) const {
    const bool negative = raw_ < 0;
    // Work in unsigned so that the smallest qint64 has a magnitude too.
    const quint64 magnitude = negative ? quint64(0) - quint64(raw_) : quint64(raw_);
    QString text = QString::number(magnitude / Scale);
    quint64 fraction = magnitude % Scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += separator + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}

bool Money::FromText(const QString& input, QChar separator, Money& out) {
    const QString text = input.trimmed();
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    quint64 whole = 0;
    int wholeDigits = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++wholeDigits) {
        whole = whole * 10 + quint64(text[i].unicode() - '0');
        if (whole > quint64(std::numeric_limits<qint64>::max() / Scale)) return false;
    }
    // The fraction digits are text[fractionStart, fractionEnd); read in place, as reference files
    // bring thousands of amounts.
    qsizetype fractionStart = i, fractionEnd = i;
    if (i < text.size() && text[i] == separator) {
        fractionStart = ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        fractionEnd = i;
    }
    const qsizetype fractionCount = fractionEnd - fractionStart;
    if (i != text.size() || (wholeDigits == 0 && fractionCount == 0)) return false;

    qint64 fraction = 0;
    for (int k = 0; k < 4; ++k)
        fraction = fraction * 10 + (k < fractionCount ? text[fractionStart + k].unicode() - '0' : 0);
    qint64 raw = qint64(whole) * Scale + fraction;
    if (fractionCount > 4) {
        // Round the dropped digits half to even, like every other conversion to money.
        const int first = text[fractionStart + 4].unicode() - '0';
        bool beyondHalf = false;
        for (qsizetype k = fractionStart + 5; k < fractionEnd; ++k)
            beyondHalf = beyondHalf || text[k] != QLatin1Char('0');
        if (first > 5 || (first == 5 && (beyondHalf || (raw % 2) != 0))) ++raw;
    }
    out = FromRaw(negative ? -raw : raw);
    return true;
}
