#pragma once

#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrRussianIncome;
}
class TFlashButton;

// "Доходы, полученные в РФ": the sub-section buttons and one sub-screen below them (the kinds of
// RussianIncomeSubScreen). A resident has income at 13 %, dividends and income at 35 %; a non-resident
// income at 30 % (on the first button), dividends and a highly qualified specialist's income at 13 %; a
// 4-NDFL return none. Storing, checking and showing a position go to the sub-screen shown.
class TfrRussianIncome : public TThinkingFrame {
    Q_OBJECT

public:
    TfrRussianIncome(QWidget* owner, ScreenHost& host);
    ~TfrRussianIncome() override;

    void Store() override;
    quint16 Check() override;
    void ShowPosition(quint16 position) override;
    // Shows the sub-screen (replacing the one shown, which was stored already) and the position on it.
    void ShowSubScreen(int subScreen, quint16 position) override;
    void AfterSectionOpened() override;

    // The sub-screen shown (nullptr for a 4-NDFL return) and its kind (-1 when none).
    TThinkingFrame* CurrentSubScreen() const { return sub_; }
    int CurrentSubScreenKind() const { return kind_; }
    TThinkingFrame* ShownSubScreen() const override { return sub_; }
    int ShownSubScreenKind() const override { return kind_; }
    void OpenSubScreen(int kind) override;

private:
    void SubScreenButtonPressed(int kind);
    void ReplaceSubScreen(int kind);
    TFlashButton* ButtonOf(int kind) const;

    std::unique_ptr<Ui::TfrRussianIncome> ui;
    TThinkingFrame* sub_ = nullptr;
    int kind_ = -1;
};
