#include "screens/deductions/FrameDeductData.h"

#include "controls/FlashButton.h"
#include "screens/deductions/CB.h"
#include "screens/deductions/ConstructionDeduct.h"
#include "screens/deductions/FramePensDeduct.h"
#include "screens/deductions/FrameStandartDeduct.h"

#include "ui_FrameDeductData.h"

TfrFrameDeductData::TfrFrameDeductData(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrFrameDeductData>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frFrameDeductData"));
    for (const int kind : {int(DeductionsSubScreen::Standard), int(DeductionsSubScreen::Property),
                           int(DeductionsSubScreen::Social), int(DeductionsSubScreen::Securities)})
        connect(ButtonOf(kind), &TFlashButton::Click, this, [this, kind] { ButtonPressed(kind); });
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

void TfrFrameDeductData::ReplaceSubScreen(int kind) {
    QWidget* const panel = ui->pnSubScreen;
    TThinkingFrame* next = nullptr;
    switch (kind) {
    case DeductionsSubScreen::Property:
        next = new TfrConstructionDeduct(panel, Host());
        break;
    case DeductionsSubScreen::Social:
        next = new TfrFramePensDeduct(panel, Host());
        break;
    case DeductionsSubScreen::Securities:
        next = new TfrCB(panel, Host());
        break;
    default:
        kind = DeductionsSubScreen::Standard;
        next = new TfrFrameStandartDeduct(panel, Host());
        break;
    }
    panel->layout()->addWidget(next);
    delete subScreen_;
    subScreen_ = next;
    kind_ = kind;
    next->show();
    ButtonOf(kind)->SetDown(true);
}

void TfrFrameDeductData::ButtonPressed(int kind) {
    if (kind == kind_) {
        // The group has already put the button down again; nothing else happens.
        ButtonOf(kind)->SetDown(true);
        return;
    }
    subScreen_->Store();
    if (const quint16 position = subScreen_->Check()) {
        ButtonOf(kind_)->SetDown(true);
        subScreen_->ShowPosition(position);
        return;
    }
    ReplaceSubScreen(kind);
}

void TfrFrameDeductData::Store() {
    subScreen_->Store();
}

quint16 TfrFrameDeductData::Check() {
    return subScreen_->Check();
}

void TfrFrameDeductData::ShowPosition(quint16 position) {
    subScreen_->ShowPosition(position);
}

void TfrFrameDeductData::ShowSubScreen(int subScreen, quint16 position) {
    int wanted = DeductionsSubScreen::Property;
    if (subScreen == DeductionsSubScreen::Standard || subScreen == DeductionsSubScreen::Social)
        wanted = subScreen;
    if (wanted != kind_) ReplaceSubScreen(wanted);
    subScreen_->ShowPosition(position);
}
