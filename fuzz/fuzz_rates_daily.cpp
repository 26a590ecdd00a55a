// Rates imported from the Bank of Russia's daily rates XML, merged into a small rates file.
#include "fuzz/RatesFuzzMerge.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzRatesMerge(RateInput::Format::Daily, data, size);
    return 0;
}
