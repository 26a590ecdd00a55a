#include "controls/DatePicker.h"

#include "controls/ModificationNotice.h"
#include "controls/RefusalNotice.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int DayMonthDigits = 4;
constexpr int AllDigits = 8;
const QString DateFormat = QStringLiteral("dd.MM.yyyy");

} // namespace

TDatePicker::TDatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(DateFormat);
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
    EndTyping();
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

void TDatePicker::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const QChar c = text.size() == 1 ? text[0] : QChar();
    if (isReadOnly() || !plain) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        if (!typing_) {
            typing_ = true;
            typed_.clear();
        }
        if (typed_.size() < AllDigits) typed_ += c;
        if (const QString refusal = TypedRefusal(); !refusal.isEmpty()) {
            Refuse(refusal);
            return;
        }
        ShowTyped();
        if (typed_.size() == AllDigits) FinishTyping();
        event->accept();
        return;
    }
    if (typing_) {
        // A separator ends the day or the month early ("1.3.1975").
        if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('/') ||
            c == QLatin1Char('-')) {
            const qsizetype part = typed_.size() < 2 ? 0 : typed_.size() < DayMonthDigits ? 2 : -1;
            if (part >= 0 && typed_.size() == part + 1) typed_.insert(part, QLatin1Char('0'));
            if (const QString refusal = TypedRefusal(); !refusal.isEmpty())
                Refuse(refusal);
            else
                ShowTyped();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Backspace) {
            typed_.chop(1);
            ShowTyped();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            EndTyping();
            event->accept();
            return;
        }
        FinishTyping();
    }
    QDateEdit::keyPressEvent(event);
}

void TDatePicker::focusInEvent(QFocusEvent* event) {
    EndTyping();
    QDateEdit::focusInEvent(event);
}

void TDatePicker::focusOutEvent(QFocusEvent* event) {
    if (typing_) FinishTyping();
    QDateEdit::focusOutEvent(event);
}

void TDatePicker::mousePressEvent(QMouseEvent* event) {
    // A click starts a new date, wherever it leaves the caret.
    if (typing_) FinishTyping();
    QDateEdit::mousePressEvent(event);
}

bool TDatePicker::focusNextPrevChild(bool next) {
    if (typing_) FinishTyping();
    return QDateEdit::focusNextPrevChild(next);
}

void TDatePicker::ShowTyped() {
    QString shown = QStringLiteral("__.__.____");
    for (qsizetype i = 0, at = 0; i < typed_.size(); ++i, ++at) {
        if (shown[at] == QLatin1Char('.')) ++at;
        shown[at] = typed_[i];
    }
    // The spin box would take the unfinished text for its own and correct it: it is not told.
    const QSignalBlocker blocker(lineEdit());
    lineEdit()->setText(shown);
    lineEdit()->setCursorPosition(int(typed_.size() + (typed_.size() >= 4 ? 2 : typed_.size() >= 2 ? 1 : 0)));
}

QString TDatePicker::TypedRefusal() const {
    if (typed_.size() >= 2) {
        const int day = typed_.left(2).toInt();
        if (day < 1 || day > 31) return QStringLiteral("Дня %1 не бывает").arg(typed_.left(2));
    }
    if (typed_.size() >= DayMonthDigits) {
        const int month = typed_.mid(2, 2).toInt();
        if (month < 1 || month > 12) return QStringLiteral("Месяца %1 не бывает").arg(typed_.mid(2, 2));
    }
    if (typed_.size() < AllDigits) return {};
    const QString text =
        typed_.left(2) + QLatin1Char('.') + typed_.mid(2, 2) + QLatin1Char('.') + typed_.mid(4);
    const QDate day = QDate::fromString(text, DateFormat);
    if (!day.isValid()) return QStringLiteral("Даты %1 не бывает").arg(text);
    if (day < minimumDate() || day > maximumDate())
        return QStringLiteral("Дата должна быть не раньше %1 и не позже %2")
            .arg(minimumDate().toString(DateFormat), maximumDate().toString(DateFormat));
    return {};
}

void TDatePicker::FinishTyping() {
    if (!typing_) return;
    if (typed_.size() < AllDigits) {
        if (typed_.isEmpty())
            EndTyping();
        else
            Refuse(QStringLiteral("Дата набирается полностью: день, месяц и год, например 15031975"));
        return;
    }
    const QDate day = QDate::fromString(typed_, QStringLiteral("ddMMyyyy"));
    EndTyping();
    setDate(day);
}

void TDatePicker::Refuse(const QString& message) {
    EndTyping();
    ShowRefusal(this, message);
    emit Refused(message);
}

void TDatePicker::EndTyping() {
    const bool wasTyping = typing_;
    typing_ = false;
    typed_.clear();
    // The field shows its own date again.
    if (wasTyping) {
        const QSignalBlocker blocker(lineEdit());
        lineEdit()->setText(date().toString(DateFormat));
    }
}
