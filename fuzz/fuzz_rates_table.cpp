// Rates imported from our rates table (code;letter;quantity;name;date;rate), merged into a small rates file.
// The file's form is told from its bytes, as the import tells it, so a table that looks like XML is read
// as the bank's XML.
#include "fuzz/RatesFuzzMerge.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzRatesMerge(RateInput::Format::Unknown, data, size);
    return 0;
}
