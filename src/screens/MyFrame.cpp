#include "screens/MyFrame.h"

#include "controls/ModificationNotice.h"
#include "shell/Main.h"

TThinkingFrame::TThinkingFrame(QWidget* owner, DeclarationField* declarationRef)
    : QFrame(owner), DeclarationRef(declarationRef) {
    setFrameShape(QFrame::NoFrame);
}

void TThinkingFrame::ShowSubScreen(int, quint16 position) {
    ShowPosition(position);
}

void TThinkingFrame::NotifyModified() {
    SendModificationNotice(this);
}

TFormMain* TThinkingFrame::MainForm() const {
    // Sub-screens and pages sit inside other screens; the main window is the top of them all.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* form = qobject_cast<TFormMain*>(w)) return form;
    return nullptr;
}

TLoadingScope::TLoadingScope(TFormMain* form) : form_(form) {
    if (!form_) return;
    previous_ = form_->Loading;
    form_->Loading = true;
}

TLoadingScope::~TLoadingScope() {
    if (form_) form_->Loading = previous_;
}
