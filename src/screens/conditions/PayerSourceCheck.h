#pragma once

#include "checks/PayerSourceRules.h"
#include "checks/CheckAnswerer.h"

#include <optional>

class QWidget;

// The answer to the last dialog of the last payment-source check; none when it showed no dialog.
// The income-source dialogs go on with their own rules only when it is neither "Исправить" nor
// "Пропустить все".
inline std::optional<CheckAnswer> LastCheckAnswer;

// Checks a payer's name, OKATO code, KPP and INN as typed, in the screen check dialog captioned
// "Проверка: " + title. "Пропустить все" is not offered; for an organisation-only payer neither is
// "Пропустить", and for the other payers a rule the user may not skip disables it from there on.
// Returns what the user chose to fix (1 the name, 2 the INN, 3 the KPP, 4 the OKATO code), 0 otherwise.
quint16 CheckPayerSource(QWidget* owner, const QString& title, PayerKind kind, const QString& name,
                         const QString& okato, const QString& kpp, const QString& inn);
