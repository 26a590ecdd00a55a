#include "screens/payments/Nalog.h"

#include "desktop/UserPrompts.h"
#include "records/Declaration.h"
#include "records/ListLimits.h"
#include "screens/ListEditor.h"
#include "screens/payments/InputNalog.h"
#include "storage/AmountText.h"

#include "ui_Nalog.h"

TfrNalog::TfrNalog(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrNalog>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frNalog"));
    ListRecords records;
    records.Headings = {QStringLiteral("Сумма"), QStringLiteral("КБК"), QStringLiteral("Примечание")};
    records.Noun = QStringLiteral("платежа");
    records.Name = [this](int row) {
        const mTNalog& p = *Declaration().TaxPayments.At(row);
        return GroupedAmountText(p.PaymentAmount) +
               (p.PaymentKBK.isEmpty() ? QString() : QStringLiteral(", КБК ") + p.PaymentKBK);
    };
    records.Count = [this] { return Declaration().TaxPayments.Count(); };
    records.RowTexts = [this](int row) {
        const mTNalog& p = *Declaration().TaxPayments.At(row);
        return QStringList{GroupedAmountText(p.PaymentAmount), p.PaymentKBK, p.PaymentNote};
    };
    records.Add = [this] { return AddPayment(); };
    records.Edit = [this](int row) { return EditPayment(row); };
    records.Delete = [this](int row) { Declaration().TaxPayments.Delete(row); };
    list_ = std::make_unique<TListEditor>(
        Host(), ui->lvPayments,
        ListButtons{.Add = ui->fbAddPayment, .Edit = ui->fbEditPayment, .Delete = ui->fbDeletePayment},
        std::move(records));
    ui->lvPayments->setColumnWidth(0, 80);
    ui->lvPayments->setColumnWidth(1, 175);

    LoadingScope loading(Host());
    list_->Rebuild();
}

TfrNalog::~TfrNalog() = default;

void TfrNalog::Store() {}

quint16 TfrNalog::Check() {
    return 0;
}

void TfrNalog::ShowPosition(quint16) {}

void TfrNalog::AfterSectionOpened() {
    list_->ShowRow(0);
}

std::optional<int> TfrNalog::AddPayment() {
    mTDeclaration& d = Declaration();
    const QString refusal =
        ListLimits::RefusalToAdd(ListLimits::List::TaxPayments, d.TaxPayments.Count(), d.ReturnKind);
    if (!refusal.isEmpty()) {
        UserPrompts::Current().Message(this, QMessageBox::Warning, refusal);
        return std::nullopt;
    }
    TfmInputNalog dialog(this);
    if (dialog.exec() != QDialog::Accepted || dialog.Amount().IsZero()) return std::nullopt;
    auto payment = std::make_unique<mTNalog>();
    dialog.TakePayment(*payment);
    return d.TaxPayments.Add(std::move(payment));
}

bool TfrNalog::EditPayment(int row) {
    mTNalog& payment = *Declaration().TaxPayments.At(row);
    TfmInputNalog dialog(this);
    dialog.SetPayment(payment);
    if (dialog.exec() != QDialog::Accepted || dialog.Amount().IsZero()) return false;
    mTNalog edited;
    dialog.TakePayment(edited);
    // A change of the code row alone is a change too: it must reach the save question.
    const bool changed = edited.PaymentKBK != payment.PaymentKBK ||
                         edited.PaymentNote != payment.PaymentNote ||
                         edited.PaymentAmount != payment.PaymentAmount;
    dialog.TakePayment(payment);
    return changed;
}
