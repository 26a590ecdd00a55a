#include "cli/CliCommand.h"

#include "checks/DeclarationCheck.h"
#include "records/Declaration.h"

namespace {

// Runs the whole-declaration check and lists the faults on standard output.
int Check(const QStringList& args) {
    if (args.size() != 1) return CliUsage(QStringLiteral("check"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(args[0], declaration)) return ExitError;
    const bool clean =
        CliCheckDeclaration(declaration, [](const QString& fault) { CliOut(fault + QLatin1Char('\n')); });
    return clean ? ExitOk : ExitFaults;
}

const CliCommandRegistrar registrar({QStringLiteral("check"), QStringLiteral("FILE"),
                                     QStringLiteral("проверяет декларацию и выводит найденные ошибки"),
                                     Check});

} // namespace
