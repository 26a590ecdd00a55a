#pragma once

#include <QString>
#include <functional>

class mTDeclaration;

// The XML export of the return as the desktop program calls it: to a file in a folder (the result
// is the file's name, or "ERROR") or as the document's text for the print module. The program
// installs the export at start-up; until one is installed, Run raises an error that the caller's
// general error handler shows.
namespace DeclarationExport {

enum Mode : quint16 { WriteFile = 1, ReturnText = 2 };
using Function = std::function<QString(const QString& folder, mTDeclaration& declaration, Mode mode)>;

// Installs the export; returns the previous one.
Function Install(Function export_);
QString Run(const QString& folder, mTDeclaration& declaration, Mode mode);

} // namespace DeclarationExport
