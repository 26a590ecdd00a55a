// Rates imported from the Bank of Russia's history of one currency XML, merged into a small rates file.
#include "fuzz/RatesFuzzMerge.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzRatesMerge(RateInput::Format::History, data, size);
    return 0;
}
