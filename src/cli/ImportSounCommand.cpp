#include "cli/CliCommand.h"

#include "reference/SounImport.h"

#include <QDate>

namespace {

int ImportSoun(const QStringList& args) {
    if (args.size() != 2) return CliUsage(QStringLiteral("import-soun"));
    SounImport import;
    if (!import.Import(args[0], args[1], QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")),
                       QStringLiteral("00"))) {
        CliError(import.ErrorString());
        CliError(QStringLiteral("Импортировать данные не удалось"));
        return ExitError;
    }
    CliOut(QStringLiteral("Данные успешно импортированы: %1\n").arg(args[1]));
    return ExitOk;
}

const CliCommandRegistrar
    registrar({QStringLiteral("import-soun"), QStringLiteral("TABLE.dbf OUT.xml"),
               QStringLiteral("строит справочник инспекций InspectionNumbers.xml из таблицы "
                              "СОУН (soun1.dbf)"),
               ImportSoun});

} // namespace
