#pragma once

#include "storage/Date.h"
#include "storage/Money.h"
#include "storage/StreamName.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>
#include <array>
#include <string_view>
#include <unordered_map>

class mTFileLoader;

// Typed values and named streams over a loader's buffer. Every value is a four-digit decimal
// length followed by that many bytes of windows-1251 text; a stream starts where a value holding
// its name is written.
//
// Reading follows the file's structure, never a text's content: a reader walks the values in the
// order the writer wrote them, so the stream it opens next stands right at the reading position and
// is taken from there. Only a stream that is not there (files of earlier years hold other values in
// between; another writer may order its streams differently) is looked up, and then only among
// whole values lying on the value boundaries. A text that equals a stream name or carries a length
// prefix of its own is therefore read back as that text and never taken for a stream.
class mTDocumentStorage {
public:
    explicit mTDocumentStorage(mTFileLoader& loader);

    void CreateNew(const QString& signature);
    void OpenExisting();
    void Reset();

    void CreateStream(const QString& name);
    void CreateStream(const StreamName& name);
    void OpenStream(const QString& name);
    void OpenStream(const StreamName& name);

    bool WriteString(const QString& value);
    bool WriteInteger(qint32 value);
    bool WriteWord(quint16 value);
    bool WriteByte(quint8 value);
    bool WriteMoney(Money value);
    bool WriteDate(TDateTime value);

    QString ReadString();
    qint32 ReadInteger();
    quint16 ReadWord();
    quint8 ReadByte();
    Money ReadMoney();
    TDateTime ReadDate();

    bool ReadOnly() const { return readOnly_; }
    quint32 Position() const { return position_; }
    // Lets a reader step back after a value that turned out not to be there (optional values of older files).
    void SetPosition(quint32 position) { position_ = position; }
    const QString& Signature() const { return signature_; }
    QString CurrentStream() const;
    const QString& Reserved() const { return reserved_; }
    quint16 MajorVersion() const { return majorVersion_; }
    quint16 MinorVersion() const { return minorVersion_; }
    quint32 Version() const { return quint32(majorVersion_) * 65536u + minorVersion_; }

    // Bytes a value or a stream name takes in the container, length field included.
    static quint32 SizeOfString(const QString& value) { return 4 + quint32(value.size()); }
    static quint32 SizeOfInteger(qint32 value) { return 4 + DigitCount(quint32(value)); }
    static quint32 SizeOfWord(quint16 value) { return 4 + DigitCount(value); }
    static quint32 SizeOfByte(quint8 value) { return 4 + DigitCount(value); }
    static quint32 SizeOfMoney(Money value);
    static quint32 SizeOfDate(TDateTime value);
    static quint32 SizeOfStream(const QString& name) { return SizeOfString(name); }

    // Decimal digits of a value.
    static quint32 DigitCount(quint64 value) {
        quint32 digits = 1;
        for (; value >= 10; value /= 10)
            ++digits;
        return digits;
    }

    static constexpr quint32 HeaderSize = 60;
    static constexpr int MaxValueLength = 9999;

private:
    struct ReadCodes {
        quint16 notInitialised;
        quint16 bounds;
    };
    struct WriteCodes {
        quint16 readOnly;
        quint16 notInitialised;
    };

    // Raises the error of a write that Reserve refused.
    [[noreturn]] void RefuseWrite(qsizetype length, WriteCodes codes) const;
    void WriteField(const QByteArray& text, int width, char fill);
    char* Reserve(qsizetype length, WriteCodes codes);
    void WriteValue(const char* text, qsizetype length, WriteCodes codes);
    void WriteNumber(quint32 value, WriteCodes codes);
    QByteArrayView ReadValue(ReadCodes codes, bool numeric);
    QByteArray ReadRaw(quint32 count, quint16 boundsCode);
    qint64 ReadWholeNumber(ReadCodes codes, const char* what);
    qint64 FindStream(QByteArrayView name);
    void OpenStreamBytes(QByteArrayView name);
    void SetCurrentStream(QByteArrayView name);
    void IndexStreams();
    // The offset of the buffer's first zero byte, or its size.
    quint32 FirstZero() const;

    mTFileLoader& loader_;
    char* data_ = nullptr;
    quint32 size_ = 0;
    bool readOnly_ = false;
    quint32 position_ = 0;
    QString signature_;
    QVarLengthArray<char, 48> currentStream_; // windows-1251
    QString reserved_;
    quint16 majorVersion_ = 0;
    quint16 minorVersion_ = 0;
    bool initialised_ = false;
    bool creatingStream_ = false;
    bool headerCreated_ = false;
    // Loading: no zero byte lies before this offset (0 while unknown, and for a buffer being written).
    quint32 firstZero_ = 0;

    // Texts read lately, by a hash of their bytes. A declaration repeats many texts (the income code's
    // name on every line, a payer's INN and KPP, a budget code): equal bytes give one shared string,
    // which saves an allocation and the memory of a copy each time. The bytes lie in the loader's buffer.
    struct ReadText {
        std::string_view bytes;
        QString text;
    };
    std::array<ReadText, 256> readTexts_;

    // Streams not found at the reading position: offset behind each name, first occurrence only,
    // built on first need. The keys point into the loader's buffer, which outlives the storage.
    bool indexed_ = false;
    std::unordered_map<std::string_view, quint32> streams_;
};
