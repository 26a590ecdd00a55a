#include "dialogs/CheckError.h"

#include "ui_CheckError.h"

TfmCheckError::TfmCheckError(QWidget* owner)
    : TCheckDialog(owner), ui(std::make_unique<Ui::TfmCheckError>()) {
    ui->setupUi(this);
    Setup(ui->imPicture, ui->lbMessage);
    connect(ui->bnFix, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::Fix) + 1); });
    connect(ui->bnSkip, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::Skip) + 1); });
    connect(ui->bnSkipAll, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::SkipAll) + 1); });
}

TfmCheckError::~TfmCheckError() = default;

void TfmCheckError::SetSkipEnabled(bool enabled) {
    ui->bnSkip->setEnabled(enabled);
}

void TfmCheckError::SetSkipAllEnabled(bool enabled) {
    ui->bnSkipAll->setEnabled(enabled);
}
