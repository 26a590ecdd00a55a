#pragma once

#include "storage/Money.h"

#include <QLatin1String>

#include <initializer_list>
#include <span>

class mTDeclaration;
class mTNalog;

// Budget classification codes of the personal income tax. Payments made on tax notices during
// the tax year carry that year's codes, one per rate; the amounts the return leaves to pay or to
// refund are booked under the codes in force when it is filed, which tell tax agents,
// entrepreneurs and other persons apart instead of rates.
namespace BudgetCode {

// Codes of the payments on tax notices.
inline constexpr QLatin1String Dividends9("18210102010011000110");
inline constexpr QLatin1String Individuals13("18210102021011000110");
inline constexpr QLatin1String Entrepreneurs13("18210102022011000110");
inline constexpr QLatin1String NonResidentDividends15("18210102011011000110");
inline constexpr QLatin1String NonResidents30("18210102030011000110");
inline constexpr QLatin1String Prizes35("18210102040011000110");
inline constexpr QLatin1String Mortgage9("18210102050011000110");

// Codes of the amounts payable or refundable.
inline constexpr QLatin1String TaxAgents("18210102010011000110");
inline constexpr QLatin1String Entrepreneurs("18210102020011000110");
inline constexpr QLatin1String OtherPersons("18210102030011000110");

// The notice payments each rate counts as paid.
inline constexpr QLatin1String Notices13[] = {Entrepreneurs13, Individuals13};
inline constexpr QLatin1String Notices30[] = {NonResidents30};
inline constexpr QLatin1String Notices35[] = {Prizes35};
inline constexpr QLatin1String Notices9[] = {Mortgage9, Dividends9};
inline constexpr QLatin1String Notices15[] = {NonResidentDividends15};

} // namespace BudgetCode

// The payment was made under one of the codes (exact text).
bool PaidUnder(const mTNalog& payment, std::span<const QLatin1String> codes);
// Total of the declaration's payments on tax notices made under any of the codes.
Money NoticePayments(const mTDeclaration& declaration, std::span<const QLatin1String> codes);
Money NoticePayments(const mTDeclaration& declaration, std::initializer_list<QLatin1String> codes);
