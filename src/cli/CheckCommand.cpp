#include "cli/CliCommand.h"
#include "cli/ReturnBatch.h"

#include "checks/DeclarationCheck.h"
#include "checks/DeclarationWarnings.h"
#include "records/Declaration.h"

namespace {

// Runs the whole-declaration check and lists the faults on standard output: the faults the check
// shows before it stops, or with --all every fault of every section; then the warnings, which do not
// change the exit code.
int CheckFile(const QString& file, bool all) {
    mTDeclaration declaration;
    if (!CliLoadDeclaration(file, declaration)) return ExitError;
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
    const QList<CheckFault> warnings = DeclarationWarnings(declaration);
    if (!warnings.isEmpty()) CliOut(WarningsHeading + QLatin1Char('\n'));
    for (const CheckFault& warning : warnings)
        CliOut(CliFaultLine(warning) + QLatin1Char('\n'));
    return clean ? ExitOk : ExitFaults;
}

int Check(const QStringList& args) {
    QStringList files = args;
    const bool all = files.removeAll(QStringLiteral("--all")) > 0;
    ReturnBatch batch;
    if (!batch.Take(files, QStringLiteral("check"))) return ExitError;
    return batch.Run([all](qsizetype, const QString& file) { return CheckFile(file, all); });
}

const CliCommandRegistrar registrar({QStringLiteral("check"),
                                     QStringLiteral("FILE… [--all] ") + ReturnBatch::Usage,
                                     QStringLiteral("проверяет декларацию и выводит найденные ошибки "
                                                    "(с --all — все ошибки всех разделов)"),
                                     Check});

} // namespace
