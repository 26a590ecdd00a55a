#pragma once

#include "pickers/CodeListPicker.h"
#include "reference/IncomeDictionary.h"

#include <optional>

// The deduction-code picker for one income code of the income and deduction code dictionary. Without
// the all-deductions flag it lists only the entries whose codes begin with "20" or "5", and "0".
class TfmInputDeductCode : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputDeductCode(QWidget* owner, bool allDeductions, const QString& currentCode,
                       const QString& incomeCode,
                       const mTIncomeDictionary& dictionary = mTIncomeDictionary::Embedded());

    // The chosen entry's rule: the limit (0 = none), whether the amount is typed, equals the income,
    // is shown, and the percent of the income it is (0 = not a percentage).
    Money Limit() const { return entry_.MaxSum; }
    bool Editable() const { return entry_.Enabled; }
    bool Equivalent() const { return entry_.Equivalent; }
    bool Visible() const { return entry_.Visible; }
    qint32 Percent() const { return entry_.Percent; }

    // The deduction the chosen entry proposes for an income of base roubles (nullopt: its field is
    // empty); nullopt when the user types the amount or nothing is chosen.
    std::optional<Money> Proposal(std::optional<Money> base) const;

protected:
    void Chosen(int row) override;

private:
    const mTIncomeDictionary& dictionary_;
    QString incomeCode_;
    DeductionEntry entry_;
    bool chosen_ = false;
};
