#pragma once

#include "checks/CheckAnswerer.h"
#include "checks/PayerSourceRules.h"

#include <optional>

class QWidget;

// What a payment-source check ended with: what the user chose to fix (1 the name, 2 the INN, 3 the KPP,
// 4 the OKATO code; 0 nothing) and the answer to the last dialog shown (none when it showed none). The
// income-source dialogs go on with their own rules only when that answer is neither "Исправить" nor
// "Пропустить все".
struct PayerSourceCheckResult {
    quint16 Position = 0;
    std::optional<CheckAnswer> LastAnswer;
};

// Checks a payer's name, OKATO code, KPP and INN as typed, in the screen check dialog captioned
// "Проверка: " + title. "Пропустить все" is not offered; for an organisation-only payer neither is
// "Пропустить", and for the other payers a rule the user may not skip disables it from there on.
PayerSourceCheckResult CheckPayerSource(QWidget* owner, const QString& title, PayerKind kind,
                                        const QString& name, const QString& okato, const QString& kpp,
                                        const QString& inn);
