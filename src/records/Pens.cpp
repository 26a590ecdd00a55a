#include "records/Pens.h"

template <class IO> void mTPens::Fields(IO& io, int index) {
    io.Stream(StreamName("@PensSub", index));
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

// The social-deduction record walks its contracts with each of the four walkers.
template void mTPens::Fields(StorageWriter&, int);
template void mTPens::Fields(StorageReader&, int);
template void mTPens::Fields(StorageSizer&, int);
template void mTPens::Fields(JsonDumper&, int);
