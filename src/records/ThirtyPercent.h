#pragma once

#include "records/SourseIncomeInfo.h"

// A source of dividends (9 % for a resident, 15 % for a non-resident).
class mTThirtyPercent : public mTSourseIncomeInfo {
public:
    void SaveToStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    void LoadFromStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    quint32 StoredSize(quint16 index, bool nonResident) override;
    void Dump(JsonDumper& json) override;
    template <class IO> void Fields(IO& io, int index, bool nonResident);

    qint32 IncomeCode = 0;
    Money TaxComputed;
    Money TaxableIncome;
};
