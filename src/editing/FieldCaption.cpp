#include "editing/FieldCaption.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

namespace {

QString Clean(QString text) {
    text.remove(QLatin1Char('&'));
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('*')))
        text.chop(1);
    return text.trimmed();
}

// The label whose right edge is closest to the field's left edge on the field's line, within the
// field's own panel and the one around it.
const QLabel* LabelOnTheLeft(const QWidget* field) {
    const QWidget* window = field->window();
    const QRect fieldRect(field->mapTo(window, QPoint(0, 0)), field->size());
    const QLabel* best = nullptr;
    int bestRight = 0;
    const QWidget* panel = field->parentWidget();
    for (int level = 0; panel && panel->window() == window && level < 2;
         ++level, panel = panel->parentWidget()) {
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window) || Clean(label->text()).isEmpty()) continue;
            const QRect rect(label->mapTo(window, QPoint(0, 0)), label->size());
            const int middle = rect.center().y();
            if (middle < fieldRect.top() || middle > fieldRect.bottom()) continue;
            if (rect.right() > fieldRect.left() + 4) continue;
            if (!best || rect.right() > bestRight) {
                best = label;
                bestRight = rect.right();
            }
        }
        if (best) return best;
    }
    return nullptr;
}

} // namespace

QString FieldCaption(const QWidget* field) {
    if (!field || field->isWindow()) return {};
    const QWidget* window = field->window();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == field && !Clean(label->text()).isEmpty()) return Clean(label->text());
    if (const QLabel* label = LabelOnTheLeft(field)) return Clean(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(field);
        button && !Clean(button->text()).isEmpty())
        return Clean(button->text());
    for (const QWidget* w = field->parentWidget(); w && w != window; w = w->parentWidget())
        if (auto* group = qobject_cast<const QGroupBox*>(w); group && !Clean(group->title()).isEmpty())
            return Clean(group->title());
    return {};
}
