#include "screens/conditions/PersonData.h"

#include "controls/FlashButton.h"
#include "records/Declaration.h"
#include "screens/conditions/PersonAddress.h"
#include "screens/conditions/PersonNaim.h"

#include "ui_PersonData.h"

TfrPersonData::TfrPersonData(QWidget* owner, ScreenHost& host)
    : TSubScreenContainer(owner, host), ui(std::make_unique<Ui::TfrPersonData>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frPersonData"));
    ui->fbPersonAddress->setVisible(Declaration().ReturnKind != ReturnKind4NDFL);
    BindButtons(ui->pnPageContainer, {PersonDataPage::Name, PersonDataPage::Address});
    ReplaceSubScreen(PersonDataPage::Name);
}

TfrPersonData::~TfrPersonData() = default;

TFlashButton* TfrPersonData::ButtonOf(int page) const {
    return page == PersonDataPage::Name ? ui->fbPersonName : ui->fbPersonAddress;
}

TThinkingFrame* TfrPersonData::CreateSubScreen(int& page, QWidget* panel) {
    if (page == PersonDataPage::Address) return new TfrPersonAddress(panel, Host());
    page = PersonDataPage::Name;
    return new TfrPersonNaim(panel, Host());
}

void TfrPersonData::ShowSubScreen(int page, quint16 position) {
    ShowKind(page == PersonDataPage::Address ? PersonDataPage::Address : PersonDataPage::Name, position);
}
