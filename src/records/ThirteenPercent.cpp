#include "records/ThirteenPercent.h"

#include "records/ListLimits.h"

#include <algorithm>

namespace {
constexpr quint32 kVersion1_1 = 65537; // files from 1.1 on hold the standard-deduction flag
}

int mTThirteenPercent::AddLine(std::unique_ptr<mTSourseIncome> line) {
    IncomeTotal += line->IncomeAmount;
    return lines_.Add(std::move(line));
}

void mTThirteenPercent::ReplaceLine(int position, std::unique_ptr<mTSourseIncome> line) {
    if (!line) {
        DeleteLine(position);
        return;
    }
    IncomeTotal -= lines_.At(position)->IncomeAmount;
    IncomeTotal += line->IncomeAmount;
    lines_.Replace(position, std::move(line));
}

void mTThirteenPercent::DeleteLine(int position) {
    IncomeTotal -= lines_.At(position)->IncomeAmount;
    lines_.Delete(position);
}

void mTThirteenPercent::SetMonthValue(int month, Money value) {
    const bool present = value != Money::FromUnits(-1);
    MonthIsPresent[size_t(month)] = present;
    MonthValues[size_t(month)] = present ? value : Money();
}

template <class IO> void mTThirteenPercent::Fields(IO& io, int index, bool nonResident) {
    io.Stream(StreamName(nonResident ? "@ThirteenPerceNR" : "@ThirteenPercent", index));
    bool hasFlag = true;
    if constexpr (IO::Kind == IoKind::Read) hasFlag = io.Storage().Version() >= kVersion1_1;
    if (hasFlag) io.Byte("StandardDeductionSource", StandardDeductionSource);
    io.Str("SourceINN", SourceINN);
    io.Str("SourceKPP", SourceKPP);
    io.Str("SourceOKATO", SourceOKATO);
    io.Str("SourceName", SourceName);
    io.Derived("IncomeTotal", IncomeTotal);
    io.Amount("TaxWithheld", TaxWithheld);
    io.Amount("TaxableIncome", TaxableIncome);
    io.Amount("TaxComputed", TaxComputed);
    io.Amount("SourceReserveAmount", SourceReserveAmount);

    // Absent months are stored as the text "a", which the amount reader returns as -1.
    if constexpr (IO::Kind == IoKind::Dump) io.BeginValueList("MonthValues");
    for (int m = 0; m < 12; ++m) {
        if constexpr (IO::Kind == IoKind::Read) {
            SetMonthValue(m, io.Storage().ReadMoney());
        } else if constexpr (IO::Kind == IoKind::Dump) {
            if (MonthIsPresent[m])
                io.ValueAmount(MonthValues[m]);
            else
                io.ValueNull();
        } else if (MonthIsPresent[m]) {
            io.Amount(nullptr, MonthValues[m]);
        } else {
            QString absent = QStringLiteral("a");
            io.Str(nullptr, absent);
        }
    }
    if constexpr (IO::Kind == IoKind::Dump) io.EndList();

    qint32 count = LineCount();
    if constexpr (IO::Kind != IoKind::Dump) io.Int("LineCount", count);
    io.BeginList("Lines");
    if constexpr (IO::Kind == IoKind::Read) {
        // The total is rebuilt from the lines, never read.
        IncomeTotal = Money();
        lines_.Clear();
        // The count comes from the file: room for no more lines than a source may hold.
        lines_.Reserve(std::min(count, ListLimits::MaxCount(ListLimits::List::IncomeLines)));
        for (int j = 0; j < count; ++j) {
            auto line = std::make_unique<mTSourseIncome>();
            line->Fields(io, index, j, nonResident);
            AddLine(std::move(line));
        }
    } else {
        for (int j = 0; j < count; ++j) {
            io.BeginItem();
            lines_.At(j)->Fields(io, index, j, nonResident);
            io.EndItem();
        }
    }
    io.EndList();
}

DUROVID_SOURCE_STORAGE(mTThirteenPercent, 372, 372)
