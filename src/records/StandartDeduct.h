#pragma once

#include "records/RecordIO.h"

#include <array>

// Personal and children's standard deductions, month by month.
class mTStandartDeduct {
public:
    DUROVID_RECORD_INTERFACE

    // Month accessors, month 1..12.
    Money MonthBusinessIncome(int month) const { return BusinessIncomeByMonth.at(size_t(month - 1)); }
    void SetMonthBusinessIncome(int month, Money v) { BusinessIncomeByMonth.at(size_t(month - 1)) = v; }
    Money MonthBusinessExpense(int month) const { return BusinessExpenseByMonth.at(size_t(month - 1)); }
    void SetMonthBusinessExpense(int month, Money v) { BusinessExpenseByMonth.at(size_t(month - 1)) = v; }
    // Position of the choice: 0 = 103, 1 = 104, 2 = 105.
    qint32 MonthPersonalCode(int month) const { return PersonalCodeByMonth.at(size_t(month - 1)); }
    void SetMonthPersonalCode(int month, qint32 v) { PersonalCodeByMonth.at(size_t(month - 1)) = v; }
    // Position of the choice: 0 = single parent ("да"), 1 = not ("нет").
    qint32 MonthChildKind(int month) const { return ChildKindByMonth.at(size_t(month - 1)); }
    void SetMonthChildKind(int month, qint32 v) { ChildKindByMonth.at(size_t(month - 1)) = v; }

    quint8 GrantStandard = 1;
    qint32 PersonalCode = 103;
    qint32 ChildKind = 101;
    quint8 ChildrenConstant = 1;
    qint32 ChildrenCount = 0;
    std::array<qint32, 12> ChildrenByMonth{};
    quint8 DisabledConstant = 1;
    qint32 DisabledCount = 0;
    std::array<qint32, 12> DisabledByMonth{};
    quint8 MonthlyBusiness = 0;
    std::array<Money, 12> BusinessIncomeByMonth{};
    std::array<Money, 12> BusinessExpenseByMonth{};
    std::array<quint8, 12> BusinessMonthMarks{};
    quint8 PersonalCombination = 0;
    std::array<qint32, 12> PersonalCodeByMonth{};
    quint8 ChildCombination = 0;
    std::array<qint32, 12> ChildKindByMonth{};
};
