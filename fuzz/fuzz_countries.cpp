// "Oksm.xml": the country list of the taxpayer and foreign-income screens.
#include "reference/CodeNameList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mTCodeNameList countries;
    if (countries.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        (void)countries.IndexOfCode(QStringLiteral("643"));
    return 0;
}
