#include "screens/income/ThirtyPercent.h"

#include "records/Declaration.h"
#include "screens/ListEditor.h"
#include "screens/income/Input30SourseIncome.h"
#include "screens/income/PayerSourceList.h"
#include "screens/income/RoomToAdd.h"
#include "storage/AmountText.h"

#include "ui_ThirtyPercent.h"

namespace {

// The code of dividends, which every source of this list declares.
constexpr qint32 DividendIncomeCode = 1010;

} // namespace

TfrThirtyPercent::TfrThirtyPercent(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrThirtyPercent>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frThirtyPercent"));
    // Kept for the taxable amount and the computed tax, which the screen does not show.
    for (QWidget* w : std::initializer_list<QWidget*>{ui->lbTaxableIncome, ui->pnTaxableIncome,
                                                      ui->lbTaxComputed, ui->pnTaxComputed})
        w->setVisible(false);

    ListRecords sources = PayerSourceRecords<mTRecordList<mTThirtyPercent>>([this]() -> auto& {
        return Declaration().IncomeSources30;
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

TfrThirtyPercent::~TfrThirtyPercent() = default;

void TfrThirtyPercent::AfterSectionOpened() {
    sources_->ShowRow(0);
}

std::optional<int> TfrThirtyPercent::AddSource() {
    auto& list = Declaration().IncomeSources30;
    if (!RoomToAdd(this, ListLimits::List::IncomeSources30, list.Count(), Declaration().ReturnKind))
        return std::nullopt;
    TfmInput30SourseIncome dialog(this);
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty()) return std::nullopt;
    const int row = list.Add();
    dialog.WriteTo(*list.At(row));
    list.At(row)->IncomeCode = DividendIncomeCode;
    return row;
}

bool TfrThirtyPercent::EditSource(int row) {
    TfmInput30SourseIncome dialog(this);
    {
        LoadingScope loading(Host());
        dialog.Fill(*Declaration().IncomeSources30.At(row));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty()) return false;
    return dialog.WriteTo(*Declaration().IncomeSources30.At(row));
}

void TfrThirtyPercent::ShowSource(int row) {
    const mTThirtyPercent& source = *Declaration().IncomeSources30.At(row);
    ui->pnIncomeTotal->setText(GroupedAmountText(source.IncomeTotal));
    ui->pnTaxWithheld->setText(GroupedAmountText(source.TaxWithheld));
    ui->pnTaxableIncome->setText(GroupedAmountText(source.TaxableIncome));
    ui->pnTaxComputed->setText(GroupedAmountText(source.TaxComputed));
}

void TfrThirtyPercent::ClearSource() {
    for (QLineEdit* w : {ui->pnIncomeTotal, ui->pnTaxWithheld, ui->pnTaxableIncome, ui->pnTaxComputed})
        w->clear();
}
