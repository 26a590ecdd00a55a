#include "records/PersonInformation.h"

#include "records/StartingDates.h"

namespace {

enum class Layout { Current, Year2004, Old };

// Files of 2005 and later hold every value; 2004 lacks a few; older years lack more.
Layout LayoutOf(const QString& signature) {
    static const QStringList current = {QStringLiteral("Kvir2005"), QStringLiteral("Kvir2006"),
                                        QStringLiteral("Kvir2007"), QStringLiteral("Kvir2008"),
                                        QStringLiteral("Kvir2009"), QStringLiteral("Zizo2010")};
    if (current.contains(signature)) return Layout::Current;
    if (signature == QLatin1String("Kvir2004")) return Layout::Year2004;
    return Layout::Old;
}

} // namespace

mTPersonInformation::mTPersonInformation() {
    DocIssueDate = StartingDate::DocumentIssue();
    BirthDate = StartingDate::Birth();
}

template <class IO> void mTPersonInformation::Fields(IO& io) {
    io.Stream(QStringLiteral("@PersonName"));
    io.Str("SurName", SurName);
    io.Str("FirstName", FirstName);
    io.Str("Patronymic", Patronymic);
    io.Str("INN", INN);
    io.Str("NameReserve1", NameReserve1);
    io.Str("NameReserve2", NameReserve2);
    io.Stream(QStringLiteral("@PersonDocument"));
    io.Word("DocTypeCode", DocTypeCode);
    io.Str("DocTypeName", DocTypeName);
    io.Str("DocSerial", DocSerial);
    io.Date("DocIssueDate", DocIssueDate);
    io.Date("BirthDate", BirthDate);
    io.Str("DocIssuedBy", DocIssuedBy);
    io.Str("BirthPlace", BirthPlace);
    io.Byte("PersonReserveFlag", PersonReserveFlag);
    io.Stream(QStringLiteral("@Foreigner"));
    io.Str("CitizenshipSign", CitizenshipSign);
    io.Str("CountryName", CountryName);
    io.Str("ForeignAddress", ForeignAddress);
    io.Str("CountryCode", CountryCode);
    io.Stream(QStringLiteral("@PhoneForeignerHome"));
    io.Str("ForeignHomePhoneCode", ForeignHomePhoneCode);
    io.Str("ForeignHomePhone", ForeignHomePhone);
    io.Stream(QStringLiteral("@PhoneForeignerWork"));
    io.Str("ForeignWorkPhoneCode", ForeignWorkPhoneCode);
    io.Str("ForeignWorkPhone", ForeignWorkPhone);
    io.Stream(QStringLiteral("@PersonAddress"));
    io.Byte("StayAddress", StayAddress);
    io.Str("PostIndex", PostIndex);
    io.Word("RegionCode", RegionCode);
    io.Str("RegionName", RegionName);
    io.Str("District", District);
    io.Str("City", City);
    io.Str("Locality", Locality);
    io.Str("Street", Street);
    io.Str("House", House);
    io.Str("Building", Building);
    io.Str("Flat", Flat);
    io.Str("OKATO", OKATO);
    io.Stream(QStringLiteral("@HomePhone"));
    io.Str("HomePhoneCode", HomePhoneCode);
    io.Str("HomePhone", HomePhone);
    io.Stream(QStringLiteral("@WorkPhone"));
    io.Str("WorkPhoneCode", WorkPhoneCode);
    io.Str("WorkPhone", WorkPhone);
}

int mTPersonInformation::SaveToStorage(mTDocumentStorage& storage) {
    WithPlace(370, [&] {
        StorageWriter io(storage);
        Fields(io);
    });
    return 0;
}

quint32 mTPersonInformation::StoredSize() {
    StorageSizer io;
    Fields(io);
    return io.total;
}

void mTPersonInformation::Dump(JsonDumper& json) {
    Fields(json);
}

void mTPersonInformation::LoadFromStorage(mTDocumentStorage& s) {
    const Layout layout = LayoutOf(s.Signature());
    const bool fromYear2004 = layout != Layout::Old;
    const bool current = layout == Layout::Current;
    WithPlace(371, [&] {
        s.OpenStream(QStringLiteral("@PersonName"));
        SurName = s.ReadString();
        FirstName = s.ReadString();
        Patronymic = s.ReadString();
        INN = s.ReadString();
        if (fromYear2004) {
            NameReserve1 = s.ReadString();
            NameReserve2 = s.ReadString();
        } else {
            NameReserve2 = QStringLiteral("0");
        }

        s.OpenStream(QStringLiteral("@PersonDocument"));
        DocTypeCode = s.ReadWord();
        DocTypeName = s.ReadString();
        DocSerial = s.ReadString();
        DocIssueDate = s.ReadDate();
        BirthDate = s.ReadDate();
        if (fromYear2004) {
            DocIssuedBy = s.ReadString();
            BirthPlace = s.ReadString();
        }
        if (current) PersonReserveFlag = s.ReadByte();

        // Citizenship and the phones abroad form one optional block: older files may lack it.
        try {
            s.OpenStream(QStringLiteral("@Foreigner"));
            CitizenshipSign = s.ReadString();
            CountryName = s.ReadString();
            if (fromYear2004) {
                ForeignAddress = s.ReadString();
                CountryCode = s.ReadString();
            }
            if (current) {
                s.OpenStream(QStringLiteral("@PhoneForeignerHome"));
                ForeignHomePhoneCode = s.ReadString();
                ForeignHomePhone = s.ReadString();
                s.OpenStream(QStringLiteral("@PhoneForeignerWork"));
                ForeignWorkPhoneCode = s.ReadString();
                ForeignWorkPhone = s.ReadString();
            }
        } catch (const mEOpenStream&) {
        }

        s.OpenStream(QStringLiteral("@PersonAddress"));
        if (current) StayAddress = s.ReadByte();
        PostIndex = s.ReadString();
        RegionCode = s.ReadWord();
        RegionName = s.ReadString();
        District = s.ReadString();
        City = s.ReadString();
        Locality = s.ReadString();
        Street = s.ReadString();
        House = s.ReadString();
        Building = s.ReadString();
        Flat = s.ReadString();
        if (current) {
            OKATO = s.ReadString();
            s.OpenStream(QStringLiteral("@HomePhone"));
            HomePhoneCode = s.ReadString();
            HomePhone = s.ReadString();
            s.OpenStream(QStringLiteral("@WorkPhone"));
            WorkPhoneCode = s.ReadString();
            WorkPhone = s.ReadString();
        }
    });
}
