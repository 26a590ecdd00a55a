#pragma once

#include "records/RecordIO.h"

class mTDocumentStorage;

// The taxpayer: name and INN, identity document, birth data, citizenship, address and phones.
class mTPersonInformation {
public:
    mTPersonInformation();

    int SaveToStorage(mTDocumentStorage& storage);
    // Reads the values that files of the container's year hold (older years hold fewer).
    void LoadFromStorage(mTDocumentStorage& storage);
    quint32 StoredSize();
    void Dump(JsonDumper& json);

    template <class IO> void Fields(IO& io);

    QString SurName, FirstName, Patronymic, INN, NameReserve1;
    QString NameReserve2 = QStringLiteral("0");
    quint16 DocTypeCode = 0;
    QString DocTypeName, DocSerial;
    TDateTime DocIssueDate;
    TDateTime BirthDate;
    QString DocIssuedBy, BirthPlace;
    quint8 PersonReserveFlag = 0;
    QString CitizenshipSign;
    QString CountryName = QStringLiteral("РОССИЯ");
    QString ForeignAddress;
    QString CountryCode = QStringLiteral("643");
    quint8 StayAddress = 0;
    QString PostIndex;
    quint16 RegionCode = 0;
    QString RegionName, District, City, Locality, Street, House, Building, Flat, OKATO;
    QString HomePhoneCode, HomePhone, WorkPhoneCode, WorkPhone;
    QString ForeignHomePhoneCode, ForeignHomePhone, ForeignWorkPhoneCode, ForeignWorkPhone;
};
