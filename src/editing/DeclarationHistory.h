#pragma once

#include "editing/EditView.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <functional>
#include <memory>

class mTDeclaration;

// The undo history of the open declaration. Every accepted change is one step on its stack, which holds
// the declaration's saved bytes before and after the change and where the user stood; undo and redo put
// those bytes back and the window builds its screens again from them, so that after an undo the screen
// shows exactly the records. The stack's clean state is the saved state.
//
// Changes reach the history two ways. A screen's own change (a record added, deleted or edited in its
// dialog, a choice made) is bracketed by BeginChange and EndChange and becomes one step. Typing into a
// field only sends the modification notice (FieldChanged); the field's value is stored into the records
// when the field is left or before anything else happens to the declaration (CommitField), and that is
// one step.
class TDeclarationHistory : public QObject {
    Q_OBJECT

public:
    using DeclarationField = std::unique_ptr<mTDeclaration>;

    // What the history needs of the window that shows the declaration.
    struct Window {
        // Copies the shown screen's fields into the records, sending no modification notice.
        std::function<void()> StoreScreen;
        // Where the user stands now.
        std::function<EditView()> View;
        // Builds the screens again from the records (the declaration was replaced) and puts the user at
        // view.
        std::function<void(const EditView&)> Show;
    };

    TDeclarationHistory(DeclarationField& declaration, Window window, QObject* parent = nullptr);
    ~TDeclarationHistory() override;

    QUndoStack& Stack() { return stack_; }

    // A new, opened or restored declaration: the history starts empty. unsaved: the declaration differs
    // from its file already (a restored recovery copy), so it stays modified even with nothing to undo.
    void Start(bool unsaved = false);

    // A field on the screen was changed by the user; caption names the step (the field's caption, read
    // by the window). What the user stood on before the change is kept for the undo.
    void FieldChanged(const QString& caption);
    // The field edit in progress, if any, becomes a step.
    void CommitField();
    bool FieldPending() const { return pending_; }

    // Brackets a change the screen makes to the records itself: one step named text, when the records
    // changed. Changes may nest; the outermost pair makes the step.
    void BeginChange();
    bool EndChange(const QString& text);
    bool InChange() const { return changeDepth_ > 0; }

    // The records were brought in line with the screen without a change of the user's (a section stored
    // on leaving it): the next step starts from them.
    void Rebase();

    // Unsaved changes: a step since the last save, a field edit in progress, or an unsaved start.
    bool Modified() const;
    // The declaration was saved as it stands (the field edit, if any, was committed before).
    void MarkSaved();

    // Undo and redo commit a field edit in progress first, so that it is the step undone.
    bool CanUndo() const;
    bool CanRedo() const;
    QString UndoText() const;
    QString RedoText() const;
    void Undo();
    void Redo();

signals:
    // Modified() changed.
    void ModifiedChanged(bool modified);
    // The declaration changed: a step was done, undone or redone, or a field edit began.
    void Changed();
    // What undo and redo would do changed.
    void ActionsChanged();

private:
    friend class TDeclarationChange;
    // Puts the declaration of these bytes in place and the user at view (a step undone or redone).
    void Restore(const QByteArray& bytes, const EditView& view);
    // The declaration's bytes now; empty when it cannot be saved as it stands.
    QByteArray Snapshot() const;
    bool Record(const QString& text, const EditView& before, const EditView& after);
    void Announce();

    DeclarationField& declaration_;
    Window window_;
    QUndoStack stack_;
    // The bytes of the declaration as the last step (or the start) left it.
    QByteArray base_;
    bool unsavedStart_ = false;
    bool pending_ = false;
    EditView pendingView_;
    QString pendingCaption_;
    int changeDepth_ = 0;
    EditView changeView_;
    bool restoring_ = false;
    bool modified_ = false;
};
