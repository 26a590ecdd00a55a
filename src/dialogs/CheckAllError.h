#pragma once

#include "dialogs/CheckDialog.h"

namespace Ui {
class TfmCheckAllError;
}

// The dialog of the whole-declaration check: "Исправить" or "Отмена" (closing counts as "Отмена").
class TfmCheckAllError : public TCheckDialog {
    Q_OBJECT

public:
    explicit TfmCheckAllError(QWidget* owner = nullptr);
    ~TfmCheckAllError() override;

private:
    std::unique_ptr<Ui::TfmCheckAllError> ui;
};
