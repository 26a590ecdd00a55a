#pragma once

#include "records/RecordList.h"
#include "records/SourseIncome.h"
#include "records/SourseIncomeInfo.h"

#include <array>
#include <memory>

// A source of income at 13 % (of a resident; of a non-resident: 30 %, or 13 % in the NR list),
// with its income lines. The lines change only through AddLine, ReplaceLine and DeleteLine, which keep
// IncomeTotal equal to the sum of the lines' amounts.
class mTThirteenPercent : public mTSourseIncomeInfo {
public:
    void SaveToStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    void LoadFromStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) override;
    quint32 StoredSize(quint16 index, bool nonResident) override;
    void Dump(JsonDumper& json) override;
    template <class IO> void Fields(IO& io, int index, bool nonResident);

    // Appends the line and adds its amount to the total; returns the line's position.
    int AddLine(std::unique_ptr<mTSourseIncome> line);
    int AddLine(const mTSourseIncome& line) { return AddLine(std::make_unique<mTSourseIncome>(line)); }
    // With a line: replaces the one at position, the total following the amounts. Without: deletes it.
    void ReplaceLine(int position, std::unique_ptr<mTSourseIncome> line);
    void ReplaceLine(int position, const mTSourseIncome& line) {
        ReplaceLine(position, std::make_unique<mTSourseIncome>(line));
    }
    // Frees and removes the line at position and takes its amount off the total; the following lines
    // move up by one.
    void DeleteLine(int position);
    int LineCount() const { return lines_.Count(); }
    const mTSourseIncome* Line(int position) const { return lines_.At(position); }
    const mTRecordList<mTSourseIncome>& Lines() const { return lines_; }
    // month 0..11; -1.0000 marks the month absent.
    void SetMonthValue(int month, Money value);
    bool MonthPresent(int month) const { return MonthIsPresent[size_t(month)]; }

    Money TaxableIncome;
    Money TaxComputed;
    Money SourceReserveAmount;
    std::array<Money, 12> MonthValues{};
    std::array<bool, 12> MonthIsPresent{};
    quint8 StandardDeductionSource = 0;

private:
    mTRecordList<mTSourseIncome> lines_;
};
