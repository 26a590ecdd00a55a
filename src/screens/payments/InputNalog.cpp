#include "screens/payments/InputNalog.h"

#include "records/Nalog.h"

#include "ui_InputNalog.h"

namespace {

// A row is the 20-digit code, "  | " and the note.
constexpr int CodeLength = 20;
const QString NoteSeparator = QStringLiteral("  | ");

} // namespace

TfmInputNalog::TfmInputNalog(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::TfmInputNalog>()) {
    ui->setupUi(this);
    ui->cbKBK->setCurrentIndex(-1);
    connect(ui->bnYes, &QPushButton::clicked, this, &TfmInputNalog::accept);
    connect(ui->bnNo, &QPushButton::clicked, this, &TfmInputNalog::reject);
}

TfmInputNalog::~TfmInputNalog() = default;

void TfmInputNalog::SetPayment(const mTNalog& payment) {
    ui->cbKBK->setCurrentIndex(ui->cbKBK->findText(payment.PaymentKBK + NoteSeparator + payment.PaymentNote));
    ui->meAmount->setText(payment.PaymentAmount.ToText(TMaskedEdit::DecimalSeparator));
}

void TfmInputNalog::TakePayment(mTNalog& payment) const {
    payment.PaymentKBK = ChosenKBK();
    payment.PaymentNote = ChosenNote();
    payment.PaymentAmount = Amount();
}

QString TfmInputNalog::ChosenKBK() const {
    return ui->cbKBK->currentIndex() < 0 ? QString() : ui->cbKBK->currentText().left(CodeLength);
}

QString TfmInputNalog::ChosenNote() const {
    return ui->cbKBK->currentIndex() < 0 ? QString()
                                         : ui->cbKBK->currentText().mid(CodeLength + NoteSeparator.size());
}

Money TfmInputNalog::Amount() const {
    return ui->meAmount->Amount();
}

void TfmInputNalog::accept() {
    if (ui->cbKBK->currentIndex() < 0) return;
    QDialog::accept();
}
