#include "shell/Main.h"
#include "screens/ProgramScreens.h"
#include "shell/CoreServices.h"
#include "shell/StartForm.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

// DUROVID_NO_SPLASH=1 skips the start window (tests, benchmarks); DUROVID_REPORT_SHOWN=1 prints
// "shown" on standard output once the main window is on screen (the start-up benchmark).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Durovid 2010"));
    QApplication::setOrganizationName(QStringLiteral("Вектрон"));

    const bool splash = qEnvironmentVariableIntValue("DUROVID_NO_SPLASH") == 0;
    std::unique_ptr<TStartForm> start;
    if (splash) {
        start = std::make_unique<TStartForm>();
        start->show();
        start->repaint();
        QApplication::processEvents();
    }

    RegisterProgramScreens();
    CoreServices services;
    TFormMain window(app.arguments().mid(1), &services);
    if (window.StartFailed()) return 1;
    if (start) {
        start->WaitForTimer();
        start.reset();
    }
    window.ShowPlaced();
    if (qEnvironmentVariableIntValue("DUROVID_REPORT_SHOWN") != 0) {
        QTimer::singleShot(0, &window, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
        });
    }
    return app.exec();
}
