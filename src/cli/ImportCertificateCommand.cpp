#include "cli/CliCommand.h"

#include "certificates/CertificateFile.h"
#include "certificates/CertificateHolders.h"
#include "certificates/CertificateImport.h"
#include "records/Declaration.h"
#include "storage/FileLock.h"
#include "storage/StorageErrors.h"

namespace {

// The person whose certificates are taken: the one with the INN asked for, else the taxpayer; -1 after
// saying why when that is not clear.
int ChooseHolder(const CertificateHolders& holders, const QString& inn) {
    if (!inn.isEmpty()) {
        for (int h = 0; h < holders.People.size(); ++h)
            if (holders.People[h].Person.Inn == inn) return h;
        CliError(QStringLiteral("В файле справок нет справок человека с ИНН %1.").arg(inn));
    } else if (holders.Chosen >= 0) {
        return holders.Chosen;
    } else {
        CliError(holders.Matching.isEmpty()
                     ? QStringLiteral("В файле справок нет справок налогоплательщика этой декларации.")
                     : QStringLiteral(
                           "Налогоплательщику декларации соответствует в файле справок не один человек."));
    }
    CliError(QStringLiteral("Укажите --inn одного из тех, чьи справки есть в файле:"));
    for (const CertificateHolder& holder : holders.People)
        CliError(QStringLiteral("  ") + holder.Person.Description());
    return -1;
}

int ImportCertificate(const QStringList& args) {
    QStringList rest = args;
    const bool replace = rest.removeAll(QStringLiteral("--replace")) > 0;
    const bool applyStandard = rest.removeAll(QStringLiteral("--apply-standard")) > 0;
    QString inn;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--inn")); at >= 0) {
        if (at + 1 >= rest.size()) return CliUsage(QStringLiteral("import-2ndfl"));
        inn = rest.takeAt(at + 1);
        rest.removeAt(at);
    }
    if (rest.size() != 2 || rest[0].startsWith(QLatin1String("--")) ||
        rest[1].startsWith(QLatin1String("--")))
        return CliUsage(QStringLiteral("import-2ndfl"));
    const QString& certificateFile = rest[0];
    const QString& declarationFile = rest[1];

    // The declaration stays locked from reading to saving, so that nothing else writes it meanwhile.
    FileLock lock;
    mTDeclaration declaration;
    try {
        declaration.LoadFromFile(declarationFile, &lock);
    } catch (const std::exception& e) {
        CliError(StorageFailureMessage(e));
        return ExitError;
    }
    TIncomeCertificateFile file;
    if (!file.Load(certificateFile)) {
        CliError(file.ErrorString());
        return ExitError;
    }
    const CertificateHolders holders = FindHolders(file, declaration.Person);
    const int holder = ChooseHolder(holders, inn);
    if (holder < 0) return ExitError;
    TCertificateImport import;
    if (!import.Plan(file, holders.People[holder].Certificates, declaration)) {
        CliError(import.ErrorString());
        return ExitError;
    }
    if (import.HasDuplicates() && !replace) {
        for (const PlannedSource& source : import.Sources())
            if (source.Duplicate) CliError(QStringLiteral("Уже есть в декларации: ") + source.Summary());
        CliError(
            QStringLiteral("Чтобы заменить строки этих источников строками справок, добавьте --replace."));
        return ExitError;
    }
    import.Apply(declaration, applyStandard);
    try {
        declaration.SaveToFile(declarationFile, &lock);
    } catch (const std::exception& e) {
        CliError(StorageFailureMessage(e));
        return ExitError;
    }
    for (const PlannedSource& source : import.Sources())
        CliOut((source.Duplicate ? QStringLiteral("Заменено: ") : QStringLiteral("Добавлено: ")) +
               source.Summary() + QLatin1Char('\n'));
    if (!import.Standard().Empty()) {
        CliOut(applyStandard
                   ? QStringLiteral("Стандартные вычеты по справкам применены:\n")
                   : QStringLiteral("Стандартные вычеты по справкам (не применены; чтобы применить, "
                                    "добавьте --apply-standard):\n"));
        for (const QString& text : import.Standard().Texts())
            CliOut(QStringLiteral("  ") + text + QLatin1Char('\n'));
    }
    return ExitOk;
}

const CliCommandRegistrar
    registrar({QStringLiteral("import-2ndfl"),
               QStringLiteral("CERT.xml DECL.kv0 [--inn INN] [--replace] [--apply-standard]"),
               QStringLiteral("загружает в декларацию справки 2-НДФЛ налогоплательщика из XML-файла справок"),
               ImportCertificate});

} // namespace
