#include "cli/CliCommand.h"

#include "checks/DeclarationCheck.h"
#include "storage/Declaration.h"

namespace {

// Runs the whole-declaration check answering "Отмена" to every fault, as the console cannot fix one.
int Check(const QStringList& args) {
    if (args.size() != 1) return CliUsage(QStringLiteral("check"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(args[0], declaration)) return ExitError;
    bool faulty = false;
    CheckDeclaration(declaration, [&](const DeclarationFault& fault) {
        faulty = true;
        CliOut(QStringLiteral("%1: %2 (position %3)\n").arg(fault.Title, fault.Message).arg(fault.Position));
        return CheckAllAnswer::Cancel;
    });
    return faulty ? ExitFaults : ExitOk;
}

const CliCommandRegistrar registrar({QStringLiteral("check"), QStringLiteral("FILE"),
                                     QStringLiteral("проверяет декларацию и выводит найденные ошибки"),
                                     Check});

} // namespace
