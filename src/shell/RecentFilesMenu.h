#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;

// The declaration files last opened or saved, at the end of "Файл" before the item they are put
// before: "&1 name.kv0", the whole path as the hint. The items are built each time the menu opens.
class TRecentFilesMenu : public QObject {
    Q_OBJECT

public:
    TRecentFilesMenu(QMenu* menu, QAction* before, std::function<void(const QString&)> open);

    // Builds the items from the settings.
    void Refresh();

private:
    QMenu* menu_;
    QAction* before_;
    std::function<void(const QString&)> open_;
    QList<QAction*> items_;
};
