#include "screens/conditions/PersonData.h"

#include "checks/ScreenPositions.h"
#include "controls/FlashButton.h"
#include "records/Declaration.h"
#include "screens/conditions/PersonAddress.h"
#include "screens/conditions/PersonNaim.h"

#include "ui_PersonData.h"

TfrPersonData::TfrPersonData(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrPersonData>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frPersonData"));
    ui->fbPersonAddress->setVisible(Declaration().ReturnKind != ReturnKind4NDFL);
    connect(ui->fbPersonName, &TFlashButton::Click, this,
            [this] { PageButtonPressed(PersonDataPage::Name); });
    connect(ui->fbPersonAddress, &TFlashButton::Click, this,
            [this] { PageButtonPressed(PersonDataPage::Address); });
    ReplacePage(PersonDataPage::Name);
}

TfrPersonData::~TfrPersonData() = default;

TFlashButton* TfrPersonData::ButtonOf(int page) const {
    return page == PersonDataPage::Name ? ui->fbPersonName : ui->fbPersonAddress;
}

void TfrPersonData::ReplacePage(int page) {
    TThinkingFrame* next = page == PersonDataPage::Name
                               ? static_cast<TThinkingFrame*>(new TfrPersonNaim(ui->pnPageContainer, Host()))
                               : new TfrPersonAddress(ui->pnPageContainer, Host());
    ui->pnPageContainer->layout()->addWidget(next);
    delete page_;
    page_ = next;
    pageKind_ = page;
    next->show();
    ButtonOf(page)->SetDown(true);
}

void TfrPersonData::PageButtonPressed(int page) {
    if (page == pageKind_) {
        // The group has already put the button down again; nothing else happens.
        ButtonOf(page)->SetDown(true);
        return;
    }
    page_->Store();
    if (const quint16 position = page_->Check()) {
        ButtonOf(pageKind_)->SetDown(true);
        page_->ShowPosition(position);
        return;
    }
    ReplacePage(page);
}

void TfrPersonData::Store() {
    page_->Store();
}

quint16 TfrPersonData::Check() {
    return page_->Check();
}

void TfrPersonData::ShowPosition(quint16 position) {
    page_->ShowPosition(position);
}

void TfrPersonData::ShowSubScreen(int page, quint16 position) {
    const int wanted = page == PersonDataPage::Address ? PersonDataPage::Address : PersonDataPage::Name;
    if (wanted != pageKind_) ReplacePage(wanted);
    page_->ShowPosition(position);
}
