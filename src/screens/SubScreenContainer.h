#pragma once

#include "screens/MyFrame.h"

class TFlashButton;

// A section screen that shows one of several sub-screens (or pages) below a row of buttons, one per
// kind. Storing, checking and showing a position go to the sub-screen shown. Pressing the button of
// another kind stores and checks the one shown first; a fault keeps it (its button down again) and
// shows the position.
class TSubScreenContainer : public TThinkingFrame {
    Q_OBJECT

public:
    using TThinkingFrame::TThinkingFrame;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;

    TThinkingFrame* CurrentSubScreen() const { return subScreen_; }
    int CurrentSubScreenKind() const { return kind_; }
    TThinkingFrame* ShownSubScreen() const override { return subScreen_; }
    int ShownSubScreenKind() const override { return kind_; }
    void OpenSubScreen(int kind) override;

protected:
    // A new sub-screen of that kind in panel; its kind when another one stands for it.
    virtual TThinkingFrame* CreateSubScreen(int& kind, QWidget* panel) = 0;
    virtual TFlashButton* ButtonOf(int kind) const = 0;

    // Connects the button of each kind; sub-screens are laid into panel.
    void BindButtons(QWidget* panel, std::initializer_list<int> kinds);
    // Replaces the sub-screen shown (without storing it) by a new one of that kind.
    void ReplaceSubScreen(int kind);
    // Shows the sub-screen of that kind (replacing the one shown when it is of another kind) and the
    // position on it: where the whole-declaration check leads.
    void ShowKind(int kind, quint16 position);

private:
    void ButtonPressed(int kind);

    QWidget* panel_ = nullptr;
    TThinkingFrame* subScreen_ = nullptr;
    int kind_ = 0;
};
