#pragma once

#include "screens/MyFrame.h"

#include <memory>
#include <optional>

namespace Ui {
class TfrThirtyPercent;
}
class TListEditor;

// "Доходы в виде дивидендов": the sources of dividends, each kept whole through its dialog.
class TfrThirtyPercent : public TThinkingFrame {
    Q_OBJECT

public:
    TfrThirtyPercent(QWidget* owner, ScreenHost& host);
    ~TfrThirtyPercent() override;

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

    std::unique_ptr<Ui::TfrThirtyPercent> ui;
    std::unique_ptr<TListEditor> sources_;
};
