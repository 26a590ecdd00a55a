#include "screens/MyFrame.h"

TThinkingFrame::TThinkingFrame(QWidget* owner, ScreenHost& host)
    : QFrame(owner), DeclarationRef(host.DeclarationRef()), host_(host) {
    setFrameShape(QFrame::NoFrame);
}

void TThinkingFrame::ShowSubScreen(int, quint16 position) {
    ShowPosition(position);
}
