#include "checks/PayerSourceRules.h"

#include "checks/IdentifierChecks.h"

namespace {

enum : quint16 { FixName = 1, FixInn = 2, FixKpp = 3, FixOkato = 4 };

class Faults {
public:
    void Rule(bool fails, const char* message, quint16 result, bool mandatory = false) {
        if (fails) list.append({QString::fromUtf8(message), result, mandatory});
    }
    QList<PayerFault> list;
};

const char* const NoName = "Не заполненно поле \"Наименование источника выплаты\"";

} // namespace

QList<PayerFault> PayerSourceFaults(PayerKind kind, const QString& name, const QString& okato,
                                    const QString& kpp, const QString& inn) {
    Faults f;
    const bool noOkato = okato.trimmed().size() <= 10;
    if (kind == PayerKind::OrganisationOrPerson) {
        f.Rule(name.trimmed().isEmpty(), NoName, FixName, true);
        f.Rule(noOkato, "Не введен код ОКАТО (11 символов). (При продаже имущества физ.лицу - не нужен)",
               FixOkato);
        const quint16 c = CheckInn(inn, InnMode::Any);
        f.Rule(c == InnLengthNot10Or12, "Длинна ИНН должна быть равна 10 или 12 цифрам", FixInn, true);
        f.Rule(c == InnCheckDigitsWrong, "Номер ИНН введен неверно", FixInn);
        if (inn.size() == 10) {
            const quint16 k = CheckKpp(kpp);
            f.Rule(k == KppEmpty, "Отсутствует КПП", FixKpp, true);
            f.Rule(k == KppLengthNot9, "Длинна КПП должна быть равна 9 цифрам", FixKpp, true);
        } else if (!kpp.isEmpty()) {
            // A KPP belongs to an organisation, whose INN has ten digits.
            f.Rule(true, inn.isEmpty() ? "Введите ИНН" : "Длинна ИНН для юрлиц должна быть равна 10 цифрам",
                   FixInn, true);
        }
        return f.list;
    }
    f.Rule(name.trimmed().isEmpty(), NoName, FixName);
    if (kind == PayerKind::Organisation) f.Rule(noOkato, "Не введен код ОКАТО (11 символов)", FixOkato);
    const quint16 c = CheckInn(inn, InnMode::Organisation);
    f.Rule(c == InnLengthNot10, "Длинна ИНН должна быть равна 10 цифрам", FixInn);
    f.Rule(c == InnCheckDigitsWrong, "Номер ИНН введен неверно", FixInn);
    const quint16 k = CheckKpp(kpp);
    f.Rule(k == KppEmpty, "Отсутствует КПП", FixKpp);
    f.Rule(k == KppLengthNot9, "Длинна КПП должна быть равна 9 цифрам", FixKpp);
    f.Rule(inn.isEmpty(), "Введите ИНН", FixInn);
    f.Rule(!inn.isEmpty() && inn.size() != 10, "Длинна ИНН для юрлиц должна быть равна 10 цифрам", FixInn);
    return f.list;
}
