#include "checks/SectionRules.h"

#include "checks/IdentifierChecks.h"
#include "storage/Declaration.h"

namespace {

// Document kinds whose holder must be at least 14 years old on the day of issue.
bool NeedsAge14(quint16 docType) {
    return docType == 7 || docType == 8 || docType == 21 || docType == 24;
}

// The day the holder turns 14; 29 February counts as 28 February. Invalid when the birth date is not a date.
QDate Fourteenth(TDateTime birthDate) {
    const QDate birth = DateValue::ToQDate(birthDate);
    if (!birth.isValid()) return {};
    const int day = birth.month() == 2 && birth.day() == 29 ? 28 : birth.day();
    return QDate(birth.year() + 14, birth.month(), day);
}

class Faults {
public:
    void Rule(bool fails, const char* message, quint16 position) {
        if (fails) list.append({QString::fromUtf8(message), position});
    }
    QList<RuleFault> list;
};

} // namespace

namespace SectionRules {

QList<RuleFault> Conditions(const mTDeclaration& d) {
    Faults f;
    const bool representative = d.SignerKind != 0;
    f.Rule(d.InspectionCode.isEmpty(), "Не введен номер инспекции", 1);
    f.Rule(representative && d.RepresentativeName.trimmed().isEmpty(),
           "Не указаны ФИО подписанта-представителя", 3);
    f.Rule(representative && d.RepresentativeDocument.trimmed().isEmpty(),
           "Не указан документ, подтверждающий полномочия представителя", 4);
    f.Rule(d.SignerKind == 2 && d.RepresentativeOrg.trimmed().isEmpty(),
           "Не указано наименование Юр.лица-представителя", 5);
    return f.list;
}

QList<RuleFault> Person(const mTDeclaration& d, InnRequired innRequired) {
    const mTPersonInformation& p = d.Person;
    Faults f;
    f.Rule(p.SurName.isEmpty(), "Не введена фамилия", 1);
    f.Rule(p.FirstName.isEmpty(), "Не введено имя", 2);

    const quint16 inn = CheckInn(p.INN, InnMode::Person);
    f.Rule(inn == InnLengthNot12, "Длинна ИНН должна быть равна 12 цифрам", 4);
    f.Rule(inn == InnCheckDigitsWrong, "Номер ИНН введен неверно", 4);
    if (innRequired == InnRequired::Always) {
        f.Rule(inn == InnEmpty, "Не указан ИНН", 4);
    } else {
        const bool required =
            (d.IncomeKinds & IncomeBusiness) || d.PayerCategory == 0 || d.ReturnKind == ReturnKind4NDFL;
        f.Rule(inn == InnEmpty && required,
               d.ReturnKind == ReturnKind4NDFL
                   ? "Не указан ИНН"
                   : "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН",
               4);
    }

    const bool noValidInn = inn != InnValid;
    f.Rule(noValidInn && p.BirthPlace.trimmed().isEmpty(), "Не указано место рождения", 9);
    f.Rule(noValidInn && p.DocTypeCode == 0, "Не указан документ, удостоверяющий личность", 5);

    const bool hasDocument = p.DocTypeCode != 0;
    f.Rule(hasDocument && p.DocSerial.isEmpty(),
           "Не указаны серия и номер документа, удостоверяющего личность", 6);
    if (hasDocument) {
        if (p.DocIssueDate < p.BirthDate) {
            f.Rule(true, "Дата выдачи документа не может быть меньше даты рождения", 7);
        } else if (NeedsAge14(p.DocTypeCode)) {
            const QDate fourteenth = Fourteenth(p.BirthDate);
            f.Rule(fourteenth.isValid() && DateValue::FromQDate(fourteenth) > p.DocIssueDate,
                   "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет", 7);
        }
    }
    f.Rule(hasDocument && p.DocIssuedBy.isEmpty(), "Не указано, кем выдан документ, удостоверяющий личность",
           8);
    f.Rule(d.ReturnKind == ReturnKind4NDFL && p.OKATO.trimmed().size() < 11,
           "Не введен код ОКАТО (11 символов)", 10);
    return f.list;
}

QList<RuleFault> Address(const mTDeclaration& d) {
    Faults f;
    f.Rule(d.Person.RegionCode == 0, "Не указан регион постоянного местожительства", 2);
    f.Rule(d.Person.Locality.isEmpty() && d.Person.Street.isEmpty(),
           "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)", 5);
    return f.list;
}

} // namespace SectionRules
