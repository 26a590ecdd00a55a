#pragma once

#include <QString>

// Where users turn when the program cannot help itself: the program carries no support line of its
// own, so the sentence sends them to whoever installed the program for them, with the message.
namespace SupportContacts {
inline const QString Sentence = QStringLiteral(
    "Если это не поможет, обратитесь к тому, кто установил вам программу, и сообщите текст этого сообщения.");
} // namespace SupportContacts
