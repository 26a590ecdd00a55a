#pragma once

#include "dialogs/CheckDialog.h"

namespace Ui {
class TfmCheckError;
}

// The dialog of a screen check: "Исправить", "Пропустить", "Пропустить все". One dialog serves all
// rules of one check, so a button a caller disabled stays disabled for the rest of that check.
class TfmCheckError : public TCheckDialog {
    Q_OBJECT

public:
    explicit TfmCheckError(QWidget* owner = nullptr);
    ~TfmCheckError() override;

    void SetSkipEnabled(bool enabled);
    void SetSkipAllEnabled(bool enabled);

private:
    std::unique_ptr<Ui::TfmCheckError> ui;
};
