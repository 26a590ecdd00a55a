#include "controls/DatePicker.h"

#include "controls/ModificationNotice.h"

#include <QCalendarWidget>

TDatePicker::TDatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (setting_) return;
        userChanged_ = true;
        SendModificationNotice(this);
        emit Changed();
    });
    // A click in the calendar counts as the user's touch even when it picks the same day.
    connect(calendarWidget(), &QCalendarWidget::clicked, this, [this] { SendModificationNotice(this); });
}

void TDatePicker::SetValue(TDateTime value) {
    setting_ = true;
    value_ = value;
    userChanged_ = false;
    setDate(DateValue::ToQDate(value));
    setting_ = false;
}

TDateTime TDatePicker::Value() const {
    return userChanged_ ? DateValue::FromQDate(date()) : value_;
}

void TDatePicker::SetRange(QDate earliest, QDate latest) {
    // Narrowing the range moves the shown date into it; that is not the user's change.
    setting_ = true;
    setDateRange(earliest, latest);
    setting_ = false;
}
