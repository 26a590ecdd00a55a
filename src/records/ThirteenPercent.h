#pragma once

#include "records/SourseIncome.h"
#include "records/SourseIncomeInfo.h"

#include <array>
#include <memory>
#include <vector>

// A source of income at 13 % (of a resident; of a non-resident: 30 %, or 13 % in the NR list),
// with its income lines. IncomeTotal always equals the sum of the lines' amounts.
class mTThirteenPercent : public mTSourseIncomeInfo {
public:
    void SaveToStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    void LoadFromStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    quint32 StoredSize(quint16 index, bool nonResident) override;
    void Dump(JsonDumper& json) override;
    template <class IO> void Fields(IO& io, int index, bool nonResident);

    int AddLine(std::unique_ptr<mTSourseIncome> line);
    int AddLine(const mTSourseIncome& line) { return AddLine(std::make_unique<mTSourseIncome>(line)); }
    // With a line: replaces the one at position. Without: frees and removes it.
    void ReplaceLine(int position, std::unique_ptr<mTSourseIncome> line);
    int LineCount() const { return int(Lines.size()); }
    mTSourseIncome* Line(int position) const { return Lines.at(size_t(position)).get(); }
    // month 0..11; -1.0000 marks the month absent.
    void SetMonthValue(int month, Money value);
    bool MonthPresent(int month) const { return MonthIsPresent[size_t(month)]; }

    std::vector<std::unique_ptr<mTSourseIncome>> Lines;
    Money TaxableIncome;
    Money TaxComputed;
    Money SourceReserveAmount;
    std::array<Money, 12> MonthValues{};
    std::array<bool, 12> MonthIsPresent{};
    quint8 StandardDeductionSource = 0;
};
