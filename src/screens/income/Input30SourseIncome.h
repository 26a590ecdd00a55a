#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmInput30SourseIncome;
}
class mTThirtyPercent;

// "Доход": one source of dividends with its amounts. Filled from a source and read back by the screen;
// "Да" (or Enter) checks and accepts, "Нет" (or Escape) cancels.
class TfmInput30SourseIncome : public QDialog {
    Q_OBJECT

public:
    explicit TfmInput30SourseIncome(QWidget* owner);
    ~TfmInput30SourseIncome() override;

    void Fill(const mTThirtyPercent& source);
    // Writes the dialog's values into source; true when any of them changed.
    bool WriteTo(mTThirtyPercent& source) const;
    QString SourceName() const;

    // True when the source may be accepted; otherwise the field to fix has the focus.
    bool CheckSource();

private:
    void TaxableChanged();

    std::unique_ptr<Ui::TfmInput30SourseIncome> ui;
};
