#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>

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

    constexpr Money operator+(Money o) const { return FromRaw(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return FromRaw(raw_ - o.raw_); }
    constexpr Money operator-() const { return FromRaw(-raw_); }
    constexpr Money& operator+=(Money o) {
        raw_ += o.raw_;
        return *this;
    }
    constexpr Money& operator-=(Money o) {
        raw_ -= o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

    // Shortest decimal form: at most four decimals, no trailing zeros, no bare separator.
    QString ToText(QChar separator = QLatin1Char('.')) const;
    // Parses an optional sign, digits and at most one separator; digits past the fourth decimal
    // are rounded half to even. Returns false on anything else.
    static bool FromText(const QString& text, QChar separator, Money& out);

private:
    qint64 raw_ = 0;
};
