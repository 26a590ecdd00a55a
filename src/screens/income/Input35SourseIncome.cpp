#include "screens/income/Input35SourseIncome.h"

#include "dialogs/CheckError.h"
#include "records/ThirtyFivePercent.h"
#include "screens/ScreenCheck.h"
#include "screens/income/IncomeDeductionFields.h"
#include "screens/income/PayerFields.h"
#include "storage/AmountText.h"

#include "ui_Input35SourseIncome.h"

namespace {

const QString Title = QStringLiteral("Доходы, облагаемые по ставке 35%");

// The withheld tax, after the positions of IncomeFix.
constexpr quint16 FixWithheld = 5;

IncomeDeductionRules Rules35() {
    IncomeDeductionRules rules;
    rules.RateFilter = QStringLiteral("35");
    rules.UsePercent = false;
    rules.IncomeChange = IncomeDeductionRules::OnIncome::ProposalOrZero;
    return rules;
}

} // namespace

TfmInput35SourseIncome::TfmInput35SourseIncome(QWidget* owner, const mTIncomeDictionary& dictionary)
    : QDialog(owner), ui(std::make_unique<Ui::TfmInput35SourseIncome>()) {
    ui->setupUi(this);
    fields_ = new TIncomeDeductionFields(this,
                                         {ui->pnIncomeCode, ui->bnIncomeCode, ui->lbIncomeSum,
                                          ui->meIncomeSum, ui->lbDeductCode, ui->pnDeductCode,
                                          ui->bnDeductCode, ui->lbSubtractSum, ui->meSubtractSum},
                                         Rules35(), dictionary);
    fields_->SetUpNew();
    connect(ui->bnYes, &QPushButton::clicked, this, [this] {
        if (CheckSource()) accept();
    });
    connect(ui->bnNo, &QPushButton::clicked, this, &QDialog::reject);
}

TfmInput35SourseIncome::~TfmInput35SourseIncome() = default;

void TfmInput35SourseIncome::Fill(const mTThirtyFivePercent& source) {
    ui->meSourseName->setText(source.SourceName);
    ui->meINN->setText(source.SourceINN);
    ui->meKPP->setText(source.SourceKPP);
    ui->meOKATO->setText(source.SourceOKATO);
    fields_->Open(source.IncomeCode, source.IncomeTotal, source.DeductionCode, source.DeductionAmount, 0);
    ui->meTaxWithheld->setText(source.TaxWithheld.IsZero() ? QString() : AmountFieldText(source.TaxWithheld));
}

bool TfmInput35SourseIncome::WriteTo(mTThirtyFivePercent& source) const {
    const mTThirtyFivePercent before = source;
    source.SourceName = ui->meSourseName->text();
    source.SourceINN = ui->meINN->text();
    source.SourceKPP = ui->meKPP->text();
    source.SourceOKATO = ui->meOKATO->text();
    source.IncomeCode = fields_->IncomeCode();
    source.IncomeTotal = fields_->Income();
    source.DeductionCode = fields_->DeductionCode();
    source.DeductionAmount = fields_->Deduction();
    source.TaxWithheld = ui->meTaxWithheld->Amount();
    return before.SourceName != source.SourceName || before.SourceINN != source.SourceINN ||
           before.SourceKPP != source.SourceKPP || before.SourceOKATO != source.SourceOKATO ||
           before.IncomeCode != source.IncomeCode || before.IncomeTotal != source.IncomeTotal ||
           before.DeductionCode != source.DeductionCode || before.DeductionAmount != source.DeductionAmount ||
           before.TaxWithheld != source.TaxWithheld;
}

QString TfmInput35SourseIncome::SourceName() const {
    return ui->meSourseName->text();
}

qint32 TfmInput35SourseIncome::IncomeCode() const {
    return fields_->IncomeCode();
}

bool TfmInput35SourseIncome::CheckSource() {
    if (!CheckPayerFields(this, Title, PayerKind::OrganisationOrPerson,
                          {ui->meSourseName, ui->meINN, ui->meKPP, ui->meOKATO}))
        return false;
    const quint16 fault = CheckIncome();
    if (fault == 0) return true;
    if (!fields_->ShowFault(fault)) ui->meTaxWithheld->setFocus();
    return false;
}

quint16 TfmInput35SourseIncome::CheckIncome() {
    TScreenCheck check(this, Title);
    check.Dialog().SetSkipAllEnabled(false);
    const auto mandatory = [&check](bool fails, const char* message, quint16 position) {
        if (!fails || check.Ended()) return;
        check.Dialog().SetSkipEnabled(false);
        check.Rule(true, QString::fromUtf8(message), position);
    };
    const bool noIncomeCode = !fields_->IncomeChosen();
    const bool noIncome = fields_->IncomeEmpty();
    mandatory(noIncomeCode, "Не выбран доход", IncomeFix::IncomeCode);
    mandatory(noIncome, "Не указана сумма дохода",
              noIncomeCode ? IncomeFix::IncomeCode : IncomeFix::IncomeSum);
    check.Rule(fields_->HasDeduction() && !fields_->DeductionChosen(), QStringLiteral("Не выбран вычет"),
               IncomeFix::DeductionCode);
    if (fields_->Editable()) {
        mandatory(!fields_->DeductionEmpty() && (noIncome || fields_->Deduction() > fields_->Income()),
                  "Сумма вычета превышает сумму дохода",
                  noIncome ? IncomeFix::IncomeSum : IncomeFix::DeductionSum);
        const bool withheldGiven = !ui->meTaxWithheld->text().trimmed().isEmpty();
        check.Rule(withheldGiven && (noIncome || ui->meTaxWithheld->Amount() > fields_->Income()),
                   QStringLiteral("Удержанная сумма превышает сумму дохода"),
                   noIncome ? quint16(IncomeFix::IncomeSum) : FixWithheld);
    }
    return check.Result();
}
