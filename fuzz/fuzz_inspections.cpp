// "InspectionNumbers.xml": the tax-office list read at start-up.
#include "reference/CodeNameList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mTCodeNameList list;
    if (list.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))) &&
        list.Count() > 0)
        (void)list.IndexOfCode(list.Rows().last().Code);
    return 0;
}
