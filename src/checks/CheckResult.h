#pragma once

#include <QtGlobal>

// The sections a check result leads to; the value is the section code of the packed result.
enum : quint16 {
    CheckSectionConditions = 1,
    CheckSectionPerson = 2,
    CheckSectionAddress = 3,
    CheckSectionIncome13 = 4,
    CheckSectionCurrency = 7,
    CheckSectionBusiness = 8,
    CheckSectionStandardSocial = 9,
    CheckSectionProperty = 10,
    CheckSectionPractice = 11
};

// Position of a result whose dialog was answered "Отмена" (or closed).
inline constexpr quint16 CheckPositionCancelled = 0xFFFF;

// The whole-declaration result: the section code in the low half, the position in the high half.
// Position 0: nothing to fix; 0xFFFF: cancelled; otherwise the field to show.
constexpr quint32 PackCheckResult(quint16 section, quint16 position) {
    return quint32(section) | (quint32(position) << 16);
}
constexpr quint16 CheckResultSection(quint32 result) {
    return quint16(result & 0xFFFF);
}
constexpr quint16 CheckResultPosition(quint32 result) {
    return quint16(result >> 16);
}
