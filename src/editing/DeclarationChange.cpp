#include "editing/DeclarationChange.h"

#include "editing/DeclarationHistory.h"

TDeclarationChange::TDeclarationChange(TDeclarationHistory& history, const QString& text, QByteArray before,
                                       QByteArray after, EditView viewBefore, EditView viewAfter)
    : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after)),
      viewBefore_(std::move(viewBefore)), viewAfter_(std::move(viewAfter)) {}

void TDeclarationChange::undo() {
    history_.Restore(before_, viewBefore_);
    done_ = false;
}

void TDeclarationChange::redo() {
    if (done_) return;
    history_.Restore(after_, viewAfter_);
    done_ = true;
}
