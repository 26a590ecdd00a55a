// durovid-cli summary: one line per return, as a table for a spreadsheet program or as JSON.

#include "cli/CliCommand.h"
#include "cli/ReturnBatch.h"
#include "cli/ReturnSummary.h"

#include "records/Declaration.h"
#include "records/RecordIO.h"
#include "reference/SemicolonCsv.h"
#include "storage/CodePage.h"
#include "storage/SaveFile.h"

#include <QFileInfo>
#include <optional>
#include <vector>

namespace {

enum class Encoding { Cp1251, Utf8Bom, Utf8 };

struct SummaryArguments {
    QStringList files;
    QString csv;
    bool json = false;
    std::optional<Encoding> encoding;
};

// False (after a message where one helps) when the arguments do not make one summary.
bool ParseArguments(const QStringList& args, SummaryArguments& out) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--csv") && hasValue) {
            out.csv = args[++i];
        } else if (a == QLatin1String("--json")) {
            out.json = true;
        } else if (a == QLatin1String("--encoding") && hasValue) {
            const QString name = args[++i].toLower();
            if (name == QLatin1String("windows-1251") || name == QLatin1String("cp1251")) {
                out.encoding = Encoding::Cp1251;
            } else if (name == QLatin1String("utf-8") || name == QLatin1String("utf8")) {
                out.encoding = Encoding::Utf8Bom;
            } else {
                CliError(
                    QStringLiteral("Неизвестная кодировка: %1 (нужна windows-1251 или utf-8)").arg(args[i]));
                return false;
            }
        } else if (!a.startsWith(QLatin1String("--"))) {
            out.files << a;
        } else {
            return false;
        }
    }
    return !out.files.isEmpty() && !(out.json && (!out.csv.isEmpty() || out.encoding));
}

// A spreadsheet program takes a cell beginning with one of these for a formula: a name in a
// declaration from outside must never run as one.
QString InertCell(const QString& cell) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !cell.isEmpty() && formulaStarts.contains(cell[0]) ? QLatin1Char('\'') + cell : cell;
}

QString CsvLine(const QStringList& cells) {
    QStringList inert;
    for (const QString& cell : cells)
        inert << InertCell(cell);
    return SemicolonCsv::Line(inert) + QStringLiteral("\r\n");
}

QByteArray Encoded(const QString& text, Encoding encoding) {
    switch (encoding) {
    case Encoding::Cp1251:
        return CodePage::ToCp1251(text);
    case Encoding::Utf8Bom:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case Encoding::Utf8:
        break;
    }
    return text.toUtf8();
}

int Summary(const QStringList& args) {
    ReturnBatch batch;
    QStringList rest = args;
    if (!batch.TakeOptions(rest)) return ExitError;
    SummaryArguments a;
    if (!ParseArguments(rest, a)) return CliUsage(QStringLiteral("summary"));
    if (!batch.Find(a.files)) return ExitError;

    std::vector<std::optional<ReturnSummary>> rows(size_t(batch.Files().size()));
    const int exit = batch.Run([&rows](qsizetype i, const QString& file) {
        mTDeclaration declaration;
        if (!CliLoadDeclaration(file, declaration)) return int(ExitError);
        rows[size_t(i)] = SummarizeReturn(file, declaration);
        return rows[size_t(i)]->FaultCount > 0 || !rows[size_t(i)]->Computed ? int(ExitFaults) : int(ExitOk);
    });

    QByteArray table;
    if (a.json) {
        JsonDumper json;
        json.BeginObject();
        json.BeginList("returns");
        for (const auto& row : rows)
            if (row) row->Json(json);
        json.EndList();
        json.EndObject();
        table = json.Result();
    } else {
        QString text = CsvLine(ReturnSummary::Columns());
        for (const auto& row : rows)
            if (row) text += CsvLine(row->Cells());
        // A file goes to a spreadsheet program, which reads windows-1251 unless told otherwise; the
        // screen reads UTF-8.
        table = Encoded(text, a.encoding.value_or(a.csv.isEmpty() ? Encoding::Utf8 : Encoding::Cp1251));
    }
    if (a.csv.isEmpty()) {
        CliOut(table);
        return exit;
    }
    SaveFile file(a.csv);
    // The table never takes the place of a declaration it sums up.
    file.SetOutputOf(batch.Files());
    if (!file.Save(table)) {
        CliError(QStringLiteral("Не удалось записать файл %1: %2").arg(a.csv, file.ErrorString()));
        return ExitError;
    }
    return exit;
}

const CliCommandRegistrar registrar(
    {QStringLiteral("summary"),
     QStringLiteral("FILE… [--csv OUT.csv [--encoding windows-1251|utf-8] | --json] ") + ReturnBatch::Usage,
     QStringLiteral("сводная таблица деклараций: вид, корректировка, ФИО, ИНН, налоговый орган, доходы по "
                    "ставкам, налог исчисленный и удержанный, к уплате и к возврату, число ошибок проверки и "
                    "первая из них; CSV с «;» (в файл — в кодировке windows-1251 или UTF-8 с BOM) или JSON"),
     Summary});

} // namespace
