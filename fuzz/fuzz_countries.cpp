// "Oksm.xml": the country list of the taxpayer and foreign-income screens, read when first used.
#include "fuzz/FuzzInputFile.h"
#include "reference/CodeNameList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mTCodeNameList countries;
    countries.LoadWhenUsed(FuzzInputFile(data, size, QStringLiteral("Oksm.xml")));
    (void)countries.IndexOfCode(QStringLiteral("643"));
    if (countries.Count() == 0) (void)countries.ErrorString();
    return 0;
}
