#include "storage/CodePage.h"

#include <array>

namespace {

// Upper halves of the two single-byte code pages; the lower half is ASCII in both.
// 0x98 is unassigned in windows-1251 and maps to U+0098 so that every byte survives a round trip.
const char16_t kCp1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const char16_t kCp866[128] = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
    0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429,
    0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436,
    0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407,
    0x0457, 0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
};

using ReverseTable = std::array<unsigned char, 0x10000>;

ReverseTable MakeReverse(const char16_t (&upper)[128]) {
    ReverseTable reverse{};
    for (int b = 0; b < 128; ++b)
        reverse[char16_t(b)] = static_cast<unsigned char>(b);
    for (int b = 0; b < 128; ++b)
        reverse[upper[b]] = static_cast<unsigned char>(128 + b);
    return reverse;
}

const ReverseTable& Reverse1251() {
    static const ReverseTable table = MakeReverse(kCp1251);
    return table;
}

const ReverseTable& Reverse866() {
    static const ReverseTable table = MakeReverse(kCp866);
    return table;
}

using ForwardTable = std::array<char16_t, 256>;

ForwardTable MakeForward(const char16_t (&upper)[128]) {
    ForwardTable forward{};
    for (int b = 0; b < 128; ++b) {
        forward[size_t(b)] = char16_t(b);
        forward[size_t(128 + b)] = upper[b];
    }
    return forward;
}

// One lookup a byte, without a branch: reference files of several hundred kilobytes are decoded while
// the main window starts.
QString Decode(const char* data, qsizetype size, const ForwardTable& table) {
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = table[static_cast<unsigned char>(data[i])];
    return text;
}

const ForwardTable& Forward1251() {
    static const ForwardTable table = MakeForward(kCp1251);
    return table;
}

const ForwardTable& Forward866() {
    static const ForwardTable table = MakeForward(kCp866);
    return table;
}

// False when U+0000 was among the characters (written as a zero byte).
bool Encode(const QString& text, const ReverseTable& reverse, char* out) {
    const QChar* in = text.constData();
    bool zero = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = in[i].unicode();
        unsigned char b = reverse[u];
        if (b == 0) {
            zero |= u == 0;
            if (u != 0) b = '?';
        }
        out[i] = static_cast<char>(b);
    }
    return !zero;
}

QByteArray Encode(const QString& text, const ReverseTable& reverse) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    Encode(text, reverse, bytes.data());
    return bytes;
}

} // namespace

namespace CodePage {

QString FromCp1251(const QByteArray& bytes) {
    return Decode(bytes.constData(), bytes.size(), Forward1251());
}
QString FromCp1251(const char* data, qsizetype size) {
    return Decode(data, size, Forward1251());
}
QByteArray ToCp1251(const QString& text) {
    return Encode(text, Reverse1251());
}
bool ToCp1251(const QString& text, char* out) {
    return Encode(text, Reverse1251(), out);
}
QString FromCp866(const QByteArray& bytes) {
    return Decode(bytes.constData(), bytes.size(), Forward866());
}
QByteArray ToCp866(const QString& text) {
    return Encode(text, Reverse866());
}

bool IsCp1251(QChar c) {
    return c.unicode() == 0 || Reverse1251()[c.unicode()] != 0;
}

bool IsCp1251(const QString& text) {
    for (QChar c : text)
        if (!IsCp1251(c)) return false;
    return true;
}

} // namespace CodePage
