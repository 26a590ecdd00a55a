#pragma once

#include "pickers/TablePicker.h"

// The picker of the regions of the Russian Federation ("Справочник регионов").
class TfmRegionName : public TTablePicker {
    Q_OBJECT

public:
    explicit TfmRegionName(QWidget* owner);
};
