#include "screens/deductions/FrameDeductData.h"

#include "checks/ScreenPositions.h"
#include "controls/FlashButton.h"
#include "screens/deductions/CB.h"
#include "screens/deductions/ConstructionDeduct.h"
#include "screens/deductions/FramePensDeduct.h"
#include "screens/deductions/FrameStandartDeduct.h"

#include "ui_FrameDeductData.h"

TfrFrameDeductData::TfrFrameDeductData(QWidget* owner, ScreenHost& host)
    : TSubScreenContainer(owner, host), ui(std::make_unique<Ui::TfrFrameDeductData>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frFrameDeductData"));
    BindButtons(ui->pnSubScreen, {DeductionsSubScreen::Standard, DeductionsSubScreen::Property,
                                  DeductionsSubScreen::Social, DeductionsSubScreen::Securities});
    ReplaceSubScreen(DeductionsSubScreen::Standard);
}

TfrFrameDeductData::~TfrFrameDeductData() = default;

TFlashButton* TfrFrameDeductData::ButtonOf(int kind) const {
    switch (kind) {
    case DeductionsSubScreen::Property:
        return ui->fbConstructionDeduct;
    case DeductionsSubScreen::Social:
        return ui->fbPensDeduct;
    case DeductionsSubScreen::Securities:
        return ui->fbCBDeduct;
    default:
        return ui->fbStandartDeduct;
    }
}

TThinkingFrame* TfrFrameDeductData::CreateSubScreen(int& kind, QWidget* panel) {
    switch (kind) {
    case DeductionsSubScreen::Property:
        return new TfrConstructionDeduct(panel, Host());
    case DeductionsSubScreen::Social:
        return new TfrFramePensDeduct(panel, Host());
    case DeductionsSubScreen::Securities:
        return new TfrCB(panel, Host());
    default:
        kind = DeductionsSubScreen::Standard;
        return new TfrFrameStandartDeduct(panel, Host());
    }
}

void TfrFrameDeductData::ShowSubScreen(int subScreen, quint16 position) {
    const bool shown = subScreen == DeductionsSubScreen::Standard || subScreen == DeductionsSubScreen::Social;
    ShowKind(shown ? subScreen : int(DeductionsSubScreen::Property), position);
}
