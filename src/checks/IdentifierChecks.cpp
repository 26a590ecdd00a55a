#include "checks/IdentifierChecks.h"

#include <array>

namespace {

// The control digit of the first digits of text under the given weights: 11 − (Σ mod 11), with 10 and
// 11 taken as 0. These weights are the usual INN weights taken negatively modulo 11.
template <size_t N> int ControlDigit(const QString& text, const std::array<int, N>& weights) {
    int sum = 0;
    for (size_t i = 0; i < N; ++i)
        sum += text.at(qsizetype(i)).digitValue() * weights[i];
    const int c = 11 - sum % 11;
    return c <= 9 ? c : 0;
}

bool AllDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

bool ControlDigitsMatch(const QString& inn) {
    // The fields admit only digits, but a file may hold anything: such an INN is simply not valid.
    if (!AllDigits(inn)) return false;
    if (inn.size() == 10) {
        static constexpr std::array<int, 9> w{31, 29, 23, 19, 17, 13, 7, 5, 3};
        return ControlDigit(inn, w) == inn.at(9).digitValue();
    }
    static constexpr std::array<int, 10> w1{37, 31, 29, 23, 19, 17, 13, 7, 5, 3};
    static constexpr std::array<int, 11> w2{41, 37, 31, 29, 23, 19, 17, 13, 7, 5, 3};
    return ControlDigit(inn, w1) == inn.at(10).digitValue() &&
           ControlDigit(inn, w2) == inn.at(11).digitValue();
}

} // namespace

quint16 CheckInn(const QString& text, InnMode mode) {
    const QString inn = text.trimmed();
    if (inn.isEmpty()) return InnEmpty;
    switch (mode) {
    case InnMode::Organisation:
        if (inn.size() != 10) return InnLengthNot10;
        break;
    case InnMode::Person:
        if (inn.size() != 12) return InnLengthNot12;
        break;
    case InnMode::Any:
        if (inn.size() != 10 && inn.size() != 12) return InnLengthNot10Or12;
        break;
    }
    return ControlDigitsMatch(inn) ? InnValid : InnCheckDigitsWrong;
}

quint16 CheckKpp(const QString& text) {
    const QString kpp = text.trimmed();
    if (kpp.isEmpty()) return KppEmpty;
    return kpp.size() == 9 ? KppValid : KppLengthNot9;
}
