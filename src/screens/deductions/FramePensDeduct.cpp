#include "screens/deductions/FramePensDeduct.h"

#include "checks/ScreenPositions.h"
#include "controls/MaskedEdit.h"
#include "desktop/UserPrompts.h"
#include "records/Declaration.h"
#include "records/ListLimits.h"
#include "screens/ListEditor.h"
#include "screens/ScreenCheck.h"
#include "screens/deductions/ChildEduSum.h"
#include "screens/deductions/InputSoursePens.h"
#include "storage/AmountText.h"

#include "ui_FramePensDeduct.h"

TfrFramePensDeduct::TfrFramePensDeduct(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrFramePensDeduct>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frFramePensDeduct"));

    ListRecords education;
    education.Headings = {QStringLiteral("Суммы")};
    education.Noun = QStringLiteral("расхода на обучение ребёнка");
    education.Name = [this](int row) {
        return GroupedAmountText(Declaration().SocialDeduction.ChildEducationAmount(row));
    };
    education.Count = [this] { return Declaration().SocialDeduction.ChildEducationCount(); };
    education.RowTexts = [this](int row) {
        return QStringList{GroupedAmountText(Declaration().SocialDeduction.ChildEducationAmount(row))};
    };
    education.Add = [this]() -> std::optional<int> {
        TfmChildEduSum dialog(this);
        const std::optional<Money> amount = dialog.Enter(std::nullopt);
        if (!amount || amount->IsZero()) return std::nullopt;
        return Declaration().SocialDeduction.AddChildEducation(*amount);
    };
    education.Edit = [this](int row) {
        mTSocialDeduct& s = Declaration().SocialDeduction;
        TfmChildEduSum dialog(this);
        const std::optional<Money> amount = dialog.Enter(s.ChildEducationAmount(row));
        if (!amount || amount->IsZero() || *amount == s.ChildEducationAmount(row)) return false;
        s.SetChildEducationAmount(row, *amount);
        return true;
    };
    education.Delete = [this](int row) { Declaration().SocialDeduction.DeleteChildEducation(row); };
    childEducation_ = std::make_unique<TListEditor>(
        host, ui->lvChildEducation,
        ListButtons{ui->fbAddChildEdu, ui->fbEditChildEdu, ui->fbDeleteChildEdu, nullptr},
        std::move(education));

    ListRecords contracts;
    contracts.Headings = {
        QStringLiteral("Договоры добровольного пенс. страхования и негосударственного пенс. обеспечения")};
    contracts.Noun = QStringLiteral("договора");
    contracts.Name = [this](int row) { return Declaration().SocialDeduction.PensionContract(row)->FundName; };
    contracts.Count = [this] { return Declaration().SocialDeduction.PensionContractCount(); };
    contracts.RowTexts = [this](int row) {
        return QStringList{Declaration().SocialDeduction.PensionContract(row)->FundName};
    };
    contracts.Add = [this]() -> std::optional<int> {
        mTSocialDeduct& s = Declaration().SocialDeduction;
        const QString refusal = ListLimits::RefusalToAdd(ListLimits::List::PensionContracts,
                                                         s.PensionContractCount(), Declaration().ReturnKind);
        if (!refusal.isEmpty()) {
            UserPrompts::Current().Message(this, QMessageBox::Warning, refusal);
            return std::nullopt;
        }
        TfmInputSoursePens dialog(this);
        mTPens entered;
        if (!dialog.Edit(nullptr, entered) || entered.FundName.trimmed().isEmpty()) return std::nullopt;
        const int row = s.AddPensionContract();
        *s.PensionContract(row) = entered;
        return row;
    };
    contracts.Edit = [this](int row) {
        mTPens* contract = Declaration().SocialDeduction.PensionContract(row);
        TfmInputSoursePens dialog(this);
        mTPens entered;
        if (!dialog.Edit(contract, entered) || entered.FundName.trimmed().isEmpty()) return false;
        // Any field may have changed, the kind and the date included: each is a change to save.
        const bool changed = entered.ContractKind != contract->ContractKind ||
                             entered.FundName != contract->FundName || entered.FundINN != contract->FundINN ||
                             entered.FundKPP != contract->FundKPP ||
                             entered.ContractNumber != contract->ContractNumber ||
                             entered.ContractDate != contract->ContractDate ||
                             entered.Contribution != contract->Contribution ||
                             entered.ContributionToDeduct != contract->ContributionToDeduct ||
                             entered.AgentDeduction != contract->AgentDeduction;
        *contract = entered;
        return changed;
    };
    contracts.Delete = [this](int row) {
        Declaration().SocialDeduction.ReplacePensionContract(row, nullptr);
    };
    contracts_ = std::make_unique<TListEditor>(
        host, ui->lvPensions, ListButtons{ui->fbAddPens, ui->fbEditPens, ui->fbDeletePens, nullptr},
        std::move(contracts));

    connect(ui->chbGrantSocial, &QCheckBox::clicked, this, [this] { GrantClicked(); });
    LoadingScope loading(Host());
    Fill();
}

TfrFramePensDeduct::~TfrFramePensDeduct() {
    // The editors go before the lists they watch.
    childEducation_.reset();
    contracts_.reset();
}

QList<TMaskedEdit*> TfrFramePensDeduct::Amounts() const {
    return {ui->meCharity,
            ui->meOwnEducation,
            ui->meTreatment,
            ui->meExpensiveTreatment,
            ui->meVoluntaryInsurance,
            ui->meExtraPension};
}

void TfrFramePensDeduct::Fill() {
    const mTSocialDeduct& s = Declaration().SocialDeduction;
    ui->chbGrantSocial->setChecked(s.GrantSocial != 0);
    ui->meCharity->SetAmount(s.Charity);
    ui->meOwnEducation->SetAmount(s.OwnEducation);
    ui->meTreatment->SetAmount(s.Treatment);
    ui->meExpensiveTreatment->SetAmount(s.ExpensiveTreatment);
    ui->meVoluntaryInsurance->SetAmount(s.VoluntaryInsurance);
    ui->meExtraPension->SetAmount(s.ExtraPensionContributions);
    ApplyGrant();
    childEducation_->Rebuild();
    contracts_->Rebuild();
    if (s.ChildEducationCount() > 0) childEducation_->SelectRow(0);
}

void TfrFramePensDeduct::GrantClicked() {
    NotifyModified();
    ApplyGrant();
}

void TfrFramePensDeduct::ApplyGrant() {
    const bool grant = ui->chbGrantSocial->isChecked();
    for (TMaskedEdit* amount : Amounts()) {
        if (!grant) amount->clear();
        amount->setEnabled(grant);
    }
    for (QWidget* caption : std::initializer_list<QWidget*>{ui->lbCharity, ui->lbOwnEducation,
                                                            ui->lbTreatment, ui->lbExpensiveTreatment,
                                                            ui->lbVoluntaryInsurance, ui->lbExtraPension})
        caption->setEnabled(grant);
    if (!grant) {
        mTSocialDeduct& s = Declaration().SocialDeduction;
        s.ChildEducation.clear();
        while (s.PensionContractCount() > 0)
            s.ReplacePensionContract(s.PensionContractCount() - 1, nullptr);
        childEducation_->Rebuild();
        contracts_->Rebuild();
    }
    childEducation_->SetEnabled(grant);
    contracts_->SetEnabled(grant);
}

void TfrFramePensDeduct::Store() {
    mTSocialDeduct& s = Declaration().SocialDeduction;
    s.GrantSocial = ui->chbGrantSocial->isChecked() ? 1 : 0;
    s.Charity = ui->meCharity->Amount();
    s.OwnEducation = ui->meOwnEducation->Amount();
    s.Treatment = ui->meTreatment->Amount();
    s.ExpensiveTreatment = ui->meExpensiveTreatment->Amount();
    s.VoluntaryInsurance = ui->meVoluntaryInsurance->Amount();
    s.ExtraPensionContributions = ui->meExtraPension->Amount();
}

quint16 TfrFramePensDeduct::Check() {
    TScreenCheck check(this, CheckTitle::Social);
    check.Faults(SectionRules::Social(Declaration()));
    return check.Result();
}

void TfrFramePensDeduct::ShowLine(quint16 line) {
    if (line >= 1) childEducation_->ShowRow(line - 1);
}

void TfrFramePensDeduct::ShowPosition(quint16 position) {
    switch (position) {
    case SocialDeductionPosition::Charity:
        if (ui->meCharity->isEnabled()) ui->meCharity->setFocus();
        break;
    case SocialDeductionPosition::ChildEducation:
        childEducation_->ShowRow(0);
        if (ui->lvChildEducation->isEnabled()) ui->lvChildEducation->setFocus();
        break;
    default:
        break;
    }
}
