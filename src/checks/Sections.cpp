#include "checks/Sections.h"

#include "records/Declaration.h"

QString SectionTitle(Section section) {
    static const QString titles[SectionCount] = {
        QStringLiteral("Задание условий"),         QStringLiteral("Сведения о декларанте"),
        QStringLiteral("Доходы, полученные в РФ"), QStringLiteral("Доходы за пределами РФ"),
        QStringLiteral("Предприниматели"),         QStringLiteral("Вычеты"),
        QStringLiteral("Уплата по уведомлениям")};
    return titles[int(section)];
}

OpenSectionSet OpenSections(quint8 returnKind, quint8 incomeKinds) {
    OpenSectionSet open{};
    open[int(Section::InitialData)] = true;
    open[int(Section::PersonData)] = true;
    open[int(Section::RussianIncome)] = incomeKinds & IncomeRussia;
    open[int(Section::CurrencyIncome)] = incomeKinds & IncomeForeign;
    open[int(Section::Business)] = incomeKinds & IncomeBusiness;
    open[int(Section::Deductions)] = incomeKinds != 0 && returnKind == ReturnKind3NDFL;
    open[int(Section::Nalog)] = returnKind != ReturnKind4NDFL;
    return open;
}

OpenSectionSet OpenSections(const mTDeclaration& declaration) {
    return OpenSections(declaration.ReturnKind, declaration.IncomeKinds);
}
