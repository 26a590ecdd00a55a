#include "records/ThirtyPercent.h"

template <class IO> void mTThirtyPercent::Fields(IO& io, int index, bool) {
    io.Stream(StreamName("@ThirtyPercent", index));
    io.Int("IncomeCode", IncomeCode);
    io.Str("SourceINN", SourceINN);
    io.Str("SourceKPP", SourceKPP);
    io.Str("SourceOKATO", SourceOKATO);
    io.Str("SourceName", SourceName);
    io.Amount("IncomeTotal", IncomeTotal);
    io.Amount("TaxComputed", TaxComputed);
    io.Amount("TaxableIncome", TaxableIncome);
    io.Amount("TaxWithheld", TaxWithheld);
}

DUROVID_SOURCE_STORAGE(mTThirtyPercent, 375, 376)
