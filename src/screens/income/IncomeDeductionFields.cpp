#include "screens/income/IncomeDeductionFields.h"

#include "controls/MaskedEdit.h"
#include "pickers/DeductCodePicker.h"
#include "pickers/IncomeCodePicker.h"
#include "reference/DeductionProposal.h"
#include "storage/AmountText.h"

#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

bool NonResidentDeductibleIncome(qint32 incomeCode) {
    static constexpr qint32 codes[] = {2760, 2761, 2762, 2720, 2730, 2770, 2790, 2740,
                                       1530, 1531, 1532, 1533, 1534, 1535, 1536};
    return std::find(std::begin(codes), std::end(codes), incomeCode) != std::end(codes);
}

TIncomeDeductionFields::TIncomeDeductionFields(QWidget* owner, const IncomeDeductionControls& controls,
                                               const IncomeDeductionRules& rules,
                                               const mTIncomeDictionary& dictionary)
    : QObject(owner), owner_(owner), c_(controls), rules_(rules), dictionary_(dictionary) {
    connect(c_.IncomeButton, &QPushButton::clicked, this, &TIncomeDeductionFields::PickIncome);
    connect(c_.DeductButton, &QPushButton::clicked, this, &TIncomeDeductionFields::PickDeduction);
    connect(c_.IncomeSum, &TMaskedEdit::Changed, this, &TIncomeDeductionFields::IncomeChanged);
    connect(c_.DeductSum, &TMaskedEdit::Changed, this, &TIncomeDeductionFields::DeductionChanged);
}

bool TIncomeDeductionFields::IncomeEmpty() const {
    return c_.IncomeSum->text().trimmed().isEmpty();
}

bool TIncomeDeductionFields::DeductionEmpty() const {
    return c_.DeductSum->text().trimmed().isEmpty();
}

Money TIncomeDeductionFields::Income() const {
    return c_.IncomeSum->Amount();
}

Money TIncomeDeductionFields::Deduction() const {
    return c_.DeductSum->Amount();
}

std::optional<Money> TIncomeDeductionFields::IncomeBase() const {
    if (IncomeEmpty()) return std::nullopt;
    return Income();
}

void TIncomeDeductionFields::ResetDeduction() {
    attributes_ = DeductionEntry();
    hasDeduction_ = false;
}

void TIncomeDeductionFields::EnableDeduction(bool enabled) {
    c_.DeductCodeLabel->setEnabled(enabled);
    c_.DeductButton->setEnabled(enabled);
    c_.DeductSumLabel->setEnabled(enabled);
    c_.DeductSum->setVisible(true);
    c_.DeductSum->setEnabled(false);
}

void TIncomeDeductionFields::TakeAttributes(const DeductionEntry& entry) {
    attributes_ = entry;
    if (!rules_.UsePercent) attributes_.Percent = 0;
    c_.DeductSum->setVisible(attributes_.Visible);
    c_.DeductSumLabel->setEnabled(attributes_.Visible);
    c_.DeductSum->setEnabled(attributes_.Enabled);
}

void TIncomeDeductionFields::ShowDeduction(Money amount, bool emptyWhenZero) {
    c_.DeductSum->setText(emptyWhenZero && amount.IsZero() ? QString() : AmountFieldText(amount));
}

void TIncomeDeductionFields::SetUpNew() {
    QScopedValueRollback filling(filling_, true);
    ResetDeduction();
    incomeCode_.clear();
    incomeName_.reset();
    deductionCode_.clear();
    c_.IncomeCode->clear();
    c_.IncomeButton->setEnabled(true);
    c_.IncomeSum->clear();
    c_.IncomeSum->setEnabled(false);
    c_.IncomeSumLabel->setEnabled(false);
    c_.DeductCode->clear();
    c_.DeductSum->clear();
    EnableDeduction(false);
}

bool TIncomeDeductionFields::Open(qint32 incomeCode, Money incomeAmount, qint32 deductionCode,
                                  Money deductionAmount, qint32 percent) {
    if (incomeCode == 0) {
        SetUpNew();
        return false;
    }
    QScopedValueRollback filling(filling_, true);
    ResetDeduction();
    incomeCode_ = QString::number(incomeCode);
    incomeName_.reset();
    c_.IncomeCode->setText(incomeCode_);
    c_.IncomeSumLabel->setEnabled(true);
    c_.IncomeSum->setEnabled(true);
    c_.IncomeSum->setText(incomeAmount.IsZero() ? QString() : AmountFieldText(incomeAmount));
    deductionCode_ = QString::number(deductionCode);
    c_.DeductCode->setText(deductionCode_);

    if (rules_.NonResidentCodes) {
        // The stored deduction stays as it is, unchecked, until another one is picked.
        attributes_.Percent = percent;
        if (NonResidentDeductibleIncome(incomeCode)) {
            EnableDeduction(true);
            c_.DeductSum->setEnabled(true);
            ShowDeduction(deductionAmount, false);
        } else {
            EnableDeduction(false);
            deductionCode_.clear();
            c_.DeductCode->clear();
            c_.DeductSum->clear();
        }
        return true;
    }

    if (rules_.UsePercent) attributes_.Percent = percent;
    const IncomeEntry* income = dictionary_.FindIncome(incomeCode_);
    if (!income || income->Deductions.isEmpty()) {
        EnableDeduction(false);
        deductionCode_.clear();
        c_.DeductCode->clear();
        c_.DeductSum->clear();
        if (income) incomeName_ = income->Name;
        return income != nullptr;
    }
    incomeName_ = income->Name;
    hasDeduction_ = true;
    EnableDeduction(true);
    ShowDeduction(deductionAmount, true);
    const DeductionEntry* entry = dictionary_.FindDeduction(incomeCode_, deductionCode_);
    if (!entry) {
        deductionCode_.clear();
        c_.DeductCode->clear();
        c_.DeductSum->clear();
        c_.DeductSum->setEnabled(false);
        return true;
    }
    TakeAttributes(*entry);
    if (const std::optional<Money> proposal = ProposeDeduction(attributes_, IncomeBase()))
        ShowDeduction(*proposal, false);
    return true;
}

void TIncomeDeductionFields::PickIncome() {
    TfmInputIncomeCode picker(owner_, rules_.NonResidentOnly, incomeCode_, rules_.RateFilter, dictionary_);
    if (!picker.Choose() || picker.Code() == incomeCode_) return;
    {
        QScopedValueRollback filling(filling_, true);
        ResetDeduction();
        incomeCode_ = picker.Code();
        incomeName_ = picker.Name();
        c_.IncomeCode->setText(incomeCode_);
        c_.IncomeSum->clear();
        c_.IncomeSum->setEnabled(true);
        c_.IncomeSumLabel->setEnabled(true);
        deductionCode_.clear();
        c_.DeductCode->clear();
        c_.DeductSum->clear();
    }
    const bool deductible = picker.HasDeductions() &&
                            (!rules_.NonResidentCodes || NonResidentDeductibleIncome(incomeCode_.toInt()));
    EnableDeduction(deductible);
    hasDeduction_ = deductible;
    emit IncomePicked();
}

void TIncomeDeductionFields::PickDeduction() {
    TfmInputDeductCode picker(owner_, rules_.AllDeductions, deductionCode_, incomeCode_, dictionary_);
    if (!picker.Choose() || picker.Code() == deductionCode_) return;
    const DeductionEntry* entry = dictionary_.FindDeduction(incomeCode_, picker.Code());
    if (!entry) return;
    QScopedValueRollback filling(filling_, true);
    deductionCode_ = picker.Code();
    c_.DeductCode->setText(deductionCode_);
    c_.DeductSum->clear();
    TakeAttributes(*entry);
    if (!rules_.ProposeOnPick) return;
    if (const std::optional<Money> proposal = ProposeDeduction(attributes_, IncomeBase()))
        ShowDeduction(*proposal, false);
}

void TIncomeDeductionFields::IncomeChanged() {
    if (filling_ || !hasDeduction_) return;
    QScopedValueRollback filling(filling_, true);
    const std::optional<Money> proposal = ProposeDeduction(attributes_, IncomeBase());
    Money amount;
    switch (rules_.IncomeChange) {
    case IncomeDeductionRules::OnIncome::Recompute:
        amount = proposal ? *proposal : LimitDeduction(Deduction(), attributes_.MaxSum);
        break;
    case IncomeDeductionRules::OnIncome::CapOnly:
        amount = LimitDeduction(Deduction(), attributes_.MaxSum);
        break;
    case IncomeDeductionRules::OnIncome::ProposalOrZero:
        amount = proposal ? *proposal : Money();
        break;
    }
    ShowDeduction(amount, true);
}

void TIncomeDeductionFields::DeductionChanged() {
    if (filling_ || !attributes_.Enabled) return;
    const Money amount = Deduction();
    const Money limited = LimitDeduction(amount, attributes_.MaxSum);
    if (limited != amount) {
        QScopedValueRollback filling(filling_, true);
        ShowDeduction(limited, false);
    }
}

bool TIncomeDeductionFields::ShowFault(quint16 position) {
    switch (position) {
    case IncomeFix::IncomeCode:
        c_.IncomeButton->setFocus();
        PickIncome();
        return true;
    case IncomeFix::IncomeSum:
        c_.IncomeSum->setFocus();
        return true;
    case IncomeFix::DeductionCode:
        c_.DeductButton->setFocus();
        PickDeduction();
        return true;
    case IncomeFix::DeductionSum:
        c_.DeductSum->setFocus();
        return true;
    default:
        return false;
    }
}
