#include "reference/OkvedClassifier.h"

#include "reference/ReferenceXml.h"

void mTOkvedClassifier::Read(const ReferenceXml::Document& document) {
    const auto attribute = [&](const pugi::xml_node& e, const char* name) {
        return document.Attribute(e, name);
    };
    for (const pugi::xml_node& e : document.Root().children())
        if (e.type() == pugi::node_element)
            entries_.append(
                {attribute(e, "GRUP"), attribute(e, "Kod"), attribute(e, "OKVED"), attribute(e, "Name")});
}

QStringList mTOkvedClassifier::Names(int level, const QString& kodPrefix) const {
    const QString grup = QString::number(level);
    QStringList names;
    for (const OkvedEntry& e : Entries())
        if (e.Grup == grup && e.Kod.startsWith(kodPrefix)) names.append(e.Name);
    return names;
}

const OkvedEntry* mTOkvedClassifier::Find(int level, const QString& name) const {
    const QString grup = QString::number(level);
    for (const OkvedEntry& e : Entries())
        if (e.Grup == grup && e.Name == name) return &e;
    return nullptr;
}
