#include "screens/deductions/InputSoursePens.h"

#include "dialogs/CheckError.h"
#include "records/Pens.h"
#include "screens/ScreenCheck.h"
#include "screens/conditions/PayerSourceCheck.h"

#include "ui_InputSoursePens.h"

namespace {

const QString Title = QStringLiteral("Пенсионные договоры");

enum : quint16 { FixName = 1, FixInn = 2, FixKpp = 3, FixNumber = 4, FixContribution = 5 };

} // namespace

TfmInputSoursePens::TfmInputSoursePens(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfmInputSoursePens>()) {
    ui->setupUi(this);
    ui->dtContractDate->SetRange(QDate(1990, 1, 1), QDate(2010, 12, 31));
    connect(ui->bnYes, &QPushButton::clicked, this, &TfmInputSoursePens::accept);
}

TfmInputSoursePens::~TfmInputSoursePens() = default;

bool TfmInputSoursePens::Edit(const mTPens* contract, mTPens& into) {
    const mTPens defaults;
    const mTPens& c = contract ? *contract : defaults;
    QRadioButton* const kinds[] = {ui->rbKind1, ui->rbKind2, ui->rbKind3, ui->rbKind4};
    kinds[c.ContractKind >= 1 && c.ContractKind <= 4 ? c.ContractKind - 1 : 0]->setChecked(true);
    ui->meFundName->setText(c.FundName);
    ui->meFundINN->setText(c.FundINN);
    ui->meFundKPP->setText(c.FundKPP);
    ui->meContractNumber->setText(c.ContractNumber);
    ui->dtContractDate->SetValue(contract ? c.ContractDate : DateValue::FromYmd(2008, 1, 1));
    const auto show = [contract](TMaskedEdit* field, Money amount) {
        if (contract)
            field->SetAmount(amount);
        else
            field->clear();
    };
    show(ui->meContribution, c.Contribution);
    show(ui->meContributionToDeduct, c.ContributionToDeduct);
    show(ui->meAgentDeduction, c.AgentDeduction);
    ui->meFundName->setFocus();
    if (exec() != QDialog::Accepted) return false;

    into.ContractKind = ui->rbKind4->isChecked()   ? 4
                        : ui->rbKind3->isChecked() ? 3
                        : ui->rbKind2->isChecked() ? 2
                                                   : 1;
    into.FundName = ui->meFundName->text();
    into.FundINN = ui->meFundINN->text();
    into.FundKPP = ui->meFundKPP->text();
    into.ContractNumber = ui->meContractNumber->text();
    into.ContractDate = ui->dtContractDate->Value();
    into.Contribution = ui->meContribution->Amount();
    into.ContributionToDeduct = ui->meContributionToDeduct->Amount();
    into.AgentDeduction = ui->meAgentDeduction->Amount();
    return true;
}

void TfmInputSoursePens::accept() {
    if (CheckContract() == 0) QDialog::accept();
}

quint16 TfmInputSoursePens::CheckContract() {
    // The contract has no OKATO code, so the payer check runs without its OKATO rule.
    const PayerSourceCheckResult payer =
        CheckPayerSource(this, Title, PayerKind::OrganisationWithoutOkato, ui->meFundName->text(), QString(),
                         ui->meFundKPP->text(), ui->meFundINN->text());
    quint16 result = payer.Position;
    if (result == 0) {
        TScreenCheck check(this, Title);
        check.Dialog().SetSkipEnabled(false);
        check.Dialog().SetSkipAllEnabled(false);
        check.Rule(ui->meContractNumber->text().isEmpty(), QStringLiteral("Введите номер договора"),
                   FixNumber);
        check.Rule(ui->meContribution->Amount() < ui->meAgentDeduction->Amount(),
                   QStringLiteral("Сумма взносов меньше суммы предоставленного вычета"), FixContribution);
        result = check.Result();
    }
    switch (result) {
    case FixName:
        ui->meFundName->setFocus();
        break;
    case FixInn:
        ui->meFundINN->setFocus();
        break;
    case FixKpp:
        ui->meFundKPP->setFocus();
        break;
    case FixNumber:
        ui->meContractNumber->setFocus();
        break;
    case FixContribution:
        ui->meContribution->setFocus();
        break;
    default:
        break;
    }
    return result;
}
