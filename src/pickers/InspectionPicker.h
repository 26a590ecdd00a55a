#pragma once

#include "pickers/CodeListPicker.h"

class mTCodeNameList;

// The tax-office picker, built once from "InspectionNumbers.xml" and kept for the whole run. Among
// thousands of offices one is found by typing its code or part of its name into the search field.
// Its further button opens the import of the tax authority's directory of tax offices; the offices
// imported there are listed at once.
class TfmInputInspectionNumber : public TCodeListPicker {
    Q_OBJECT

public:
    TfmInputInspectionNumber(QWidget* owner, const mTCodeNameList& offices);

    // The office's name, kept a second time as its description.
    QString Description() const { return name_; }

private:
    void OfficesImported(const QString& fileName);
};
