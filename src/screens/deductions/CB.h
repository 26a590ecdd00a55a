#pragma once

#include "screens/MyFrame.h"

#include <memory>

namespace Ui {
class TfrCB;
}

// Losses of earlier tax periods on securities and on futures carried forward.
class TfrCB : public TThinkingFrame {
    Q_OBJECT

public:
    TfrCB(QWidget* owner, ScreenHost& host);
    ~TfrCB() override;

    void Store() override;
    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}

private:
    std::unique_ptr<Ui::TfrCB> ui;
};
