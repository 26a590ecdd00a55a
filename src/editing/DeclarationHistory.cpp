#include "editing/DeclarationHistory.h"

#include "editing/DeclarationChange.h"
#include "records/Declaration.h"

#include <utility>

namespace {

// Steps kept for undo: enough for a long evening's entry; each costs about one copy of the declaration.
constexpr int UndoLimit = 500;

QString FieldStepText(const QString& caption) {
    return caption.isEmpty() ? QStringLiteral("изменение данных")
                             : QStringLiteral("изменение «%1»").arg(caption);
}

} // namespace

TDeclarationHistory::TDeclarationHistory(DeclarationField& declaration, Window window, QObject* parent)
    : QObject(parent), declaration_(declaration), window_(std::move(window)) {
    stack_.setUndoLimit(UndoLimit);
    connect(&stack_, &QUndoStack::indexChanged, this, &TDeclarationHistory::Announce);
    connect(&stack_, &QUndoStack::cleanChanged, this, &TDeclarationHistory::Announce);
}

TDeclarationHistory::~TDeclarationHistory() {
    // The steps refer to this history; they go first, without announcing anything.
    disconnect(&stack_, nullptr, this, nullptr);
    stack_.clear();
}

QByteArray TDeclarationHistory::Snapshot() const {
    if (!declaration_) return {};
    try {
        return declaration_->SaveToBytes();
    } catch (const std::exception&) {
        // A declaration beyond what a file may hold cannot be a step; it stays modified until it can.
        return {};
    }
}

void TDeclarationHistory::Start(bool unsaved) {
    stack_.clear();
    pending_ = false;
    pendingCaption_.clear();
    changeDepth_ = 0;
    unsavedStart_ = unsaved;
    base_ = Snapshot();
    Announce();
}

void TDeclarationHistory::FieldChanged(const QString& caption) {
    if (InChange() || restoring_) return;
    if (!pending_) {
        pending_ = true;
        pendingView_ = window_.View();
        pendingCaption_ = caption;
    }
    Announce();
    emit Changed();
}

void TDeclarationHistory::CommitField() {
    if (!pending_ || restoring_) return;
    pending_ = false;
    window_.StoreScreen();
    if (!Record(FieldStepText(pendingCaption_), pendingView_, pendingView_)) Announce();
}

void TDeclarationHistory::BeginChange() {
    if (changeDepth_++ > 0) return;
    CommitField();
    changeView_ = window_.View();
}

bool TDeclarationHistory::EndChange(const QString& text) {
    if (changeDepth_ == 0 || --changeDepth_ > 0) return false;
    window_.StoreScreen();
    return Record(text, changeView_, window_.View());
}

bool TDeclarationHistory::Record(const QString& text, const EditView& before, const EditView& after) {
    const QByteArray now = Snapshot();
    if (now.isEmpty() || base_.isEmpty()) {
        // Without the bytes of both sides there is no step to undo; the declaration just stays modified.
        if (now != base_) unsavedStart_ = true;
        base_ = now;
        Announce();
        emit Changed();
        return false;
    }
    if (now == base_) return false;
    stack_.push(new TDeclarationChange(*this, text, base_, now, before, after));
    base_ = now;
    Announce();
    emit Changed();
    return true;
}

void TDeclarationHistory::Rebase() {
    if (pending_ || InChange() || restoring_) return;
    const QByteArray now = Snapshot();
    if (!now.isEmpty()) base_ = now;
}

bool TDeclarationHistory::Modified() const {
    return !stack_.isClean() || pending_ || unsavedStart_;
}

void TDeclarationHistory::MarkSaved() {
    CommitField();
    stack_.setClean();
    unsavedStart_ = false;
    Rebase();
    Announce();
}

bool TDeclarationHistory::CanUndo() const {
    return pending_ || stack_.canUndo();
}

bool TDeclarationHistory::CanRedo() const {
    return !pending_ && stack_.canRedo();
}

QString TDeclarationHistory::UndoText() const {
    return pending_ ? FieldStepText(pendingCaption_) : stack_.undoText();
}

QString TDeclarationHistory::RedoText() const {
    return pending_ ? QString() : stack_.redoText();
}

void TDeclarationHistory::Undo() {
    CommitField();
    if (!stack_.canUndo()) return;
    stack_.undo();
    Announce();
    emit Changed();
}

void TDeclarationHistory::Redo() {
    CommitField();
    if (!stack_.canRedo()) return;
    stack_.redo();
    Announce();
    emit Changed();
}

void TDeclarationHistory::Restore(const QByteArray& bytes, const EditView& view) {
    auto restored = std::make_unique<mTDeclaration>();
    restored->LoadFromBytes(bytes);
    restoring_ = true;
    // The screen shown still points into the declaration it replaces: that one goes only after the
    // screens were built again.
    DeclarationField replaced = std::exchange(declaration_, std::move(restored));
    try {
        window_.Show(view);
    } catch (...) {
        restoring_ = false;
        throw;
    }
    replaced.reset();
    base_ = bytes;
    restoring_ = false;
}

void TDeclarationHistory::Announce() {
    const bool modified = Modified();
    if (modified != modified_) {
        modified_ = modified;
        emit ModifiedChanged(modified);
    }
    emit ActionsChanged();
}
