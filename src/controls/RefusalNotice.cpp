#include "controls/RefusalNotice.h"

#include <QToolTip>
#include <QWidget>

void ShowRefusal(QWidget* field, const QString& message) {
    constexpr int ShownMilliseconds = 5000;
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), message, field, {}, ShownMilliseconds);
}
