#include "pickers/DocType.h"

#include "reference/DocumentKinds.h"

TfmDocType::TfmDocType(QWidget* owner)
    : TTablePicker(owner, QStringLiteral("Справочник видов документов"), QStringLiteral("lvDocTypes"),
                   QStringLiteral("Наименование документа"), DocumentKinds()) {}
