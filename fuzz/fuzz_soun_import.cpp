// The tax-office directory table (dBASE, code page 866), imported from a file as the program does.
// Whatever the table holds, an import that succeeds must write a file that the program can read back
// at its next start; one that fails must say why.
#include "fuzz/FuzzInputFile.h"
#include "reference/CodeNameList.h"
#include "reference/SounImport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString table = FuzzInputFile(data, size, QStringLiteral("soun1.dbf"));
    const QString output = FuzzInputFile(nullptr, 0, QStringLiteral("InspectionNumbers.xml"));
    SounImport import;
    if (!import.Import(table, output, QStringLiteral("01.02.2011"), QStringLiteral("00"))) {
        if (import.ErrorString().isEmpty()) std::abort();
        return 0;
    }
    mTCodeNameList list;
    if (!list.Load(output) || list.Count() == 0) std::abort();
    return 0;
}
