#include "records/StandartDeduct.h"

template <class IO> void mTStandartDeduct::Fields(IO& io) {
    io.Stream(QStringLiteral("@StandartDeduct"));
    io.Byte("GrantStandard", GrantStandard);
    if (!io.Take(GrantStandard == 1)) return;
    io.Int("PersonalCode", PersonalCode);
    io.Int("ChildKind", ChildKind);
    io.Byte("ChildrenConstant", ChildrenConstant);
    if (io.Take(ChildrenConstant == 1)) io.Int("ChildrenCount", ChildrenCount);
    if (io.Take(ChildrenConstant != 1)) IntArray(io, "ChildrenByMonth", ChildrenByMonth);
    io.Byte("DisabledConstant", DisabledConstant);
    if (io.Take(DisabledConstant == 1)) io.Int("DisabledCount", DisabledCount);
    if (io.Take(DisabledConstant != 1)) IntArray(io, "DisabledByMonth", DisabledByMonth);
    OptionalFlag(io, "MonthlyBusiness", MonthlyBusiness);
    if (io.Take(MonthlyBusiness == 1)) {
        AmountArray(io, "BusinessIncomeByMonth", BusinessIncomeByMonth);
        AmountArray(io, "BusinessExpenseByMonth", BusinessExpenseByMonth);
        ByteArray(io, "BusinessMonthMarks", BusinessMonthMarks);
    }
    OptionalFlag(io, "PersonalCombination", PersonalCombination);
    if (io.Take(PersonalCombination == 1)) IntArray(io, "PersonalCodeByMonth", PersonalCodeByMonth);
    OptionalFlag(io, "ChildCombination", ChildCombination);
    if (io.Take(ChildCombination == 1)) IntArray(io, "ChildKindByMonth", ChildKindByMonth);
}

DUROVID_RECORD_STORAGE(mTStandartDeduct, 381, 382)
