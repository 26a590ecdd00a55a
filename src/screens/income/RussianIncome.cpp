#include "screens/income/RussianIncome.h"

#include "checks/ScreenPositions.h"
#include "controls/FlashButton.h"
#include "records/Declaration.h"
#include "screens/income/CertificateImport.h"
#include "screens/income/ThirteenPercent.h"
#include "screens/income/ThirteenPercentNR.h"
#include "screens/income/ThirtyFivePercent.h"
#include "screens/income/ThirtyPercent.h"

#include "ui_RussianIncome.h"

TfrRussianIncome::TfrRussianIncome(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrRussianIncome>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frRussianIncome"));
    using Kind = int;
    const std::pair<TFlashButton*, Kind> buttons[] = {
        {ui->fb13Percent, RussianIncomeSubScreen::ThirteenPercent},
        {ui->fbDividends, RussianIncomeSubScreen::Dividends},
        {ui->fb35Percent, RussianIncomeSubScreen::ThirtyFivePercent},
        {ui->fbNonResident13, RussianIncomeSubScreen::NonResident13}};
    for (const auto& [button, kind] : buttons)
        connect(button, &TFlashButton::Click, this, [this, k = kind] { SubScreenButtonPressed(k); });
    connect(ui->fbImport2NDFL, &TFlashButton::Click, this, [this] {
        ImportIncomeCertificate(this, Host(), [this](int kind) {
            LoadingScope loading(Host());
            ReplaceSubScreen(kind);
            sub_->AfterSectionOpened();
        });
    });

    const quint8 returnKind = Declaration().ReturnKind;
    if (returnKind == ReturnKind4NDFL) {
        ui->pnSubScreens->setVisible(false);
        return;
    }
    if (returnKind == ReturnKind3NDFLNonResident) {
        ui->fb13Percent->SetCaption(QStringLiteral("Доходы нерезидента"));
        ui->fb35Percent->setVisible(false);
        ui->fbNonResident13->setVisible(true);
    }
    LoadingScope loading(Host());
    ReplaceSubScreen(RussianIncomeSubScreen::ThirteenPercent);
}

TfrRussianIncome::~TfrRussianIncome() = default;

TFlashButton* TfrRussianIncome::ButtonOf(int kind) const {
    switch (kind) {
    case RussianIncomeSubScreen::Dividends:
        return ui->fbDividends;
    case RussianIncomeSubScreen::ThirtyFivePercent:
        return ui->fb35Percent;
    case RussianIncomeSubScreen::NonResident13:
        return ui->fbNonResident13;
    default:
        return ui->fb13Percent;
    }
}

void TfrRussianIncome::ReplaceSubScreen(int kind) {
    QWidget* container = ui->pnSubScreenContainer;
    TThinkingFrame* next = nullptr;
    switch (kind) {
    case RussianIncomeSubScreen::Dividends:
        next = new TfrThirtyPercent(container, Host());
        break;
    case RussianIncomeSubScreen::ThirtyFivePercent:
        next = new TfrThirtyFivePercent(container, Host());
        break;
    case RussianIncomeSubScreen::NonResident13:
        next = new TTfrThirteenPercentNR(container, Host());
        break;
    default:
        kind = RussianIncomeSubScreen::ThirteenPercent;
        next = new TfrThirteenPercent(container, Host());
        break;
    }
    container->layout()->addWidget(next);
    ReplaceChild(sub_, next);
    kind_ = kind;
    next->show();
    // A 4-NDFL return shows a sub-screen only when the whole-declaration check leads to one.
    ui->pnSubScreens->setVisible(true);
    ButtonOf(kind)->setVisible(true);
    ButtonOf(kind)->SetDown(true);
}

void TfrRussianIncome::SubScreenButtonPressed(int kind) {
    if (kind == kind_) {
        // The group has already put the button down again; nothing else happens.
        ButtonOf(kind)->SetDown(true);
        return;
    }
    if (sub_) {
        sub_->Store();
        if (const quint16 position = sub_->Check()) {
            ButtonOf(kind_)->SetDown(true);
            sub_->ShowPosition(position);
            return;
        }
    }
    LoadingScope loading(Host());
    ReplaceSubScreen(kind);
    sub_->AfterSectionOpened();
}

void TfrRussianIncome::Store() {
    if (sub_) sub_->Store();
}

quint16 TfrRussianIncome::Check() {
    return sub_ ? sub_->Check() : 0;
}

void TfrRussianIncome::ShowPosition(quint16 position) {
    if (sub_) sub_->ShowPosition(position);
}

void TfrRussianIncome::ShowSubScreen(int subScreen, quint16 position) {
    if (!sub_ || subScreen != kind_) {
        LoadingScope loading(Host());
        ReplaceSubScreen(subScreen);
    }
    sub_->ShowPosition(position);
}

void TfrRussianIncome::OpenSubScreen(int kind) {
    if (sub_ && kind == kind_) return;
    LoadingScope loading(Host());
    ReplaceSubScreen(kind);
}

void TfrRussianIncome::AfterSectionOpened() {
    if (sub_) sub_->AfterSectionOpened();
}
