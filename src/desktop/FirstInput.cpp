#include "desktop/FirstInput.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

// Fields where typing goes in and an arrow key changes no value.
bool TakesText(const QWidget* w) {
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->isEditable();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return !edit->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(w)) return !text->isReadOnly();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->isReadOnly();
    return qobject_cast<const QAbstractItemView*>(w) != nullptr;
}

// Number and date fields take typing too, but an arrow key steps their value.
bool Steps(const QWidget* w) {
    auto* spin = qobject_cast<const QAbstractSpinBox*>(w);
    return spin && !spin->isReadOnly();
}

bool Reachable(const QWidget* w, const QWidget* container) {
    return w->isEnabled() && w->isVisibleTo(container) && (w->focusPolicy() & Qt::TabFocus) &&
           !w->focusProxy();
}

} // namespace

QWidget* FirstInputField(QWidget* container) {
    // The focus chain of the window is its Tab order, a ring that comes back to the container. A field
    // that steps its value is taken only where the screen has nothing else to type into.
    QWidget* stepping = nullptr;
    for (QWidget* w = container->nextInFocusChain(); w && w != container; w = w->nextInFocusChain()) {
        if (!container->isAncestorOf(w) || !Reachable(w, container)) continue;
        if (TakesText(w)) return w;
        if (!stepping && Steps(w)) stepping = w;
    }
    return stepping;
}

bool FocusFirstInput(QWidget* container) {
    QWidget* field = FirstInputField(container);
    if (!field) return false;
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    return true;
}
