#include "reference/ReferenceXml.h"

#include "storage/CodePage.h"
#include "storage/RegularFile.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <string>

namespace ReferenceXml {

namespace {

bool IsUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return true;
    if (bytes.startsWith("<?xml")) {
        const qsizetype end = bytes.indexOf("?>");
        if (end < 0 || end > 256) return false;
        const QByteArray declaration = bytes.left(end).toLower();
        const qsizetype encoding = declaration.indexOf("encoding");
        if (encoding >= 0) {
            const QByteArray value =
                declaration.mid(encoding + 8).replace(' ', "").replace('\'', "").replace('"', "");
            return value.startsWith("=utf-8") || value.startsWith("=utf8");
        }
    }
    // No encoding named: a file written by hand or by another tool. Russian text in windows-1251 is
    // never valid UTF-8 (its letters are runs of bytes above 0xC0), so text that is valid UTF-8 is UTF-8.
    return bytes.isValidUtf8();
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
    const bool utf8 = IsUtf8(bytes);
    rawCp1251_ = !utf8 && !HasCharacterReference(bytes);
    buffer_ = utf8 || rawCp1251_ ? std::move(bytes) : Cp1251ToUtf8(bytes);
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

QByteArray ToUtf8(const QByteArray& bytes) {
    if (!IsUtf8(bytes)) return Cp1251ToUtf8(bytes);
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
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
