#pragma once

// Exports built declarations with a fixed date and GUID and reads the document back for checks.

#include "computation/SvodSum.h"
#include "export/XmlExport.h"
#include "records/Declaration.h"

#include <QStringList>
#include <memory>
#include <pugixml.hpp>

namespace ExportProbe {

inline const QDate kDate(2011, 3, 15);
inline const QUuid kGuid = QUuid::fromString(QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e"));

inline void FixStamp(XmlExport& exporter) {
    exporter.SetFixedDate(kDate);
    exporter.SetFixedGuid(kGuid);
}

// "Name a=1 b=2": an element with its attributes in document order.
inline QString Describe(pugi::xml_node node) {
    QString text = QString::fromUtf8(node.name());
    for (pugi::xml_attribute a : node.attributes())
        text +=
            QLatin1Char(' ') + QString::fromUtf8(a.name()) + QLatin1Char('=') + QString::fromUtf8(a.value());
    return text;
}

// The names of the element's children, in order, separated by blanks.
inline QString Children(pugi::xml_node node) {
    QStringList names;
    for (pugi::xml_node child : node.children())
        names << QString::fromUtf8(child.name());
    return names.join(QLatin1Char(' '));
}

// One export in text mode, parsed back.
class Exported {
public:
    Exported(const mTDeclaration& declaration, const kTSvodSum& sum) {
        XmlExport exporter;
        FixStamp(exporter);
        if (exporter.Export(QString(), declaration, sum, ExportToText))
            text = exporter.Result();
        else
            messages << exporter.ErrorString();
        messages << exporter.Warnings();
        parsed = document.load_string(text.toUtf8().constData());
    }

    pugi::xml_node Node(const char* xpath) const { return document.select_node(xpath).node(); }
    // Describe() of every element the path selects, in document order.
    QStringList All(const char* xpath) const {
        QStringList result;
        pugi::xpath_node_set nodes = document.select_nodes(xpath);
        nodes.sort();
        for (const pugi::xpath_node& n : nodes)
            result << Describe(n.node());
        return result;
    }
    QString One(const char* xpath) const { return Describe(Node(xpath)); }
    int Count(const char* xpath) const { return int(document.select_nodes(xpath).size()); }
    QString Attribute(const char* xpath, const char* name) const {
        return QString::fromUtf8(Node(xpath).attribute(name).value());
    }

    QString text;
    QStringList messages;
    pugi::xml_document document;
    pugi::xml_parse_result parsed;
};

} // namespace ExportProbe
