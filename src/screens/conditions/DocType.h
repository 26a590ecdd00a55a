#pragma once

#include "screens/conditions/TablePicker.h"

// The kinds of identity document ("Справочник видов документов").
class TfmDocType : public TTablePicker {
    Q_OBJECT

public:
    explicit TfmDocType(QWidget* owner);

    static std::span<const TCodeName> Kinds();
    // The format of the document number field for a kind the user has just picked; the format the
    // field has when the kind prescribes none.
    static int FormatForPickedKind(int kind, int currentFormat);
};
