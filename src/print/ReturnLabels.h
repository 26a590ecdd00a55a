#pragma once

#include <QString>

// Russian captions of the elements and attributes of the return's XML document, for the printed
// form. A name without a caption of its own is shown as it stands (the names are Russian already).
namespace ReturnLabels {
QString ForElement(const QString& name);
QString ForAttribute(const QString& name);
} // namespace ReturnLabels
