#include "records/ThirtyFivePercent.h"

template <class IO> void mTThirtyFivePercent::Fields(IO& io, int index, bool) {
    io.Stream(StreamName("@ThirtyFivePercent", index));
    io.Int("IncomeCode", IncomeCode);
    io.Str("SourceINN", SourceINN);
    io.Str("SourceKPP", SourceKPP);
    io.Str("SourceOKATO", SourceOKATO);
    io.Str("SourceName", SourceName);
    io.Amount("IncomeTotal", IncomeTotal);
    io.Int("DeductionCode", DeductionCode);
    io.Amount("DeductionAmount", DeductionAmount);
    io.Amount("TaxWithheld", TaxWithheld);
}

DUROVID_SOURCE_STORAGE(mTThirtyFivePercent, 373, 374)
