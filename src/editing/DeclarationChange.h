#pragma once

#include "editing/EditView.h"

#include <QByteArray>
#include <QUndoCommand>

class TDeclarationHistory;

// One accepted change of the declaration: its saved bytes before and after and where the user stood.
// Consecutive steps share their bytes (QByteArray is shared on copy), so a step costs about one copy of
// the declaration.
class TDeclarationChange : public QUndoCommand {
public:
    TDeclarationChange(TDeclarationHistory& history, const QString& text, QByteArray before, QByteArray after,
                       EditView viewBefore, EditView viewAfter);

    void undo() override;
    void redo() override;

private:
    TDeclarationHistory& history_;
    QByteArray before_;
    QByteArray after_;
    EditView viewBefore_;
    EditView viewAfter_;
    // The change is already made when the step is pushed; only a redo after an undo puts it back.
    bool done_ = true;
};
