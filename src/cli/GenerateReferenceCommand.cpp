#include "cli/CliCommand.h"

#include "reference/ReferenceGenerator.h"

namespace {

int GenerateReference(const QStringList& args) {
    if (args.size() != 2) return CliUsage(QStringLiteral("generate-reference"));
    ReferenceGenerator generator;
    if (!generator.WriteAll(args[0], args[1])) {
        CliError(generator.ErrorString());
        return ExitError;
    }
    CliOut(QStringLiteral("Построены %1 в папке %2\n")
               .arg(ReferenceGenerator::Files().join(QStringLiteral(", ")), args[1]));
    return ExitOk;
}

const CliCommandRegistrar
    registrar({QStringLiteral("generate-reference"), QStringLiteral("ИСХОДНЫЕ_ТАБЛИЦЫ ПАПКА"),
               QStringLiteral("строит справочники InspectionNumbers.xml, Sp_OKVED2.xml и "
                              "CurrencyRates.xml из таблиц data/sources (для разработчиков)"),
               GenerateReference});

} // namespace
