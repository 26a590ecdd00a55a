#include "cli/CliCommand.h"

#include "reference/RatesImport.h"
#include "reference/ReferenceFile.h"

#include <QRegularExpression>

namespace {

int ImportRates(const QStringList& args) {
    QStringList inputs;
    QString into = ReferenceFileName::CurrencyRates;
    QString currency;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--into") || arg == QLatin1String("--currency")) {
            if (++i >= args.size()) return CliUsage(QStringLiteral("import-rates"));
            (arg == QLatin1String("--into") ? into : currency) = args[i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            return CliUsage(QStringLiteral("import-rates"));
        } else {
            inputs << arg;
        }
    }
    static const QRegularExpression threeDigits(QStringLiteral("^\\d{3}$"));
    if (!currency.isEmpty() && !threeDigits.match(currency).hasMatch()) {
        CliError(QStringLiteral("Код валюты должен состоять из трёх цифр, например 840: %1").arg(currency));
        return ExitError;
    }
    if (inputs.isEmpty()) return CliUsage(QStringLiteral("import-rates"));

    RatesImport import;
    import.SetCurrency(currency);
    if (!import.Run(inputs, into)) {
        CliError(import.ErrorString());
        CliError(QStringLiteral("Загрузить курсы не удалось, файл %1 не изменён").arg(into));
        return ExitError;
    }
    CliOut(import.Report().join(QLatin1Char('\n')) +
           QStringLiteral("\nКурсы загружены в файл %1\n").arg(into));
    return ExitOk;
}

const CliCommandRegistrar registrar(
    {QStringLiteral("import-rates"), QStringLiteral("ФАЙЛ… [--into CurrencyRates.xml] [--currency КОД]"),
     QStringLiteral("загружает курсы валют в справочник CurrencyRates.xml из "
                    "XML-файлов Банка России (курсы за день, история курса "
                    "одной валюты) и таблиц code;letter;quantity;name;date;rate; "
                    "--currency — цифровой код валюты файлов истории курса"),
     ImportRates});

} // namespace
