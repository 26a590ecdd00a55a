#include "print/FormPrinter.h"

#include "print/ReturnPreview.h"
#include "form/ReturnLayout.h"
#include "form/ReturnPainter.h"

#include <QPrinter>

namespace {

ReturnLayout Laid(const QString& xml) {
    ReturnLayout layout;
    if (!layout.Lay(xml)) throw PrintComponentError(layout.ErrorString());
    return layout;
}

} // namespace

void TFormPrinter::SetPrintTiffParam(const QString& name, const QString& value) {
    params_[name] = value;
}

void TFormPrinter::SetPrintTiffFolder(const QString& folder) {
    folder_ = folder;
}

void TFormPrinter::PreviewData(const QString& xml, QWidget* owner) {
    TfmReturnPreview dialog(Laid(xml).Pages(), owner);
    dialog.exec();
}

void TFormPrinter::PrintData(const QString& xml, const QString&, const QString& printerName, int) {
    const ReturnLayout layout = Laid(xml);
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
    printer.setCopyCount(1);
    printer.setDocName(layout.Title());
    QString error;
    if (!ReturnPainter::Paint(printer, layout.Pages(), &error)) throw PrintComponentError(error);
}
