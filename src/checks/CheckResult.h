#pragma once

#include <QString>
#include <QtGlobal>

// The sections of the whole-declaration check, by their section codes.
enum class CheckSection : quint16 {
    None = 0, // a screen's own check
    Conditions = 1,
    Person = 2,
    Address = 3,
    Income13 = 4,
    Currency = 7,
    Business = 8,
    StandardSocial = 9,
    Property = 10,
    Practice = 11
};

// The result of the whole-declaration check: the last section entered and what the user chose.
struct CheckResult {
    // The position of a result whose dialog was answered "Отмена" (or closed).
    static constexpr quint16 CancelledPosition = 0xFFFF;

    CheckSection Section = CheckSection::None;
    // 0: nothing to fix; CancelledPosition: cancelled; otherwise the field (or record) to show.
    quint16 Position = 0;

    bool Clean() const { return Position == 0; }
    bool Cancelled() const { return Position == CancelledPosition; }

    friend bool operator==(const CheckResult&, const CheckResult&) = default;
};

// The captions of the check dialogs ("Проверка: " + title), one per group of rules.
namespace CheckTitle {
extern const QString Conditions;
extern const QString Person;
extern const QString Income13;
extern const QString Currency;
extern const QString Business;
extern const QString Practice;
extern const QString Social;
extern const QString Standard;
extern const QString Property;
} // namespace CheckTitle
