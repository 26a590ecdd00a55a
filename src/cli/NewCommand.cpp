#include "cli/CliCommand.h"

#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "storage/StorageErrors.h"

namespace {

int New(const QStringList& args) {
    if (args.size() != 1) return CliUsage(QStringLiteral("new"));
    auto declaration = CreateNewDeclaration();
    try {
        declaration->SaveToFile(args[0]);
    } catch (const std::exception& e) {
        CliError(StorageFailureMessage(e));
        return ExitError;
    }
    return ExitOk;
}

const CliCommandRegistrar registrar({QStringLiteral("new"), QStringLiteral("FILE"),
                                     QStringLiteral("создаёт новую декларацию, как команда «Создать»"), New});

} // namespace
