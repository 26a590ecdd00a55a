// Rates imported from our rates table (code;letter;quantity;name;date;rate), merged into a small rates file.
#include "fuzz/RatesFuzzMerge.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzRatesMerge(RateInput::Format::Table, data, size);
    return 0;
}
