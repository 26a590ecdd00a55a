#include "cli/CliCommand.h"
#include "cli/ReturnBatch.h"

#include "export/XmlExport.h"
#include "records/Declaration.h"
#include "storage/CodePage.h"

#include <QDir>

namespace {

struct ExportArguments {
    QStringList files;
    QString folder = QStringLiteral(".");
    bool toStdout = false;
    bool outGiven = false;
    std::optional<QDate> date;
    std::optional<QUuid> guid;
};

// False (after a message) when the arguments do not make one export.
bool ParseArguments(const QStringList& args, ExportArguments& out) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--stdout")) {
            out.toStdout = true;
        } else if (a == QLatin1String("--out") && hasValue) {
            out.folder = args[++i];
            out.outGiven = true;
        } else if (a == QLatin1String("--date") && hasValue) {
            QDate date;
            if (!CliParseDate(args[++i], date)) return false;
            out.date = date;
        } else if (a == QLatin1String("--guid") && hasValue) {
            const QUuid guid = QUuid::fromString(args[++i]);
            if (guid.isNull()) {
                CliError(QStringLiteral("Неправильный GUID: %1").arg(args[i]));
                return false;
            }
            out.guid = guid;
        } else if (!a.startsWith(QLatin1String("--"))) {
            out.files << a;
        } else {
            return false;
        }
    }
    return !out.files.isEmpty() && !(out.toStdout && out.outGiven);
}

int ExportFile(const QString& file, const ExportArguments& a) {
    mTDeclaration declaration;
    if (!CliLoadDeclaration(file, declaration)) return ExitError;

    XmlExport exporter;
    if (a.date) exporter.SetFixedDate(*a.date);
    if (a.guid) exporter.SetFixedGuid(*a.guid);
    const bool exported = exporter.Export(a.folder, declaration, a.toStdout ? ExportToText : ExportToFile);
    for (const QString& warning : exporter.Warnings())
        CliError(warning);
    if (!exported) {
        CliError(exporter.ErrorString());
        CliError(QStringLiteral("Ошибка записи. Файл не сформирован."));
        return ExitError;
    }
    if (a.toStdout)
        CliOut(CodePage::ToCp1251(exporter.Result()));
    else
        CliOut(exporter.Result() + QLatin1Char('\n'));
    // The document holds what was computed before the computation failed: a fault to look at.
    return exporter.Warnings().isEmpty() ? ExitOk : ExitFaults;
}

int Export(const QStringList& args) {
    ReturnBatch batch;
    QStringList rest = args;
    if (!batch.TakeOptions(rest)) return ExitError;
    ExportArguments a;
    if (!ParseArguments(rest, a)) return CliUsage(QStringLiteral("export"));
    if (!batch.Find(a.files)) return ExitError;
    if (batch.Many() && a.toStdout) {
        CliError(QStringLiteral("С --stdout выгружается только одна декларация"));
        return ExitError;
    }
    // Each return's file is named by its own new GUID, so that two returns of one taxpayer to one tax
    // office never take the same name.
    if (batch.Many() && a.guid) {
        CliError(QStringLiteral("--guid задаётся только для одной декларации: у нескольких совпали бы имена "
                                "файлов"));
        return ExitError;
    }
    return batch.Run([&a](qsizetype, const QString& file) { return ExportFile(file, a); });
}

const CliCommandRegistrar registrar(
    {QStringLiteral("export"),
     QStringLiteral("FILE… [--out DIR | --stdout] [--date дд.мм.гггг] [--guid GUID] ") + ReturnBatch::Usage,
     QStringLiteral(
         "формирует файл xml для сдачи декларации в налоговый орган (или выводит его текст в кодировке "
         "windows-1251)"),
     Export});

} // namespace
