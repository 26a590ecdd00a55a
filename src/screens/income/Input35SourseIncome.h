#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmInput35SourseIncome;
}
class mTIncomeDictionary;
class mTThirtyFivePercent;
class TIncomeDeductionFields;

// "Доход": one source of income at 35 % with its income, deduction and tax withheld. Filled from a
// source and read back by the screen; "Да" (or Enter) checks and accepts, "Нет" (or Escape) cancels.
class TfmInput35SourseIncome : public QDialog {
    Q_OBJECT

public:
    TfmInput35SourseIncome(QWidget* owner, const mTIncomeDictionary& dictionary);
    ~TfmInput35SourseIncome() override;

    void Fill(const mTThirtyFivePercent& source);
    // Writes the dialog's values into source; true when any of them changed.
    bool WriteTo(mTThirtyFivePercent& source) const;
    QString SourceName() const;
    qint32 IncomeCode() const;

    // True when the source may be accepted; otherwise the field to fix has the focus.
    bool CheckSource();

private:
    quint16 CheckIncome();

    std::unique_ptr<Ui::TfmInput35SourseIncome> ui;
    TIncomeDeductionFields* fields_;
};
