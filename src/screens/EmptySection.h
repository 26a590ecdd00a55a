#pragma once

#include "screens/MyFrame.h"

// The screen of a section whose own screen is not part of the program yet: its name and nothing to
// edit, so storing and checking it change nothing.
class TfrEmptySection : public TThinkingFrame {
    Q_OBJECT

public:
    TfrEmptySection(QWidget* owner, ScreenHost& host, const QString& title);

    void Store() override {}
    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}
};
