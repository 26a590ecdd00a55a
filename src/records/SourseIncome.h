#pragma once

#include "records/RecordIO.h"

// One income line of a 13 % source: income code and amount, the deduction applied to it, the month.
class mTSourseIncome {
public:
    template <class IO> void Fields(IO& io, int sourceIndex, int lineIndex, bool nonResident);

    qint32 IncomeCode = 0;
    QString IncomeCodeName;
    Money IncomeAmount;
    qint32 DeductionCode = 0;
    Money DeductionAmount;
    qint32 DeductionPercent = 0;
    quint16 Month = 0;
};

template <class IO> void mTSourseIncome::Fields(IO& io, int sourceIndex, int lineIndex, bool nonResident) {
    io.Stream(StreamName(nonResident ? "@SourseIncoNR" : "@SourseIncome", sourceIndex, lineIndex));
    io.Int("IncomeCode", IncomeCode);
    io.Str("IncomeCodeName", IncomeCodeName);
    io.Amount("IncomeAmount", IncomeAmount);
    io.Int("DeductionCode", DeductionCode);
    io.Amount("DeductionAmount", DeductionAmount);
    io.Int("DeductionPercent", DeductionPercent);
    io.Word("Month", Month);
}
