#include "dialogs/CheckDialog.h"

#include <QLabel>
#include <QStyle>

void TCheckDialog::Setup(QLabel* picture, QLabel* message) {
    message_ = message;
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TCheckDialog::SetSectionTitle(const QString& title) {
    setWindowTitle(QStringLiteral("Проверка: ") + title);
}

void TCheckDialog::SetMessage(const QString& message) {
    message_->setText(message);
}

QString TCheckDialog::Message() const {
    return message_->text();
}

CheckAnswer TCheckDialog::Answer(const CheckFault& fault) {
    SetSectionTitle(fault.Title);
    SetMessage(fault.Message);
    adjustSize();
    switch (exec()) {
    case int(CheckAnswer::Fix) + 1:
        return CheckAnswer::Fix;
    case int(CheckAnswer::Skip) + 1:
        return CheckAnswer::Skip;
    case int(CheckAnswer::SkipAll) + 1:
        return CheckAnswer::SkipAll;
    default:
        return CheckAnswer::Cancel;
    }
}
