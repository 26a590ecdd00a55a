#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmInput13SourseIncome;
}
class mTThirteenPercent;

// "Источник выплаты": one payer of income at 13 %. Filled from a source and read back by the screen;
// "Да" (or Enter) checks the payer and accepts, "Нет" (or Escape) cancels.
class TfmInput13SourseIncome : public QDialog {
    Q_OBJECT

public:
    // The standard-deduction box is hidden for a non-resident, who has no standard deductions.
    TfmInput13SourseIncome(QWidget* owner, bool nonResident);
    ~TfmInput13SourseIncome() override;

    void Fill(const mTThirteenPercent& source);
    // Writes the five values into source; true when any of them changed.
    bool WriteTo(mTThirteenPercent& source) const;
    QString SourceName() const;

private:
    void Yes();

    std::unique_ptr<Ui::TfmInput13SourseIncome> ui;
};
