#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <QByteArray>
#include <QString>
#include <vector>

class mTFileLoader;

// Typed values and named streams over a loader's buffer. Every value is a four-digit decimal
// length followed by that many bytes of windows-1251 text; a stream starts where its name is
// written and is found again by searching the buffer for the name.
class mTDocumentStorage {
public:
    explicit mTDocumentStorage(mTFileLoader& loader);

    void CreateNew(const QString& signature);
    void OpenExisting();
    void Reset();

    void CreateStream(const QString& name);
    void OpenStream(const QString& name);

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
    const QString& CurrentStream() const { return currentStream_; }
    const QString& Reserved() const { return reserved_; }
    quint16 MajorVersion() const { return majorVersion_; }
    quint16 MinorVersion() const { return minorVersion_; }
    quint32 Version() const { return quint32(majorVersion_) * 65536u + minorVersion_; }

    // Text forms of the values, shared by writing and by the size computations.
    static QByteArray IntegerText(qint32 value);
    static QByteArray WordText(quint16 value);
    static QByteArray ByteText(quint8 value);
    static QByteArray MoneyText(Money value);
    static QByteArray DateText(TDateTime value);

    // Bytes a value or a stream name takes in the container, length field included.
    static quint32 SizeOfString(const QString& value);
    static quint32 SizeOfInteger(qint32 value) { return 4 + quint32(IntegerText(value).size()); }
    static quint32 SizeOfWord(quint16 value) { return 4 + quint32(WordText(value).size()); }
    static quint32 SizeOfByte(quint8 value) { return 4 + quint32(ByteText(value).size()); }
    static quint32 SizeOfMoney(Money value) { return 4 + quint32(MoneyText(value).size()); }
    static quint32 SizeOfDate(TDateTime value) { return 4 + quint32(DateText(value).size()); }
    static quint32 SizeOfStream(const QString& name) { return SizeOfString(name); }

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

    void CheckWritable(WriteCodes codes) const;
    void WriteField(const QByteArray& text, int width, char fill);
    void WriteValue(const QByteArray& text, WriteCodes codes);
    QByteArray ReadValue(ReadCodes codes, bool numeric);
    QByteArray ReadRaw(quint32 count, quint16 boundsCode);
    qint64 ReadWholeNumber(ReadCodes codes, const char* what);
    qint64 FindStream(const QByteArray& name);

    mTFileLoader& loader_;
    char* data_ = nullptr;
    quint32 size_ = 0;
    bool readOnly_ = false;
    quint32 position_ = 0;
    QString signature_;
    QString currentStream_;
    QString reserved_;
    quint16 majorVersion_ = 0;
    quint16 minorVersion_ = 0;
    bool initialised_ = false;
    bool creatingStream_ = false;
    bool headerCreated_ = false;

    // Stream search index: the offsets of every "@" before the first zero byte, sorted by the bytes
    // that follow them, so that opening thousands of streams stays close to linear in the file size
    // while costing four bytes per "@".
    qint64 searchEnd_ = -1;
    std::vector<quint32> atSigns_;
};
