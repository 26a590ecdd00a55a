#include "shell/CoreServices.h"

#include "checks/DeclarationCheck.h"
#include "export/XmlExport.h"
#include "print/PrintComponent.h"

CheckResult CoreServices::CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer) {
    return ::CheckDeclaration(declaration, answerer);
}

ExportOutcome CoreServices::Export(const QString& folder, mTDeclaration& declaration, quint16 mode) {
    XmlExport exporter;
    ExportOutcome outcome;
    outcome.Exported = exporter.Export(folder, declaration, mode);
    outcome.Result = exporter.Result();
    outcome.ErrorString = exporter.ErrorString();
    outcome.Warnings = exporter.Warnings();
    return outcome;
}

std::unique_ptr<TPrintComponent> CoreServices::CreatePrintComponent() {
    return PrintComponents::Create();
}
