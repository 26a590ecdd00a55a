#pragma once

#include <QString>
#include <pugixml.hpp>
#include <vector>

// The element children of a node, in document order (text and comments left out).
inline std::vector<pugi::xml_node> ChildElements(const pugi::xml_node& node) {
    std::vector<pugi::xml_node> elements;
    for (const pugi::xml_node& child : node.children())
        if (child.type() == pugi::node_element) elements.push_back(child);
    return elements;
}

// An attribute's text (empty when absent).
inline QString AttributeText(const pugi::xml_node& node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value());
}
