#pragma once

#include "storage/Date.h"

#include <QDateEdit>

// A date field with a drop-down calendar that carries a stored day number exactly. A stored value
// outside the allowed range, or one with a time of day, is shown as near as the range allows but
// kept as it was until the user picks another date, so showing and storing a screen never
// changes a date the user did not touch.
//
// Digits typed into it make a whole date, day, month and year, wherever a click left the caret
// ("15031975", or "15.3.1975" with separators that end a part early); the date takes effect when its
// year is complete. A date that does not exist (31.02, month 13) or lies outside the range is refused
// with a word next to the field, and the field keeps the date it had.
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
    // A typed date was refused, for the reason given.
    void Refused(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The digits typed so far, shown over the pattern "__.__.____".
    void ShowTyped();
    // Why the digits typed so far cannot begin or make a date in range; empty when they can.
    QString TypedRefusal() const;
    // Ends the typing: a complete date takes effect, an incomplete one is refused; the field then
    // shows its date again.
    void FinishTyping();
    void Refuse(const QString& message);
    void EndTyping();

    TDateTime value_ = 0;
    bool userChanged_ = false;
    bool setting_ = false;
    bool typing_ = false;
    QString typed_; // digits of day, month and year, each part padded to its width once ended
};
