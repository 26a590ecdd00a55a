#pragma once

#include "storage/Money.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TfmChildEduSum;
}

// "Сумма за обучение": one amount paid for a child's education.
class TfmChildEduSum : public QDialog {
    Q_OBJECT

public:
    explicit TfmChildEduSum(QWidget* parent);
    ~TfmChildEduSum() override;

    // Shows amount (empty for a new one); the amount typed when the user accepts, none when cancelled.
    std::optional<Money> Enter(std::optional<Money> amount);

private:
    std::unique_ptr<Ui::TfmChildEduSum> ui;
};
