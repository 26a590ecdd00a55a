#include "screens/SubScreenContainer.h"

#include "controls/FlashButton.h"

#include <QLayout>

void TSubScreenContainer::BindButtons(QWidget* panel, std::initializer_list<int> kinds) {
    panel_ = panel;
    for (const int kind : kinds)
        connect(ButtonOf(kind), &TFlashButton::Click, this, [this, kind] { ButtonPressed(kind); });
}

void TSubScreenContainer::ReplaceSubScreen(int kind) {
    TThinkingFrame* next = CreateSubScreen(kind, panel_);
    panel_->layout()->addWidget(next);
    ReplaceChild(subScreen_, next);
    kind_ = kind;
    next->show();
    ButtonOf(kind)->SetDown(true);
}

void TSubScreenContainer::ShowKind(int kind, quint16 position) {
    if (kind != kind_) ReplaceSubScreen(kind);
    subScreen_->ShowPosition(position);
}

void TSubScreenContainer::OpenSubScreen(int kind) {
    if (kind == kind_ && subScreen_) return;
    LoadingScope loading(Host());
    ReplaceSubScreen(kind);
}

void TSubScreenContainer::ButtonPressed(int kind) {
    if (kind == kind_) {
        // The group has already put the button down again; nothing else happens.
        ButtonOf(kind)->SetDown(true);
        return;
    }
    subScreen_->Store();
    if (const quint16 position = subScreen_->Check()) {
        ButtonOf(kind_)->SetDown(true);
        subScreen_->ShowPosition(position);
        return;
    }
    ReplaceSubScreen(kind);
}

void TSubScreenContainer::Store() {
    subScreen_->Store();
}

quint16 TSubScreenContainer::Check() {
    return subScreen_->Check();
}

void TSubScreenContainer::ShowPosition(quint16 position) {
    subScreen_->ShowPosition(position);
}
