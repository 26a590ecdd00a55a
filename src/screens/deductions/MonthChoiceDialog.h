#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <optional>

class QComboBox;
class QLabel;

// A dialog that asks one choice for each month of the year: a list per month, "Да" accepts and "Нет"
// cancels (Enter and Escape do the same). The choices are item positions.
class TMonthChoiceDialog : public QDialog {
    Q_OBJECT

public:
    using Choices = std::array<qint32, 12>;

    // text: an explanation above the months, none when empty.
    TMonthChoiceDialog(QWidget* parent, const QStringList& items, const QString& text);
    ~TMonthChoiceDialog() override;

    // Shows the current choices (a position outside the items chooses the first); the chosen ones when
    // the user accepts, none when cancelled.
    std::optional<Choices> Choose(const Choices& current);

    QComboBox* MonthList(int month) const { return lists_.at(size_t(month - 1)); }

private:
    std::array<QComboBox*, 12> lists_{};
};

// The personal code (103, 104 or 105) of each month.
class TfmDif : public TMonthChoiceDialog {
    Q_OBJECT

public:
    explicit TfmDif(QWidget* parent);
};

// Whether the taxpayer was a single parent (guardian) in each month: "да" or "нет".
class TfmDif2 : public TMonthChoiceDialog {
    Q_OBJECT

public:
    explicit TfmDif2(QWidget* parent);
};
