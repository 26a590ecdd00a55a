#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <limits>

// An amount of money: a signed 64-bit count of ten-thousandths of a rouble (or currency unit).
// Arithmetic that needs more than addition goes through long double and comes back
// with FromLongDouble, which rounds to the nearest ten-thousandth, halves to even.
class Money {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money FromRaw(qint64 raw) {
        Money m;
        m.raw_ = raw;
        return m;
    }
    static constexpr Money FromUnits(qint64 units) { return FromRaw(units * Scale); }
    static Money FromLongDouble(long double value);

    constexpr qint64 Raw() const { return raw_; }
    long double ToLongDouble() const { return static_cast<long double>(raw_) / Scale; }
    double ToDouble() const { return static_cast<double>(ToLongDouble()); }
    constexpr bool IsZero() const { return raw_ == 0; }

    // Sums saturate at the ends of the range instead of wrapping: amounts from a damaged file
    // must not turn a huge income into a negative one.
    constexpr Money operator+(Money o) const { return FromRaw(Saturate(raw_, o.raw_, false)); }
    constexpr Money operator-(Money o) const { return FromRaw(Saturate(raw_, o.raw_, true)); }
    constexpr Money operator-() const { return FromRaw(Saturate(0, raw_, true)); }
    constexpr Money& operator+=(Money o) { return *this = *this + o; }
    constexpr Money& operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money&) const = default;

    // Shortest decimal form: at most four decimals, no trailing zeros, no bare separator.
    QString ToText(QChar separator = QLatin1Char('.')) const;
    // Parses an optional sign, digits and at most one separator; digits past the fourth decimal
    // are rounded half to even. Returns false on anything else.
    static bool FromText(const QString& text, QChar separator, Money& out);

private:
    static constexpr qint64 Saturate(qint64 a, qint64 b, bool subtract) {
        qint64 result = 0;
        const bool overflow =
            subtract ? __builtin_sub_overflow(a, b, &result) : __builtin_add_overflow(a, b, &result);
        if (!overflow) return result;
        return (subtract ? b < 0 : b > 0) ? std::numeric_limits<qint64>::max()
                                          : std::numeric_limits<qint64>::min() + 1;
    }

    qint64 raw_ = 0;
};
