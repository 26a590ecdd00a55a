#pragma once

// A tax authority's directory table (soun1.dbf) built in a test: a dBASE header and records of 1194
// bytes, blank-padded, text in code page 866.

#include "reference/SounImport.h"
#include "storage/CodePage.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

namespace SounTable {

inline constexpr int HeaderLength =
    97; // 32 bytes, two field descriptors and the terminator, as in a real table

// One record: an office when flag is '1' and the reserved and closed fields are blank.
inline QByteArray Record(const QString& code, const QString& name, char flag = '1',
                         const QByteArray& reserved = {}, const QByteArray& closed = {}) {
    QByteArray r(SounImport::RecordLength, ' ');
    const auto put = [&](int at, const QByteArray& bytes) { r.replace(at, bytes.size(), bytes); };
    put(1, CodePage::ToCp866(code));
    put(7, reserved);
    put(161, CodePage::ToCp866(name));
    r[411] = flag;
    put(934, closed);
    return r;
}

// The header and the records; count is the number of records the header claims (-1: as many as given).
inline QByteArray Table(const QList<QByteArray>& records, qint64 count = -1) {
    QByteArray header(HeaderLength, ' ');
    header[0] = 0x03;
    qToLittleEndian<quint32>(quint32(count < 0 ? records.size() : count), header.data() + 4);
    qToLittleEndian<quint16>(HeaderLength, header.data() + 8);
    qToLittleEndian<quint16>(SounImport::RecordLength, header.data() + 10);
    header[HeaderLength - 1] = 0x0D;
    QByteArray table = header;
    for (const QByteArray& r : records)
        table += r;
    return table;
}

} // namespace SounTable
