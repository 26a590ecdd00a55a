#include "screens/income/ThirteenPercentNR.h"

TTfrThirteenPercentNR::TTfrThirteenPercentNR(QWidget* owner, ScreenHost& host)
    : TfrThirteenPercent(owner, host, SourceList::IncomeSources13NR) {
    setObjectName(QStringLiteral("frThirteenPercentNR"));
}
