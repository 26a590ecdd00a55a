#include "dialogs/CheckAllError.h"

#include "ui_CheckAllError.h"

TfmCheckAllError::TfmCheckAllError(QWidget* owner)
    : TCheckDialog(owner), ui(std::make_unique<Ui::TfmCheckAllError>()) {
    ui->setupUi(this);
    Setup(ui->imPicture, ui->lbMessage);
    connect(ui->bnFix, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::Fix) + 1); });
    connect(ui->bnCancel, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::Cancel) + 1); });
}

TfmCheckAllError::~TfmCheckAllError() = default;
