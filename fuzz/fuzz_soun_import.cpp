// The tax-office directory table (dBASE, code page 866). Whatever the table holds, an import that
// succeeds must write a file that the program can read back at its next start.
#include "reference/CodeNameList.h"
#include "reference/SounImport.h"

#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QBuffer table;
    table.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    table.open(QIODevice::ReadOnly);
    QByteArray document;
    SounImport import;
    if (!import.BuildDocument(table, QStringLiteral("soun1.dbf"), QStringLiteral("01.02.2011"),
                              QStringLiteral("00"), document))
        return 0;
    mTCodeNameList list;
    if (!list.LoadFromBytes(document)) std::abort();
    return 0;
}
