#include "controls/GuardedEdit.h"

#include "controls/ModificationNotice.h"
#include "controls/RefusalNotice.h"
#include "storage/CodePage.h"

#include <QKeyEvent>

TGuardedEdit::TGuardedEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TGuardedEdit::OnTextChanged);
}

QString TGuardedEdit::Candidate(const QString& insertion) const {
    QString text = this->text();
    int pos = cursorPosition();
    if (hasSelectedText()) {
        pos = selectionStart();
        text.remove(pos, selectedText().size());
    }
    return text.insert(pos, insertion);
}

void TGuardedEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed[0].unicode() >= 0x20 && typed[0].unicode() != 0x7f &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!printable) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!CodePage::IsCp1251(typed[0]) || FilterKey(typed[0]) == KeyResult::Consumed) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TGuardedEdit::Refuse(const QString& message) {
    if (message.isEmpty()) return;
    ShowRefusal(this, message);
    emit Refused(message);
}

void TGuardedEdit::Recheck() {
    OnTextChanged(text());
}

void TGuardedEdit::OnTextChanged(const QString& text) {
    if (reentrant_) return;
    std::optional<QString> accepted;
    if (CodePage::IsCp1251(text)) accepted = Accept(text);
    const QString result = accepted ? *accepted : last_;
    if (!accepted) Refuse(Refusal(text));
    if (result != text) {
        const int caret = cursorPosition();
        reentrant_ = true;
        setText(result);
        reentrant_ = false;
        setCursorPosition(accepted ? caret : std::min<int>(caret, int(result.size())));
    }
    if (result == last_) return;
    last_ = result;
    SendModificationNotice(this);
    emit Changed();
}
