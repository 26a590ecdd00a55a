#pragma once

#include <QString>
#include <memory>
#include <pugixml.hpp>

// Reads a reference file beside the program (windows-1251 or UTF-8 XML) into a DOM whose texts are
// UTF-8. Returns nothing when the file cannot be read or is not well-formed XML.
std::unique_ptr<pugi::xml_document> LoadReferenceDocument(const QString& path);
