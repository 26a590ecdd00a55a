#pragma once

#include <QtGlobal>

// Income codes that several sheets pick out by themselves.
namespace IncomeCode {
// Material benefit on interest savings for new housing: exempt, its tax withheld counts at 35 %.
inline constexpr qint32 ExemptMaterialBenefit = 2620;
// Prizes in advertising contests: taxed at 35 % above an exempt part.
inline constexpr qint32 AdvertisingPrize = 2740;
} // namespace IncomeCode
