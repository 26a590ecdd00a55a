#include "pickers/RegionName.h"

#include "reference/Regions.h"

TfmRegionName::TfmRegionName(QWidget* owner)
    : TTablePicker(owner, QStringLiteral("Справочник регионов"), QStringLiteral("lvRegions"),
                   QStringLiteral("Наименование региона"), Regions()) {}
