#include "screens/deductions/CB.h"

#include "records/Declaration.h"

#include "ui_CB.h"

TfrCB::TfrCB(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrCB>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frCB"));
    LoadingScope loading(Host());
    const mTCBDeduct& c = Declaration().SecuritiesDeduction;
    ui->mePriorLossSecurities->SetAmount(c.PriorLossSecurities);
    ui->mePriorLossFutures->SetAmount(c.PriorLossFutures);
}

TfrCB::~TfrCB() = default;

void TfrCB::Store() {
    mTCBDeduct& c = Declaration().SecuritiesDeduction;
    c.PriorLossSecurities = ui->mePriorLossSecurities->Amount();
    c.PriorLossFutures = ui->mePriorLossFutures->Amount();
}
