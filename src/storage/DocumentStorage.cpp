#include "storage/DocumentStorage.h"

#include "storage/AmountText.h"
#include "storage/CodePage.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const QByteArray kSignatureBytes("DLSG");
constexpr quint32 kDateTextVersion = 65538; // 1.2: dates stored as day numbers from here on

// Optional blanks, optional sign, decimal digits. Bounded so that it never overflows.
bool ParseWholeNumber(const QByteArray& text, qint64& out) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const qsizetype firstDigit = i;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL) return false;
    }
    if (i == firstDigit || i != text.size()) return false;
    out = negative ? -value : value;
    return true;
}

// A decimal number with the given separator: sign, digits, separator, digits, optional exponent.
bool ParseDecimal(const QByteArray& text, char separator, double& out) {
    QByteArray normalised = text.trimmed();
    if (normalised.isEmpty()) return false;
    for (char& c : normalised) {
        if (c == separator)
            c = '.';
        else if (c == '.' || !(std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' ||
                               c == 'e' || c == 'E'))
            return false;
    }
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return false;
    out = value;
    return true;
}

EConvertError NotConvertible(const QByteArray& text, const char* what) {
    return EConvertError(
        QStringLiteral("'%1' не является %2").arg(CodePage::FromCp1251(text), QString::fromUtf8(what)));
}

} // namespace

mTDocumentStorage::mTDocumentStorage(mTFileLoader& loader)
    : loader_(loader), data_(loader.Data()), size_(loader.Size), readOnly_(loader.ReadOnly) {}

void mTDocumentStorage::Reset() {
    position_ = 0;
    currentStream_.clear();
    initialised_ = creatingStream_ = headerCreated_ = false;
}

// ---- header ---------------------------------------------------------------------------------

void mTDocumentStorage::CreateNew(const QString& signature) {
    if (!loader_.IsOpen() || data_ == nullptr) throw mEMemoryAllocate(StorageText::NotAllocated, 50);
    if (readOnly_) throw mEWriteStorage(StorageText::ReadOnly, 51);
    if (initialised_ || headerCreated_) throw mEAlreadyCreated(StorageText::AlreadyCreated, 52);
    if (size_ < HeaderSize) throw mEMemoryAllocate(StorageText::NotAllocated, 50);
    initialised_ = headerCreated_ = true;
    signature_ = signature;
    position_ = 0;
    WriteField(kSignatureBytes, 4, ' ');
    WriteField(CodePage::ToCp1251(signature), 20, ' ');
    WriteField("1", 2, '0');
    WriteField("2", 2, '0');
    WriteField(QByteArray(32, 'F'), 32, ' ');
}

void mTDocumentStorage::OpenExisting() {
    if (initialised_ || headerCreated_) throw mEAlreadyCreated(StorageText::AlreadyCreated, 69);
    if (data_ == nullptr) throw mEMemoryAllocate(StorageText::NotAllocated, 67);
    if (size_ < 4 || QByteArray::fromRawData(data_, 4) != kSignatureBytes) {
        Reset();
        throw mEBadStorage(StorageText::DamagedFile, 68);
    }
    position_ = 4;
    initialised_ = true;
    signature_ = CodePage::FromCp1251(ReadRaw(20, 60)).trimmed();
    qint64 major = 0, minor = 0;
    const QByteArray majorText = ReadRaw(2, 61);
    const QByteArray minorText = ReadRaw(2, 62);
    if (!ParseWholeNumber(majorText, major)) throw NotConvertible(majorText, "целым числом");
    if (!ParseWholeNumber(minorText, minor)) throw NotConvertible(minorText, "целым числом");
    majorVersion_ = static_cast<quint16>(major);
    minorVersion_ = static_cast<quint16>(minor);
    reserved_ = CodePage::FromCp1251(ReadRaw(32, 63));
}

// ---- streams --------------------------------------------------------------------------------

void mTDocumentStorage::CreateStream(const QString& name) {
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, 82);
    if (readOnly_) throw mEWriteStorage(StorageText::ReadOnly, 81);
    creatingStream_ = true;
    WriteValue(CodePage::ToCp1251(name), {150, 151});
    currentStream_ = name;
    creatingStream_ = false;
}

void mTDocumentStorage::OpenStream(const QString& name) {
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, 211);
    const QByteArray bytes = CodePage::ToCp1251(name);
    const qint64 found = FindStream(bytes);
    if (found < 0) throw mEOpenStream(StorageText::NoSuchStream, 210);
    position_ = static_cast<quint32>(found + bytes.size());
    currentStream_ = name;
}

namespace {
constexpr qsizetype kIndexedNameLength = 32; // longer names are searched for directly
}

qint64 mTDocumentStorage::FindStream(const QByteArray& name) {
    if (searchEnd_ < 0) {
        const void* zero = std::memchr(data_, 0, size_);
        searchEnd_ = zero ? static_cast<const char*>(zero) - data_ : qint64(size_);
    }
    if (name.isEmpty() || name.size() > MaxValueLength) return -1;

    // A stream name is a whole stored value: its own length field stands right before it. Without
    // this, "@SourseIncome1000000" (source 1000) would be found inside "@SourseIncome100000" followed
    // by the next value's length digits, and a name typed into a text field could shadow a stream.
    const QByteArray lengthField = QByteArray::number(name.size()).rightJustified(4, '0');
    const auto isWholeValue = [this, &lengthField](qint64 at) {
        return at >= 4 && std::memcmp(data_ + at - 4, lengthField.constData(), 4) == 0;
    };
    const QByteArrayView haystack(data_, searchEnd_);
    if (name[0] != '@' || name.size() > kIndexedNameLength) {
        for (qsizetype at = haystack.indexOf(name); at >= 0; at = haystack.indexOf(name, at + 1))
            if (isWholeValue(at)) return at;
        return -1;
    }

    const char* data = data_;
    const qint64 end = searchEnd_;
    // The bytes behind an offset, as far as the index looks.
    const auto key = [data, end](quint32 at) {
        return QByteArrayView(data + at, std::min<qint64>(kIndexedNameLength, end - at));
    };
    if (atSigns_.empty()) {
        for (qsizetype at = haystack.indexOf('@'); at >= 0; at = haystack.indexOf('@', at + 1))
            if (at >= 4) atSigns_.push_back(quint32(at));
        std::sort(atSigns_.begin(), atSigns_.end(), [&key](quint32 a, quint32 b) { return key(a) < key(b); });
    }
    // Every run that begins with the name sorts into one range; the first occurrence is its smallest offset.
    const QByteArrayView wanted(name);
    const auto prefix = [&key, &wanted](quint32 at) {
        const QByteArrayView k = key(at);
        return k.first(std::min(k.size(), wanted.size()));
    };
    auto it = std::lower_bound(atSigns_.begin(), atSigns_.end(), wanted,
                               [&prefix](quint32 at, QByteArrayView n) { return prefix(at) < n; });
    qint64 first = -1;
    for (; it != atSigns_.end() && prefix(*it) == wanted; ++it)
        if ((first < 0 || *it < first) && isWholeValue(*it)) first = *it;
    return first;
}

// ---- writing --------------------------------------------------------------------------------

void mTDocumentStorage::WriteField(const QByteArray& text, int width, char fill) {
    if (text.isEmpty()) return;
    const qsizetype taken = std::min<qsizetype>(text.size(), width);
    const qsizetype padding = width - taken;
    if (qint64(position_) + taken + (text.size() >= width ? 0 : padding) > qint64(size_))
        throw mEMemoryAllocate(StorageText::OutOfMemory, 152);
    if (text.size() < width) {
        std::memset(data_ + position_, fill, size_t(padding));
        position_ += quint32(padding);
    }
    std::memcpy(data_ + position_, text.constData(), size_t(taken));
    position_ += quint32(taken);
}

void mTDocumentStorage::CheckWritable(WriteCodes codes) const {
    if (readOnly_) throw mEWriteStorage(StorageText::ReadOnly, codes.readOnly);
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, codes.notInitialised);
}

void mTDocumentStorage::WriteValue(const QByteArray& text, WriteCodes codes) {
    CheckWritable(codes);
    if (text.size() > MaxValueLength)
        throw mEBadStorage(
            QStringLiteral("Значение длиннее %1 байт не может быть записано в файл декларации.")
                .arg(MaxValueLength),
            codes.readOnly);
    if (qint64(position_) + 4 + text.size() > qint64(size_))
        throw mEMemoryAllocate(StorageText::OutOfMemory, codes.readOnly);
    WriteField(QByteArray::number(text.size()), 4, '0');
    if (text.isEmpty()) return;
    std::memcpy(data_ + position_, text.constData(), size_t(text.size()));
    position_ += quint32(text.size());
}

QByteArray mTDocumentStorage::IntegerText(qint32 value) {
    return QByteArray::number(quint32(value));
}
QByteArray mTDocumentStorage::WordText(quint16 value) {
    return QByteArray::number(value);
}
QByteArray mTDocumentStorage::ByteText(quint8 value) {
    return QByteArray::number(value);
}
QByteArray mTDocumentStorage::MoneyText(Money value) {
    return value.ToText(QLatin1Char('.')).toLatin1();
}
QByteArray mTDocumentStorage::DateText(TDateTime value) {
    return ShortFloatText(value).toLatin1();
}

quint32 mTDocumentStorage::SizeOfString(const QString& value) {
    return 4 + quint32(value.size());
}

bool mTDocumentStorage::WriteString(const QString& value) {
    WriteValue(CodePage::ToCp1251(value), {150, 151});
    return true;
}
bool mTDocumentStorage::WriteInteger(qint32 value) {
    WriteValue(IntegerText(value), {160, 161});
    return true;
}
bool mTDocumentStorage::WriteWord(quint16 value) {
    WriteValue(WordText(value), {170, 171});
    return true;
}
bool mTDocumentStorage::WriteMoney(Money value) {
    WriteValue(MoneyText(value), {180, 181});
    return true;
}
bool mTDocumentStorage::WriteDate(TDateTime value) {
    WriteValue(DateText(value), {190, 191});
    return true;
}
bool mTDocumentStorage::WriteByte(quint8 value) {
    WriteValue(ByteText(value), {200, 201});
    return true;
}

// ---- reading --------------------------------------------------------------------------------

QByteArray mTDocumentStorage::ReadRaw(quint32 count, quint16 boundsCode) {
    if (qint64(position_) + count > qint64(size_)) throw mEBadStorage(StorageText::DamagedFile, boundsCode);
    QByteArray bytes(data_ + position_, count);
    position_ += count;
    return bytes;
}

QByteArray mTDocumentStorage::ReadValue(ReadCodes codes, bool numeric) {
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, codes.notInitialised);
    const QByteArray lengthText = ReadRaw(4, codes.bounds);
    quint32 length = 0;
    for (char c : lengthText) {
        if (c < '0' || c > '9') throw mEBadStorage(StorageText::DamagedFile, codes.bounds);
        length = length * 10 + quint32(c - '0');
    }
    if (numeric && length == 0) length = 1;
    QByteArray text = ReadRaw(length, codes.bounds);
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0) text.truncate(zero);
    return text;
}

qint64 mTDocumentStorage::ReadWholeNumber(ReadCodes codes, const char* what) {
    const QByteArray text = ReadValue(codes, true);
    qint64 value = 0;
    if (!ParseWholeNumber(text, value) || value < -2147483648LL) throw NotConvertible(text, what);
    return value;
}

QString mTDocumentStorage::ReadString() {
    return CodePage::FromCp1251(ReadValue({93, 91}, false));
}

qint32 mTDocumentStorage::ReadInteger() {
    // Integers are written as unsigned 32-bit numbers; take them back into the signed range.
    return static_cast<qint32>(static_cast<quint32>(ReadWholeNumber({102, 100}, "целым числом")));
}

quint16 mTDocumentStorage::ReadWord() {
    return static_cast<quint16>(ReadWholeNumber({112, 110}, "целым числом"));
}

quint8 mTDocumentStorage::ReadByte() {
    return static_cast<quint8>(ReadWholeNumber({142, 140}, "целым числом"));
}

Money mTDocumentStorage::ReadMoney() {
    const QByteArray text = ReadValue({122, 120}, true);
    if (text == "a") return Money::FromUnits(-1);
    const QString value = QString::fromLatin1(text);
    Money money;
    if (Money::FromText(value, QLatin1Char('.'), money) || Money::FromText(value, QLatin1Char(','), money))
        return money;
    throw NotConvertible(text, "денежной суммой");
}

TDateTime mTDocumentStorage::ReadDate() {
    const QByteArray text = ReadValue({132, 130}, true);
    TDateTime value = 0;
    if (Version() < kDateTextVersion) {
        const QString dateText = QString::fromLatin1(text);
        if (DateValue::FromText(dateText, QLatin1Char('.'), value) ||
            DateValue::FromText(dateText, QLatin1Char(','), value))
            return value;
    } else if (ParseDecimal(text, '.', value) || ParseDecimal(text, ',', value)) {
        return value;
    }
    throw NotConvertible(text, "датой");
}
