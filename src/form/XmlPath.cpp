#include "form/XmlPath.h"

#include <QStringList>
#include <cstring>

namespace {

bool Matches(const pugi::xml_node& node, const std::string& step) {
    return node.type() == pugi::node_element && (step == "*" || std::strcmp(node.name(), step.c_str()) == 0);
}

pugi::xml_attribute FindAttribute(const pugi::xml_node& node, const std::vector<std::string>& steps,
                                  size_t step, const std::string& attribute) {
    if (step == steps.size()) return node.attribute(attribute.c_str());
    for (const pugi::xml_node& child : node.children())
        if (Matches(child, steps[step]))
            if (pugi::xml_attribute found = FindAttribute(child, steps, step + 1, attribute)) return found;
    return {};
}

void Collect(const pugi::xml_node& node, const std::vector<std::string>& steps, size_t step,
             std::vector<pugi::xml_node>& out) {
    if (step == steps.size()) {
        out.push_back(node);
        return;
    }
    for (const pugi::xml_node& child : node.children())
        if (Matches(child, steps[step])) Collect(child, steps, step + 1, out);
}

} // namespace

XmlPath::XmlPath(const char* spec) {
    const QString text = QString::fromUtf8(spec);
    for (const QString& part : text.split(u'|', Qt::SkipEmptyParts)) {
        Alternative a;
        QString path = part;
        a.FromDocument = path.startsWith(u'/');
        if (a.FromDocument) path.remove(0, 1);
        const qsizetype at = path.indexOf(u'@');
        if (at >= 0) {
            a.Attribute = path.mid(at + 1).toStdString();
            path.truncate(at);
        }
        for (const QString& step : path.split(u'/', Qt::SkipEmptyParts))
            a.Steps.push_back(step.toStdString());
        alternatives_.push_back(std::move(a));
    }
}

QString XmlPath::Value(pugi::xml_node context, pugi::xml_node document) const {
    for (const Alternative& a : alternatives_) {
        if (a.Attribute.empty()) continue;
        const pugi::xml_attribute found =
            FindAttribute(a.FromDocument ? document : context, a.Steps, 0, a.Attribute);
        if (found) return QString::fromUtf8(found.value());
    }
    return QString();
}

std::vector<pugi::xml_node> XmlPath::Elements(pugi::xml_node context, pugi::xml_node document) const {
    std::vector<pugi::xml_node> found;
    for (const Alternative& a : alternatives_)
        Collect(a.FromDocument ? document : context, a.Steps, 0, found);
    return found;
}
