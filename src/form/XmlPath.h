#pragma once

#include <QString>
#include <pugixml.hpp>
#include <string>
#include <vector>

// A value path of the sheet tables (ReturnSheet.h): "A/B@attribute", alternatives separated by
// "|", a leading "/" for the document element, "*" for any child element.
class XmlPath {
public:
    explicit XmlPath(const char* spec);

    // The first attribute found along the alternatives; a null string when none is present.
    QString Value(pugi::xml_node context, pugi::xml_node document) const;
    // Every element the path leads to (its attribute part ignored), in document order.
    std::vector<pugi::xml_node> Elements(pugi::xml_node context, pugi::xml_node document) const;

private:
    struct Alternative {
        bool FromDocument = false;
        std::vector<std::string> Steps; // element names, UTF-8 as the document stores them
        std::string Attribute;
    };
    std::vector<Alternative> alternatives_;
};
