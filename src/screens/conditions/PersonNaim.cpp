#include "screens/conditions/PersonNaim.h"

#include "controls/MaskedDocEdit.h"
#include "reference/pickers/CountryPicker.h"
#include "screens/ScreenCheck.h"
#include "screens/conditions/DocType.h"
#include "shell/Main.h"
#include "storage/Declaration.h"

#include "ui_PersonNaim.h"

TfrPersonNaim::TfrPersonNaim(QWidget* owner, DeclarationField* declarationRef)
    : TThinkingFrame(owner, declarationRef), ui(std::make_unique<Ui::TfrPersonNaim>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frPersonNaim"));
    connect(ui->bnDocType, &QPushButton::clicked, this, [this] { PickDocType(); });
    connect(ui->bnCountry, &QPushButton::clicked, this, [this] { PickCountry(); });
    // A changed citizenship is a change of the declaration like any other: without the notice,
    // closing the program would not offer to save it.
    for (QRadioButton* rb : {ui->rbCitizen, ui->rbStateless})
        connect(rb, &QRadioButton::clicked, this, [this] { NotifyModified(); });
    TLoadingScope loading(MainForm());
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
        ui->meDocSerial->SetEditType(TMaskedDocEdit::KindForDocument(p.DocTypeCode));
    }
    const QDate today = QDate::currentDate();
    ui->dtDocIssueDate->SetRange(QDate(1900, 1, 1), today);
    ui->dtDocIssueDate->SetValue(p.DocIssueDate);
    ui->dtBirthDate->SetRange(QDate(1900, 1, 1), today);
    ui->dtBirthDate->SetValue(p.BirthDate);
    (p.CitizenshipSign == QLatin1String("2") ? ui->rbStateless : ui->rbCitizen)->setChecked(true);
    ui->meCountryName->setText(p.CountryName);
    ui->meCountryCode->setText(p.CountryCode);
    const TFormMain* form = MainForm();
    ui->bnCountry->setEnabled(form && form->CountryPickerReady);
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
    TScreenCheck check(this, QStringLiteral("Сведения о декларанте"));
    check.Faults(SectionRules::Person(Declaration(), SectionRules::InnRequired::Always));
    return check.Result();
}

void TfrPersonNaim::ShowPosition(quint16 position) {
    // A field hidden for this kind of return (the place of birth of a 4-NDFL return) cannot take the
    // focus; the position then shows nothing.
    QWidget* field = nullptr;
    switch (position) {
    case PosSurName:
        field = ui->meSurName;
        break;
    case PosFirstName:
        field = ui->meFirstName;
        break;
    case PosPatronymic:
        field = ui->mePatronymic;
        break;
    case PosINN:
        field = ui->meINN;
        break;
    case PosDocType:
        if (ui->bnDocType->isVisibleTo(this)) {
            ui->bnDocType->setFocus();
            ui->bnDocType->click();
        }
        return;
    case PosDocSerial:
        field = ui->meDocSerial;
        break;
    case PosDocIssueDate:
        field = ui->dtDocIssueDate;
        break;
    case PosDocIssuedBy:
        field = ui->meDocIssuedBy;
        break;
    case PosBirthPlace:
        field = ui->meBirthPlace;
        break;
    case PosOKATO:
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
    ui->dtDocIssueDate->SetValue(DateValue::FromYmd(1990, 1, 1));
    ui->meDocIssuedBy->clear();
    ui->meDocSerial->SetEditType(TfmDocType::FormatForPickedKind(docTypeCode_, ui->meDocSerial->EditType()));
}

void TfrPersonNaim::PickCountry() {
    TFormMain* form = MainForm();
    if (!form || !form->CountryPicker) return;
    TfmGrazhd& picker = *form->CountryPicker;
    picker.Preselect(ui->meCountryCode->text());
    if (!picker.Choose()) return;
    if (picker.Code() == ui->meCountryCode->text()) return;
    ui->meCountryCode->setText(picker.Code());
    ui->meCountryName->setText(picker.Name());
    NotifyModified();
}
