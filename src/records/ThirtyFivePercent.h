#pragma once

#include "records/SourseIncomeInfo.h"

// A source of income at 35 % (prizes, interest on deposits, material benefit).
class mTThirtyFivePercent : public mTSourseIncomeInfo {
public:
    void SaveToStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    void LoadFromStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    quint32 StoredSize(quint16 index, bool nonResident) override;
    void Dump(JsonDumper& json) override;
    template <class IO> void Fields(IO& io, int index, bool nonResident);

    qint32 IncomeCode = 0;
    qint32 DeductionCode = 0;
    Money DeductionAmount;
};
