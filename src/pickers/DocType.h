#pragma once

#include "pickers/TablePicker.h"

// The picker of the kinds of identity document ("Справочник видов документов").
class TfmDocType : public TTablePicker {
    Q_OBJECT

public:
    explicit TfmDocType(QWidget* owner);
};
