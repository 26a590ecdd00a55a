#pragma once

#include "computation/ResultFields.h"

class kTSvodSum;
class mTConstructionDeduct;
class mTDeclaration;

// Property deduction for buying or building housing.
class kTSvodSumPrilZ {
public:
    // The date that decides the ceiling: the transfer act when the housing was invested in, the
    // registration of ownership otherwise.
    static TDateTime AcquisitionDate(const mTConstructionDeduct& record);
    // The ceiling for the whole object: raised for housing acquired from 2008 on.
    static Money WholeCeiling(const mTConstructionDeduct& record);

    void Reset() {
        ResetFields(*this);
        share_ = 0;
    }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("CostActual", CostActual);
        io.Amount("InterestActual", InterestActual);
        io.Amount("PriorCostTotal", PriorCostTotal);
        io.Amount("PriorCostDecl", PriorCostDecl);
        io.Amount("PriorCostAgent", PriorCostAgent);
        io.Amount("PriorInterestTotal", PriorInterestTotal);
        io.Amount("PriorInterestDecl", PriorInterestDecl);
        io.Amount("PriorInterestAgent", PriorInterestAgent);
        io.Amount("CarryInCost", CarryInCost);
        io.Amount("CarryInInterest", CarryInInterest);
        io.Amount("AgentCostDeduction", AgentCostDeduction);
        io.Amount("AgentInterestDeduction", AgentInterestDeduction);
        io.Amount("TaxBaseBeforeProperty", TaxBaseBeforeProperty);
        io.Amount("DeclCostDeduction", DeclCostDeduction);
        io.Amount("DeclInterestDeduction", DeclInterestDeduction);
        io.Amount("CarryOutCost", CarryOutCost);
        io.Amount("CarryOutInterest", CarryOutInterest);
    }

    Money CostActual;
    Money InterestActual;
    Money PriorCostTotal;
    Money PriorCostDecl;
    Money PriorCostAgent;
    Money PriorInterestTotal;
    Money PriorInterestDecl;
    Money PriorInterestAgent;
    Money CarryInCost;
    Money CarryInInterest;
    Money AgentCostDeduction;
    Money AgentInterestDeduction;
    Money TaxBaseBeforeProperty;
    Money DeclCostDeduction;
    Money DeclInterestDeduction;
    Money CarryOutCost;
    Money CarryOutInterest;

private:
    long double share_ = 0; // the taxpayer's share of the object
};
