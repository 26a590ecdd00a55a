#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <QString>
#include <pugixml.hpp>

// One element of the filing document with the two operations every group uses: append a child
// element, and set an attribute to the upper-cased value. Attributes appear in the order they are set.
class ExportElement {
public:
    explicit ExportElement(pugi::xml_node node) : node_(node) {}

    // Appends a new element as the last child.
    ExportElement Add(const char* name);
    // Sets the attribute to the value in upper case.
    ExportElement& Set(const char* name, const QString& value);
    ExportElement& SetIfNotBlank(const char* name, const QString& value);
    ExportElement& Kopecks(const char* name, Money amount);
    ExportElement& KopecksIfPositive(const char* name, Money amount);
    ExportElement& KopecksIfNotZero(const char* name, Money amount);
    ExportElement& Whole(const char* name, Money amount);
    ExportElement& WholeIfPositive(const char* name, Money amount);
    ExportElement& Date(const char* name, TDateTime value);

    pugi::xml_node Node() const { return node_; }

private:
    pugi::xml_node node_;
};
