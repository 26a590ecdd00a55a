#pragma once

#include <QString>

// The letter code of a currency (ISO 4217) by its three-digit code: "USD" for "840"; empty for a code
// it does not know. The rates file names currencies by digits only, but users know them by letters.
QString CurrencyLetterCode(const QString& code);
