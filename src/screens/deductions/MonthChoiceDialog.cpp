#include "screens/deductions/MonthChoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const MonthNames[12] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                    "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

} // namespace

TMonthChoiceDialog::TMonthChoiceDialog(QWidget* parent, const QStringList& items, const QString& text)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Комбинация стандартных вычетов"));
    auto* layout = new QVBoxLayout(this);
    if (!text.isEmpty()) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("lbText"));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    // Two columns of six months, read down the first and then the second.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (int m = 0; m < 12; ++m) {
        const int row = m % 6;
        const int column = (m / 6) * 2;
        auto* label = new QLabel(QString::fromUtf8(MonthNames[m]), this);
        label->setObjectName(QStringLiteral("lbMonth%1").arg(m + 1));
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("cbMonth%1").arg(m + 1));
        list->addItems(items);
        list->setMinimumWidth(70);
        label->setBuddy(list);
        grid->addWidget(label, row, column);
        grid->addWidget(list, row, column + 1);
        lists_[size_t(m)] = list;
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(this);
    auto* yes = buttons->addButton(QStringLiteral("Да"), QDialogButtonBox::AcceptRole);
    yes->setObjectName(QStringLiteral("bnYes"));
    yes->setDefault(true);
    auto* no = buttons->addButton(QStringLiteral("Нет"), QDialogButtonBox::RejectRole);
    no->setObjectName(QStringLiteral("bnNo"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Tab goes through the months in calendar order, then the buttons.
    for (int m = 1; m < 12; ++m)
        setTabOrder(lists_[size_t(m - 1)], lists_[size_t(m)]);
    setTabOrder(lists_[11], yes);
    setTabOrder(yes, no);
}

TMonthChoiceDialog::~TMonthChoiceDialog() = default;

std::optional<TMonthChoiceDialog::Choices> TMonthChoiceDialog::Choose(const Choices& current) {
    for (int m = 0; m < 12; ++m) {
        QComboBox* list = lists_[size_t(m)];
        const qint32 v = current[size_t(m)];
        list->setCurrentIndex(v >= 0 && v < list->count() ? v : 0);
    }
    lists_[0]->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    Choices chosen{};
    for (int m = 0; m < 12; ++m)
        chosen[size_t(m)] = lists_[size_t(m)]->currentIndex();
    return chosen;
}

TfmDif::TfmDif(QWidget* parent)
    : TMonthChoiceDialog(parent, {QStringLiteral("103"), QStringLiteral("104"), QStringLiteral("105")}, {}) {
    setObjectName(QStringLiteral("TfmDif"));
}

TfmDif2::TfmDif2(QWidget* parent)
    : TMonthChoiceDialog(parent, {QStringLiteral("да"), QStringLiteral("нет")},
                         QStringLiteral("В этом месяце был статус единственного родителя (опекуна)")) {
    setObjectName(QStringLiteral("TfmDif2"));
}
