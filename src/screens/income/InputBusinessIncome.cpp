#include "screens/income/InputBusinessIncome.h"

#include "pickers/OkvedPicker.h"

#include "ui_InputBusinessIncome.h"

TfmInputBusinessIncome::TfmInputBusinessIncome(QWidget* owner, const mTOkvedClassifier* classifier)
    : QDialog(owner), ui(std::make_unique<Ui::TfmInputBusinessIncome>()), classifier_(classifier) {
    ui->setupUi(this);
    for (QRadioButton* rb : {ui->rbBusiness, ui->rbNotary, ui->rbLawyer, ui->rbOther})
        connect(rb, &QRadioButton::toggled, this, [this] { KindChanged(); });
    connect(ui->bnOKVED, &QPushButton::clicked, this, [this] { PickCode(); });
    connect(ui->bnYes, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
    KindChanged();
}

TfmInputBusinessIncome::~TfmInputBusinessIncome() = default;

QString TfmInputBusinessIncome::Kind() const {
    if (ui->rbNotary->isChecked()) return QStringLiteral("2");
    if (ui->rbLawyer->isChecked()) return QStringLiteral("3");
    if (ui->rbOther->isChecked()) return QStringLiteral("4");
    return QStringLiteral("1");
}

void TfmInputBusinessIncome::SetKind(const QString& kind) {
    QRadioButton* chosen = ui->rbBusiness;
    if (kind == QLatin1String("2")) chosen = ui->rbNotary;
    if (kind == QLatin1String("3")) chosen = ui->rbLawyer;
    if (kind == QLatin1String("4")) chosen = ui->rbOther;
    chosen->setChecked(true);
}

QString TfmInputBusinessIncome::Code() const {
    return ui->edOKVED->text();
}

void TfmInputBusinessIncome::SetCode(const QString& code) {
    ui->edOKVED->setText(code);
}

void TfmInputBusinessIncome::KindChanged() {
    // Another kind keeps a code already shown: switching back must not lose it.
    const bool entrepreneur = ui->rbBusiness->isChecked();
    ui->lbOKVED->setEnabled(entrepreneur);
    ui->bnOKVED->setEnabled(entrepreneur && classifier_);
}

void TfmInputBusinessIncome::PickCode() {
    if (!classifier_) return;
    TFormOKVED picker(this, *classifier_);
    if (picker.exec() == QDialog::Accepted) ui->edOKVED->setText(picker.ChosenCode());
}
