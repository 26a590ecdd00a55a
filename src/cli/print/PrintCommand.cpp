// durovid-cli print: the return on the pages of the approved form, into a PDF file, without a display.

#include "cli/CliCommand.h"

#include "export/XmlExport.h"
#include "form/ReturnLayout.h"
#include "form/ReturnPainter.h"
#include "records/Declaration.h"
#include "storage/SaveFile.h"

#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <QPdfWriter>

namespace {

struct PrintArguments {
    QString file;
    QString pdf;
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
        } else if (a == QLatin1String("--date") && hasValue) {
            QDate date;
            if (!CliParseDate(args[++i], date)) return false;
            out.date = date;
        } else if (a == QLatin1String("--no-check")) {
            out.check = false;
        } else if (!a.startsWith(QLatin1String("--")) && out.file.isEmpty()) {
            out.file = a;
        } else {
            return false;
        }
    }
    return !out.file.isEmpty() && !out.pdf.isEmpty();
}

int Print(const QStringList& args) {
    PrintArguments a;
    if (!ParseArguments(args, a)) return CliUsage(QStringLiteral("print"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(a.file, declaration)) return ExitError;
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
    SaveFile file(a.pdf);
    file.SetOutputOf({a.file});
    if (!file.Save(pdf.data())) {
        CliError(QStringLiteral("Не удалось записать файл %1: %2").arg(a.pdf, file.ErrorString()));
        return ExitError;
    }
    CliOut(QStringLiteral("%1: страниц %2\n").arg(a.pdf).arg(layout.Pages().size()));
    return ExitOk;
}

// Fonts and the PDF writer need a GUI application; the console has no display, so it draws offscreen.
std::unique_ptr<QCoreApplication> OffscreenApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

const CliCommandRegistrar registrar(
    {QStringLiteral("print"), QStringLiteral("FILE --pdf OUT.pdf [--date дд.мм.гггг] [--no-check]"),
     QStringLiteral("печатает декларацию на бланке утвержденной формы в файл PDF (сначала проверяет её; "
                    "--no-check печатает и с ошибками)"),
     Print, OffscreenApplication});

} // namespace
