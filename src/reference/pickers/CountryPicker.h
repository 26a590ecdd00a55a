#pragma once

#include "reference/pickers/CodeListPicker.h"

#include <pugixml.hpp>

// The country picker, built once from "Oksm.xml" and kept for the whole run. It answers only to
// its buttons and a double click.
class TfmGrazhd : public TCodeListPicker {
    Q_OBJECT

public:
    TfmGrazhd(QWidget* owner, const pugi::xml_node& root);

    // Remembers code as the choice and selects the first row with it; without such a row the
    // selection stays as it was.
    void Preselect(const QString& code);
};
