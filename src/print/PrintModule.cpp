#include "print/PrintModule.h"

#include "desktop/UserPrompts.h"
#include "print/PrintComponent.h"
#include "records/Declaration.h"

#include <QPrinter>

namespace {
void Show(QWidget* owner, const QString& text) {
    UserPrompts::Current().Message(owner, QMessageBox::NoIcon, text);
}
} // namespace

void RunPrintModule(PrintMode mode, const PrintRun& run) {
    if (run.CheckAndShow && run.CheckAndShow() != 0) return;
    std::unique_ptr<TPrintComponent> component;
    try {
        component = run.CreateComponent();
    } catch (const std::exception&) {
        component.reset();
    }
    if (!component) {
        Show(run.Owner,
             QStringLiteral("Не найден модуль печати. Войдите в рабочий каталог программы \"Durovid 2010\" и "
                            "запустите файл \"FormPrint-setup.msi\""));
        return;
    }
    component->SetPrintTiffParam(InspectionNameParam, run.Declaration->InspectionName);
    component->SetPrintTiffFolder(run.ProgramDir);
    QString xml, error;
    if (!run.ExportText(xml, error)) {
        UserPrompts::Current().Message(run.Owner, QMessageBox::Warning, error);
        return;
    }

    if (mode == PrintMode::Preview) {
        try {
            component->PreviewData(xml, run.Owner);
        } catch (const PrintComponentError& e) {
            Show(run.Owner, e.text);
        }
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!UserPrompts::Current().PrintSetup(run.Owner, printer)) return;
    const QString printerName = printer.printerName();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        component->SetPrintTiffParam(PdfFileParam, printer.outputFileName());
    for (int copy = 0; copy < printer.copyCount(); ++copy) {
        try {
            component->PrintData(xml, QString(), printerName, 0);
        } catch (const PrintComponentError& e) {
            Show(run.Owner, e.text);
            break;
        }
    }
}
