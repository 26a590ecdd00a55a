#pragma once

#include "records/Declaration.h"

#include <memory>

// A new declaration as the "Создать" command makes it: income in the Russian Federation,
// the sheet count kept automatically, signed by the taxpayer in person today.
inline std::unique_ptr<mTDeclaration> CreateNewDeclaration() {
    auto declaration = std::make_unique<mTDeclaration>();
    declaration->SetIncomeKinds(IncomeRussia);
    declaration->AutoSheetCount = 1;
    declaration->SignerKind = 0;
    return declaration;
}
