#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class TPrintComponent;
class mTDeclaration;

enum class PrintMode { Preview, Print };

// What a print run needs from the main window.
struct PrintRun {
    QWidget* Owner = nullptr;
    const mTDeclaration* Declaration = nullptr;
    QString ProgramDir;
    std::function<int()> CheckAndShow; // 0 when the declaration is clean
    // The export's text of the return; false with the reason in error.
    std::function<bool(QString& text, QString& error)> ExportText;
    // Makes the print component; nullptr or PrintComponentError when it cannot.
    std::function<std::unique_ptr<TPrintComponent>()> CreateComponent;
};

// Previews or prints the return through the print component: the check, the component's parameters
// and working folder, the export's text, then the preview, or the print dialog and one PrintData
// call per copy. Failures of the component and of the export are shown to the user.
void RunPrintModule(PrintMode mode, const PrintRun& run);
