#include "cli/CliCommand.h"

#include "checks/DeclarationCheck.h"
#include "records/Declaration.h"

namespace {

// Runs the whole-declaration check and lists the faults on standard output: the faults the check
// shows before it stops, or with --all every fault of every section.
int Check(const QStringList& args) {
    QStringList files = args;
    const bool all = files.removeAll(QStringLiteral("--all")) > 0;
    if (files.size() != 1 || files[0].startsWith(QLatin1String("--")))
        return CliUsage(QStringLiteral("check"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(files[0], declaration)) return ExitError;
    bool clean = true;
    if (all) {
        for (const CheckFault& fault : EveryFault(declaration)) {
            CliOut(CliFaultLine(fault) + QLatin1Char('\n'));
            clean = false;
        }
    } else {
        clean =
            CliCheckDeclaration(declaration, [](const QString& fault) { CliOut(fault + QLatin1Char('\n')); });
    }
    if (clean) CliOut(QStringLiteral("Ошибок не найдено\n"));
    return clean ? ExitOk : ExitFaults;
}

const CliCommandRegistrar registrar({QStringLiteral("check"), QStringLiteral("FILE [--all]"),
                                     QStringLiteral("проверяет декларацию и выводит найденные ошибки "
                                                    "(с --all — все ошибки всех разделов)"),
                                     Check});

} // namespace
