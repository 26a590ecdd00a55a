#pragma once

#include "checks/ScreenPositions.h"
#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrFrameDeductData;
}
class TFlashButton;

// "Вычеты": a row of sub-section buttons and one sub-screen (standard, property, social deductions;
// the securities losses' button stays hidden). Storing, checking and showing a position go to the
// sub-screen shown.
class TfrFrameDeductData : public TThinkingFrame {
    Q_OBJECT

public:
    // The sub-screens are those of DeductionsSubScreen.
    TfrFrameDeductData(QWidget* owner, ScreenHost& host);
    ~TfrFrameDeductData() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    // Standard for 0, social for Social, the property sub-screen for any other number; the sub-screen
    // shown is replaced (without storing it) when it is of another kind.
    void ShowSubScreen(int subScreen, quint16 position) override;

    TThinkingFrame* CurrentSubScreen() const { return subScreen_; }
    int CurrentSubScreenKind() const { return kind_; }

private:
    void ButtonPressed(int kind);
    void ReplaceSubScreen(int kind);
    TFlashButton* ButtonOf(int kind) const;

    std::unique_ptr<Ui::TfrFrameDeductData> ui;
    TThinkingFrame* subScreen_ = nullptr;
    int kind_ = DeductionsSubScreen::Standard;
};
