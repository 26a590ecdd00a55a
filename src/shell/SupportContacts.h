#pragma once

#include <QString>

// How users reach the program's support line.
namespace SupportContacts {
inline const QString Email = QStringLiteral("support@durovid.example");
inline const QString Phone = QStringLiteral("8 (800) 555-20-10");
inline const QString Site = QStringLiteral("https://durovid.example/");
inline const QString Sentence =
    QStringLiteral("Если это не поможет, обратитесь в службу поддержки: %1, телефон %2.").arg(Email, Phone);
} // namespace SupportContacts
