#include "screens/income/ThirteenPercent.h"

#include "checks/CheckResult.h"
#include "checks/SectionRules.h"
#include "controls/FlashButton.h"
#include "explain/ExplainText.h"
#include "records/Declaration.h"
#include "screens/ListEditor.h"
#include "screens/ScreenCheck.h"
#include "screens/income/Input13Income.h"
#include "screens/income/Input13NRIncome.h"
#include "screens/income/Input13SourseIncome.h"
#include "screens/income/PayerSourceList.h"
#include "screens/income/RoomToAdd.h"
#include "storage/AmountText.h"

#include "ui_ThirteenPercent.h"

#include <QHeaderView>

namespace {

QString CodeText(qint32 code) {
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
}

QString AmountText(Money amount) {
    return amount.IsZero() ? QStringLiteral("-") : GroupedAmountText(amount);
}

QString TotalText(Money amount) {
    return amount.IsZero() ? QString() : AmountFieldText(amount);
}

// How the undo menu names an income line: its month and income code.
QString LineName(const mTSourseIncome& line) {
    const QString code = QStringLiteral("код %1").arg(line.IncomeCode);
    return line.Month >= 1 && line.Month <= 12 ? MonthName(line.Month) + QStringLiteral(", ") + code : code;
}

bool SameLine(const mTSourseIncome& a, const mTSourseIncome& b) {
    return a.IncomeCode == b.IncomeCode && a.IncomeCodeName == b.IncomeCodeName &&
           a.IncomeAmount == b.IncomeAmount && a.DeductionCode == b.DeductionCode &&
           a.DeductionAmount == b.DeductionAmount && a.DeductionPercent == b.DeductionPercent &&
           a.Month == b.Month;
}

} // namespace

TfrThirteenPercent::TfrThirteenPercent(QWidget* owner, ScreenHost& host)
    : TfrThirteenPercent(owner, host, SourceList::IncomeSources13) {}

TfrThirteenPercent::TfrThirteenPercent(QWidget* owner, ScreenHost& host, SourceList list)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrThirteenPercent>()), list_(list) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frThirteenPercent"));
    ui->lvIncomes->header()->setSectionResizeMode(QHeaderView::Stretch);

    ListRecords sources =
        PayerSourceRecords<mTRecordList<mTThirteenPercent>>([this]() -> auto& { return Sources(); });
    sources.LineCount = [this](int row) { return Sources().At(row)->LineCount(); };
    sources.Add = [this] { return AddSource(); };
    sources.Edit = [this](int row) { return EditSource(row); };
    sources.ShowDetail = [this](int row) { ShowSource(row); };
    sources.StoreDetail = [this](int row) { StoreTotals(row); };
    sources.ClearDetail = [this] { ClearSource(); };
    sources_ = std::make_unique<TListEditor>(
        host, ui->lvSources, ListButtons{ui->fbAddSource, ui->fbEditSource, ui->fbDeleteSource, nullptr},
        std::move(sources));

    ListRecords lines;
    lines.Headings = {QStringLiteral("Месяц дохода"), QStringLiteral("Код дохода"),
                      QStringLiteral("Сумма дохода"), QStringLiteral("Код вычета"),
                      QStringLiteral("Сумма вычета")};
    lines.Noun = QStringLiteral("строки дохода");
    lines.Name = [this](int row) { return LineName(*CurrentSource()->Line(row)); };
    lines.Count = [this] { return CurrentSource() ? CurrentSource()->LineCount() : 0; };
    lines.RowTexts = [this](int row) { return LineTexts(row); };
    lines.Add = [this] { return AddLine(); };
    lines.Edit = [this](int row) { return EditLine(row); };
    lines.Delete = [this](int row) { DeleteLine(row); };
    lines.Repeat = [this](int row) { return RepeatLine(row); };
    lines_ = std::make_unique<TListEditor>(
        host, ui->lvIncomes,
        ListButtons{ui->fbAddIncome, ui->fbEditIncome, ui->fbDeleteIncome, ui->fbRepeatIncome},
        std::move(lines));

    LoadingScope loading(Host());
    const mTDeclaration& d = Declaration();
    ui->gbAdvancePayments->setVisible(list_ == SourceList::IncomeSources13NR ||
                                      d.ReturnKind == ReturnKind3NDFL);
    ui->meFixedAdvancePayments->setText(AmountFieldText(d.FixedAdvancePayments));
    sources_->Rebuild();
}

TfrThirteenPercent::~TfrThirteenPercent() = default;

mTRecordList<mTThirteenPercent>& TfrThirteenPercent::Sources() const {
    mTDeclaration& d = Declaration();
    return list_ == SourceList::IncomeSources13NR ? d.IncomeSources13NR : d.IncomeSources13;
}

mTThirteenPercent* TfrThirteenPercent::CurrentSource() const {
    const int row = sources_ ? sources_->CurrentRow() : -1;
    return row >= 0 ? Sources().At(row) : nullptr;
}

bool TfrThirteenPercent::NonResident() const {
    return Declaration().ReturnKind == ReturnKind3NDFLNonResident;
}

void TfrThirteenPercent::Store() {
    sources_->StoreCurrent();
    Declaration().FixedAdvancePayments = ui->meFixedAdvancePayments->Amount();
}

quint16 TfrThirteenPercent::Check() {
    TScreenCheck check(this, CheckTitle::Income13);
    check.Faults(SectionRules::Income13Withheld(Declaration()));
    return check.Result();
}

void TfrThirteenPercent::ShowPosition(quint16 position) {
    if (position >= 1) sources_->ShowRow(position - 1);
}

void TfrThirteenPercent::ShowLine(quint16 line) {
    if (line >= 1) lines_->ShowRow(line - 1);
}

void TfrThirteenPercent::AfterSectionOpened() {
    sources_->ShowRow(0);
}

// --- Sources ---------------------------------------------------------------------------------------

std::optional<int> TfrThirteenPercent::AddSource() {
    const ListLimits::List list = list_ == SourceList::IncomeSources13NR ? ListLimits::List::IncomeSources13NR
                                                                         : ListLimits::List::IncomeSources13;
    if (!RoomToAdd(this, list, Sources().Count(), Declaration().ReturnKind)) return std::nullopt;
    TfmInput13SourseIncome dialog(this, NonResident());
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty()) return std::nullopt;
    const int row = Sources().Add();
    dialog.WriteTo(*Sources().At(row));
    return row;
}

bool TfrThirteenPercent::EditSource(int row) {
    TfmInput13SourseIncome dialog(this, NonResident());
    {
        LoadingScope loading(Host());
        dialog.Fill(*Sources().At(row));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty()) return false;
    return dialog.WriteTo(*Sources().At(row));
}

void TfrThirteenPercent::ShowSource(int row) {
    const mTThirteenPercent& source = *Sources().At(row);
    EnableLineControls(true);
    lines_->Rebuild();
    lines_->SelectRow(source.LineCount() > 0 ? 0 : -1);
    ui->pnIncomeTotal->setText(GroupedAmountText(source.IncomeTotal));
    // The certificate's totals are typed; a zero shows as an empty field, ready for them.
    ui->meTaxWithheld->setText(TotalText(source.TaxWithheld));
    ui->meTaxableIncome->setText(TotalText(source.TaxableIncome));
    ui->meTaxComputed->setText(TotalText(source.TaxComputed));
}

void TfrThirteenPercent::StoreTotals(int row) {
    mTThirteenPercent& source = *Sources().At(row);
    source.TaxWithheld = ui->meTaxWithheld->Amount();
    source.TaxableIncome = ui->meTaxableIncome->Amount();
    source.TaxComputed = ui->meTaxComputed->Amount();
}

void TfrThirteenPercent::ClearSource() {
    lines_->Rebuild();
    EnableLineControls(false);
}

void TfrThirteenPercent::EnableLineControls(bool enabled) {
    lines_->SetEnabled(enabled);
    for (QWidget* w : {static_cast<QWidget*>(ui->meTaxableIncome), static_cast<QWidget*>(ui->meTaxComputed),
                       static_cast<QWidget*>(ui->meTaxWithheld)})
        w->setEnabled(enabled);
    if (enabled) return;
    ui->pnIncomeTotal->clear();
    ui->meTaxableIncome->clear();
    ui->meTaxComputed->clear();
    ui->meTaxWithheld->clear();
}

void TfrThirteenPercent::ShowIncomeTotal() {
    const mTThirteenPercent* source = CurrentSource();
    ui->pnIncomeTotal->setText(source ? GroupedAmountText(source->IncomeTotal) : QString());
}

// --- Income lines ----------------------------------------------------------------------------------

std::unique_ptr<TfmInput13Income> TfrThirteenPercent::MakeLineDialog() {
    if (list_ == SourceList::IncomeSources13NR)
        return std::make_unique<TfmInput13NRIncome>(this, Host().Dictionary());
    return std::make_unique<TfmInput13Income>(
        this, NonResident() ? TfmInput13Income::Mode::NonResident : TfmInput13Income::Mode::Resident,
        Host().Dictionary());
}

QStringList TfrThirteenPercent::LineTexts(int row) const {
    const mTSourseIncome& line = *CurrentSource()->Line(row);
    return {CodeText(line.Month), CodeText(line.IncomeCode), AmountText(line.IncomeAmount),
            CodeText(line.DeductionCode), AmountText(line.DeductionAmount)};
}

std::optional<int> TfrThirteenPercent::AddLine() {
    mTThirteenPercent* source = CurrentSource();
    if (!source) return std::nullopt;
    if (!RoomToAdd(this, ListLimits::List::IncomeLines, source->LineCount(), Declaration().ReturnKind))
        return std::nullopt;
    const std::unique_ptr<TfmInput13Income> dialog = MakeLineDialog();
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    const mTSourseIncome line = dialog->Line();
    if (line.IncomeCode == 0) return std::nullopt;
    const int row = source->AddLine(line);
    ShowIncomeTotal();
    return row;
}

bool TfrThirteenPercent::EditLine(int row) {
    mTThirteenPercent* source = CurrentSource();
    const std::unique_ptr<TfmInput13Income> dialog = MakeLineDialog();
    {
        LoadingScope loading(Host());
        dialog->Open(*source->Line(row));
    }
    if (dialog->exec() != QDialog::Accepted) return false;
    const mTSourseIncome line = dialog->Line();
    if (SameLine(line, *source->Line(row))) return false;
    source->ReplaceLine(row, line);
    ShowIncomeTotal();
    return true;
}

void TfrThirteenPercent::DeleteLine(int row) {
    CurrentSource()->ReplaceLine(row, nullptr);
    ShowIncomeTotal();
}

std::optional<int> TfrThirteenPercent::RepeatLine(int row) {
    mTThirteenPercent* source = CurrentSource();
    if (!RoomToAdd(this, ListLimits::List::IncomeLines, source->LineCount(), Declaration().ReturnKind))
        return std::nullopt;
    mTSourseIncome copy = *source->Line(row);
    copy.Month = quint16(std::min(copy.Month + 1, 12));
    const int added = source->AddLine(copy);
    ShowIncomeTotal();
    return added;
}
