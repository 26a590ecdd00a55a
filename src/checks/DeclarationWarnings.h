#pragma once

#include "checks/CheckAnswerer.h"

#include <QList>

class mTDeclaration;

// What the check points out without calling it a fault: dates still at the values a new declaration
// or a new record starts with, and a tax paid abroad that no rate turns into roubles. Each warning
// names the section and position "Исправить" leads to, as a fault does; none of them stops a command.
QList<CheckFault> DeclarationWarnings(const mTDeclaration& declaration);

// Shows the warnings one by one: "Исправить" ends with the warning's section and position, "Пропустить"
// goes on to the next, any other answer lets the rest go. Clean when nothing is to be fixed.
CheckResult AnswerWarnings(const QList<CheckFault>& warnings, ICheckAnswerer& answerer);

// The console's heading over the warnings.
inline const QString WarningsHeading = QStringLiteral("Предупреждения:");
