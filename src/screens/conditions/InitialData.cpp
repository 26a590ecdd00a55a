#include "screens/conditions/InitialData.h"

#include "checks/ScreenPositions.h"
#include "pickers/InspectionPicker.h"
#include "records/Declaration.h"
#include "screens/ScreenCheck.h"

#include "ui_InitialData.h"

TfrInitialData::TfrInitialData(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrInitialData>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frInitialData"));

    const std::pair<QCheckBox*, int> boxes[] = {
        {ui->chbRussianIncome, 1}, {ui->chbForeignIncome, 2}, {ui->chbBusinessIncome, 3}};
    for (const auto& [box, number] : boxes)
        connect(box, &QCheckBox::toggled, this, [this, n = number] { IncomeBoxClicked(n); });
    for (QRadioButton* rb : {ui->rb3NDFL, ui->rb3NDFLNonResident, ui->rb4NDFL})
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ReturnKindChosen();
        });
    for (QRadioButton* rb : {ui->rbSignerPersonal, ui->rbSignerPerson, ui->rbSignerOrg})
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            SignerChosen();
            NotifyModified();
        });
    // A changed kind of return or category is a change of the declaration like any other: without
    // the notice, closing the program would not offer to save it.
    for (QRadioButton* rb : {ui->rb3NDFL, ui->rb3NDFLNonResident, ui->rb4NDFL, ui->rbEntrepreneur,
                             ui->rbFarmHead, ui->rbNotary, ui->rbLawyer, ui->rbOtherPerson})
        connect(rb, &QRadioButton::clicked, this, [this] { NotifyModified(); });
    connect(ui->chbAutoSheetCount, &QCheckBox::toggled, this, [this] { AutoSheetCountClicked(); });
    connect(ui->meCorrectionNumber, &QSpinBox::valueChanged, this, [this] { NotifyModified(); });
    connect(ui->bnInspection, &QPushButton::clicked, this, [this] { PickInspection(); });

    LoadingScope loading(Host());
    Fill();
}

TfrInitialData::~TfrInitialData() = default;

void TfrInitialData::Fill() {
    const mTDeclaration& d = Declaration();
    ui->meInspectionNumber->setText(d.InspectionCode);
    ui->dtSignDate->SetRange(QDate(2008, 1, 1), QDate(2011, 12, 31));
    ui->dtSignDate->SetValue(d.SignDate);
    ui->meCorrectionNumber->setEnabled(true);
    ui->meCorrectionNumber->setValue(d.CorrectionNumber);

    QRadioButton* signers[] = {ui->rbSignerPersonal, ui->rbSignerPerson, ui->rbSignerOrg};
    if (d.SignerKind < 3) signers[d.SignerKind]->setChecked(true);
    SignerChosen();
    ui->meRepresentativeDocument->setText(d.RepresentativeDocument);
    ui->meRepresentativeName->setText(d.RepresentativeName);
    ui->meRepresentativeOrg->setText(d.RepresentativeOrg);

    // Category 4 has no button: "Иное физическое лицо" stays ticked and 5 is stored next time.
    switch (d.PayerCategory) {
    case 0:
        ui->rbEntrepreneur->setChecked(true);
        break;
    case 1:
        ui->rbFarmHead->setChecked(true);
        break;
    case 2:
        ui->rbNotary->setChecked(true);
        break;
    case 3:
        ui->rbLawyer->setChecked(true);
        break;
    case 5:
        ui->rbOtherPerson->setChecked(true);
        break;
    default:
        break;
    }

    ui->chbRussianIncome->setChecked(d.IncomeKinds & IncomeRussia);
    ui->chbForeignIncome->setChecked(d.IncomeKinds & IncomeForeign);
    ui->chbBusinessIncome->setChecked(d.IncomeKinds & IncomeBusiness);
    ui->meEstimatedIncome->SetAmount(d.EstimatedIncome);
    ui->meSheetCount->setText(QString::number(d.SheetCount));
    ui->chbAutoSheetCount->setChecked(false);
    ui->bnInspection->setEnabled(Host().InspectionPicker() != nullptr);

    QRadioButton* kinds[] = {ui->rb3NDFL, ui->rb3NDFLNonResident, ui->rb4NDFL};
    if (d.ReturnKind < 3) kinds[d.ReturnKind]->setChecked(true);
    ReturnKindChosen();
}

void TfrInitialData::Store() {
    mTDeclaration& d = Declaration();
    d.InspectionCode = ui->meInspectionNumber->text();
    d.SignDate = ui->dtSignDate->Value();
    d.SignerKind = ui->rbSignerPersonal->isChecked() ? 0 : ui->rbSignerPerson->isChecked() ? 1 : 2;
    if (ui->rbFarmHead->isChecked())
        d.PayerCategory = 1;
    else if (ui->rbEntrepreneur->isChecked())
        d.PayerCategory = 0;
    else if (ui->rbNotary->isChecked())
        d.PayerCategory = 2;
    else if (ui->rbLawyer->isChecked())
        d.PayerCategory = 3;
    else
        d.PayerCategory = 5;
    d.ReturnKind = ChosenReturnKind();
    // Private practice has no box here: storing the screen drops it.
    d.SetIncomeKinds(ChosenIncomeKinds());
    d.EstimatedIncome = ui->meEstimatedIncome->Amount();
    // A disabled field's text is left over from an earlier choice of signer and is not the signer's.
    const auto representative = [this](const TMaskedEdit* field) {
        return field->isEnabledTo(this) ? field->text() : QString();
    };
    d.RepresentativeDocument = representative(ui->meRepresentativeDocument);
    d.RepresentativeOrg = representative(ui->meRepresentativeOrg);
    d.RepresentativeName = representative(ui->meRepresentativeName);
    d.CorrectionNumber = ui->meCorrectionNumber->value();
    d.AutoSheetCount = 0;
    if (!ui->chbAutoSheetCount->isChecked()) d.SetSheetCount(ui->meSheetCount->text().toInt());
}

quint16 TfrInitialData::Check() {
    TScreenCheck check(this, CheckTitle::Conditions);
    check.Faults(SectionRules::Conditions(Declaration()));
    return check.Result();
}

void TfrInitialData::ShowPosition(quint16 position) {
    switch (position) {
    case ConditionsPosition::Inspection:
        // Without the tax-office picker the code cannot be entered at all, so there is nothing to focus.
        if (ui->bnInspection->isEnabled()) {
            ui->bnInspection->setFocus();
            ui->bnInspection->click();
        }
        break;
    case ConditionsPosition::EstimatedIncome:
        ui->meEstimatedIncome->setFocus();
        break;
    case ConditionsPosition::RepresentativeName:
        ui->meRepresentativeName->setFocus();
        break;
    case ConditionsPosition::RepresentativeDocument:
        ui->meRepresentativeDocument->setFocus();
        break;
    case ConditionsPosition::RepresentativeOrg:
        ui->meRepresentativeOrg->setFocus();
        break;
    default:
        break;
    }
}

quint8 TfrInitialData::ChosenReturnKind() const {
    return ui->rb3NDFL->isChecked()              ? ReturnKind3NDFL
           : ui->rb3NDFLNonResident->isChecked() ? ReturnKind3NDFLNonResident
                                                 : ReturnKind4NDFL;
}

quint8 TfrInitialData::ChosenIncomeKinds() const {
    return quint8((ui->chbRussianIncome->isChecked() ? IncomeRussia : 0) |
                  (ui->chbForeignIncome->isChecked() ? IncomeForeign : 0) |
                  (ui->chbBusinessIncome->isChecked() ? IncomeBusiness : 0));
}

void TfrInitialData::ShowOpenSections() {
    Host().OpenSectionButtons(OpenSections(ChosenReturnKind(), ChosenIncomeKinds()));
}

void TfrInitialData::IncomeBoxClicked(int box) {
    NotifyModified();
    if (box == 3) {
        const bool ticked = ui->chbBusinessIncome->isChecked();
        ui->lbEstimatedIncome->setEnabled(ticked);
        ui->meEstimatedIncome->setEnabled(ticked);
        if (!ticked) ui->meEstimatedIncome->clear();
    }
    ShowOpenSections();
}

void TfrInitialData::ReturnKindChosen() {
    const bool estimated = ui->rb4NDFL->isChecked();
    if (ui->rb3NDFL->isChecked()) {
        ui->chbForeignIncome->setEnabled(true);
        ui->chbBusinessIncome->setEnabled(true);
    } else {
        ui->chbForeignIncome->setChecked(false);
        ui->chbForeignIncome->setEnabled(false);
        ui->chbBusinessIncome->setChecked(false);
        ui->chbBusinessIncome->setEnabled(false);
        if (estimated) ui->chbRussianIncome->setChecked(false);
    }
    ui->chbRussianIncome->setEnabled(!estimated);
    ui->chbAutoSheetCount->setEnabled(!estimated);
    ui->lbRussianIncomeComment->setEnabled(!estimated);
    ui->rbOtherPerson->setEnabled(!estimated);
    if (estimated) {
        if (ui->rbOtherPerson->isChecked()) ui->rbEntrepreneur->setChecked(true);
        ui->gbSheetCount->hide();
    } else {
        ui->rbFarmHead->setEnabled(true);
    }
    ShowOpenSections();
    ui->lbEstimatedIncome->setVisible(estimated);
    ui->meEstimatedIncome->setVisible(estimated);
    if (estimated) {
        ui->lbEstimatedIncome->setEnabled(true);
        ui->meEstimatedIncome->setEnabled(true);
    }
}

void TfrInitialData::SignerChosen() {
    const bool person = !ui->rbSignerPersonal->isChecked();
    const bool organisation = ui->rbSignerOrg->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(ui->lbRepresentativeDocument),
          static_cast<QWidget*>(ui->meRepresentativeDocument),
          static_cast<QWidget*>(ui->lbRepresentativeName), static_cast<QWidget*>(ui->meRepresentativeName)})
        w->setEnabled(person);
    ui->lbRepresentativeOrg->setEnabled(organisation);
    ui->meRepresentativeOrg->setEnabled(organisation);
}

void TfrInitialData::AutoSheetCountClicked() {
    NotifyModified();
    ui->meSheetCount->setEnabled(!ui->chbAutoSheetCount->isChecked());
}

void TfrInitialData::PickInspection() {
    TfmInputInspectionNumber* const found = Host().InspectionPicker();
    if (!found) return;
    TfmInputInspectionNumber& picker = *found;
    picker.Preselect(ui->meInspectionNumber->text());
    if (!picker.Choose()) return;
    if (picker.Code() != ui->meInspectionNumber->text()) ui->meInspectionNumber->setText(picker.Code());
}
