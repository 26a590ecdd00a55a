// "InspectionNumbers.xml": the tax-office list read at start-up, from its file.
#include "fuzz/FuzzInputFile.h"
#include "reference/CodeNameList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mTCodeNameList list;
    if (!list.Load(FuzzInputFile(data, size, QStringLiteral("InspectionNumbers.xml")))) {
        if (list.ErrorString().isEmpty()) std::abort(); // a refused file is always explained
        return 0;
    }
    if (list.Count() > 0) (void)list.IndexOfCode(list.Rows().last().Code);
    return 0;
}
