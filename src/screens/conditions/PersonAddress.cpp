#include "screens/conditions/PersonAddress.h"

#include "checks/ScreenPositions.h"
#include "pickers/RegionName.h"
#include "records/Declaration.h"
#include "screens/ScreenCheck.h"

#include "ui_PersonAddress.h"

TfrPersonAddress::TfrPersonAddress(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrPersonAddress>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frPersonAddress"));
    connect(ui->bnRegion, &QPushButton::clicked, this, [this] { PickRegion(); });
    // A changed kind of address is a change of the declaration like any other: without the notice,
    // closing the program would not offer to save it.
    for (QRadioButton* rb : {ui->rbResidence, ui->rbStay})
        connect(rb, &QRadioButton::clicked, this, [this] { NotifyModified(); });
    LoadingScope loading(Host());
    Fill();
}

TfrPersonAddress::~TfrPersonAddress() = default;

void TfrPersonAddress::Fill() {
    const mTDeclaration& d = Declaration();
    const mTPersonInformation& p = d.Person;
    ui->gbPhone->setVisible(d.ReturnKind != ReturnKind4NDFL);
    if (p.StayAddress == 1) ui->rbStay->setChecked(true);
    ui->mePostIndex->setText(p.PostIndex);
    regionCode_ = p.RegionCode;
    ui->pnRegion->setText(p.RegionName);
    ui->meDistrict->setText(p.District);
    ui->meCity->setText(p.City);
    ui->meLocality->setText(p.Locality);
    ui->meStreet->setText(p.Street);
    ui->meHouse->setText(p.House);
    ui->meBuilding->setText(p.Building);
    ui->meFlat->setText(p.Flat);
    ui->meOKATO->setText(p.OKATO);
    ui->mePhone->setText(p.HomePhone);
    ui->meForeignAddress->setText(p.ForeignAddress);
}

void TfrPersonAddress::Store() {
    mTPersonInformation& p = Declaration().Person;
    p.PostIndex = ui->mePostIndex->text();
    p.RegionCode = quint16(regionCode_);
    p.RegionName = ui->pnRegion->text();
    p.District = ui->meDistrict->text();
    p.City = ui->meCity->text();
    p.Locality = ui->meLocality->text();
    p.Street = ui->meStreet->text();
    p.House = ui->meHouse->text();
    p.Building = ui->meBuilding->text();
    p.Flat = ui->meFlat->text();
    p.OKATO = ui->meOKATO->text();
    p.HomePhone = ui->mePhone->text();
    p.StayAddress = ui->rbStay->isChecked() ? 1 : 0;
    p.ForeignAddress = ui->meForeignAddress->text();
}

quint16 TfrPersonAddress::Check() {
    const mTDeclaration& d = Declaration();
    TScreenCheck check(this, CheckTitle::Person);
    check.Faults(SectionRules::Address(d) +
                 SectionRules::ResidenceOkato(d, SectionRules::OkatoWording::AddressPage));
    return check.Result();
}

void TfrPersonAddress::ShowPosition(quint16 position) {
    switch (position) {
    case AddressPosition::Region:
        ui->bnRegion->setFocus();
        ui->bnRegion->click();
        break;
    case AddressPosition::OKATO:
        ui->meOKATO->setFocus();
        break;
    case AddressPosition::Locality:
        ui->meLocality->setFocus();
        break;
    default:
        break;
    }
}

void TfrPersonAddress::PickRegion() {
    TfmRegionName picker(this);
    picker.Preselect(regionCode_);
    if (!picker.Choose() || picker.Name() == ui->pnRegion->text()) return;
    regionCode_ = picker.ChosenCode();
    ui->pnRegion->setText(picker.Name());
    NotifyModified();
}
