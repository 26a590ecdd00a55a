#include "screens/conditions/PersonNaim.h"

#include "checks/ScreenPositions.h"
#include "controls/MaskedDocEdit.h"
#include "pickers/CountryPicker.h"
#include "pickers/DocType.h"
#include "records/Declaration.h"
#include "records/StartingDates.h"
#include "reference/DocumentKinds.h"
#include "screens/ScreenCheck.h"

#include "ui_PersonNaim.h"

TfrPersonNaim::TfrPersonNaim(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrPersonNaim>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frPersonNaim"));
    connect(ui->bnDocType, &QPushButton::clicked, this, [this] { PickDocType(); });
    connect(ui->bnCountry, &QPushButton::clicked, this, [this] { PickCountry(); });
    // A changed citizenship is a change of the declaration like any other: without the notice,
    // closing the program would not offer to save it.
    for (QRadioButton* rb : {ui->rbCitizen, ui->rbStateless})
        connect(rb, &QRadioButton::clicked, this, [this] { NotifyModified(); });
    LoadingScope loading(Host());
    Fill();
}

TfrPersonNaim::~TfrPersonNaim() = default;

void TfrPersonNaim::Fill() {
    const mTDeclaration& d = Declaration();
    const mTPersonInformation& p = d.Person;
    const bool estimated = d.ReturnKind == ReturnKind4NDFL;
    for (QWidget* w : std::initializer_list<QWidget*>{ui->gbDocument, ui->gbCitizenship, ui->lbBirthPlace,
                                                      ui->meBirthPlace, ui->lbBirthDate, ui->dtBirthDate})
        w->setVisible(!estimated);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->lbOKATO, ui->meOKATO, ui->lbPhone, ui->mePhone})
        w->setVisible(estimated);

    ui->meSurName->setText(p.SurName);
    ui->meFirstName->setText(p.FirstName);
    ui->mePatronymic->setText(p.Patronymic);
    ui->meINN->setText(p.INN);
    ui->meOKATO->setText(p.OKATO);
    ui->mePhone->setText(p.HomePhone);
    ui->meBirthPlace->setText(p.BirthPlace);
    ui->meDocIssuedBy->setText(p.DocIssuedBy);
    docTypeCode_ = p.DocTypeCode;
    ui->pnDocType->setText(p.DocTypeName);
    if (!p.DocTypeName.isEmpty()) {
        ui->meDocSerial->setText(p.DocSerial);
        OpenDocumentFields();
        ui->meDocSerial->SetEditType(DocumentNumberFormat(p.DocTypeCode));
    }
    const QDate today = QDate::currentDate();
    ui->dtDocIssueDate->SetRange(QDate(1900, 1, 1), today);
    ui->dtDocIssueDate->SetValue(p.DocIssueDate);
    ui->dtBirthDate->SetRange(QDate(1900, 1, 1), today);
    ui->dtBirthDate->SetValue(p.BirthDate);
    (p.CitizenshipSign == QLatin1String("2") ? ui->rbStateless : ui->rbCitizen)->setChecked(true);
    ui->meCountryName->setText(p.CountryName);
    ui->meCountryCode->setText(p.CountryCode);
    ui->bnCountry->setEnabled(Host().CountryPicker() != nullptr);
}

void TfrPersonNaim::OpenDocumentFields() {
    ui->meDocSerial->setEnabled(true);
    ui->dtDocIssueDate->setEnabled(true);
    ui->meDocIssuedBy->setEnabled(true);
}

void TfrPersonNaim::Store() {
    mTPersonInformation& p = Declaration().Person;
    p.SurName = ui->meSurName->text();
    p.FirstName = ui->meFirstName->text();
    p.Patronymic = ui->mePatronymic->text();
    p.INN = ui->meINN->text();
    p.DocTypeCode = quint16(docTypeCode_);
    p.DocTypeName = ui->pnDocType->text();
    p.DocSerial = ui->meDocSerial->text();
    p.DocIssueDate = ui->dtDocIssueDate->Value();
    p.BirthDate = ui->dtBirthDate->Value();
    p.DocIssuedBy = ui->meDocIssuedBy->text();
    p.BirthPlace = ui->meBirthPlace->text();
    p.OKATO = ui->meOKATO->text();
    p.HomePhone = ui->mePhone->text();
    p.CitizenshipSign = ui->rbCitizen->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
    p.CountryName = ui->meCountryName->text();
    p.CountryCode = ui->meCountryCode->text();
}

quint16 TfrPersonNaim::Check() {
    // Here every taxpayer is asked for the INN; the whole-declaration check asks only where the return
    // needs it.
    TScreenCheck check(this, CheckTitle::Person);
    check.Faults(SectionRules::Person(Declaration(), SectionRules::InnRequired::Always));
    return check.Result();
}

void TfrPersonNaim::ShowPosition(quint16 position) {
    // A field hidden for this kind of return (the place of birth of a 4-NDFL return) cannot take the
    // focus; the position then shows nothing.
    QWidget* field = nullptr;
    switch (position) {
    case PersonPosition::SurName:
        field = ui->meSurName;
        break;
    case PersonPosition::FirstName:
        field = ui->meFirstName;
        break;
    case PersonPosition::Patronymic:
        field = ui->mePatronymic;
        break;
    case PersonPosition::INN:
        field = ui->meINN;
        break;
    case PersonPosition::DocType:
        if (ui->bnDocType->isVisibleTo(this)) {
            ui->bnDocType->setFocus();
            ui->bnDocType->click();
        }
        return;
    case PersonPosition::DocSerial:
        field = ui->meDocSerial;
        break;
    case PersonPosition::DocIssueDate:
        field = ui->dtDocIssueDate;
        break;
    case PersonPosition::DocIssuedBy:
        field = ui->meDocIssuedBy;
        break;
    case PersonPosition::BirthPlace:
        field = ui->meBirthPlace;
        break;
    case PersonPosition::BirthDate:
        field = ui->dtBirthDate;
        break;
    case PersonPosition::OKATO:
        field = ui->meOKATO;
        break;
    default:
        return;
    }
    if (field->isVisibleTo(this)) field->setFocus();
}

void TfrPersonNaim::PickDocType() {
    TfmDocType picker(this);
    picker.Preselect(docTypeCode_);
    if (!picker.Choose() || picker.Name() == ui->pnDocType->text()) return;
    NotifyModified();
    docTypeCode_ = picker.ChosenCode();
    ui->pnDocType->setText(picker.Name());
    if (picker.Name().isEmpty()) return;
    ui->meDocSerial->clear();
    OpenDocumentFields();
    ui->dtDocIssueDate->SetValue(StartingDate::DocumentIssue());
    ui->meDocIssuedBy->clear();
    ui->meDocSerial->SetEditType(PickedDocumentNumberFormat(docTypeCode_, ui->meDocSerial->EditType()));
}

void TfrPersonNaim::PickCountry() {
    TfmGrazhd* const found = Host().CountryPicker();
    if (!found) return;
    TfmGrazhd& picker = *found;
    picker.Preselect(ui->meCountryCode->text());
    if (!picker.Choose()) return;
    if (picker.Code() == ui->meCountryCode->text()) return;
    ui->meCountryCode->setText(picker.Code());
    ui->meCountryName->setText(picker.Name());
    NotifyModified();
}
