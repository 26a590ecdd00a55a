#include "storage/DocumentStorage.h"

#include "storage/AmountText.h"
#include "storage/CodePage.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

const QByteArray kSignatureBytes("DLSG");
constexpr quint32 kDateTextVersion = 65538; // 1.2: dates stored as day numbers from here on

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A length field: exactly four decimal digits.
bool ParseLength(const char* field, quint32& length) {
    if (!IsDigit(field[0]) || !IsDigit(field[1]) || !IsDigit(field[2]) || !IsDigit(field[3])) return false;
    length = quint32(field[0] - '0') * 1000 + quint32(field[1] - '0') * 100 + quint32(field[2] - '0') * 10 +
             quint32(field[3] - '0');
    return true;
}

// Optional blanks, optional sign, decimal digits. Bounded so that it never overflows.
bool ParseWholeNumber(QByteArrayView text, qint64& out) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const qsizetype firstDigit = i;
    qint64 value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL) return false;
    }
    if (i == firstDigit || i != text.size()) return false;
    out = negative ? -value : value;
    return true;
}

// A decimal number with the given separator: sign, digits, separator, digits, optional exponent.
bool ParseDecimal(QByteArrayView text, char separator, double& out) {
    QByteArray normalised = text.toByteArray().trimmed();
    if (normalised.isEmpty()) return false;
    for (char& c : normalised) {
        if (c == separator)
            c = '.';
        else if (c == '.' || !(IsDigit(c) || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return false;
    out = value;
    return true;
}

// The form every writer of this program produces, [-]digits[.digits]: read straight from the
// buffer. Anything else takes the lenient way above.
bool ParseStoredDecimal(QByteArrayView text, double& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    const char* p = first + (first != last && *first == '-');
    const char* digits = p;
    while (p != last && IsDigit(*p))
        ++p;
    if (p == digits) return false;
    if (p != last && *p == '.') {
        const char* fraction = ++p;
        while (p != last && IsDigit(*p))
            ++p;
        if (p == fraction) return false;
    }
    if (p != last) return false;
    const auto result = std::from_chars(first, last, out);
    return result.ec == std::errc() && result.ptr == last && std::isfinite(out);
}

// The same for amounts: [-]digits[.1 to 4 digits], exactly as Money::FromText would take it.
bool ParseStoredMoney(QByteArrayView text, Money& out) {
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    const qsizetype firstDigit = i;
    quint64 whole = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        whole = whole * 10 + quint64(text[i] - '0');
        if (whole > quint64(std::numeric_limits<qint64>::max() / Money::Scale)) return false;
    }
    if (i == firstDigit) return false;
    qint64 fraction = 0;
    int fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]) && fractionDigits < 4; ++i, ++fractionDigits)
            fraction = fraction * 10 + (text[i] - '0');
        if (fractionDigits == 0) return false;
    }
    if (i != text.size()) return false;
    for (int k = fractionDigits; k < 4; ++k)
        fraction *= 10;
    const qint64 raw = qint64(whole) * Money::Scale + fraction;
    out = Money::FromRaw(negative ? -raw : raw);
    return true;
}

// Money in its stored form: shortest decimal, "." as the separator (as Money::ToText with ".").
struct MoneyParts {
    bool negative;
    quint64 whole;
    unsigned fraction; // ten-thousandths, trailing zeros dropped
    int fractionDigits;
};

MoneyParts SplitMoney(Money value) {
    const qint64 raw = value.Raw();
    const bool negative = raw < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(raw) : quint64(raw);
    unsigned fraction = unsigned(magnitude % Money::Scale);
    int digits = fraction == 0 ? 0 : 4;
    while (digits > 0 && fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    return {negative, magnitude / Money::Scale, fraction, digits};
}

int MoneyTextLength(const MoneyParts& m) {
    return int(m.negative) + int(mTDocumentStorage::DigitCount(m.whole)) +
           (m.fractionDigits ? 1 + m.fractionDigits : 0);
}

// Writes the digits of value ending just before end.
void WriteDigitsBackwards(char* end, quint64 value) {
    do {
        *--end = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
}

// Writes the text of m at out; length is MoneyTextLength(m), which the caller has already needed.
void WriteMoneyText(const MoneyParts& m, char* out, int length) {
    char* end = out + length;
    if (m.negative) *out = '-';
    if (m.fractionDigits) {
        unsigned fraction = m.fraction;
        for (int i = 0; i < m.fractionDigits; ++i, fraction /= 10)
            *--end = char('0' + fraction % 10);
        *--end = '.';
    }
    WriteDigitsBackwards(end, m.whole);
}

QByteArray DateText(TDateTime value) {
    return ShortFloatText(value).toLatin1();
}

// A text's place among the texts read lately: a quick mix of its length and of the bytes at both ends,
// where the texts of a declaration differ (a name's number, a code's last digits). Equal bytes are
// confirmed by comparison, so a poor mix costs only time.
size_t TextSlot(QByteArrayView text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = size_t(text.size());
    quint64 mix = n;
    if (n >= 8) {
        quint64 head = 0, tail = 0;
        std::memcpy(&head, bytes, 8);
        std::memcpy(&tail, bytes + n - 8, 8);
        mix ^= head * 0x9E3779B97F4A7C15ULL ^ tail * 0xC2B2AE3D27D4EB4FULL;
    } else {
        for (size_t i = 0; i < n; ++i)
            mix = (mix << 8 | bytes[i]) * 0x100000001B3ULL;
        mix *= 0x9E3779B97F4A7C15ULL;
    }
    return size_t((mix ^ (mix >> 29)) * 0xBF58476D1CE4E5B9ULL >> 56);
}

EConvertError NotConvertible(QByteArrayView text, const char* what) {
    return EConvertError(QStringLiteral("'%1' не является %2")
                             .arg(CodePage::FromCp1251(text.data(), text.size()), QString::fromUtf8(what)));
}

// Stream names are short; their windows-1251 bytes without a heap allocation.
using NameBytes = QVarLengthArray<char, 64>;
NameBytes EncodeName(const QString& name) {
    NameBytes bytes(name.size());
    CodePage::ToCp1251(name, bytes.data());
    return bytes;
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
    // A loaded file does not change: where its first zero byte lies is found once, and a text before
    // it needs no search of its own.
    if (readOnly_) firstZero_ = FirstZero();
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
    WriteString(name);
    const NameBytes bytes = EncodeName(name);
    SetCurrentStream(QByteArrayView(bytes.constData(), bytes.size()));
    creatingStream_ = false;
}

void mTDocumentStorage::CreateStream(const StreamName& name) {
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, 82);
    if (readOnly_) throw mEWriteStorage(StorageText::ReadOnly, 81);
    creatingStream_ = true;
    const QByteArrayView bytes = name.Bytes();
    WriteValue(bytes.data(), bytes.size(), {150, 151});
    SetCurrentStream(bytes);
    creatingStream_ = false;
}

void mTDocumentStorage::OpenStream(const QString& name) {
    const NameBytes bytes = EncodeName(name);
    OpenStreamBytes(QByteArrayView(bytes.constData(), bytes.size()));
}

void mTDocumentStorage::OpenStream(const StreamName& name) {
    OpenStreamBytes(name.Bytes());
}

void mTDocumentStorage::OpenStreamBytes(QByteArrayView name) {
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, 211);
    const qint64 found = FindStream(name);
    if (found < 0) throw mEOpenStream(StorageText::NoSuchStream, 210);
    position_ = static_cast<quint32>(found);
    SetCurrentStream(name);
}

void mTDocumentStorage::SetCurrentStream(QByteArrayView name) {
    currentStream_.resize(name.size());
    if (!name.isEmpty()) std::memcpy(currentStream_.data(), name.data(), size_t(name.size()));
}

QString mTDocumentStorage::CurrentStream() const {
    return CodePage::FromCp1251(currentStream_.constData(), currentStream_.size());
}

// The offset just behind the stream's name, or -1.
qint64 mTDocumentStorage::FindStream(QByteArrayView name) {
    if (name.isEmpty() || name.size() > MaxValueLength) return -1;
    // Where the walk stands: the value there is the name itself.
    quint32 length = 0;
    if (quint64(position_) + 4 + quint64(name.size()) <= size_ && ParseLength(data_ + position_, length) &&
        length == quint32(name.size()) &&
        std::memcmp(data_ + position_ + 4, name.data(), size_t(length)) == 0)
        return qint64(position_) + 4 + length;
    if (!indexed_) IndexStreams();
    const auto it = streams_.find(std::string_view(name.data(), size_t(name.size())));
    return it == streams_.end() ? -1 : qint64(it->second);
}

quint32 mTDocumentStorage::FirstZero() const {
    const void* zero = std::memchr(data_, 0, size_);
    return zero ? quint32(static_cast<const char*>(zero) - data_) : size_;
}

void mTDocumentStorage::IndexStreams() {
    indexed_ = true;
    // Streams lie before the first zero byte: a container ends with zero bytes.
    const quint32 end = readOnly_ ? firstZero_ : FirstZero();
    const auto note = [this](quint32 at, quint32 length) {
        if (length > 0 && data_[at] == '@')
            streams_.emplace(std::string_view(data_ + at, length), at + length);
    };
    // Value by value, as a writer lays them out.
    quint32 at = HeaderSize;
    quint32 length = 0;
    while (quint64(at) + 4 <= end && ParseLength(data_ + at, length) && quint64(at) + 4 + length <= end) {
        note(at + 4, length);
        at += 4 + length;
    }
    // From a place where the values no longer line up (older readers accept forms a walk cannot
    // follow, such as a numeric value whose length says 0), a name is taken wherever it stands behind
    // a length field that fits it.
    for (quint32 p = std::max<quint32>(at, 4); p < end; ++p) {
        const void* sign = std::memchr(data_ + p, '@', end - p);
        if (!sign) break;
        p = quint32(static_cast<const char*>(sign) - data_);
        if (ParseLength(data_ + p - 4, length) && quint64(p) + length <= end) note(p, length);
    }
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

void mTDocumentStorage::RefuseWrite(qsizetype length, WriteCodes codes) const {
    if (readOnly_) throw mEWriteStorage(StorageText::ReadOnly, codes.readOnly);
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, codes.notInitialised);
    if (length > MaxValueLength)
        throw mEBadStorage(
            QStringLiteral("Значение длиннее %1 байт не может быть записано в файл декларации.")
                .arg(MaxValueLength),
            codes.readOnly);
    throw mEMemoryAllocate(StorageText::OutOfMemory, codes.readOnly);
}

// Writes the length field of a value of the given length and returns where its text goes. Every value
// of a save passes here, so the refusals are one test on the way and their messages lie elsewhere.
inline char* mTDocumentStorage::Reserve(qsizetype length, WriteCodes codes) {
    if (readOnly_ || !initialised_ || length > MaxValueLength ||
        qint64(position_) + 4 + length > qint64(size_))
        RefuseWrite(length, codes);
    char* field = data_ + position_;
    const auto n = unsigned(length);
    field[0] = char('0' + n / 1000);
    field[1] = char('0' + n / 100 % 10);
    field[2] = char('0' + n / 10 % 10);
    field[3] = char('0' + n % 10);
    position_ += 4 + quint32(length);
    return field + 4;
}

void mTDocumentStorage::WriteValue(const char* text, qsizetype length, WriteCodes codes) {
    char* out = Reserve(length, codes);
    if (length > 0) std::memcpy(out, text, size_t(length));
}

void mTDocumentStorage::WriteNumber(quint32 value, WriteCodes codes) {
    const quint32 digits = DigitCount(value);
    WriteDigitsBackwards(Reserve(qsizetype(digits), codes) + digits, value);
}

quint32 mTDocumentStorage::SizeOfMoney(Money value) {
    return 4 + quint32(MoneyTextLength(SplitMoney(value)));
}

quint32 mTDocumentStorage::SizeOfDate(TDateTime value) {
    return 4 + quint32(ShortFloatText(value).size());
}

bool mTDocumentStorage::WriteString(const QString& value) {
    char* text = Reserve(value.size(), {150, 151});
    // A zero byte ends a text when it is read back: such a text could not be loaded as it was saved.
    if (!CodePage::ToCp1251(value, text))
        throw mEBadStorage(
            QStringLiteral("Текст с символом с кодом 0 не может быть записан в файл декларации."), 150);
    return true;
}
bool mTDocumentStorage::WriteInteger(qint32 value) {
    WriteNumber(quint32(value), {160, 161});
    return true;
}
bool mTDocumentStorage::WriteWord(quint16 value) {
    WriteNumber(value, {170, 171});
    return true;
}
bool mTDocumentStorage::WriteMoney(Money value) {
    const MoneyParts parts = SplitMoney(value);
    const int length = MoneyTextLength(parts);
    WriteMoneyText(parts, Reserve(length, {180, 181}), length);
    return true;
}
bool mTDocumentStorage::WriteDate(TDateTime value) {
    const QByteArray text = DateText(value);
    WriteValue(text.constData(), text.size(), {190, 191});
    return true;
}
bool mTDocumentStorage::WriteByte(quint8 value) {
    WriteNumber(value, {200, 201});
    return true;
}

// ---- reading --------------------------------------------------------------------------------

QByteArray mTDocumentStorage::ReadRaw(quint32 count, quint16 boundsCode) {
    if (qint64(position_) + count > qint64(size_)) throw mEBadStorage(StorageText::DamagedFile, boundsCode);
    QByteArray bytes(data_ + position_, count);
    position_ += count;
    return bytes;
}

// The next value's text, straight from the buffer (valid while the loader lives).
inline QByteArrayView mTDocumentStorage::ReadValue(ReadCodes codes, bool numeric) {
    if (!initialised_) throw mEObjectAccess(StorageText::NotInitialised, codes.notInitialised);
    quint32 length = 0;
    if (quint64(position_) + 4 > size_ || !ParseLength(data_ + position_, length))
        throw mEBadStorage(StorageText::DamagedFile, codes.bounds);
    if (numeric && length == 0) length = 1;
    if (quint64(position_) + 4 + length > size_) throw mEBadStorage(StorageText::DamagedFile, codes.bounds);
    const char* text = data_ + position_ + 4;
    position_ += 4 + length;
    // A zero byte inside the text ends it.
    if (position_ <= firstZero_) return QByteArrayView(text, qsizetype(length));
    const void* zero = std::memchr(text, 0, length);
    return QByteArrayView(text, zero ? static_cast<const char*>(zero) - text : qsizetype(length));
}

inline qint64 mTDocumentStorage::ReadWholeNumber(ReadCodes codes, const char* what) {
    const QByteArrayView text = ReadValue(codes, true);
    qint64 value = 0;
    if (!ParseWholeNumber(text, value) || value < -2147483648LL) throw NotConvertible(text, what);
    return value;
}

QString mTDocumentStorage::ReadString() {
    const QByteArrayView text = ReadValue({93, 91}, false);
    if (text.isEmpty()) return QString();
    static_assert(std::tuple_size_v<decltype(readTexts_)> == 256, "TextSlot gives eight bits");
    ReadText& slot = readTexts_[TextSlot(text)];
    if (slot.bytes != std::string_view(text.data(), size_t(text.size()))) {
        slot.bytes = std::string_view(text.data(), size_t(text.size()));
        slot.text = CodePage::FromCp1251(text.data(), text.size());
    }
    return slot.text;
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
    const QByteArrayView text = ReadValue({122, 120}, true);
    Money money;
    if (ParseStoredMoney(text, money)) return money;
    if (text == QByteArrayView("a")) return Money::FromUnits(-1);
    const QString value = QString::fromLatin1(text);
    if (Money::FromText(value, QLatin1Char('.'), money) || Money::FromText(value, QLatin1Char(','), money))
        return money;
    throw NotConvertible(text, "денежной суммой");
}

TDateTime mTDocumentStorage::ReadDate() {
    const QByteArrayView text = ReadValue({132, 130}, true);
    TDateTime value = 0;
    if (Version() < kDateTextVersion) {
        const QString dateText = QString::fromLatin1(text);
        if (DateValue::FromText(dateText, QLatin1Char('.'), value) ||
            DateValue::FromText(dateText, QLatin1Char(','), value))
            return value;
    } else if (ParseStoredDecimal(text, value) || ParseDecimal(text, '.', value) ||
               ParseDecimal(text, ',', value)) {
        return value;
    }
    throw NotConvertible(text, "датой");
}
