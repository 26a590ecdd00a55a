#include "cli/CliCommand.h"

#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "storage/StorageErrors.h"

#include <QFileInfo>

namespace {

int New(const QStringList& args) {
    QStringList files = args;
    const bool force = files.removeAll(QStringLiteral("--force")) > 0;
    if (files.size() != 1 || files[0].startsWith(QLatin1String("--"))) return CliUsage(QStringLiteral("new"));
    // A filled declaration is never replaced by an empty one by accident.
    if (!force && QFileInfo(files[0]).exists()) {
        CliError(
            QStringLiteral("Файл %1 уже существует. Чтобы заменить его новой декларацией, добавьте --force")
                .arg(files[0]));
        return ExitError;
    }
    auto declaration = CreateNewDeclaration();
    try {
        declaration->SaveToFile(files[0]);
    } catch (const std::exception& e) {
        CliError(StorageFailureMessage(e));
        return ExitError;
    }
    return ExitOk;
}

const CliCommandRegistrar registrar({QStringLiteral("new"), QStringLiteral("FILE [--force]"),
                                     QStringLiteral("создаёт новую декларацию, как команда «Создать»; "
                                                    "существующий файл заменяет только с --force"),
                                     New});

} // namespace
