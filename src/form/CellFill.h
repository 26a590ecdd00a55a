#pragma once

#include "form/ReturnPage.h"
#include "form/ReturnSheet.h"

// The filling rules of the form: one character per cell from the left, capital letters, the cells a
// filled value leaves over struck through, roubles apart from kopecks, dates in three groups, codes
// filled with leading zeros where the form wants them. A value is never cut: a text longer than its
// field gets more rows, an amount longer than its cells more cells. A value the return does not have
// strikes every cell through, except in the cells the tax office fills in.
namespace CellFill {

std::vector<CellGroup> Groups(const FormField& field, const QString& value);
// What stands between the groups of a field on one row; a null character for the rows of a text.
QChar Separator(Fill format);

} // namespace CellFill
