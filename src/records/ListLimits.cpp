#include "records/ListLimits.h"

namespace ListLimits {

namespace {

QString Caption(List list, quint8 returnKind) {
    const bool nonResident = returnKind == 1;
    switch (list) {
    case List::IncomeSources13:
        return nonResident ? QStringLiteral("Доходы нерезидента")
                           : QStringLiteral("Доходы, облагаемые по ставке 13%");
    case List::IncomeSources13NR:
        return QStringLiteral("Доходы нерезидентов, высококвалифицированных специалистов");
    case List::IncomeSources35:
        return QStringLiteral("Доходы, облагаемые по ставке 35%");
    case List::IncomeSources30:
        return QStringLiteral("Доходы в виде дивидендов");
    case List::CurrencyIncomes:
        return QStringLiteral("Доходы в валюте");
    case List::BusinessIncomes:
        return QStringLiteral("Доходы от предпринимательской деятельности");
    case List::PracticeIncomes:
        return QStringLiteral("Доходы от частной практики");
    case List::TaxPayments:
        return QStringLiteral("Уплата по уведомлениям");
    case List::PensionContracts:
        return QStringLiteral("Договоры негосударственного пенсионного обеспечения");
    case List::IncomeLines:
        return QStringLiteral("Доходы по источнику выплат");
    }
    return {};
}

} // namespace

int MaxCount(List list) {
    return list == List::IncomeLines ? 1000 : 65535;
}

QString FullMessage(List list, quint8 returnKind) {
    return QStringLiteral("В списке «%1» может быть не более %2 записей.")
        .arg(Caption(list, returnKind))
        .arg(MaxCount(list));
}

QString RefusalToAdd(List list, int count, quint8 returnKind) {
    return count < MaxCount(list) ? QString() : FullMessage(list, returnKind);
}

} // namespace ListLimits
