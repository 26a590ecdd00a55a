#include "records/SocialDeduct.h"

void mTSocialDeduct::CheckChildIndex(int i, quint16 emptyCode) const {
    if (ChildEducation.empty()) throw mEMemoryAllocate(StorageText::NotAllocated, emptyCode);
    if (i < 0 || i >= ChildEducationCount())
        throw mEMemoryAllocate(StorageText::NotAllocated, quint16(emptyCode + 1));
}

Money mTSocialDeduct::ChildEducationAmount(int i) const {
    CheckChildIndex(i, 310);
    return ChildEducation[size_t(i)];
}

void mTSocialDeduct::SetChildEducationAmount(int i, Money amount) {
    CheckChildIndex(i, 320);
    ChildEducation[size_t(i)] = amount;
}

void mTSocialDeduct::DeleteChildEducation(int i) {
    CheckChildIndex(i, 330);
    ChildEducation.erase(ChildEducation.begin() + i);
}

int mTSocialDeduct::AddChildEducation(Money amount) {
    ChildEducation.push_back(amount);
    return ChildEducationCount() - 1;
}

int mTSocialDeduct::AddPensionContract() {
    PensionContracts.push_back(std::make_unique<mTPens>());
    return PensionContractCount() - 1;
}

void mTSocialDeduct::ReplacePensionContract(int i, std::unique_ptr<mTPens> contract) {
    auto& slot = PensionContracts.at(size_t(i));
    if (contract)
        slot = std::move(contract);
    else
        PensionContracts.erase(PensionContracts.begin() + i);
}

template <class IO> void mTSocialDeduct::Fields(IO& io) {
    io.Stream(QStringLiteral("@SocialDeduct"));
    io.Byte("GrantSocial", GrantSocial);
    if (!io.Take(GrantSocial == 1)) return;
    io.Amount("Charity", Charity);
    io.Amount("OwnEducation", OwnEducation);
    qint32 children = ChildEducationCount();
    if constexpr (IO::Kind == IoKind::Read) {
        io.Int("ChildEducationCount", children);
        ChildEducation.clear();
        for (int i = 0; i < children; ++i)
            AddChildEducation(io.Storage().ReadMoney());
    } else {
        if constexpr (IO::Kind != IoKind::Dump) io.Int("ChildEducationCount", children);
        AmountArray(io, "ChildEducation", ChildEducation);
    }
    io.Amount("Treatment", Treatment);
    io.Amount("ExpensiveTreatment", ExpensiveTreatment);
    io.Amount("VoluntaryInsurance", VoluntaryInsurance);
    io.Amount("ExtraPensionContributions", ExtraPensionContributions);

    io.Stream(QStringLiteral("@Pens"));
    quint16 contracts = quint16(PensionContractCount());
    if constexpr (IO::Kind != IoKind::Dump) io.Word("PensionContractCount", contracts);
    io.BeginList("PensionContracts");
    if constexpr (IO::Kind == IoKind::Read) PensionContracts.clear();
    for (int i = 0; i < contracts; ++i) {
        if constexpr (IO::Kind == IoKind::Read) AddPensionContract();
        io.BeginItem();
        PensionContracts[size_t(i)]->Fields(io, i);
        io.EndItem();
    }
    io.EndList();
}

DUROVID_RECORD_STORAGE(mTSocialDeduct, 383, 384)
