#include "records/Nalog.h"

template <class IO> void mTNalog::Fields(IO& io, int index) {
    io.Stream(StreamName("@NalogSub", index));
    io.Str("PaymentNote", PaymentNote);
    io.Str("PaymentKBK", PaymentKBK);
    io.Amount("PaymentAmount", PaymentAmount);
}

DUROVID_LIST_RECORD_STORAGE(mTNalog, 375, 376)
