#pragma once

#include "storage/Money.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfmInputNalog;
}
class mTNalog;

// "Данные платежа": one payment made on a tax notice, its budget classification code chosen from a fixed
// list of rows (code, "  | ", the rate and purpose) and its amount in whole roubles.
class TfmInputNalog : public QDialog {
    Q_OBJECT

public:
    explicit TfmInputNalog(QWidget* owner);
    ~TfmInputNalog() override;

    // Shows a payment: the row built from its code and note (none chosen when no row reads so) and its
    // amount.
    void SetPayment(const mTNalog& payment);
    // Writes the dialog's results into a payment.
    void TakePayment(mTNalog& payment) const;
    // The chosen row's code (its first 20 characters) and note (from its 25th character on); empty
    // without a row.
    QString ChosenKBK() const;
    QString ChosenNote() const;
    Money Amount() const;

    // "Да" does nothing until a row of the list is chosen.
    void accept() override;

private:
    std::unique_ptr<Ui::TfmInputNalog> ui;
};
