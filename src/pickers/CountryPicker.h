#pragma once

#include "pickers/CodeListPicker.h"

class mTCodeNameList;

// The country picker, built once from "Oksm.xml" and kept for the whole run. It answers only to
// its buttons and a double click.
class TfmGrazhd : public TCodeListPicker {
    Q_OBJECT

public:
    TfmGrazhd(QWidget* owner, const mTCodeNameList& countries);
};
