#include "reference/CodeNameList.h"

#include "reference/ReferenceXml.h"

void mTCodeNameList::Read(const ReferenceXml::Document& document) {
    for (const pugi::xml_node& e : document.Root().children())
        if (e.type() == pugi::node_element) rows_.append({document.Attribute(e, "Code"), document.Text(e)});
}
