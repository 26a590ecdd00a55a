#include "checks/CheckResult.h"

#include "checks/Sections.h"

namespace CheckTitle {
// The conditions and the taxpayer are checked under their sections' own names.
const QString Conditions = SectionTitle(Section::InitialData);
const QString Person = SectionTitle(Section::PersonData);
const QString Income13 = QStringLiteral("Доходы, облагаемые ставкой 13%");
const QString Currency = QStringLiteral("Доходы в валюте");
const QString Business = QStringLiteral("Доходы от предпринимательской деятельности");
const QString Practice = QStringLiteral("Доходы от частной практики");
const QString Social = QStringLiteral("Социальные вычеты");
const QString Standard = QStringLiteral("Стандартные вычеты");
const QString Property = QStringLiteral("Имущественный налоговый вычет");
} // namespace CheckTitle
