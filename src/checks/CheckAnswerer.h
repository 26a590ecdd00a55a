#pragma once

#include "checks/CheckResult.h"

#include <QString>
#include <QtGlobal>

// The answer a user gives to one reported fault. The whole-declaration dialog offers only Fix and
// Cancel; closing any check dialog is Cancel.
enum class CheckAnswer { Fix, Skip, SkipAll, Cancel };

// One fault a check reports.
struct CheckFault {
    CheckSection Section = CheckSection::None; // the section of a whole-declaration check
    QString Title;                             // the caption after "Проверка: "
    QString Message;
    quint16 Position = 0; // where "Исправить" leads
};

// Whoever answers the faults a check finds: the check dialogs on screen, the console, a script in tests.
class ICheckAnswerer {
public:
    virtual ~ICheckAnswerer() = default;
    virtual CheckAnswer Answer(const CheckFault& fault) = 0;

    // A fault known only by its title and message.
    CheckAnswer Ask(const QString& title, const QString& message) {
        return Answer({CheckSection::None, title, message, 0});
    }
};
