#pragma once

#include "records/RecordIO.h"

// A payer of income in the Russian Federation; the base of the 13, 30 and 35 % source records.
class mTSourseIncomeInfo {
public:
    virtual ~mTSourseIncomeInfo() = default;
    // nonResident selects the stream names of the non-resident 13 % list; the other classes ignore it.
    virtual void SaveToStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) = 0;
    virtual void LoadFromStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) = 0;
    virtual quint32 StoredSize(quint16 index, bool nonResident) = 0;
    virtual void Dump(JsonDumper& json) = 0;

    QString SourceINN;
    QString SourceKPP;
    QString SourceOKATO;
    QString SourceName;
    Money IncomeTotal;
    Money TaxWithheld;
};

// Save, load, size and dump of a source class through its Fields walk, with its place codes.
#define DUROVID_SOURCE_STORAGE(Class, SavePlace, LoadPlace)                                                  \
    void Class::SaveToStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) {                 \
        WithPlace(SavePlace, [&] {                                                                           \
            StorageWriter io(storage);                                                                       \
            Fields(io, index, nonResident);                                                                  \
        });                                                                                                  \
    }                                                                                                        \
    void Class::LoadFromStorage(mTDocumentStorage& storage, quint16 index, bool nonResident) {               \
        WithPlace(LoadPlace, [&] {                                                                           \
            StorageReader io(storage);                                                                       \
            Fields(io, index, nonResident);                                                                  \
        });                                                                                                  \
    }                                                                                                        \
    quint32 Class::StoredSize(quint16 index, bool nonResident) {                                             \
        StorageSizer io;                                                                                     \
        Fields(io, index, nonResident);                                                                      \
        return io.total;                                                                                     \
    }                                                                                                        \
    void Class::Dump(JsonDumper& json) {                                                                     \
        Fields(json, 0, false);                                                                              \
    }
