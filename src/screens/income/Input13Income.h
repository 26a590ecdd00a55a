#pragma once

#include "records/SourseIncome.h"
#include "screens/income/IncomeDeductionFields.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfmInput13Income;
}
class mTIncomeDictionary;

// "Сведения о доходе": one income line of a 13 % source with its deduction and month. A resident picks
// incomes at 13 % and any of their deductions; a non-resident (whose list holds income at 30 %) picks
// any income, may claim a deduction only against the fifteen codes of NonResidentDeductibleIncome and
// gives no month. "Да" (or Enter) checks the line and accepts, "Нет" (or Escape) cancels.
class TfmInput13Income : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Resident, NonResident };

    TfmInput13Income(QWidget* owner, Mode mode, const mTIncomeDictionary& dictionary);
    ~TfmInput13Income() override;

    // Shows a stored line (a line with income code 0 is shown as a new one).
    void Open(const mTSourseIncome& line);
    // The line the dialog's values make; an empty month gives 1.
    mTSourseIncome Line() const;

    // The line check; 0 when the line may be accepted, else what to fix (1 the income code, 2 the
    // income amount, 3 the deduction code, 4 the deduction amount).
    quint16 CheckLine();

    // The variant of the dialog: its pickers and proposals, whether it has a month, the caption of
    // its check, and whether lines keep the income's name and the deduction's percent.
    struct Variant {
        IncomeDeductionRules Rules;
        bool HasMonth = true;
        QString CheckTitle;
        bool NamesAndPercent = true;
    };

protected:
    TfmInput13Income(QWidget* owner, const Variant& variant, const mTIncomeDictionary& dictionary);

private:
    static Variant VariantOf(Mode mode);
    void Yes();
    void MonthChanged();

    std::unique_ptr<Ui::TfmInput13Income> ui;
    Variant variant_;
    TIncomeDeductionFields* fields_;
    QString storedName_;
};
