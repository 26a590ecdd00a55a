#include "reference/ReferenceXml.h"

#include "storage/CodePage.h"
#include "storage/RegularFile.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <new>
#include <string>

namespace ReferenceXml {

namespace {

// The encoding an XML declaration at the start of the text names, lower-cased; empty when none.
QByteArray DeclaredEncoding(const QByteArray& bytes) {
    if (!bytes.startsWith("<?xml")) return {};
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0 || end > 256) return {};
    const QByteArray declaration = bytes.left(end);
    qsizetype at = declaration.indexOf("encoding");
    if (at < 0) return {};
    at += 8;
    const auto skipBlanks = [&] {
        while (at < declaration.size() && std::isspace(static_cast<unsigned char>(declaration[at])))
            ++at;
    };
    skipBlanks();
    if (at >= declaration.size() || declaration[at] != '=') return {};
    ++at;
    skipBlanks();
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) return {};
    const qsizetype close = declaration.indexOf(declaration[at], at + 1);
    if (close < 0) return {};
    return declaration.mid(at + 1, close - at - 1).trimmed().toLower();
}

bool IsAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

enum class TextEncoding { Utf8, Cp1251, Other };

// The encoding of an XML file's text: UTF-8 after a byte-order mark, else the one its declaration
// names; a file that names none was written by hand or by another tool, and Russian text in
// windows-1251 is never valid UTF-8 (its letters are runs of bytes above 0xC0), so text that is
// valid UTF-8 is UTF-8. False with a message for an encoding no converter knows, and for UTF-8
// text that calls itself windows-1251 (read as declared, every letter would turn into two).
bool Classify(const QByteArray& bytes, TextEncoding& encoding, QByteArray& name, QString& error) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = TextEncoding::Utf8;
        return true;
    }
    name = DeclaredEncoding(bytes);
    if (name.isEmpty()) {
        encoding = bytes.isValidUtf8() ? TextEncoding::Utf8 : TextEncoding::Cp1251;
        return true;
    }
    if (name == "utf-8" || name == "utf8") {
        encoding = TextEncoding::Utf8;
        return true;
    }
    if (name == "windows-1251" || name == "cp1251" || name == "x-cp1251") {
        encoding = TextEncoding::Cp1251;
        if (IsAscii(bytes) || !bytes.isValidUtf8()) return true;
        error = QStringLiteral("текст файла записан в кодировке UTF-8, а в его заголовке указана %1")
                    .arg(QString::fromLatin1(name));
        return false;
    }
    if (!QStringDecoder(name.constData()).isValid()) {
        error = QStringLiteral("неизвестная кодировка «%1»").arg(QString::fromLatin1(name).left(40));
        return false;
    }
    encoding = TextEncoding::Other;
    return true;
}

// Text in an encoding the converters know, as UTF-8; false with a message when it holds bytes the
// encoding does not have.
bool OtherToUtf8(const QByteArray& name, const QByteArray& bytes, QByteArray& utf8, QString& error) {
    QStringDecoder decoder(name.constData());
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        error = QStringLiteral("в тексте есть байты, которых нет в кодировке «%1»")
                    .arg(QString::fromLatin1(name));
        return false;
    }
    utf8 = text.toUtf8();
    return true;
}

// windows-1251 straight to UTF-8 through a byte table built once from the code page module: the
// reference files are read while the main window starts, so the detour through QString is avoided.
QByteArray Cp1251ToUtf8(const QByteArray& bytes) {
    static const auto table = [] {
        std::array<QByteArray, 256> t;
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = CodePage::FromCp1251(QByteArray(1, char(b))).toUtf8();
        return t;
    }();
    QByteArray utf8(bytes.size() * 3, Qt::Uninitialized); // no windows-1251 character needs more
    char* out = utf8.data();
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80) {
            *out++ = c;
        } else {
            const QByteArray& seq = table[static_cast<unsigned char>(c)];
            out = std::copy(seq.cbegin(), seq.cend(), out);
        }
    }
    utf8.truncate(out - utf8.constData());
    return utf8;
}

// "&#" anywhere in the text; found by its rare first byte, which is far quicker on a large file.
bool HasCharacterReference(const QByteArray& bytes) {
    const char* end = bytes.constData() + bytes.size();
    for (const char* p = bytes.constData(); p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '&', size_t(end - p)));
        if (!p) return false;
        if (p + 1 < end && p[1] == '#') return true;
    }
    return false;
}

// Character references, entities and CDATA are understood; line ends and white space inside
// attributes are kept as they are (no value read here can hold them meaningfully).
constexpr unsigned kParseOptions = pugi::parse_escapes | pugi::parse_cdata;

} // namespace

bool ReadFile(const QString& fileName, QByteArray& bytes, QString& error) {
    QFile file;
    QString reason;
    if (!RegularFile::Open(file, fileName, QIODevice::ReadOnly, reason)) {
        error = QStringLiteral("Не удалось открыть файл %1: %2").arg(fileName, reason);
        return false;
    }
    if (file.size() > MaxFileSize) {
        error = QStringLiteral("Файл %1 слишком велик").arg(fileName);
        return false;
    }
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("Недостаточно памяти для чтения файла %1").arg(fileName);
        return false;
    }
    if (bytes.size() == file.size()) return true;
    error = QStringLiteral("Ошибка чтения файла %1: %2").arg(fileName, file.errorString());
    return false;
}

bool Document::Parse(QByteArray bytes, QString& error) {
    // Markup is ASCII, so the parser can read windows-1251 bytes as they are and the values are
    // decoded one by one. Only a character reference (&#...;) would put UTF-8 among those bytes;
    // a file that holds one is converted whole first.
    TextEncoding encoding{};
    QByteArray name;
    if (!Classify(bytes, encoding, name, error)) return false;
    rawCp1251_ = encoding == TextEncoding::Cp1251 && !HasCharacterReference(bytes);
    if (encoding == TextEncoding::Other) {
        if (!OtherToUtf8(name, bytes, buffer_, error)) return false;
    } else {
        buffer_ = encoding == TextEncoding::Utf8 || rawCp1251_ ? std::move(bytes) : Cp1251ToUtf8(bytes);
    }
    // In place: a copy of a file of several hundred kilobytes would cost the start-up its time.
    const pugi::xml_parse_result result = document_.load_buffer_inplace(
        buffer_.data(), size_t(buffer_.size()), kParseOptions, pugi::encoding_utf8);
    if (!result) {
        error = QStringLiteral("ошибка XML: %1 (позиция %2)")
                    .arg(QString::fromUtf8(result.description()))
                    .arg(qlonglong(result.offset));
        return false;
    }
    if (!Root()) {
        error = QStringLiteral("в документе нет корневого элемента");
        return false;
    }
    return true;
}

QString Document::Decode(const char* text, size_t size) const {
    return rawCp1251_ ? CodePage::FromCp1251(text, qsizetype(size))
                      : QString::fromUtf8(text, qsizetype(size));
}

QString Document::Attribute(const pugi::xml_node& node, const char* name) const {
    const char* value = node.attribute(name).value();
    return Decode(value, std::strlen(value));
}

QString Document::Text(const pugi::xml_node& node) const {
    // The usual element holds one piece of text: no need to gather.
    const pugi::xml_node first = node.first_child();
    if (first && !first.next_sibling() && first.type() == pugi::node_pcdata)
        return Decode(first.value(), std::strlen(first.value())).trimmed();
    // Walked without recursion: a hostile file may nest elements very deeply.
    std::string text;
    pugi::xml_node n = first;
    while (n) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != node && !n.next_sibling())
            n = n.parent();
        if (n == node) break;
        n = n.next_sibling();
    }
    return Decode(text.data(), text.size()).trimmed();
}

bool ToUtf8(const QByteArray& bytes, QByteArray& utf8, QString& error) {
    TextEncoding encoding{};
    QByteArray name;
    if (!Classify(bytes, encoding, name, error)) return false;
    if (encoding == TextEncoding::Other) return OtherToUtf8(name, bytes, utf8, error);
    if (encoding == TextEncoding::Cp1251)
        utf8 = Cp1251ToUtf8(bytes);
    else
        utf8 = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    return true;
}

QByteArray SerializeCp1251(const pugi::xml_document& document) {
    struct Collector : pugi::xml_writer {
        std::string text;
        void write(const void* data, size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } collector;
    document.save(collector, "\t", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n") +
           CodePage::ToCp1251(QString::fromUtf8(collector.text));
}

} // namespace ReferenceXml
