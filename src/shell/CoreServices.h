#pragma once

#include "checks/CheckResult.h"

#include <QString>
#include <QStringList>
#include <memory>

class ICheckAnswerer;
class TPrintComponent;
class mTDeclaration;

// What an export gave: the file's name (to a folder) or the document's text, or why it failed; and what
// it has to tell although it went on.
struct ExportOutcome {
    bool Exported = false;
    QString Result;
    QString ErrorString;
    QStringList Warnings;
};

// The core's operations that the main window runs: the whole-declaration check, the filing export and
// the print component. The program gives the main window these, the core's own; tests give it fakes
// that override what they need.
class CoreServices {
public:
    virtual ~CoreServices() = default;

    virtual CheckResult CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer);
    // Mode ExportToFile writes the document into folder; any other mode gives its text.
    virtual ExportOutcome Export(const QString& folder, mTDeclaration& declaration, quint16 mode);
    // Raises PrintComponentError when the component cannot be made.
    virtual std::unique_ptr<TPrintComponent> CreatePrintComponent();
};
