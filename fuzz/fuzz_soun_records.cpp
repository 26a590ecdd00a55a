// The tax-office directory table with a header that is always sound: random bytes almost never make a
// dBASE header and field descriptors that agree, so this target builds them from a few choices and
// fuzzes what lies behind them: the record loop, the fields, the code-page-866 names and the XML written.
//
// Input: the records' first 420 bytes (the code, the reserved field, the name and the office flag) from
// the front; the choices (descriptor count, a FoxPro backlink, the record count the header claims, where
// the last record is cut, whether a record is closed) from the back.
#include "reference/CodeNameList.h"
#include "reference/SounImport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QBuffer>
#include <QList>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Prefix = 420;
constexpr int ClosedAt = 934;
constexpr int BacklinkLength = 263;

QByteArray Header(int fields, bool backlink, quint32 count) {
    const int length = 32 + 32 * fields + 1 + (backlink ? BacklinkLength : 0);
    QByteArray header(length, '\0');
    header[0] = backlink ? char(0x30) : char(0x03);
    qToLittleEndian<quint32>(count, header.data() + 4);
    qToLittleEndian<quint16>(quint16(length), header.data() + 8);
    qToLittleEndian<quint16>(quint16(SounImport::RecordLength), header.data() + 10);
    for (int f = 0; f < fields; ++f) {
        char* d = header.data() + 32 + 32 * f;
        d[0] = char('A' + f);
        d[11] = 'C';
        d[16] = char(100);
    }
    header[32 + 32 * fields] = 0x0D;
    return header;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int fields = in.ConsumeIntegralInRange<int>(1, 16);
    const bool backlink = in.ConsumeBool();
    const int skew = in.ConsumeIntegralInRange<int>(-1, 1);
    const int cutLast = in.ConsumeIntegralInRange<int>(0, 2 * SounImport::RecordLength);

    QByteArray records;
    qint64 count = 0;
    while (in.remaining_bytes() > 0 && count < 32) {
        const std::string prefix = in.ConsumeBytesAsString(Prefix);
        QByteArray record(SounImport::RecordLength, ' ');
        std::copy(prefix.begin(), prefix.end(), record.begin());
        if (in.ConsumeBool()) record.replace(ClosedAt, 10, QByteArrayLiteral("31.12.2009"));
        records += record;
        ++count;
    }
    if (cutLast < SounImport::RecordLength && count > 0) records.chop(SounImport::RecordLength - cutLast);

    QBuffer table;
    table.setData(Header(fields, backlink, quint32(std::max<qint64>(0, count + skew))) + records);
    table.open(QIODevice::ReadOnly);
    QByteArray document;
    SounImport import;
    if (!import.BuildDocument(table, QStringLiteral("soun1.dbf"), QStringLiteral("01.02.2011"),
                              QStringLiteral("00"), document))
        return 0;
    // What the import writes, the program must read back at its next start.
    mTCodeNameList list;
    if (!list.LoadFromBytes(document) || list.Count() == 0) std::abort();
    return 0;
}
