#include "screens/income/Input13SourseIncome.h"

#include "records/ThirteenPercent.h"
#include "screens/income/PayerFields.h"

#include "ui_Input13SourseIncome.h"

TfmInput13SourseIncome::TfmInput13SourseIncome(QWidget* owner, bool nonResident)
    : QDialog(owner), ui(std::make_unique<Ui::TfmInput13SourseIncome>()) {
    ui->setupUi(this);
    ui->chbPrimaryWorkplase->setVisible(!nonResident);
    connect(ui->bnYes, &QPushButton::clicked, this, &TfmInput13SourseIncome::Yes);
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
}

TfmInput13SourseIncome::~TfmInput13SourseIncome() = default;

void TfmInput13SourseIncome::Fill(const mTThirteenPercent& source) {
    ui->meSourseName->setText(source.SourceName);
    ui->meINN->setText(source.SourceINN);
    ui->meKPP->setText(source.SourceKPP);
    ui->meOKATO->setText(source.SourceOKATO);
    ui->chbPrimaryWorkplase->setChecked(source.StandardDeductionSource != 0);
}

bool TfmInput13SourseIncome::WriteTo(mTThirteenPercent& source) const {
    const quint8 primary = ui->chbPrimaryWorkplase->isChecked() ? 1 : 0;
    const bool changed = source.SourceName != ui->meSourseName->text() ||
                         source.SourceINN != ui->meINN->text() || source.SourceKPP != ui->meKPP->text() ||
                         source.SourceOKATO != ui->meOKATO->text() ||
                         source.StandardDeductionSource != primary;
    source.SourceName = ui->meSourseName->text();
    source.SourceINN = ui->meINN->text();
    source.SourceKPP = ui->meKPP->text();
    source.SourceOKATO = ui->meOKATO->text();
    source.StandardDeductionSource = primary;
    return changed;
}

QString TfmInput13SourseIncome::SourceName() const {
    return ui->meSourseName->text();
}

void TfmInput13SourseIncome::Yes() {
    if (CheckPayerFields(this, QStringLiteral("Доходы, облагаемые по ставке 13%"),
                         PayerKind::OrganisationOrPerson,
                         {ui->meSourseName, ui->meINN, ui->meKPP, ui->meOKATO}))
        accept();
}
