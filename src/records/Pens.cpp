#include "records/Pens.h"

template <class IO> void mTPens::Fields(IO& io, int index) {
    io.Stream(QStringLiteral("@PensSub") + Index3(index));
    io.Int("ContractKind", ContractKind);
    io.Str("FundName", FundName);
    io.Str("FundINN", FundINN);
    io.Str("FundKPP", FundKPP);
    io.Str("ContractNumber", ContractNumber);
    io.Date("ContractDate", ContractDate);
    io.Amount("Contribution", Contribution);
    io.Amount("ContributionToDeduct", ContributionToDeduct);
    io.Amount("AgentDeduction", AgentDeduction);
}

DUROVID_LIST_RECORD_STORAGE(mTPens, 375, 376)
