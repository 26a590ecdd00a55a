#pragma once

#include "reference/IncomeDictionary.h"

#include <QObject>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class TMaskedEdit;

// The controls of an income with the deduction claimed against it, as the income dialogs show them.
struct IncomeDeductionControls {
    QLineEdit* IncomeCode = nullptr; // read-only display
    QPushButton* IncomeButton = nullptr;
    QLabel* IncomeSumLabel = nullptr;
    TMaskedEdit* IncomeSum = nullptr;
    QLabel* DeductCodeLabel = nullptr;
    QLineEdit* DeductCode = nullptr; // read-only display
    QPushButton* DeductButton = nullptr;
    QLabel* DeductSumLabel = nullptr;
    TMaskedEdit* DeductSum = nullptr;
};

// How a dialog's income and deduction behave: which codes its pickers offer and how the deduction
// follows the income.
struct IncomeDeductionRules {
    // What the income picker lists: incomes of this rate (all when empty), only those a non-resident
    // may declare at 13 % when NonResidentOnly.
    QString RateFilter;
    bool NonResidentOnly = false;
    // What the deduction picker lists: every entry, or only "20…", "5…" and "0".
    bool AllDeductions = true;
    // A non-resident's 13 % line may claim a deduction only against the fifteen codes below; an opened
    // line keeps its deduction as stored, unchecked, until another deduction is picked.
    bool NonResidentCodes = false;
    // The deduction's percentage of the income counts (otherwise it is ignored).
    bool UsePercent = true;
    // Picking a deduction proposes its amount.
    bool ProposeOnPick = true;
    // When the income changes: the proposal is recomputed and the current amount kept otherwise, or
    // the current amount is only capped, or the amount becomes the proposal or 0.
    enum class OnIncome { Recompute, CapOnly, ProposalOrZero };
    OnIncome IncomeChange = OnIncome::Recompute;
};

// What an income dialog's check names to fix in these fields.
namespace IncomeFix {
enum : quint16 { IncomeCode = 1, IncomeSum = 2, DeductionCode = 3, DeductionSum = 4 };
}

// The income codes against which a non-resident may claim a deduction at 13 %.
bool NonResidentDeductibleIncome(qint32 incomeCode);

// The income code and amount and the deduction code and amount of one income dialog, with the rule of
// the chosen deduction (its attributes in the dictionary): the pickers, the proposal of the amount, the
// limits, and opening a stored income.
class TIncomeDeductionFields : public QObject {
    Q_OBJECT

public:
    TIncomeDeductionFields(QWidget* owner, const IncomeDeductionControls& controls,
                           const IncomeDeductionRules& rules, const mTIncomeDictionary& dictionary);

    // A new income: only the income-code button is active.
    void SetUpNew();
    // Shows a stored income. Returns true when the income code is in the dictionary (a non-resident's
    // 13 % line: true when the code is not 0).
    bool Open(qint32 incomeCode, Money incomeAmount, qint32 deductionCode, Money deductionAmount,
              qint32 percent);

    // Puts the focus where an IncomeFix position names; a code's button also opens its picker. False
    // for a position that is not one of these fields.
    bool ShowFault(quint16 position);

    // The pickers, as the "..." buttons run them.
    void PickIncome();
    void PickDeduction();

    bool IncomeChosen() const { return !incomeCode_.isEmpty(); }
    bool DeductionChosen() const { return !deductionCode_.isEmpty(); }
    qint32 IncomeCode() const { return incomeCode_.toInt(); }
    // The dictionary's name of the income, when it gave one.
    std::optional<QString> IncomeName() const { return incomeName_; }
    qint32 DeductionCode() const { return deductionCode_.toInt(); }
    qint32 Percent() const { return attributes_.Percent; }
    bool HasDeduction() const { return hasDeduction_; }
    bool Editable() const { return attributes_.Enabled; }
    bool IncomeEmpty() const;
    bool DeductionEmpty() const;
    Money Income() const;
    Money Deduction() const;

signals:
    // A new income code was picked (the 13 % dialog then opens its month).
    void IncomePicked();

private:
    void ResetDeduction();
    void EnableDeduction(bool enabled);
    void TakeAttributes(const DeductionEntry& entry);
    std::optional<Money> IncomeBase() const;
    void ShowDeduction(Money amount, bool emptyWhenZero);
    void IncomeChanged();
    void DeductionChanged();

    QWidget* owner_;
    IncomeDeductionControls c_;
    IncomeDeductionRules rules_;
    const mTIncomeDictionary& dictionary_;
    QString incomeCode_;
    std::optional<QString> incomeName_;
    QString deductionCode_;
    DeductionEntry attributes_;
    bool hasDeduction_ = false;
    bool filling_ = false;
};
