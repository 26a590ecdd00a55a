#pragma once

#include "reference/pickers/CodeListPicker.h"

#include <pugixml.hpp>

// The tax-office picker, built once from "InspectionNumbers.xml" and kept for the whole run.
// Its further button opens the import of the tax authority's directory of tax offices.
class TfmInputInspectionNumber : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputInspectionNumber(QWidget* owner, const pugi::xml_node& root);

    // Remembers code as the choice and selects the first row with it; without such a row the
    // selection stays as it was.
    void Preselect(const QString& code);
    // The office's name, kept a second time as its description.
    QString Description() const { return name_; }
};
