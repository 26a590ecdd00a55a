#include "computation/PropertyDeduction.h"

#include "computation/PositivePart.h"
#include "computation/SvodSum.h"
#include "records/Declaration.h"
#include "storage/AmountText.h"

#include <algorithm>
#include <stdexcept>

TDateTime kTSvodSumPrilZ::AcquisitionDate(const mTConstructionDeduct& record) {
    return record.ByInvestment == 1 ? record.ActDate : record.DwellingRegDate;
}

Money kTSvodSumPrilZ::WholeCeiling(const mTConstructionDeduct& record) {
    return Money::FromUnits(DateValue::Year(AcquisitionDate(record)) < 2008 ? 1'000'000 : 2'000'000);
}

void kTSvodSumPrilZ::Compute(const mTDeclaration& declaration, kTSvodSum& sum) {
    Reset();
    const mTConstructionDeduct& record = declaration.PropertyDeduction;
    if (record.GrantProperty != 1 || declaration.ReturnKind != ReturnKind3NDFL) return;

    // The screen never stores a zero denominator, so only a damaged file gets here with one.
    const auto numerator = static_cast<quint32>(record.ShareNumerator);
    const auto denominator = static_cast<quint32>(record.ShareDenominator);
    if (denominator == 0) throw std::domain_error("housing deduction: the share has a zero denominator");
    share_ = static_cast<long double>(numerator) / static_cast<long double>(denominator);

    // The ceiling is split by the share.
    const Money ceiling = Money::FromLongDouble(WholeCeiling(record).ToLongDouble() * share_);
    CostActual = KopeckRound(std::min(record.ObjectCost, ceiling).ToLongDouble());

    InterestActual = record.CreditInterest;
    AgentCostDeduction = record.AgentCost;
    AgentInterestDeduction = record.AgentInterest;

    // What is left of the 13 % base once every other deduction, the agents' housing deductions
    // among them, has been taken.
    const Money income = sum.PrilA13.IncomeTotal + sum.PrilB13.IncomeRoublesTotal + sum.PrilV1.IncomeTotal +
                         sum.PrilV2.IncomeTotal;
    const Money otherDeductions = sum.PrilV1.ProfessionalDeduction + sum.PrilV2.ProfessionalDeduction +
                                  sum.PrilH1.DeductionTotal + sum.PrilM.ExemptTotal +
                                  sum.PrilG.ExpensesTotal + sum.PrilG_In.ExpensesTotal +
                                  sum.PrilE2.SocialTotal + sum.PrilE1.StandardTotal +
                                  sum.PrilJ.ExpensesApplied + AgentCostDeduction + AgentInterestDeduction;
    TaxBaseBeforeProperty = PositivePart(income - otherDeductions);

    CarryInCost = record.CarryOverCost;
    CarryInInterest = record.CarryOverInterest;
    PriorCostDecl = record.PriorDeclCost;
    PriorInterestDecl = record.PriorDeclInterest;
    PriorCostAgent = record.PriorAgentCost;
    PriorInterestAgent = record.PriorAgentInterest;
    PriorCostTotal = PriorCostDecl + PriorCostAgent;
    PriorInterestTotal = PriorInterestDecl + PriorInterestAgent;

    // The cost still open is the admitted cost less everything deducted before; the interest still
    // open is this year's interest and the remainder carried in. The cost goes first.
    const Money openCost = PositivePart(CostActual - PriorCostTotal - AgentCostDeduction);
    const Money openInterest = PositivePart(InterestActual + CarryInInterest - AgentInterestDeduction);
    DeclCostDeduction = std::min(openCost, TaxBaseBeforeProperty);
    DeclInterestDeduction = std::min(openInterest, TaxBaseBeforeProperty - DeclCostDeduction);

    CarryOutCost = PositivePart(CostActual - PriorCostTotal - AgentCostDeduction - DeclCostDeduction);
    CarryOutInterest =
        PositivePart(InterestActual + CarryInInterest - AgentInterestDeduction - DeclInterestDeduction);
}
