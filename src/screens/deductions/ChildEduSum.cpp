#include "screens/deductions/ChildEduSum.h"

#include "ui_ChildEduSum.h"

TfmChildEduSum::TfmChildEduSum(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfmChildEduSum>()) {
    ui->setupUi(this);
}

TfmChildEduSum::~TfmChildEduSum() = default;

std::optional<Money> TfmChildEduSum::Enter(std::optional<Money> amount) {
    if (amount)
        ui->meSum->SetAmount(*amount);
    else
        ui->meSum->clear();
    ui->meSum->setFocus();
    ui->meSum->selectAll();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ui->meSum->Amount();
}
