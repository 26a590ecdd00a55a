#pragma once

#include "storage/DocumentStorage.h"
#include "storage/StorageErrors.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// A record describes its stored values once, as a walk over its fields in stored order
// (template <class IO> void Fields(IO&, ...)). The same walk writes the record, reads it back,
// measures it and dumps it as JSON, so the four can never disagree.
enum class IoKind { Write, Read, Size, Dump };

class StorageWriter {
public:
    static constexpr IoKind Kind = IoKind::Write;
    explicit StorageWriter(mTDocumentStorage& storage) : s(storage) {}
    mTDocumentStorage& Storage() { return s; }

    void Stream(const QString& name) { s.CreateStream(name); }
    void Stream(const StreamName& name) { s.CreateStream(name); }
    void Str(const char*, QString& v) { s.WriteString(v); }
    void Int(const char*, qint32& v) { s.WriteInteger(v); }
    template <class T> void Word(const char*, T& v) { s.WriteWord(static_cast<quint16>(v)); }
    template <class T> void Byte(const char*, T& v) { s.WriteByte(static_cast<quint8>(v)); }
    void Amount(const char*, Money& v) { s.WriteMoney(v); }
    void Date(const char*, TDateTime& v) { s.WriteDate(v); }
    // A value the dump shows but the container does not hold.
    template <class T> void Derived(const char*, const T&) {}
    // Both sides of a stored branch are shown by the dump; the others follow the condition.
    bool Take(bool condition) const { return condition; }
    void BeginList(const char*) {}
    void EndList() {}
    void BeginItem() {}
    void EndItem() {}

private:
    mTDocumentStorage& s;
};

class StorageReader {
public:
    static constexpr IoKind Kind = IoKind::Read;
    explicit StorageReader(mTDocumentStorage& storage) : s(storage) {}
    mTDocumentStorage& Storage() { return s; }

    void Stream(const QString& name) { s.OpenStream(name); }
    void Stream(const StreamName& name) { s.OpenStream(name); }
    void Str(const char*, QString& v) { v = s.ReadString(); }
    void Int(const char*, qint32& v) { v = s.ReadInteger(); }
    template <class T> void Word(const char*, T& v) { v = static_cast<T>(s.ReadWord()); }
    template <class T> void Byte(const char*, T& v) { v = static_cast<T>(s.ReadByte()); }
    void Amount(const char*, Money& v) { v = s.ReadMoney(); }
    void Date(const char*, TDateTime& v) { v = s.ReadDate(); }
    template <class T> void Derived(const char*, const T&) {}
    bool Take(bool condition) const { return condition; }
    void BeginList(const char*) {}
    void EndList() {}
    void BeginItem() {}
    void EndItem() {}

private:
    mTDocumentStorage& s;
};

class StorageSizer {
public:
    static constexpr IoKind Kind = IoKind::Size;
    using Storage = mTDocumentStorage;

    void Stream(const QString& name) { total += Storage::SizeOfStream(name); }
    void Stream(const StreamName& name) { total += 4 + quint64(name.Bytes().size()); }
    void Str(const char*, const QString& v) { total += Storage::SizeOfString(v); }
    void Int(const char*, const qint32& v) { total += Storage::SizeOfInteger(v); }
    template <class T> void Word(const char*, const T& v) {
        total += Storage::SizeOfWord(static_cast<quint16>(v));
    }
    template <class T> void Byte(const char*, const T& v) {
        total += Storage::SizeOfByte(static_cast<quint8>(v));
    }
    void Amount(const char*, const Money& v) { total += Storage::SizeOfMoney(v); }
    void Date(const char*, const TDateTime& v) { total += Storage::SizeOfDate(v); }
    template <class T> void Derived(const char*, const T&) {}
    bool Take(bool condition) const { return condition; }
    void BeginList(const char*) {}
    void EndList() {}
    void BeginItem() {}
    void EndItem() {}

    quint64 total = 0;
};

// Writes the walked fields as indented UTF-8 JSON, keys in stored order.
// Money is a decimal string with "."; dates are "dd.mm.yyyy" (with the time of day when there is one).
class JsonDumper {
public:
    static constexpr IoKind Kind = IoKind::Dump;

    void Stream(const QString&) {}
    void Stream(const StreamName&) {}
    void Str(const char* key, const QString& v) {
        Key(key);
        out += Quote(v);
    }
    void Int(const char* key, const qint32& v) {
        Key(key);
        out += QByteArray::number(v);
    }
    template <class T> void Word(const char* key, const T& v) {
        Key(key);
        out += QByteArray::number(qint64(v));
    }
    template <class T> void Byte(const char* key, const T& v) {
        Key(key);
        out += QByteArray::number(qint64(v));
    }
    void Amount(const char* key, const Money& v) {
        Key(key);
        out += Quote(v.ToText());
    }
    void Date(const char* key, const TDateTime& v);
    void Derived(const char* key, const Money& v) { Amount(key, v); }
    void Derived(const char* key, const qint32& v) { Int(key, v); }
    void Bool(const char* key, bool v) {
        Key(key);
        out += v ? "true" : "false";
    }
    bool Take(bool) const { return true; }
    void Null(const char* key) {
        Key(key);
        out += "null";
    }

    void BeginObject(const char* key = nullptr);
    void EndObject();
    void BeginList(const char* key);
    // A list of plain values, written on one line.
    void BeginValueList(const char* key);
    void EndList();
    void BeginItem() { BeginObject(); }
    void EndItem() { EndObject(); }
    // A list of plain values: each Value* call adds one element.
    void ValueAmount(const Money& v) {
        Key(nullptr);
        out += Quote(v.ToText());
    }
    void ValueInt(qint64 v) {
        Key(nullptr);
        out += QByteArray::number(v);
    }
    void ValueNull() {
        Key(nullptr);
        out += "null";
    }

    QByteArray Result() const { return out + '\n'; }
    static QByteArray Quote(const QString& text);

private:
    void Key(const char* key);
    void Indent();

    QByteArray out;
    struct Level {
        bool empty = true;
        bool inlineValues = false;
    };
    QVector<Level> levels_;
};

// Runs a record's save or load and marks a storage error with the record's place code on its way up.
template <class Body> void WithPlace(quint16 place, Body&& body) {
    try {
        body();
    } catch (mEPrivBase& e) {
        e.Place = place;
        throw;
    }
}

// Arrays of plain values: one stored value per element, one JSON array in the dump.
template <class IO, class Array> void AmountArray(IO& io, const char* key, Array& values) {
    if constexpr (IO::Kind == IoKind::Dump) {
        io.BeginValueList(key);
        for (const Money& v : values)
            io.ValueAmount(v);
        io.EndList();
    } else {
        for (Money& v : values)
            io.Amount(key, v);
    }
}

template <class IO, class Array> void IntArray(IO& io, const char* key, Array& values) {
    if constexpr (IO::Kind == IoKind::Dump) {
        io.BeginValueList(key);
        for (const auto& v : values)
            io.ValueInt(v);
        io.EndList();
    } else {
        for (auto& v : values)
            io.Int(key, v);
    }
}

template <class IO, class Array> void ByteArray(IO& io, const char* key, Array& values) {
    if constexpr (IO::Kind == IoKind::Dump) {
        io.BeginValueList(key);
        for (const auto& v : values)
            io.ValueInt(v);
        io.EndList();
    } else {
        for (auto& v : values)
            io.Byte(key, v);
    }
}

// Save, load, size and dump of a record through its Fields walk, with its place codes.
#define DUROVID_RECORD_STORAGE(Class, SavePlace, LoadPlace)                                                  \
    void Class::SaveToStorage(mTDocumentStorage& storage) {                                                  \
        WithPlace(SavePlace, [&] {                                                                           \
            StorageWriter io(storage);                                                                       \
            Fields(io);                                                                                      \
        });                                                                                                  \
    }                                                                                                        \
    void Class::LoadFromStorage(mTDocumentStorage& storage) {                                                \
        WithPlace(LoadPlace, [&] {                                                                           \
            StorageReader io(storage);                                                                       \
            Fields(io);                                                                                      \
        });                                                                                                  \
    }                                                                                                        \
    quint32 Class::StoredSize() {                                                                            \
        StorageSizer io;                                                                                     \
        Fields(io);                                                                                          \
        return io.total;                                                                                     \
    }                                                                                                        \
    void Class::Dump(JsonDumper& json) {                                                                     \
        Fields(json);                                                                                        \
    }

// The same for records kept in a list, whose stream names carry their list position.
#define DUROVID_LIST_RECORD_STORAGE(Class, SavePlace, LoadPlace)                                             \
    void Class::SaveToStorage(mTDocumentStorage& storage, quint16 index) {                                   \
        WithPlace(SavePlace, [&] {                                                                           \
            StorageWriter io(storage);                                                                       \
            Fields(io, index);                                                                               \
        });                                                                                                  \
    }                                                                                                        \
    void Class::LoadFromStorage(mTDocumentStorage& storage, quint16 index) {                                 \
        WithPlace(LoadPlace, [&] {                                                                           \
            StorageReader io(storage);                                                                       \
            Fields(io, index);                                                                               \
        });                                                                                                  \
    }                                                                                                        \
    quint32 Class::StoredSize(quint16 index) {                                                               \
        StorageSizer io;                                                                                     \
        Fields(io, index);                                                                                   \
        return io.total;                                                                                     \
    }                                                                                                        \
    void Class::Dump(JsonDumper& json) {                                                                     \
        Fields(json, 0);                                                                                     \
    }

#define DUROVID_LIST_RECORD_INTERFACE                                                                        \
    void SaveToStorage(mTDocumentStorage& storage, quint16 index);                                           \
    void LoadFromStorage(mTDocumentStorage& storage, quint16 index);                                         \
    quint32 StoredSize(quint16 index = 0);                                                                   \
    void Dump(JsonDumper& json);                                                                             \
    template <class IO> void Fields(IO& io, int index);

#define DUROVID_RECORD_INTERFACE                                                                             \
    void SaveToStorage(mTDocumentStorage& storage);                                                          \
    void LoadFromStorage(mTDocumentStorage& storage);                                                        \
    quint32 StoredSize();                                                                                    \
    void Dump(JsonDumper& json);                                                                             \
    template <class IO> void Fields(IO& io);

// A flag that older files may lack at the end of their stream: when it cannot be read it counts as 0
// and the reader stays where it was.
template <class IO> void OptionalFlag(IO& io, const char* key, quint8& flag) {
    if constexpr (IO::Kind == IoKind::Read) {
        mTDocumentStorage& s = io.Storage();
        const quint32 position = s.Position();
        try {
            flag = s.ReadByte();
        } catch (const EConvertError&) {
            flag = 0;
            s.SetPosition(position);
        } catch (const mEBadStorage&) {
            flag = 0;
            s.SetPosition(position);
        }
    } else {
        io.Byte(key, flag);
    }
}
