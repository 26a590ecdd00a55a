#pragma once

#include "reference/CodeTableRow.h"

#include <span>

// The kinds of identity document with their codes.
std::span<const CodeTableRow> DocumentKinds();

// The format of a document's series and number, as the document-number field (TMaskedDocEdit) knows
// them: 0 Roman numeral, two Cyrillic capitals and six digits; 1 two and seven digits; 2 two, two and
// six digits; 3 two Cyrillic capitals and six digits; 4 the same with seven digits; 5 any text of 20
// characters; 6 any text of 14 characters.
// The format of the number of a stored document of this kind.
int DocumentNumberFormat(int documentCode);
// The format for a kind the user has just picked; the current format when the kind prescribes none.
int PickedDocumentNumberFormat(int documentCode, int currentFormat);
