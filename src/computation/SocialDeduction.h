#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTDeclaration;

// One pension contract with the part of its contribution deducted in the return.
class kTSvodSumPensionItem {
public:
    template <class IO> void Fields(IO& io) {
        io.Int("ContractKind", ContractKind);
        io.Str("FundName", FundName);
        io.Str("FundINN", FundINN);
        io.Str("FundKPP", FundKPP);
        io.Str("ContractNumber", ContractNumber);
        io.Date("ContractDate", ContractDate);
        io.Amount("Contribution", Contribution);
        io.Amount("ToDeduct", ToDeduct);
        io.Amount("AgentDeducted", AgentDeducted);
    }

    qint32 ContractKind = 0; // 1 = in one's own favour, 2 = in favour of a relative
    QString FundName;
    QString FundINN;
    QString FundKPP;
    QString ContractNumber;
    TDateTime ContractDate = 0;
    Money Contribution;
    Money ToDeduct;
    Money AgentDeducted;
    // Position of the contract in the social-deduction record; not part of the return.
    qint32 ContractIndex = 0;
};

// Pension contracts: non-state pension provision and voluntary pension insurance.
class kTSvodSumPrilE3 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        RowList(io, "ProvisionItems", ProvisionItems);
        RowList(io, "InsuranceItems", InsuranceItems);
        io.Amount("ProvisionDeductTotal", ProvisionDeductTotal);
        io.Amount("InsuranceDeductTotal", InsuranceDeductTotal);
        io.Amount("ProvisionAgentTotal", ProvisionAgentTotal);
        io.Amount("InsuranceAgentTotal", InsuranceAgentTotal);
        io.Amount("AgentTotal", AgentTotal);
    }

    std::vector<kTSvodSumPensionItem> ProvisionItems;
    std::vector<kTSvodSumPensionItem> InsuranceItems;
    Money ProvisionDeductTotal;
    Money InsuranceDeductTotal;
    Money ProvisionAgentTotal;
    Money InsuranceAgentTotal;
    Money AgentTotal;
};

// Social deductions of a resident. Computes the pension contracts too, and lowers child-education
// amounts above the limit in the declaration's social-deduction record itself.
class kTSvodSumPrilE2 {
public:
    // Each payment for a child's education is deductible up to this amount.
    static constexpr Money ChildEducationLimit = Money::FromUnits(50000);
    // The limited group together with the pension contributions deducted by agents.
    static constexpr Money LimitedGroupLimit = Money::FromUnits(120000);
    // Charity is deductible up to this share of the income.
    static constexpr int CharityPercent = 25;

    void Reset() { ResetFields(*this); }
    void Compute(mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("Charity", Charity);
        io.Amount("ChildEducationTotal", ChildEducationTotal);
        io.Amount("ExpensiveTreatment", ExpensiveTreatment);
        io.Amount("UnlimitedSubtotal", UnlimitedSubtotal);
        io.Amount("OwnEducation", OwnEducation);
        io.Amount("Treatment", Treatment);
        io.Amount("Insurance", Insurance);
        io.Amount("PensionInsurance", PensionInsurance);
        io.Amount("PensionProvision", PensionProvision);
        io.Amount("ExtraPension", ExtraPension);
        io.Amount("LimitedSubtotal", LimitedSubtotal);
        io.Amount("SocialTotal", SocialTotal);
    }

    Money Charity;
    Money ChildEducationTotal;
    Money ExpensiveTreatment;
    Money UnlimitedSubtotal;
    Money OwnEducation;
    Money Treatment;
    Money Insurance;
    Money PensionInsurance;
    Money PensionProvision;
    Money ExtraPension;
    Money LimitedSubtotal;
    Money SocialTotal;
};
