#pragma once

#include "screens/income/ThirteenPercent.h"

// "Доходы нерезидентов, высококвалифицированных специалистов": a non-resident's income at 13 %, kept
// like the 13 % sources but without a rule to check on leaving.
class TTfrThirteenPercentNR : public TfrThirteenPercent {
    Q_OBJECT

public:
    TTfrThirteenPercentNR(QWidget* owner, ScreenHost& host);

    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}
};
