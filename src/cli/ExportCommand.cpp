#include "cli/CliCommand.h"

#include "export/XmlExport.h"
#include "storage/CodePage.h"
#include "storage/Declaration.h"

#include <QDir>

namespace {

struct ExportArguments {
    QString file;
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
        } else if (!a.startsWith(QLatin1String("--")) && out.file.isEmpty()) {
            out.file = a;
        } else {
            return false;
        }
    }
    return !out.file.isEmpty() && !(out.toStdout && out.outGiven);
}

int Export(const QStringList& args) {
    ExportArguments a;
    if (!ParseArguments(args, a)) return CliUsage(QStringLiteral("export"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(a.file, declaration)) return ExitError;

    XmlExport exporter;
    bool computationFailed = false;
    exporter.SetMessageSink([&](const QString& message) {
        if (message == XmlExport::ComputationFailed) computationFailed = true;
        CliError(message);
    });
    if (a.date) exporter.SetFixedDate(*a.date);
    if (a.guid) exporter.SetFixedGuid(*a.guid);

    QString result;
    try {
        result = exporter.Export(a.folder, declaration, a.toStdout ? ExportToText : ExportToFile);
    } catch (const std::exception& e) {
        CliError(QString::fromUtf8(e.what()));
        return ExitError;
    }
    if (result == XmlExport::ErrorResult) {
        CliError(QStringLiteral("Ошибка записи. Файл не сформирован."));
        return ExitError;
    }
    if (a.toStdout)
        CliOut(CodePage::ToCp1251(result));
    else
        CliOut(result + QLatin1Char('\n'));
    return computationFailed ? ExitFaults : ExitOk;
}

const CliCommandRegistrar registrar(
    {QStringLiteral("export"),
     QStringLiteral("FILE [--out DIR | --stdout] [--date дд.мм.гггг] [--guid GUID]"),
     QStringLiteral(
         "формирует файл xml для сдачи декларации в налоговый орган (или выводит его текст в кодировке "
         "windows-1251)"),
     Export});

} // namespace
