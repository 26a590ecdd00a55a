#include "shell/RecentFilesMenu.h"

#include "shell/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

TRecentFilesMenu::TRecentFilesMenu(QMenu* menu, QAction* before, std::function<void(const QString&)> open)
    : QObject(menu), menu_(menu), before_(before), open_(std::move(open)) {
    connect(menu, &QMenu::aboutToShow, this, &TRecentFilesMenu::Refresh);
    Refresh();
}

void TRecentFilesMenu::Refresh() {
    qDeleteAll(items_);
    items_.clear();
    const QStringList files = ProgramSettings::RecentFiles();
    int number = 0;
    for (const QString& file : files) {
        ++number;
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(number).arg(
                                     QFileInfo(file).fileName().replace('&', QStringLiteral("&&"))),
                                 menu_);
        item->setObjectName(QStringLiteral("acRecent%1").arg(number));
        item->setToolTip(QDir::toNativeSeparators(file));
        connect(item, &QAction::triggered, this, [this, file] { open_(file); });
        menu_->insertAction(before_, item);
        items_ << item;
    }
    if (!items_.isEmpty()) items_ << menu_->insertSeparator(before_);
}
