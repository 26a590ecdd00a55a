#pragma once

#include <QString>
#include <functional>

class QWidget;
class mTDeclaration;

enum class PrintMode { Preview, Print };

// What a print run needs from the main window.
struct PrintRun {
    QWidget* Owner = nullptr;
    mTDeclaration* Declaration = nullptr;
    QString ProgramDir;
    std::function<int()> CheckAndShow; // 0 when the declaration is clean
};

// Previews or prints the return through the print component: the check, the component's parameters
// and working folder, the export's text, then the preview, or the print dialog and one PrintData
// call per copy. Failures of the component are shown to the user; export errors reach the caller.
void RunPrintModule(PrintMode mode, const PrintRun& run);
