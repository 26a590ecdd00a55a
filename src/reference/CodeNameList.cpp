#include "reference/CodeNameList.h"

#include "reference/ReferenceXml.h"

void mTCodeNameList::Read(const ReferenceXml::Document& document) {
    // The full directory of tax offices is read while the main window starts: room for every row first.
    qsizetype count = 0;
    for (pugi::xml_node e = document.Root().first_child(); e; e = e.next_sibling())
        ++count;
    rows_.reserve(count);
    for (const pugi::xml_node& e : document.Root().children())
        if (e.type() == pugi::node_element) rows_.append({document.Attribute(e, "Code"), document.Text(e)});
}
