#pragma once

#include "screens/MyFrame.h"

#include <memory>
#include <optional>

namespace Ui {
class TfrThirtyFivePercent;
}
class TListEditor;

// "Доходы, облагаемые по ставке 35%": the sources of income at 35 %, each with one income, its deduction
// and the tax withheld, kept whole through its dialog.
class TfrThirtyFivePercent : public TThinkingFrame {
    Q_OBJECT

public:
    TfrThirtyFivePercent(QWidget* owner, ScreenHost& host);
    ~TfrThirtyFivePercent() override;

    // The records change only through the dialogs: nothing to store, no rule to check on leaving.
    void Store() override {}
    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}
    void AfterSectionOpened() override;

private:
    std::optional<int> AddSource();
    bool EditSource(int row);
    void ShowSource(int row);
    void ClearSource();

    std::unique_ptr<Ui::TfrThirtyFivePercent> ui;
    std::unique_ptr<TListEditor> sources_;
};
