#include "desktop/OpenInBrowser.h"

#include "desktop/UserPrompts.h"

#include <QDesktopServices>
#include <QUrl>

void OpenInBrowser(QWidget* owner, const QString& url) {
    if (!QDesktopServices::openUrl(QUrl(url)))
        UserPrompts::Current().Message(owner, QMessageBox::Critical,
                                       QStringLiteral("Не удалось запустить браузер"));
}
