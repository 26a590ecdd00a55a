#include "computation/SocialDeduction.h"

#include "computation/SvodSum.h"
#include "computation/WholeRoubles.h"
#include "records/Declaration.h"

#include <algorithm>

namespace {

// Pension contract kinds: provision for oneself or a relative, insurance for oneself or a relative.
constexpr qint32 kProvisionOwn = 1;
constexpr qint32 kProvisionRelative = 2;
constexpr qint32 kInsuranceOwn = 3;
constexpr qint32 kInsuranceRelative = 4;

} // namespace

void kTSvodSumPrilE2::Compute(mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    sum.PrilE3.Reset();
    mTSocialDeduct& record = declaration.SocialDeduction;
    if (record.GrantSocial != 1 || declaration.ReturnKind != ReturnKind3NDFL) return;

    Charity = record.Charity;
    const Money income = sum.PrilA13.IncomeTotal + sum.PrilB13.IncomeRoublesTotal + sum.PrilV1.IncomeTotal +
                         sum.PrilV2.IncomeTotal;
    // Compared exactly with the share of the income, then cut to kopecks.
    if (ExceedsPercent(Charity, income, CharityPercent))
        Charity = PercentCutToKopecks(income, CharityPercent);

    OwnEducation = record.OwnEducation;

    // The declaration keeps the lowered amounts.
    for (Money& payment : record.ChildEducation) {
        if (payment > ChildEducationLimit) payment = ChildEducationLimit;
        ChildEducationTotal += payment;
    }

    Treatment = record.Treatment;
    ExpensiveTreatment = record.ExpensiveTreatment;
    Insurance = record.VoluntaryInsurance;
    ExtraPension = record.ExtraPensionContributions;

    sum.PrilE3.Compute(declaration, sum);
    PensionProvision = sum.PrilE3.ProvisionDeductTotal;
    PensionInsurance = sum.PrilE3.InsuranceDeductTotal;

    UnlimitedSubtotal = Charity + ChildEducationTotal + ExpensiveTreatment;
    LimitedSubtotal =
        Insurance + PensionInsurance + PensionProvision + ExtraPension + OwnEducation + Treatment;
    const Money limit = std::max(Money(), LimitedGroupLimit - sum.PrilE3.AgentTotal);
    if (LimitedSubtotal > limit) LimitedSubtotal = limit;
    SocialTotal = UnlimitedSubtotal + LimitedSubtotal + sum.PrilE3.AgentTotal;
}

void kTSvodSumPrilE3::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    const auto& contracts = declaration.SocialDeduction.PensionContracts;
    for (size_t i = 0; i < contracts.size(); ++i) {
        const mTPens* contract = contracts[i].get();
        const qint32 kind = contract->ContractKind;
        const bool provision = kind == kProvisionOwn || kind == kProvisionRelative;
        const bool insurance = kind == kInsuranceOwn || kind == kInsuranceRelative;
        if (!provision && !insurance) continue;

        kTSvodSumPensionItem item;
        item.ContractKind = provision ? kind : kind - 2;
        item.FundName = contract->FundName;
        item.FundINN = contract->FundINN;
        item.FundKPP = contract->FundKPP;
        item.ContractNumber = contract->ContractNumber;
        item.ContractDate = contract->ContractDate;
        item.Contribution = contract->Contribution;
        item.AgentDeducted = std::min(contract->AgentDeduction, contract->Contribution);
        // What the agent has not deducted yet; the amount claimed on the contract is not used.
        item.ToDeduct = item.Contribution - item.AgentDeducted;
        item.ContractIndex = qint32(i);

        if (provision) {
            ProvisionDeductTotal += item.ToDeduct;
            ProvisionAgentTotal += item.AgentDeducted;
            ProvisionItems.push_back(std::move(item));
        } else {
            InsuranceDeductTotal += item.ToDeduct;
            InsuranceAgentTotal += item.AgentDeducted;
            InsuranceItems.push_back(std::move(item));
        }
    }
    AgentTotal = ProvisionAgentTotal + InsuranceAgentTotal;
}
