#include "screens/income/Input13Income.h"

#include "controls/MaskedEdit.h"
#include "dialogs/CheckError.h"
#include "screens/ScreenCheck.h"

#include "ui_Input13Income.h"

namespace {

// Expenses on securities and futures may exceed the income they were made for.
bool SecuritiesExpenses(qint32 incomeCode, qint32 deductionCode) {
    static constexpr qint32 incomes[] = {1530, 1531, 1532, 1533, 1535, 1536};
    static constexpr qint32 deductions[] = {201, 202, 203, 206, 207};
    return std::find(std::begin(incomes), std::end(incomes), incomeCode) != std::end(incomes) &&
           std::find(std::begin(deductions), std::end(deductions), deductionCode) != std::end(deductions);
}

} // namespace

TfmInput13Income::Variant TfmInput13Income::VariantOf(Mode mode) {
    IncomeDeductionRules rules;
    if (mode == Mode::Resident) {
        rules.RateFilter = QStringLiteral("13");
        return {rules, true, QStringLiteral("Доходы, облагаемые по ставке 13%"), true};
    }
    rules.AllDeductions = false;
    rules.NonResidentCodes = true;
    return {rules, false, QStringLiteral("Доходы, облагаемые по ставке 13%"), true};
}

TfmInput13Income::TfmInput13Income(QWidget* owner, Mode mode, const mTIncomeDictionary& dictionary)
    : TfmInput13Income(owner, VariantOf(mode), dictionary) {}

TfmInput13Income::TfmInput13Income(QWidget* owner, const Variant& variant,
                                   const mTIncomeDictionary& dictionary)
    : QDialog(owner), ui(std::make_unique<Ui::TfmInput13Income>()), variant_(variant) {
    ui->setupUi(this);
    fields_ = new TIncomeDeductionFields(this,
                                         {ui->pnIncomeCode, ui->bnIncomeCode, ui->lbIncomeSum,
                                          ui->meIncomeSum, ui->lbDeductCode, ui->pnDeductCode,
                                          ui->bnDeductCode, ui->lbSubtractSum, ui->meSubtractSum},
                                         variant_.Rules, dictionary);
    connect(fields_, &TIncomeDeductionFields::IncomePicked, this, [this] {
        ui->lbPropSale->setEnabled(variant_.HasMonth);
        ui->mePropSale->setEnabled(variant_.HasMonth);
    });
    connect(ui->mePropSale, &TMaskedEdit::Changed, this, &TfmInput13Income::MonthChanged);
    connect(ui->bnYes, &QPushButton::clicked, this, &TfmInput13Income::Yes);
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
    fields_->SetUpNew();
    ui->lbPropSale->setEnabled(false);
    ui->mePropSale->setEnabled(false);
    // Opens on the income's "...": a dialog whose first control is a push button would otherwise be
    // opened on "Да", and Enter would accept a line nobody has filled.
    ui->bnIncomeCode->setFocus();
}

TfmInput13Income::~TfmInput13Income() = default;

void TfmInput13Income::Open(const mTSourseIncome& line) {
    storedName_ = line.IncomeCodeName;
    const bool known = fields_->Open(line.IncomeCode, line.IncomeAmount, line.DeductionCode,
                                     line.DeductionAmount, line.DeductionPercent);
    // A line whose code the dictionary does not know keeps its month too (the field would otherwise
    // stay closed and the month of the line would become 1).
    const bool month =
        variant_.HasMonth && line.IncomeCode != 0 && (known || !variant_.Rules.NonResidentCodes);
    ui->lbPropSale->setEnabled(month);
    ui->mePropSale->setEnabled(month);
    ui->mePropSale->setText(month ? QString::number(line.Month) : QString());
}

mTSourseIncome TfmInput13Income::Line() const {
    mTSourseIncome line;
    line.IncomeCode = fields_->IncomeCode();
    if (variant_.NamesAndPercent) {
        line.IncomeCodeName = fields_->IncomeName().value_or(storedName_);
        line.DeductionPercent = fields_->Percent();
    }
    line.IncomeAmount = fields_->Income();
    line.DeductionCode = fields_->DeductionCode();
    line.DeductionAmount = fields_->Deduction();
    const QString month = ui->mePropSale->text().trimmed();
    line.Month = month.isEmpty() ? 1 : quint16(month.toUInt());
    return line;
}

quint16 TfmInput13Income::CheckLine() {
    TScreenCheck check(this, variant_.CheckTitle);
    check.Dialog().SetSkipAllEnabled(false);
    const bool noIncomeCode = !fields_->IncomeChosen();
    check.Rule(noIncomeCode, QStringLiteral("Не выбран доход"), IncomeFix::IncomeCode);
    if (!check.Ended() && fields_->IncomeEmpty()) {
        check.Dialog().SetSkipEnabled(false);
        check.Rule(true, QStringLiteral("Не указана сумма дохода"),
                   noIncomeCode ? IncomeFix::IncomeCode : IncomeFix::IncomeSum);
    }
    check.Rule(fields_->HasDeduction() && !fields_->DeductionChosen(), QStringLiteral("Не выбран вычет"),
               IncomeFix::DeductionCode);
    if (!check.Ended() && fields_->Editable() && !fields_->DeductionEmpty()) {
        const QString message = QStringLiteral("Сумма вычета превышает сумму дохода");
        if (fields_->IncomeEmpty()) {
            check.Dialog().SetSkipEnabled(false);
            check.Rule(true, message, IncomeFix::IncomeSum);
        } else if (fields_->Deduction() > fields_->Income() &&
                   !SecuritiesExpenses(fields_->IncomeCode(), fields_->DeductionCode())) {
            check.Dialog().SetSkipEnabled(false);
            check.Rule(true, message,
                       fields_->DeductionChosen() ? IncomeFix::DeductionSum : IncomeFix::DeductionCode);
        }
    }
    return check.Result();
}

void TfmInput13Income::Yes() {
    const quint16 fault = CheckLine();
    if (fault == 0) {
        accept();
        return;
    }
    fields_->ShowFault(fault);
}

void TfmInput13Income::MonthChanged() {
    const QString text = ui->mePropSale->text().trimmed();
    if (text.isEmpty()) return;
    const int month = text.toInt();
    if (month >= 13)
        ui->mePropSale->setText(QStringLiteral("12"));
    else if (month <= 0)
        ui->mePropSale->setText(QStringLiteral("1"));
}
