#include "controls/ModificationNotice.h"

#include <QCoreApplication>
#include <QWidget>

void SendModificationNotice(QWidget* from) {
    // A field of a modal dialog reaches the main window through the dialog's owner.
    QWidget* top = from ? from->window() : nullptr;
    while (top && top->parentWidget())
        top = top->parentWidget()->window();
    if (!top) return;
    ModificationNotice notice(from);
    QCoreApplication::sendEvent(top, &notice);
}
