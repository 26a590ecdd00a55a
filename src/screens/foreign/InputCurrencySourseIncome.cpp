#include "screens/foreign/InputCurrencySourseIncome.h"

#include "checks/CheckResult.h"
#include "dialogs/CheckError.h"
#include "pickers/CountryPicker.h"
#include "screens/ScreenHost.h"

#include "ui_InputCurrencySourseIncome.h"

#include <QKeyEvent>

TfmInputCurrencySourseIncome::TfmInputCurrencySourseIncome(QWidget* owner, ScreenHost& host)
    : QDialog(owner), ui(std::make_unique<Ui::TfmInputCurrencySourseIncome>()), host_(host) {
    ui->setupUi(this);
    ui->bnGos->setEnabled(host_.CountryPicker() != nullptr);
    connect(ui->bnGos, &QPushButton::clicked, this, [this] { PickCountry(); });
    connect(ui->bnYes, &QPushButton::clicked, this, [this] { YesClicked(); });
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
}

TfmInputCurrencySourseIncome::~TfmInputCurrencySourseIncome() = default;

QString TfmInputCurrencySourseIncome::SourceName() const {
    return ui->meSourseName->text();
}

void TfmInputCurrencySourseIncome::SetSourceName(const QString& name) {
    ui->meSourseName->setText(name);
}

QString TfmInputCurrencySourseIncome::CountryCode() const {
    return ui->meGos->text();
}

void TfmInputCurrencySourseIncome::SetCountryCode(const QString& code) {
    ui->meGos->setText(code);
}

bool TfmInputCurrencySourseIncome::CountryMissing() {
    if (!ui->meGos->text().trimmed().isEmpty()) return false;
    TfmCheckError check(this);
    check.SetSkipEnabled(false);
    check.SetSkipAllEnabled(false);
    return check.Answer({CheckSection::None, QStringLiteral("Источник дохода"),
                         QStringLiteral("Не выбран код страны"), 1}) == CheckAnswer::Fix;
}

void TfmInputCurrencySourseIncome::PickCountry() {
    TfmGrazhd* const picker = host_.CountryPicker();
    if (!picker) return;
    picker->Preselect(ui->meGos->text());
    if (!picker->Choose()) return;
    const QString code = picker->Code().trimmed();
    if (code == ui->meGos->text()) return;
    ui->meGos->setText(code);
    host_.NotifyModified();
}

void TfmInputCurrencySourseIncome::YesClicked() {
    if (CountryMissing()) PickCountry();
    accept();
}

void TfmInputCurrencySourseIncome::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // "Исправить" keeps the dialog open for the country to be entered.
        if (CountryMissing())
            ui->meGos->setFocus();
        else
            accept();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
