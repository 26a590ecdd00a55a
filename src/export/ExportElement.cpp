#include "export/ExportElement.h"

#include "export/ExportText.h"

#include <new>

ExportElement ExportElement::Add(const char* name) {
    pugi::xml_node child = node_.append_child(name);
    // pugixml reports a failed allocation with an empty node; the export must not go on silently.
    if (!child) throw std::bad_alloc();
    return ExportElement(child);
}

ExportElement& ExportElement::Set(const char* name, const QString& value) {
    pugi::xml_attribute attribute = node_.append_attribute(name);
    if (!attribute || !attribute.set_value(ExportText::AttributeValue(value).toUtf8().constData()))
        throw std::bad_alloc();
    return *this;
}

ExportElement& ExportElement::SetIfNotBlank(const char* name, const QString& value) {
    return ExportText::IsBlank(value) ? *this : Set(name, value);
}

ExportElement& ExportElement::Kopecks(const char* name, Money amount) {
    return Set(name, ExportText::Kopecks(amount));
}

ExportElement& ExportElement::KopecksIfPositive(const char* name, Money amount) {
    return amount > Money() ? Kopecks(name, amount) : *this;
}

ExportElement& ExportElement::KopecksIfNotZero(const char* name, Money amount) {
    return amount.IsZero() ? *this : Kopecks(name, amount);
}

ExportElement& ExportElement::Whole(const char* name, Money amount) {
    return Set(name, ExportText::Whole(amount));
}

ExportElement& ExportElement::WholeIfPositive(const char* name, Money amount) {
    return amount > Money() ? Whole(name, amount) : *this;
}

ExportElement& ExportElement::Date(const char* name, TDateTime value) {
    return Set(name, ExportText::Date(value));
}
