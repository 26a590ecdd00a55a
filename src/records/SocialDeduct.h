#pragma once

#include "records/Pens.h"
#include "records/RecordIO.h"

#include <memory>
#include <vector>

// Social deductions and the pension contracts.
class mTSocialDeduct {
public:
    DUROVID_RECORD_INTERFACE

    int ChildEducationCount() const { return int(ChildEducation.size()); }
    // An index outside the list raises mEMemoryAllocate "Не выделена память.".
    Money ChildEducationAmount(int i) const;
    void SetChildEducationAmount(int i, Money amount);
    void DeleteChildEducation(int i);
    int AddChildEducation(Money amount);

    int PensionContractCount() const { return int(PensionContracts.size()); }
    mTPens* PensionContract(int i) { return PensionContracts.at(size_t(i)).get(); }
    const mTPens* PensionContract(int i) const { return PensionContracts.at(size_t(i)).get(); }
    int AddPensionContract();
    // With a contract: puts it in place i. Without: frees contract i and removes it.
    void ReplacePensionContract(int i, std::unique_ptr<mTPens> contract);

    quint8 GrantSocial = 0;
    Money Charity;
    Money OwnEducation;
    std::vector<Money> ChildEducation;
    Money Treatment;
    Money ExpensiveTreatment;
    Money VoluntaryInsurance;
    Money ExtraPensionContributions;
    std::vector<std::unique_ptr<mTPens>> PensionContracts;

private:
    void CheckChildIndex(int i, quint16 emptyCode) const;
};
