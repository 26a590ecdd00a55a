// durovid-cli print: the return on the pages of the approved form, into a PDF file, without a display.

#include "cli/CliCommand.h"
#include "cli/ReturnBatch.h"

#include "export/XmlExport.h"
#include "form/ReturnLayout.h"
#include "form/ReturnPainter.h"
#include "records/Declaration.h"
#include "storage/SaveFile.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSet>

namespace {

struct PrintArguments {
    QStringList files;
    QString pdf;
    QString folder;
    std::optional<QDate> date;
    bool check = true;
};

// False (after a message where one helps) when the arguments do not make one print.
bool ParseArguments(const QStringList& args, PrintArguments& out) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--pdf") && hasValue) {
            out.pdf = args[++i];
        } else if (a == QLatin1String("--out") && hasValue) {
            out.folder = args[++i];
        } else if (a == QLatin1String("--date") && hasValue) {
            QDate date;
            if (!CliParseDate(args[++i], date)) return false;
            out.date = date;
        } else if (a == QLatin1String("--no-check")) {
            out.check = false;
        } else if (!a.startsWith(QLatin1String("--"))) {
            out.files << a;
        } else {
            return false;
        }
    }
    return !out.files.isEmpty() && out.pdf.isEmpty() != out.folder.isEmpty();
}

// The PDF of each return in the folder, named after its declaration file; two files of one name (from
// two folders) get distinct names, the later one numbered, so that no PDF replaces another.
QStringList PdfNames(const QStringList& files, const QString& folder) {
    QSet<QString> taken;
    QStringList names;
    for (const QString& file : files) {
        const QString base = QFileInfo(file).completeBaseName();
        QString name = base + QStringLiteral(".pdf");
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1_%2.pdf").arg(base).arg(n);
        taken.insert(name.toLower());
        names << QDir(folder).filePath(name);
    }
    return names;
}

int PrintFile(const QString& file, const QString& pdfName, const PrintArguments& a) {
    mTDeclaration declaration;
    if (!CliLoadDeclaration(file, declaration)) return ExitError;
    // Like the desktop program: a return with faults is not printed.
    if (a.check && !CliCheckDeclaration(declaration, CliError)) return ExitFaults;

    XmlExport exporter;
    if (a.date) exporter.SetFixedDate(*a.date);
    const bool exported = exporter.Export(QString(), declaration, ExportToText);
    for (const QString& warning : exporter.Warnings())
        CliError(warning);
    if (!exported) {
        CliError(exporter.ErrorString());
        return ExitError;
    }
    const QString& xml = exporter.Result();

    ReturnLayout layout;
    if (!layout.Lay(xml)) {
        CliError(layout.ErrorString());
        return ExitError;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(layout.Title());
        writer.setCreator(QStringLiteral("Durovid 2010"));
        QString error;
        if (!ReturnPainter::Paint(writer, layout.Pages(), &error)) {
            CliError(error);
            return ExitError;
        }
    }
    SaveFile out(pdfName);
    out.SetOutputOf({file});
    if (!out.Save(pdf.data())) {
        CliError(QStringLiteral("Не удалось записать файл %1: %2").arg(pdfName, out.ErrorString()));
        return ExitError;
    }
    CliOut(QStringLiteral("%1: страниц %2\n").arg(pdfName).arg(layout.Pages().size()));
    return ExitOk;
}

int Print(const QStringList& args) {
    ReturnBatch batch;
    QStringList rest = args;
    if (!batch.TakeOptions(rest)) return ExitError;
    PrintArguments a;
    if (!ParseArguments(rest, a)) return CliUsage(QStringLiteral("print"));
    if (!batch.Find(a.files)) return ExitError;
    if (batch.Many() && !a.pdf.isEmpty()) {
        CliError(QStringLiteral("Для нескольких деклараций укажите папку для файлов PDF: --out ПАПКА"));
        return ExitError;
    }
    const QStringList pdfs = a.pdf.isEmpty() ? PdfNames(batch.Files(), a.folder) : QStringList{a.pdf};
    return batch.Run([&](qsizetype i, const QString& file) { return PrintFile(file, pdfs[i], a); });
}

// Fonts and the PDF writer need a GUI application; the console has no display, so it draws offscreen.
std::unique_ptr<QCoreApplication> OffscreenApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

const CliCommandRegistrar registrar(
    {QStringLiteral("print"),
     QStringLiteral("FILE… (--pdf OUT.pdf | --out DIR) [--date дд.мм.гггг] [--no-check] ") +
         ReturnBatch::Usage,
     QStringLiteral("печатает декларацию на бланке утвержденной формы в файл PDF (сначала проверяет её; "
                    "--no-check печатает и с ошибками); с --out — каждую в файл PDF с именем её файла"),
     Print, OffscreenApplication});

} // namespace
