#include "computation/SocialDeduction.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

#include <algorithm>

namespace {

// Each payment for a child's education is deductible up to this amount.
constexpr Money kChildEducationLimit = Money::FromUnits(50000);
// The limited group together with the pension contributions deducted by agents.
constexpr Money kLimitedGroupLimit = Money::FromUnits(120000);
// Charity is deductible up to this share of the income.
constexpr int kCharityPercent = 25;

// Pension contract kinds: provision for oneself or a relative, insurance for oneself or a relative.
constexpr qint32 kProvisionOwn = 1;
constexpr qint32 kProvisionRelative = 2;
constexpr qint32 kInsuranceOwn = 3;
constexpr qint32 kInsuranceRelative = 4;

// percent % of amount, the kopecks past the second decimal cut. Wide arithmetic: the amounts come
// from a file and must not overflow.
Money PercentCutToKopecks(Money amount, int percent) {
    constexpr qint64 rawPerKopeck = Money::Scale / 100;
    const __int128 kopecks = static_cast<__int128>(amount.Raw()) * percent / Money::Scale;
    return Money::FromRaw(static_cast<qint64>(kopecks) * rawPerKopeck);
}

// amount > percent % of base, exactly.
bool ExceedsPercent(Money amount, Money base, int percent) {
    return static_cast<__int128>(amount.Raw()) * 100 > static_cast<__int128>(base.Raw()) * percent;
}

} // namespace

bool kTSvodSumPrilE2::Compute(mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    sum.PrilE3.Reset();
    mTSocialDeduct& record = declaration.SocialDeduction;
    if (record.GrantSocial != 1 || declaration.ReturnKind != ReturnKind3NDFL) return true;

    Charity = record.Charity;
    const Money income = sum.PrilA13.IncomeTotal + sum.PrilB13.IncomeRoublesTotal + sum.PrilV1.IncomeTotal +
                         sum.PrilV2.IncomeTotal;
    // Compared exactly with the share of the income, then cut to kopecks.
    if (ExceedsPercent(Charity, income, kCharityPercent))
        Charity = PercentCutToKopecks(income, kCharityPercent);

    OwnEducation = record.OwnEducation;

    // The declaration keeps the lowered amounts.
    for (Money& payment : record.ChildEducation) {
        if (payment > kChildEducationLimit) payment = kChildEducationLimit;
        ChildEducationTotal += payment;
    }

    Treatment = record.Treatment;
    ExpensiveTreatment = record.ExpensiveTreatment;
    Insurance = record.VoluntaryInsurance;
    ExtraPension = record.ExtraPensionContributions;

    if (!sum.PrilE3.Compute(declaration, sum)) return false;
    PensionProvision = sum.PrilE3.ProvisionDeductTotal;
    PensionInsurance = sum.PrilE3.InsuranceDeductTotal;

    UnlimitedSubtotal = Charity + ChildEducationTotal + ExpensiveTreatment;
    LimitedSubtotal =
        Insurance + PensionInsurance + PensionProvision + ExtraPension + OwnEducation + Treatment;
    const Money limit = std::max(Money(), kLimitedGroupLimit - sum.PrilE3.AgentTotal);
    if (LimitedSubtotal > limit) LimitedSubtotal = limit;
    SocialTotal = UnlimitedSubtotal + LimitedSubtotal + sum.PrilE3.AgentTotal;
    return true;
}

bool kTSvodSumPrilE3::Compute(const mTDeclaration& declaration, kTSvodSum&) {
    Reset();
    for (const auto& contract : declaration.SocialDeduction.PensionContracts) {
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
    return true;
}
