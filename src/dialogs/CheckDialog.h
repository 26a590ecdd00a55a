#pragma once

#include "checks/CheckAnswerer.h"

#include <QDialog>

class QLabel;

// What the two check dialogs share: the caption "Проверка: " with the section title, the picture
// and the centred message, and answering a fault by showing itself modally.
class TCheckDialog : public QDialog, public ICheckAnswerer {
    Q_OBJECT

public:
    using QDialog::QDialog;

    void SetSectionTitle(const QString& title);
    void SetMessage(const QString& message);
    QString Message() const;
    // Shows the fault modally and returns the user's answer; closing the window is Cancel.
    CheckAnswer Answer(const CheckFault& fault) override;

protected:
    // Wires the parts the forms hold under the same names.
    void Setup(QLabel* picture, QLabel* message);

private:
    QLabel* message_ = nullptr;
};
