#pragma once

#include "screens/SubScreenContainer.h"

#include <memory>

namespace Ui {
class TfrFrameDeductData;
}

// "Вычеты": a row of sub-section buttons and one sub-screen (standard, property, social deductions;
// the securities losses' button stays hidden). The sub-screens are those of DeductionsSubScreen.
class TfrFrameDeductData : public TSubScreenContainer {
    Q_OBJECT

public:
    TfrFrameDeductData(QWidget* owner, ScreenHost& host);
    ~TfrFrameDeductData() override;

    // Standard for 0, social for Social, the property sub-screen for any other number.
    void ShowSubScreen(int subScreen, quint16 position) override;

protected:
    TThinkingFrame* CreateSubScreen(int& kind, QWidget* panel) override;
    TFlashButton* ButtonOf(int kind) const override;

private:
    std::unique_ptr<Ui::TfrFrameDeductData> ui;
};
