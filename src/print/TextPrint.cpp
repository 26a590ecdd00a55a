#include "print/TextPrint.h"

#include "desktop/UserPrompts.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QTextDocument>

bool PrintText(QWidget* owner, const QString& title, const QString& text, QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    if (!UserPrompts::Current().PrintSetup(owner, printer)) return false;
    return PrintText(printer, title, text, error);
}

bool PrintText(QPrinter& printer, const QString& title, const QString& text, QString* error) {
    const auto failed = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid())
        return failed(QStringLiteral("Принтер \"%1\" недоступен.").arg(printer.printerName()));
    printer.setDocName(title);
    QTextDocument document;
    // A line of a hundred characters fits the width of an A4 page.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8);
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        return failed(printer.outputFormat() == QPrinter::PdfFormat
                          ? QStringLiteral("Не удалось записать файл %1.").arg(printer.outputFileName())
                          : QStringLiteral("Печать не удалась."));
    return true;
}
