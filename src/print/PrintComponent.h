#pragma once

#include <QString>
#include <memory>
#include <stdexcept>

class QWidget;

// A failure the print component reports; its message is shown to the user.
class PrintComponentError : public std::runtime_error {
public:
    explicit PrintComponentError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString text;
};

// The print component: lays the return out from the XML text of the export and previews or prints
// it. The program drives it through these four members only, in the order RunPrintModule gives.
class TPrintComponent {
public:
    virtual ~TPrintComponent() = default;
    // A named parameter of the layout ("Наименование налогового органа-получателя", …).
    virtual void SetPrintTiffParam(const QString& name, const QString& value) = 0;
    // The working folder (the property PrintTiffFolder).
    virtual void SetPrintTiffFolder(const QString& folder) = 0;
    // Shows the return on screen, owned by the main window; returns when the user is done.
    virtual void PreviewData(const QString& xml, QWidget* owner) = 0;
    // Prints one copy of the return on the named printer.
    virtual void PrintData(const QString& xml, const QString& reserved, const QString& printerName,
                           int flags) = 0;
};

namespace PrintComponents {
// The program's print component (TFormPrinter).
std::unique_ptr<TPrintComponent> Create();
} // namespace PrintComponents

// Parameters of the layout.
inline const QString InspectionNameParam = QStringLiteral("Наименование налогового органа-получателя");
// Printing into a PDF file instead of on a printer: the file's path.
inline const QString PdfFileParam = QStringLiteral("Файл PDF");
