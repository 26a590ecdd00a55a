#pragma once

#include "storage/Date.h"

// The dates a new declaration and its new records start with until the user enters the real ones. The
// check warns about a date still at its starting value, so they live here once for both.
namespace StartingDate {

inline TDateTime Birth() {
    return DateValue::FromYmd(1977, 1, 1);
}
// The issue of the identity document.
inline TDateTime DocumentIssue() {
    return DateValue::FromYmd(1990, 1, 1);
}
// The registration of ownership and the transfer act of the property deduction.
inline TDateTime Registration() {
    return DateValue::FromYmd(2010, 1, 1);
}
// The receipt of an income abroad and the payment of the tax on it.
inline TDateTime ForeignIncome() {
    return DateValue::FromYmd(2010, 1, 1);
}

} // namespace StartingDate
