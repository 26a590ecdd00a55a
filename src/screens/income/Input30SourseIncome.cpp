#include "screens/income/Input30SourseIncome.h"

#include "records/ThirtyPercent.h"
#include "screens/ScreenCheck.h"
#include "screens/income/PayerFields.h"
#include "storage/AmountText.h"

#include "ui_Input30SourseIncome.h"

namespace {

const QString Title = QStringLiteral("Доходы, облагаемые по ставке 30%");

} // namespace

TfmInput30SourseIncome::TfmInput30SourseIncome(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::TfmInput30SourseIncome>()) {
    ui->setupUi(this);
    connect(ui->meTaxableSum, &TMaskedEdit::Changed, this, &TfmInput30SourseIncome::TaxableChanged);
    connect(ui->bnYes, &QPushButton::clicked, this, [this] {
        if (CheckSource()) accept();
    });
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
}

TfmInput30SourseIncome::~TfmInput30SourseIncome() = default;

void TfmInput30SourseIncome::Fill(const mTThirtyPercent& source) {
    ui->meSourseName->setText(source.SourceName);
    ui->meINN->setText(source.SourceINN);
    ui->meKPP->setText(source.SourceKPP);
    ui->meOKATO->setText(source.SourceOKATO);
    ui->meDividendSum->SetAmount(source.IncomeTotal);
    ui->meTaxableSum->SetAmount(source.TaxableIncome);
    // The stored tax stays as it was until the taxable amount is changed.
    ui->meTaxComputed->SetAmount(source.TaxComputed);
    ui->meTaxWithheld->SetAmount(source.TaxWithheld);
}

bool TfmInput30SourseIncome::WriteTo(mTThirtyPercent& source) const {
    mTThirtyPercent before = source;
    source.SourceName = ui->meSourseName->text();
    source.SourceINN = ui->meINN->text();
    source.SourceKPP = ui->meKPP->text();
    source.SourceOKATO = ui->meOKATO->text();
    source.IncomeTotal = ui->meDividendSum->Amount();
    source.TaxableIncome = ui->meTaxableSum->Amount();
    source.TaxComputed = ui->meTaxComputed->Amount();
    source.TaxWithheld = ui->meTaxWithheld->Amount();
    return before.SourceName != source.SourceName || before.SourceINN != source.SourceINN ||
           before.SourceKPP != source.SourceKPP || before.SourceOKATO != source.SourceOKATO ||
           before.IncomeTotal != source.IncomeTotal || before.TaxableIncome != source.TaxableIncome ||
           before.TaxComputed != source.TaxComputed || before.TaxWithheld != source.TaxWithheld;
}

QString TfmInput30SourseIncome::SourceName() const {
    return ui->meSourseName->text();
}

void TfmInput30SourseIncome::TaxableChanged() {
    // The tax on dividends at 9 %, in whole roubles.
    const QString taxable = ui->meTaxableSum->text().trimmed();
    if (taxable.isEmpty()) {
        ui->meTaxComputed->clear();
        return;
    }
    const long double tax = ui->meTaxableSum->Amount().ToLongDouble() * 9 / 100;
    ui->meTaxComputed->SetAmount(Money::FromUnits(RoundHalfUp(double(tax))));
}

bool TfmInput30SourseIncome::CheckSource() {
    if (!CheckPayerFields(this, Title, PayerKind::Organisation,
                          {ui->meSourseName, ui->meINN, ui->meKPP, ui->meOKATO}))
        return false;
    const Money withheld = ui->meTaxWithheld->Amount();
    if ((ui->meTaxableSum->Amount() + withheld).IsZero()) return true;
    const bool noSum = ui->meDividendSum->text().trimmed().isEmpty();
    if (!noSum && !(ui->meDividendSum->Amount() < withheld)) return true;
    TScreenCheck check(this, Title);
    check.Rule(true, QStringLiteral("Сумма дивидендов меньше суммы удержанного налога"), 1);
    if (check.Result() == 0) return true;
    (noSum ? ui->meTaxableSum : ui->meTaxWithheld)->setFocus();
    return false;
}
