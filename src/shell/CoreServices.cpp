#include "shell/CoreServices.h"

#include "checks/DeclarationCheck.h"
#include "desktop/UserPrompts.h"
#include "export/XmlExport.h"
#include "print/DeclarationExport.h"
#include "shell/Main.h"

#include <QApplication>

void InstallCoreServices() {
    DeclarationExport::Install(
        [](const QString& folder, mTDeclaration& declaration, DeclarationExport::Mode mode) {
            XmlExport exporter;
            exporter.SetMessageSink([](const QString& message) {
                UserPrompts::Current().Message(QApplication::activeWindow(), QMessageBox::Warning, message);
            });
            return exporter.Export(folder, declaration,
                                   mode == DeclarationExport::WriteFile ? ExportToFile : ExportToText);
        });
    TFormMain::SetDeclarationRules(&CheckDeclaration);
}
