#pragma once

#include "storage/Date.h"

#include <QDateEdit>

// A date field with a drop-down calendar that carries a stored day number exactly. A stored value
// outside the allowed range, or one with a time of day, is shown as near as the range allows but
// kept as it was until the user picks another date, so showing and storing a screen never
// changes a date the user did not touch.
class TDatePicker : public QDateEdit {
    Q_OBJECT

public:
    explicit TDatePicker(QWidget* parent = nullptr);

    // Shows value without counting as a change by the user.
    void SetValue(TDateTime value);
    // The value set, or the date the user picked since.
    TDateTime Value() const;
    void SetRange(QDate earliest, QDate latest);

signals:
    // The user changed the date (typing, the calendar); not raised by SetValue.
    void Changed();

private:
    TDateTime value_ = 0;
    bool userChanged_ = false;
    bool setting_ = false;
};
