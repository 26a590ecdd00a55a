#pragma once

#include "records/Declaration.h"
#include "records/NewDeclaration.h"

#include <memory>

// A declaration that passes every rule: a resident's return with one 13 % source.
inline std::unique_ptr<mTDeclaration> CleanDeclaration() {
    auto d = CreateNewDeclaration();
    d->InspectionCode = QStringLiteral("7701");
    mTPersonInformation& p = d->Person;
    p.SurName = QStringLiteral("Иванов");
    p.FirstName = QStringLiteral("Иван");
    p.INN = QStringLiteral("500100732259");
    p.BirthPlace = QStringLiteral("г. Москва");
    p.BirthDate = DateValue::FromYmd(1980, 5, 17);
    p.DocTypeCode = 21;
    p.DocSerial = QStringLiteral("45 04 123456");
    p.DocIssueDate = DateValue::FromYmd(2001, 3, 1);
    p.DocIssuedBy = QStringLiteral("ОВД Тверского района");
    p.RegionCode = 77;
    p.Street = QStringLiteral("Тверская");
    p.OKATO = QStringLiteral("45286585000");
    mTThirteenPercent* source = d->IncomeSources13.At(d->IncomeSources13.Add());
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = Money::FromUnits(100000);
    source->AddLine(line);
    source->TaxWithheld = Money::FromUnits(13000);
    return d;
}
