#include "records/CBDeduct.h"

template <class IO> void mTCBDeduct::Fields(IO& io) {
    io.Stream(QStringLiteral("@CBDeduct"));
    io.Amount("PriorLossSecurities", PriorLossSecurities);
    io.Amount("PriorLossFutures", PriorLossFutures);
}

DUROVID_RECORD_STORAGE(mTCBDeduct, 395, 396)
