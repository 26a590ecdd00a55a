#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

// Reading and writing the XML files that cross the program's edge: the program writes windows-1251.
namespace ReferenceXml {

// Far beyond any real reference file; keeps what a damaged or hostile file can make us allocate bounded.
inline constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// Reads a whole file; on failure returns false with a message naming the file.
bool ReadFile(const QString& fileName, QByteArray& bytes, QString& error);

// A parsed windows-1251 XML document whose values come out as QString.
class Document {
public:
    // Parses XML text in the encoding its declaration names (windows-1251, UTF-8 or any other the
    // converters know); a byte-order mark, or text that names no encoding and is valid UTF-8, selects
    // UTF-8, and text that names none otherwise is windows-1251 (a file edited by hand may have been
    // saved either way). An unknown encoding is refused with its name. The document keeps the bytes and is
    // parsed where they lie: a caller that has no further use for them hands them over with std::move. On
    // failure returns false with a message.
    bool Parse(QByteArray bytes, QString& error);
    pugi::xml_node Root() const { return document_.document_element(); }

    // The attribute's value, empty when absent.
    QString Attribute(const pugi::xml_node& node, const char* name) const;
    // All text inside the element, surrounding white space removed.
    QString Text(const pugi::xml_node& node) const;

private:
    QString Decode(const char* text, size_t size) const;

    QByteArray buffer_; // the text the document's values point into
    pugi::xml_document document_;
    // The parser saw the windows-1251 bytes themselves (the common, fast case), not UTF-8.
    bool rawCp1251_ = false;
};

// The text of an XML file as UTF-8, for a document that is to be changed or whose line numbers are
// reported: the encoding is chosen as Document::Parse chooses it, and a byte-order mark is dropped.
// False with a message when the encoding is unknown or does not fit the text.
bool ToUtf8(const QByteArray& bytes, QByteArray& utf8, QString& error);

// The document as windows-1251 bytes after the declaration <?xml version="1.0" encoding="windows-1251"?>.
QByteArray SerializeCp1251(const pugi::xml_document& document);

} // namespace ReferenceXml
