#include "reference/CodeNameList.h"

#include "reference/ReferenceXml.h"

void mTCodeNameList::Read(const pugi::xml_node& root) {
    for (const pugi::xml_node& e : root.children())
        if (e.type() == pugi::node_element)
            rows_.append({ReferenceXml::Attribute(e, "Code"), ReferenceXml::Text(e)});
}
