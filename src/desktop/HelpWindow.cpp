#include "desktop/HelpWindow.h"

#include "desktop/ProgramDir.h"
#include "desktop/UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(QWidget* owner, const QString& windowType)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help") + windowType);
    setWindowTitle(QStringLiteral("Справка - Durovid 2010"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    resize(800, 600);
}

void THelpWindow::ShowTopic(const QString& file) {
    browser_->setSource(QUrl::fromLocalFile(file));
    showMaximized();
    raise();
    activateWindow();
}

QString THelpWindow::CurrentTopic() const {
    return QFileInfo(browser_->source().toLocalFile()).fileName();
}

QString HelpFolder() {
    return ProgramDir() + QStringLiteral("help") + QDir::separator();
}

bool OpenHelpTopic(QWidget* owner, const QString& topic, const QString& windowType) {
    const QString file = HelpFolder() + topic;
    if (!QFileInfo::exists(file)) {
        UserPrompts::Current().Message(owner, QMessageBox::Critical,
                                       QStringLiteral("Не найден файл справки Zizo2010.chm"));
        return false;
    }
    QWidget* top = owner ? owner->window() : nullptr;
    THelpWindow* window = top ? top->findChild<THelpWindow*>(QStringLiteral("help") + windowType) : nullptr;
    if (!window) window = new THelpWindow(top, windowType);
    window->ShowTopic(file);
    return true;
}
