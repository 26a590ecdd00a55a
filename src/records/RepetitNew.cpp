#include "records/RepetitNew.h"

template <class IO> void mTRepetitNew::Fields(IO& io, int index) {
    io.Stream(StreamName("@RepetitIncome", index));
    io.Str("PracticeName", PracticeName);
    AmountArray(io, "PracticeAmounts", PracticeAmounts);
}

DUROVID_LIST_RECORD_STORAGE(mTRepetitNew, 393, 394)
