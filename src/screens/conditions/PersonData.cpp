#include "screens/conditions/PersonData.h"

#include "controls/FlashButton.h"
#include "screens/conditions/PersonAddress.h"
#include "screens/conditions/PersonNaim.h"
#include "storage/Declaration.h"

#include "ui_PersonData.h"

TfrPersonData::TfrPersonData(QWidget* owner, DeclarationField* declarationRef)
    : TThinkingFrame(owner, declarationRef), ui(std::make_unique<Ui::TfrPersonData>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frPersonData"));
    ui->fbPersonAddress->setVisible(Declaration().ReturnKind != ReturnKind4NDFL);
    connect(ui->fbPersonName, &TFlashButton::Click, this, [this] { PageButtonPressed(NamePage); });
    connect(ui->fbPersonAddress, &TFlashButton::Click, this, [this] { PageButtonPressed(AddressPage); });
    ReplacePage(NamePage);
}

TfrPersonData::~TfrPersonData() = default;

TFlashButton* TfrPersonData::ButtonOf(Page page) const {
    return page == NamePage ? ui->fbPersonName : ui->fbPersonAddress;
}

void TfrPersonData::ReplacePage(Page page) {
    TThinkingFrame* next =
        page == NamePage
            ? static_cast<TThinkingFrame*>(new TfrPersonNaim(ui->pnPageContainer, DeclarationRef))
            : new TfrPersonAddress(ui->pnPageContainer, DeclarationRef);
    ui->pnPageContainer->layout()->addWidget(next);
    delete page_;
    page_ = next;
    pageKind_ = page;
    next->show();
    ButtonOf(page)->SetDown(true);
}

void TfrPersonData::PageButtonPressed(Page page) {
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
    const Page wanted = page == AddressPage ? AddressPage : NamePage;
    if (wanted != pageKind_) ReplacePage(wanted);
    page_->ShowPosition(position);
}
