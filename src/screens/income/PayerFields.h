#pragma once

#include "screens/conditions/PayerSourceCheck.h"

class QLineEdit;
class QWidget;

// The payer's four fields that every income-source dialog has.
struct PayerFields {
    QLineEdit* Name = nullptr;
    QLineEdit* Inn = nullptr;
    QLineEdit* Kpp = nullptr;
    QLineEdit* Okato = nullptr;
};

// Runs the payment-source check over the fields as typed and puts the focus on the field the user chose
// to fix. True when the dialog may go on with its own rules: nothing to fix, and the last answer (if any)
// was neither "Исправить" nor "Пропустить все".
bool CheckPayerFields(QWidget* owner, const QString& title, PayerKind kind, const PayerFields& fields);
