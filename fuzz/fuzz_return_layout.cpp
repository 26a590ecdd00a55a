// The printed form laid out from a return's XML text (windows-1251, as the export writes it). Whatever
// the text holds, laying it out must not fail unsafely; a text it refuses is refused with a reason.
#include "form/ReturnLayout.h"
#include "storage/CodePage.h"

#include <QGuiApplication>
#include <cstdlib>

// Fontconfig keeps its caches until the process ends and frees them only when asked to, which nobody does.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The layout measures texts in the form's fonts, which needs a (window-less) application. It lives
    // until the process ends: torn down at exit, the font machinery's threads leave memory behind that
    // the leak check would report against no input.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReturnLayout layout;
    if (!layout.Lay(CodePage::FromCp1251(reinterpret_cast<const char*>(data), qsizetype(size)))) {
        if (layout.ErrorString().isEmpty()) std::abort();
        return 0;
    }
    return 0;
}
