#pragma once

#include <QString>

// The answer a user gives to one reported fault.
enum class CheckAnswer { Fix, Skip, SkipAll, Cancel };

// Whoever answers the faults a check finds: the check dialogs on screen, a scripted answerer in
// tests and batch runs. The caller gives the section title and the message of the fault.
class ICheckAnswerer {
public:
    virtual ~ICheckAnswerer() = default;
    virtual CheckAnswer Ask(const QString& sectionTitle, const QString& message) = 0;
};
