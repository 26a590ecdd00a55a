#include "screens/income/Input13NRIncome.h"

namespace {

TfmInput13Income::Variant NonResident13() {
    IncomeDeductionRules rules;
    rules.RateFilter = QStringLiteral("13");
    rules.NonResidentOnly = true;
    rules.AllDeductions = true;
    rules.UsePercent = false;
    rules.ProposeOnPick = false;
    rules.IncomeChange = IncomeDeductionRules::OnIncome::CapOnly;
    // The title is spelled as the program has always shown it.
    return {rules, true, QStringLiteral("Доходы нерезедентов, облагаемые по ставке 13%"), false};
}

} // namespace

TfmInput13NRIncome::TfmInput13NRIncome(QWidget* owner, const mTIncomeDictionary& dictionary)
    : TfmInput13Income(owner, NonResident13(), dictionary) {
    setObjectName(QStringLiteral("TfmInput13NRIncome"));
}
