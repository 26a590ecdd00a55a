#include "print/FormPrinter.h"

#include "print/ReturnForm.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

void TFormPrinter::SetPrintTiffParam(const QString& name, const QString& value) {
    params_[name] = value;
}

void TFormPrinter::SetPrintTiffFolder(const QString& folder) {
    folder_ = folder;
}

void TFormPrinter::PreviewData(const QString& xml, QWidget* owner) {
    const ReturnForm form = ReturnForm::FromXml(xml, params_.value(InspectionNameParam));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Просмотр декларации - Durovid 2010"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&form](QPrinter* target) { form.Render(*target); });
    dialog.resize(900, 700);
    dialog.exec();
}

void TFormPrinter::PrintData(const QString& xml, const QString&, const QString& printerName, int) {
    const ReturnForm form = ReturnForm::FromXml(xml, params_.value(InspectionNameParam));
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = params_.value(PdfFileParam);
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    } else {
        if (!printerName.isEmpty()) printer.setPrinterName(printerName);
        if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
            throw PrintComponentError(QStringLiteral("Принтер \"%1\" недоступен.").arg(printerName));
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
    printer.setDocName(form.FormTitle);
    form.Render(printer);
}
