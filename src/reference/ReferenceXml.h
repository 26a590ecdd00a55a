#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

// Reading and writing the XML files that cross the program's edge: every one of them is windows-1251.
namespace ReferenceXml {

// Far beyond any real reference file; keeps what a damaged or hostile file can make us allocate bounded.
inline constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// Reads a whole file; on failure returns false with a message naming the file.
bool ReadFile(const QString& fileName, QByteArray& bytes, QString& error);

// Parses windows-1251 XML text; a byte-order mark or an XML declaration naming UTF-8 selects UTF-8
// instead (a file edited by hand may have been saved that way). On failure returns false with a message.
bool Parse(const QByteArray& bytes, pugi::xml_document& document, QString& error);

// The attribute's value, empty when absent.
QString Attribute(const pugi::xml_node& node, const char* name);
// All text inside the element, surrounding white space removed.
QString Text(const pugi::xml_node& node);

// The document as windows-1251 bytes after the declaration <?xml version="1.0" encoding="windows-1251"?>.
QByteArray SerializeCp1251(const pugi::xml_document& document);

} // namespace ReferenceXml
