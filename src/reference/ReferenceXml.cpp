#include "reference/ReferenceXml.h"

#include "storage/CodePage.h"

#include <QFile>
#include <string>

namespace ReferenceXml {

namespace {

bool IsUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return true;
    if (!bytes.startsWith("<?xml")) return false;
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0 || end > 256) return false;
    const QByteArray declaration = bytes.left(end).toLower();
    const qsizetype encoding = declaration.indexOf("encoding");
    if (encoding < 0) return false;
    const QByteArray value =
        declaration.mid(encoding + 8).replace(' ', "").replace('\'', "").replace('"', "");
    return value.startsWith("=utf-8") || value.startsWith("=utf8");
}

} // namespace

bool ReadFile(const QString& fileName, QByteArray& bytes, QString& error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Не удалось открыть файл %1: %2").arg(fileName, file.errorString());
        return false;
    }
    // Read in pieces: a device or pipe reports no size, and may never end.
    bytes.clear();
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0) {
            error = QStringLiteral("Ошибка чтения файла %1: %2").arg(fileName, file.errorString());
            return false;
        }
        if (n == 0) break;
        if (bytes.size() + n > MaxFileSize) {
            error = QStringLiteral("Файл %1 слишком велик").arg(fileName);
            return false;
        }
        bytes.append(chunk, n);
    }
    return true;
}

bool Parse(const QByteArray& bytes, pugi::xml_document& document, QString& error) {
    const QByteArray utf8 = IsUtf8(bytes) ? bytes : CodePage::FromCp1251(bytes).toUtf8();
    const pugi::xml_parse_result result =
        document.load_buffer(utf8.constData(), size_t(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
    if (!result) {
        error = QStringLiteral("ошибка XML: %1 (позиция %2)")
                    .arg(QString::fromUtf8(result.description()))
                    .arg(qlonglong(result.offset));
        return false;
    }
    if (!document.document_element()) {
        error = QStringLiteral("в документе нет корневого элемента");
        return false;
    }
    return true;
}

QString Attribute(const pugi::xml_node& node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value());
}

QString Text(const pugi::xml_node& node) {
    // Walked without recursion: a hostile file may nest elements very deeply.
    std::string text;
    pugi::xml_node n = node.first_child();
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
    return QString::fromUtf8(text).trimmed();
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
