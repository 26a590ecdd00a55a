#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmInputSoursePens;
}
class mTPens;

// "Данные договора": one contract of non-state pension provision or voluntary pension insurance.
// "Да" (and Enter) accepts only a contract that passes its check.
class TfmInputSoursePens : public QDialog {
    Q_OBJECT

public:
    explicit TfmInputSoursePens(QWidget* parent);
    ~TfmInputSoursePens() override;

    // Shows contract (a new contract's defaults when none) and, when the user accepts, writes the
    // dialog into into; false when cancelled.
    bool Edit(const mTPens* contract, mTPens& into);

    void accept() override;

private:
    // The contract's rules; 0 when it may be accepted, else what to fix (the field is focused).
    quint16 CheckContract();

    std::unique_ptr<Ui::TfmInputSoursePens> ui;
};
