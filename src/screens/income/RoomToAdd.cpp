#include "screens/income/RoomToAdd.h"

#include "desktop/UserPrompts.h"

bool RoomToAdd(QWidget* owner, ListLimits::List list, int count, quint8 returnKind) {
    const QString refusal = ListLimits::RefusalToAdd(list, count, returnKind);
    if (refusal.isEmpty()) return true;
    UserPrompts::Current().Message(owner, QMessageBox::Warning, refusal);
    return false;
}
