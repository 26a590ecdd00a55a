#include "screens/MyFrame.h"

#include "controls/ModificationNotice.h"

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
