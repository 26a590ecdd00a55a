#pragma once

#include "screens/conditions/TablePicker.h"

// The regions of the Russian Federation ("Справочник регионов").
class TfmRegionName : public TTablePicker {
    Q_OBJECT

public:
    explicit TfmRegionName(QWidget* owner);

    static std::span<const TCodeName> Regions();
};
