#include "screens/income/ThirtyFivePercent.h"

#include "records/Declaration.h"
#include "screens/ListEditor.h"
#include "screens/income/Input35SourseIncome.h"
#include "screens/income/PayerSourceList.h"
#include "screens/income/RoomToAdd.h"
#include "storage/AmountText.h"

#include "ui_ThirtyFivePercent.h"

namespace {

QString CodeText(qint32 code) {
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
}

} // namespace

TfrThirtyFivePercent::TfrThirtyFivePercent(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrThirtyFivePercent>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frThirtyFivePercent"));
    ListRecords sources = PayerSourceRecords<mTRecordList<mTThirtyFivePercent>>([this]() -> auto& {
        return Declaration().IncomeSources35;
    });
    sources.Add = [this] { return AddSource(); };
    sources.Edit = [this](int row) { return EditSource(row); };
    sources.ShowDetail = [this](int row) { ShowSource(row); };
    sources.ClearDetail = [this] { ClearSource(); };
    sources_ = std::make_unique<TListEditor>(
        host, ui->lvSources, ListButtons{ui->fbAddSource, ui->fbEditSource, ui->fbDeleteSource, nullptr},
        std::move(sources));
    LoadingScope loading(Host());
    sources_->Rebuild();
}

TfrThirtyFivePercent::~TfrThirtyFivePercent() = default;

void TfrThirtyFivePercent::AfterSectionOpened() {
    sources_->ShowRow(0);
}

std::optional<int> TfrThirtyFivePercent::AddSource() {
    auto& list = Declaration().IncomeSources35;
    if (!RoomToAdd(this, ListLimits::List::IncomeSources35, list.Count(), Declaration().ReturnKind))
        return std::nullopt;
    TfmInput35SourseIncome dialog(this, Host().Dictionary());
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty() ||
        dialog.IncomeCode() == 0)
        return std::nullopt;
    const int row = list.Add();
    dialog.WriteTo(*list.At(row));
    return row;
}

bool TfrThirtyFivePercent::EditSource(int row) {
    TfmInput35SourseIncome dialog(this, Host().Dictionary());
    {
        LoadingScope loading(Host());
        dialog.Fill(*Declaration().IncomeSources35.At(row));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty() ||
        dialog.IncomeCode() == 0)
        return false;
    return dialog.WriteTo(*Declaration().IncomeSources35.At(row));
}

void TfrThirtyFivePercent::ShowSource(int row) {
    const mTThirtyFivePercent& source = *Declaration().IncomeSources35.At(row);
    ui->pnIncomeCode->setText(CodeText(source.IncomeCode));
    ui->pnIncomeTotal->setText(GroupedAmountText(source.IncomeTotal));
    ui->pnDeductionCode->setText(CodeText(source.DeductionCode));
    ui->pnDeductionAmount->setText(GroupedAmountText(source.DeductionAmount));
    ui->pnTaxWithheld->setText(GroupedAmountText(source.TaxWithheld));
}

void TfrThirtyFivePercent::ClearSource() {
    for (QLineEdit* w :
         {ui->pnIncomeCode, ui->pnIncomeTotal, ui->pnDeductionCode, ui->pnDeductionAmount, ui->pnTaxWithheld})
        w->clear();
}
