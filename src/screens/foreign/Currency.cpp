#include "screens/foreign/Currency.h"

#include "checks/CheckResult.h"
#include "checks/SectionRules.h"
#include "pickers/CurrencyPicker.h"
#include "pickers/DeductCodePicker.h"
#include "pickers/IncomeCodePicker.h"
#include "records/Declaration.h"
#include "records/ListLimits.h"
#include "reference/CurrencyRates.h"
#include "reference/DeductionProposal.h"
#include "screens/ListEditor.h"
#include "screens/ScreenCheck.h"
#include "screens/foreign/InputCurrencySourseIncome.h"
#include "storage/AmountText.h"

#include "ui_Currency.h"

#include <QMessageBox>
#include <QScopedValueRollback>

namespace {

const QDate FirstDay(2010, 1, 1);
// The longest name a user may type; a name from the rates file is shown whole.
constexpr int TypedCurrencyNameLength = 30;

// What the record would hold: the roubles of an amount at a rate, rounded to kopecks; nought when a
// part is missing.
QString RoubleText(const TMaskedEdit* amount, const TMaskedEdit* units, const TMaskedEdit* rate) {
    const QString unitsText = units->text().trimmed();
    const QString rateText = rate->text().trimmed();
    if (amount->text().trimmed().isEmpty() || unitsText.isEmpty() || rateText.isEmpty() ||
        rate->Amount().IsZero() || unitsText.toLongLong() == 0)
        return GroupedAmountText(Money());
    // The record's own setter does the sum, so that what is shown is what will be stored.
    mTCurrencyIncome probe;
    probe.RateUnitsAtIncome = unitsText.toInt();
    probe.RateAtIncome = rate->Amount();
    probe.SetIncomeCurrency(amount->Amount());
    return GroupedAmountText(probe.IncomeRoubles);
}

QString TextOrEmpty(Money value) {
    return value.IsZero() ? QString() : AmountFieldText(value);
}

QString CodeOrEmpty(qint32 code) {
    return code == 0 ? QString() : QString::number(code);
}

} // namespace

TfrCurrency::TfrCurrency(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrCurrency>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frCurrency"));
    LoadingScope loading(Host());
    filling_ = true;

    ListRecords records;
    records.Headings = {QStringLiteral("Источники выплат")};
    records.Noun = QStringLiteral("источника");
    records.Name = [this](int row) { return Record(row).SourceName; };
    records.Count = [this] { return Declaration().CurrencyIncomes.Count(); };
    records.RowTexts = [this](int row) { return QStringList{Record(row).SourceName}; };
    records.Add = [this] { return AddRecord(); };
    records.Edit = [this](int row) { return EditRecord(row); };
    records.Delete = [this](int row) { Declaration().CurrencyIncomes.Delete(row); };
    records.ShowDetail = [this](int row) { ShowRecord(row); };
    records.StoreDetail = [this](int row) { StoreRecord(row); };
    records.ClearDetail = [this] { ClearFields(); };
    records.AfterDelete = [this](int row) { ShowNeighbour(row); };
    editor_ = std::make_unique<TListEditor>(Host(), ui->lvSourseIncomeInfo,
                                            ListButtons{.Add = ui->fbAddSourseIncome,
                                                        .Edit = ui->fbEditSourseIncome,
                                                        .Delete = ui->fbDeleteSourseIncome},
                                            std::move(records));

    // The income's name takes two lines and the deduction's amount may be hidden: their room is kept from
    // the start, so that choosing a code moves nothing below them.
    ui->lbIncomeName->setMinimumHeight(2 * fontMetrics().lineSpacing() + 4);
    ui->lbIncomeName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->pnlIncomeCod->setSizePolicy(ui->pnlIncomeCod->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QSizePolicy kept = ui->meSubtractSum->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    ui->meSubtractSum->setSizePolicy(kept);

    ui->dtIncomeGetDate->SetRange(FirstDay, QDate(2010, 12, 31));
    ui->dtSubtractDate->SetRange(FirstDay, QDate(2013, 12, 31));
    connect(ui->dtIncomeGetDate, &TDatePicker::Changed, this, [this] { DateChanged(Line::Income); });
    connect(ui->dtSubtractDate, &TDatePicker::Changed, this, [this] { DateChanged(Line::Tax); });
    connect(ui->meCurrencyCode, &TMaskedEdit::Changed, this, [this] { CurrencyCodeChanged(); });
    connect(ui->bnCurrencyCode, &QPushButton::clicked, this, [this] { PickCurrency(); });
    connect(ui->chbAutoExchange, &QCheckBox::toggled, this,
            [this](bool checked) { AutoExchangeToggled(checked); });
    for (TMaskedEdit* e : {ui->meIncomeCurrencySum, ui->meCurrencyUnits, ui->meCurrencyExchange})
        connect(e, &TMaskedEdit::Changed, this, [this] { IncomeLineChanged(); });
    for (TMaskedEdit* e : {ui->meTaxCurrencySum, ui->meCurrencyUnits2, ui->meCurrencyExchange2})
        connect(e, &TMaskedEdit::Changed, this, [this] { TaxLineChanged(); });
    // A rate the user types himself ends the wish for the automatic one.
    for (TMaskedEdit* e :
         {ui->meCurrencyUnits, ui->meCurrencyExchange, ui->meCurrencyUnits2, ui->meCurrencyExchange2})
        connect(e, &QLineEdit::textEdited, this, [this] { autoRateWanted_ = false; });
    connect(ui->bnIncomeCod, &QPushButton::clicked, this, [this] { PickIncomeCode(); });
    connect(ui->bnSubtractCod, &QPushButton::clicked, this, [this] { PickDeductionCode(); });
    connect(ui->meSubtractSum, &QLineEdit::editingFinished, this, [this] { DeductionTyped(); });

    editor_->Rebuild();
    ui->dtIncomeGetDate->SetValue(DateValue::FromQDate(FirstDay));
    ui->dtSubtractDate->SetValue(DateValue::FromQDate(FirstDay));
    const mTDeclaration& d = Declaration();
    if (d.CurrencyIncomes.Count() > 0) {
        ui->meAppB->setText(QString::number(d.ExpenseDocCount));
        EnableControls(true);
    } else {
        EnableControls(false);
    }
    filling_ = false;
}

TfrCurrency::~TfrCurrency() {
    // The editor goes first, so that no selection event of the dying list reaches it.
    editor_.reset();
}

mTCurrencyIncome& TfrCurrency::Record(int row) const {
    return *Declaration().CurrencyIncomes.At(row);
}

const mTCurrencyRates* TfrCurrency::Rates() const {
    return Host().CurrencyRates();
}

// --- The list --------------------------------------------------------------------------------------

std::optional<int> TfrCurrency::AddRecord() {
    mTDeclaration& d = Declaration();
    const QString refusal =
        ListLimits::RefusalToAdd(ListLimits::List::CurrencyIncomes, d.CurrencyIncomes.Count(), d.ReturnKind);
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Durovid 2010"), refusal);
        return std::nullopt;
    }
    TfmInputCurrencySourseIncome dialog(this, Host());
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty()) return std::nullopt;
    if (d.CurrencyIncomes.Count() == 0) {
        QScopedValueRollback filling(filling_, true);
        EnableControls(true);
    }
    const int row = d.CurrencyIncomes.Add();
    mTCurrencyIncome& r = Record(row);
    r.SourceName = dialog.SourceName();
    r.CountryCode = dialog.CountryCode();
    // The rate is looked up as soon as the currency and the dates allow.
    r.AutoRate = 1;
    return row;
}

bool TfrCurrency::EditRecord(int row) {
    mTCurrencyIncome& r = Record(row);
    TfmInputCurrencySourseIncome dialog(this, Host());
    dialog.SetSourceName(r.SourceName);
    dialog.SetCountryCode(r.CountryCode);
    if (dialog.exec() != QDialog::Accepted || dialog.SourceName().trimmed().isEmpty()) return false;
    r.SourceName = dialog.SourceName();
    r.CountryCode = dialog.CountryCode();
    return true;
}

void TfrCurrency::ShowNeighbour(int row) {
    const int count = Declaration().CurrencyIncomes.Count();
    if (count == 0) {
        LoadingScope loading(Host());
        QScopedValueRollback filling(filling_, true);
        EnableControls(false);
        return;
    }
    // The record before the deleted one (the first when the first went) is shown next.
    editor_->SelectRow(row > 0 ? row - 1 : 0);
}

// --- Showing and storing a record -----------------------------------------------------------------

void TfrCurrency::ShowRecord(int row) {
    QScopedValueRollback filling(filling_, true);
    const mTCurrencyIncome& r = Record(row);
    ui->dtIncomeGetDate->SetValue(r.IncomeDate);
    ui->dtSubtractDate->SetValue(r.TaxPaidDate);
    ui->meCurrencyCode->setText(r.CurrencyCode);
    ShowCurrencyName(r.CurrencyName);

    // The box follows the file's rates; the fields show the record's own rates whatever the box says.
    autoRateWanted_ = r.AutoRate != 0;
    for (const Line line : {Line::Income, Line::Tax}) {
        const bool known = RateOn(line).has_value();
        ui->chbAutoExchange->setEnabled(known);
        ui->lbAutoExchange->setEnabled(known);
        ui->chbAutoExchange->setChecked(known && r.AutoRate != 0);
    }
    ui->meCurrencyExchange->setText(TextOrEmpty(r.RateAtIncome));
    ui->meCurrencyUnits->setText(CodeOrEmpty(r.RateUnitsAtIncome));
    ui->meCurrencyExchange2->setText(TextOrEmpty(r.RateAtTax));
    ui->meCurrencyUnits2->setText(CodeOrEmpty(r.RateUnitsAtTax));
    UpdateRateFields();
    ui->meTaxCurrencySum->setText(TextOrEmpty(r.TaxCurrency));
    TaxLineChanged();

    percent_ = r.DeductionPercent;
    taxRate_ = r.TaxRate;
    limit_ = Money();
    equivalent_ = false;
    hasDeduction_ = false;
    if (r.IncomeCode == 0) {
        incomeName_.clear();
        ui->lbIncomeName->clear();
        ui->pnlIncomeCod->clear();
        ui->meIncomeCurrencySum->clear();
        ui->meIncomeCurrencySum->setEnabled(false);
        ui->pnlIncomeRublSum->clear();
        ClearDeduction();
        return;
    }
    const QString incomeCode = QString::number(r.IncomeCode);
    ui->pnlIncomeCod->setText(incomeCode);
    ui->meIncomeCurrencySum->setEnabled(true);
    ui->meIncomeCurrencySum->setText(TextOrEmpty(r.IncomeCurrency));
    IncomeLineChanged();
    incomeName_ = r.IncomeCodeName;
    const mTIncomeDictionary& dictionary = Host().Dictionary();
    const IncomeEntry* income = dictionary.FindIncome(incomeCode);
    if (!income) {
        ui->lbIncomeName->setText(incomeName_);
        ClearDeduction();
        return;
    }
    taxRate_ = income->Stav.trimmed().toInt();
    incomeName_ = income->Name;
    ui->lbIncomeName->setText(incomeName_);
    if (income->Deductions.isEmpty()) {
        ClearDeduction();
        return;
    }
    hasDeduction_ = true;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->lbSubtractCod, ui->bnSubtractCod, ui->lbSubtractSum})
        w->setEnabled(true);
    const QString deductionCode = CodeOrEmpty(r.DeductionCode);
    ui->pnlSubtractCod->setText(deductionCode);
    ui->meSubtractSum->setText(TextOrEmpty(r.DeductionAmount));
    const DeductionEntry* deduction = dictionary.FindDeduction(incomeCode, deductionCode);
    if (!deduction) {
        ui->pnlSubtractCod->clear();
        ui->meSubtractSum->clear();
        ui->meSubtractSum->setVisible(true);
        ui->meSubtractSum->setEnabled(false);
        limit_ = Money();
        equivalent_ = false;
        return;
    }
    ui->meSubtractSum->setVisible(deduction->Visible);
    ui->meSubtractSum->setEnabled(deduction->Visible && deduction->Enabled);
    percent_ = deduction->Percent;
    limit_ = deduction->MaxSum;
    equivalent_ = deduction->Equivalent;
    if (percent_ != 0 || equivalent_) ProposeDeductionAgain();
}

void TfrCurrency::StoreRecord(int row) {
    mTCurrencyIncome& r = Record(row);
    r.IncomeDate = ui->dtIncomeGetDate->Value();
    r.TaxPaidDate = ui->dtSubtractDate->Value();
    r.CurrencyCode = ui->meCurrencyCode->text();
    r.CurrencyName = ui->meCurrencyName->text();
    const bool automatic =
        ui->chbAutoExchange->isEnabled() ? ui->chbAutoExchange->isChecked() : autoRateWanted_;
    r.AutoRate = automatic ? 1 : 0;
    r.RateUnitsAtIncome = ui->meCurrencyUnits->text().toInt();
    r.RateAtIncome = ui->meCurrencyExchange->Amount();
    r.RateUnitsAtTax = ui->meCurrencyUnits2->text().toInt();
    r.RateAtTax = ui->meCurrencyExchange2->Amount();
    r.IncomeCode = ui->pnlIncomeCod->text().toInt();
    // The roubles follow the rates just stored.
    r.SetIncomeCurrency(ui->meIncomeCurrencySum->Amount());
    r.SetTaxCurrency(ui->meTaxCurrencySum->Amount());
    r.DeductionCode = ui->pnlSubtractCod->text().toInt();
    r.DeductionAmount = ui->meSubtractSum->Amount();
    r.TaxRate = taxRate_;
    r.IncomeCodeName = incomeName_;
    r.DeductionPercent = percent_;
}

void TfrCurrency::ClearFields() {
    QScopedValueRollback filling(filling_, true);
    for (TMaskedEdit* e : {ui->meCurrencyCode, ui->meCurrencyName, ui->meCurrencyExchange,
                           ui->meCurrencyUnits, ui->meCurrencyExchange2, ui->meCurrencyUnits2,
                           ui->meIncomeCurrencySum, ui->meTaxCurrencySum, ui->meSubtractSum})
        e->clear();
    for (QLabel* l :
         {ui->pnlIncomeCod, ui->lbIncomeName, ui->pnlIncomeRublSum, ui->pnlTaxRoubleSum, ui->pnlSubtractCod})
        l->clear();
    currency_ = nullptr;
    taxRate_ = 0;
    incomeName_.clear();
    hasDeduction_ = false;
    percent_ = 0;
    limit_ = Money();
    equivalent_ = false;
}

void TfrCurrency::EnableControls(bool on) {
    controlsOn_ = on;
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->lbIncomeGetDate, ui->dtIncomeGetDate,  ui->lbSubtractDate,      ui->dtSubtractDate,
             ui->lbCurrencyCode,  ui->meCurrencyCode,   ui->chbAutoExchange,     ui->lbAutoExchange,
             ui->lbIncomeCod,     ui->bnIncomeCod,      ui->lbIncomeCurrencySum, ui->meIncomeCurrencySum,
             ui->lbIncomeRublSum, ui->lbTaxCurrencySum, ui->meTaxCurrencySum,    ui->lbTaxRoubleSum,
             ui->lbSubtractCod,   ui->bnSubtractCod,    ui->lbSubtractSum,       ui->meSubtractSum,
             ui->meAppB})
        w->setEnabled(on);
    ui->bnCurrencyCode->setEnabled(on && Rates() != nullptr);
    ui->meCurrencyName->setEnabled(on);
    UpdateRateFields();
    if (on) return;
    // Both dates stay inside their ranges, so that nothing outside them is ever shown or stored.
    ui->dtIncomeGetDate->SetValue(DateValue::FromQDate(FirstDay));
    ui->dtSubtractDate->SetValue(DateValue::FromQDate(FirstDay));
    ClearFields();
    ui->meAppB->clear();
}

void TfrCurrency::UpdateRateFields() {
    const bool typed = controlsOn_ && !ui->chbAutoExchange->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->meCurrencyExchange, ui->meCurrencyUnits, ui->meCurrencyExchange2,
                                         ui->meCurrencyUnits2, ui->gbRates})
        w->setEnabled(typed);
}

// --- Currency and rates ---------------------------------------------------------------------------

TDateTime TfrCurrency::DayOf(Line line) const {
    return (line == Line::Income ? ui->dtIncomeGetDate : ui->dtSubtractDate)->Value();
}

std::optional<CurrencyRate> TfrCurrency::RateOn(Line line) const {
    const mTCurrencyRates* rates = Rates();
    CurrencyRate rate;
    if (!rates || !rates->Lookup(ui->meCurrencyCode->text(), DayOf(line), rate)) return std::nullopt;
    return rate;
}

void TfrCurrency::FillLine(Line line, const std::optional<CurrencyRate>& rate) {
    TMaskedEdit* units = line == Line::Income ? ui->meCurrencyUnits : ui->meCurrencyUnits2;
    TMaskedEdit* exchange = line == Line::Income ? ui->meCurrencyExchange : ui->meCurrencyExchange2;
    units->setText(rate ? QString::number(rate->Units) : QString());
    exchange->setText(rate ? AmountFieldText(rate->Rate) : QString());
}

void TfrCurrency::FollowRate(Line line) {
    const std::optional<CurrencyRate> rate = RateOn(line);
    if (!rate) {
        UncheckAutoExchange();
        return;
    }
    ui->chbAutoExchange->setEnabled(controlsOn_);
    ui->lbAutoExchange->setEnabled(controlsOn_);
    if (controlsOn_ && autoRateWanted_ && !ui->chbAutoExchange->isChecked())
        ui->chbAutoExchange->setChecked(true);
    FillLine(line, ui->chbAutoExchange->isChecked() ? rate : std::nullopt);
}

void TfrCurrency::UncheckAutoExchange() {
    ui->chbAutoExchange->setEnabled(false);
    ui->lbAutoExchange->setEnabled(false);
    // Unticking it opens and clears the rate fields for typing.
    ui->chbAutoExchange->setChecked(false);
}

void TfrCurrency::ShowCurrencyName(const QString& name) {
    const mTCurrencyRates* rates = Rates();
    currency_ = rates ? rates->FindCurrency(ui->meCurrencyCode->text()) : nullptr;
    const QString shown = currency_ ? currency_->Name : name;
    // A name from the file (or one stored from it) is taken whole; the user types at most the usual length.
    TMaskedEdit* field = ui->meCurrencyName;
    field->SetWholeLength(0);
    field->setText(shown);
    field->SetWholeLength(std::max<int>(TypedCurrencyNameLength, int(shown.size())));
    field->setReadOnly(currency_ != nullptr);
}

void TfrCurrency::CurrencyCodeChanged() {
    if (filling_) return;
    ShowCurrencyName(QString());
    FollowRate(Line::Income);
    FollowRate(Line::Tax);
}

void TfrCurrency::AutoExchangeToggled(bool checked) {
    // Only the user's own ticking changes the wish; a box unticked for want of a rate keeps it.
    if (!filling_ && ui->chbAutoExchange->isEnabled()) autoRateWanted_ = checked;
    UpdateRateFields();
    if (filling_) return;
    NotifyModified();
    for (const Line line : {Line::Income, Line::Tax})
        FillLine(line, checked ? RateOn(line) : std::nullopt);
}

void TfrCurrency::DateChanged(Line line) {
    NotifyModified();
    FollowRate(line);
}

void TfrCurrency::PickCurrency() {
    // The picker may load newer rates into the main window's document ("Загрузить курсы…").
    mTCurrencyRates* rates = Host().CurrencyRates();
    if (!rates) return;
    TfmInputCurrencyCode picker(this, *rates, ui->meCurrencyCode->text());
    if (!picker.Choose()) return;
    ui->meCurrencyCode->setText(picker.Code());
}

// --- Roubles and deductions -----------------------------------------------------------------------

void TfrCurrency::IncomeLineChanged() {
    ui->pnlIncomeRublSum->setText(
        RoubleText(ui->meIncomeCurrencySum, ui->meCurrencyUnits, ui->meCurrencyExchange));
    if (!filling_ && hasDeduction_) ProposeDeductionAgain();
}

void TfrCurrency::TaxLineChanged() {
    ui->pnlTaxRoubleSum->setText(
        RoubleText(ui->meTaxCurrencySum, ui->meCurrencyUnits2, ui->meCurrencyExchange2));
}

void TfrCurrency::ProposeDeductionAgain() {
    DeductionEntry rule;
    rule.Percent = percent_;
    rule.Equivalent = equivalent_;
    rule.MaxSum = limit_;
    Money roubles;
    const QString shown = ui->pnlIncomeRublSum->text();
    const bool empty = shown.trimmed().isEmpty() || !ParseAmountField(shown, roubles);
    // A deduction that is neither a percentage nor the income itself starts again from 0.
    const Money proposed =
        ProposeDeduction(rule, empty ? std::nullopt : std::optional<Money>(roubles)).value_or(Money());
    ui->meSubtractSum->setText(AmountFieldText(proposed));
}

void TfrCurrency::DeductionTyped() {
    const Money typed = ui->meSubtractSum->Amount();
    const Money limited = LimitDeduction(typed, limit_);
    if (limited != typed) ui->meSubtractSum->setText(AmountFieldText(limited));
}

void TfrCurrency::ClearDeduction() {
    hasDeduction_ = false;
    for (QWidget* w : std::initializer_list<QWidget*>{ui->lbSubtractCod, ui->bnSubtractCod, ui->lbSubtractSum,
                                                      ui->meSubtractSum})
        w->setEnabled(false);
    ui->pnlSubtractCod->clear();
    ui->meSubtractSum->clear();
    ui->meSubtractSum->setVisible(true);
}

void TfrCurrency::PickIncomeCode() {
    TfmInputIncomeCode picker(this, false, ui->pnlIncomeCod->text(), QString(), Host().Dictionary());
    if (!picker.Choose() || picker.Code() == ui->pnlIncomeCod->text()) return;
    NotifyModified();
    percent_ = 0;
    limit_ = Money();
    equivalent_ = false;
    taxRate_ = picker.Rate();
    ui->pnlIncomeCod->setText(picker.Code());
    incomeName_ = picker.Name();
    ui->lbIncomeName->setText(incomeName_);
    ui->meIncomeCurrencySum->setEnabled(true);
    ClearDeduction();
    if (!picker.HasDeductions()) return;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->lbSubtractCod, ui->bnSubtractCod, ui->lbSubtractSum})
        w->setEnabled(true);
    hasDeduction_ = true;
}

void TfrCurrency::PickDeductionCode() {
    TfmInputDeductCode picker(this, true, ui->pnlSubtractCod->text(), ui->pnlIncomeCod->text(),
                              Host().Dictionary());
    if (!picker.Choose() || picker.Code() == ui->pnlSubtractCod->text()) return;
    NotifyModified();
    ui->pnlSubtractCod->setText(picker.Code());
    ui->meSubtractSum->clear();
    percent_ = picker.Percent();
    limit_ = picker.Limit();
    equivalent_ = picker.Equivalent();
    ui->meSubtractSum->setVisible(picker.Visible());
    ui->meSubtractSum->setEnabled(picker.Editable());
    Money roubles;
    const QString shown = ui->pnlIncomeRublSum->text();
    const bool empty = shown.trimmed().isEmpty() || !ParseAmountField(shown, roubles);
    if (const std::optional<Money> proposed =
            picker.Proposal(empty ? std::nullopt : std::optional<Money>(roubles)))
        ui->meSubtractSum->setText(AmountFieldText(*proposed));
}

// --- The frame ------------------------------------------------------------------------------------

void TfrCurrency::Store() {
    editor_->StoreCurrent();
    Declaration().AddToSheetCount(ui->meAppB->text().toInt());
}

quint16 TfrCurrency::Check() {
    TScreenCheck check(this, CheckTitle::Currency);
    check.Faults(SectionRules::CurrencyFirstRecord(Declaration()));
    return check.Result();
}

void TfrCurrency::ShowPosition(quint16 position) {
    editor_->ShowRow(int(position) - 1);
}

void TfrCurrency::AfterSectionOpened() {
    editor_->ShowRow(0);
}
