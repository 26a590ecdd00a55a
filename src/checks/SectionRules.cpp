#include "checks/SectionRules.h"

#include "checks/IdentifierChecks.h"
#include "checks/ScreenPositions.h"
#include "records/Declaration.h"
#include "storage/AmountText.h"

#include <set>
#include <span>

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
    void Rule(bool fails, const QString& message, quint16 position) {
        if (fails) list.append({message, position});
    }
    QList<RuleFault> list;
};

// Loaded amounts may be anything, so sums go through extended precision and come back rounded to
// money instead of overflowing the integer.
template <class Range> Money SumToMoney(const Range& amounts) {
    long double sum = 0;
    for (const Money m : amounts)
        sum += m.ToLongDouble();
    return Money::FromLongDouble(sum);
}

Money SumToMoney(std::initializer_list<Money> amounts) {
    return SumToMoney<std::initializer_list<Money>>(amounts);
}

QString AmountText(Money m) {
    return m.ToText(kScreenDecimalSeparator);
}

// The number (from 1) of the first record of the list that fails, 0 when none does.
template <class T, class Fails> quint16 FirstFailing(const mTRecordList<T>& list, Fails&& fails) {
    for (int i = 0; i < list.Count(); ++i)
        if (fails(*list.At(i))) return quint16(i + 1);
    return 0;
}

// The first fault of each record that has one, at the record's number.
template <class T, class FaultOf>
QList<RuleFault> RecordFaults(const mTRecordList<T>& list, FaultOf&& faultOf) {
    QList<RuleFault> faults;
    for (int i = 0; i < list.Count(); ++i) {
        const QString fault = faultOf(*list.At(i));
        if (!fault.isEmpty()) faults.append({fault, quint16(i + 1)});
    }
    return faults;
}

// The first fault of one business record, empty when it has none.
QString BusinessFault(const mTBusinessNew& b, const mTBusinessNew& first) {
    if (b.HasDocumentedExpenses != first.HasDocumentedExpenses)
        return QStringLiteral(
            "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.");
    if (b.ActivityKind == QLatin1String("1") && b.OKVED.trimmed().size() < 4)
        return QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку");
    if (!b.HasDocumentedExpenses) return {};
    if (b.ExpensesLabour < b.ExpensesLabourContracts)
        return QStringLiteral("Расходы по оплате трудовых договоров(%1) превышают сумму расходов на "
                              "оплату труда (%2)")
            .arg(AmountText(b.ExpensesLabourContracts), AmountText(b.ExpensesLabour));
    const Money otherParts = SumToMoney(b.OtherExpenseParts);
    if (otherParts > b.ExpensesOther)
        return QStringLiteral("Сумма прочих расходов (%1) меньше суммы ее составляющих (%2)")
            .arg(AmountText(b.ExpensesOther), AmountText(otherParts));
    const Money parts =
        SumToMoney({b.ExpensesMaterial, b.ExpensesDepreciation, b.ExpensesLabour, b.ExpensesOther});
    if (parts > b.ExpensesTotal)
        return QStringLiteral(
                   "Общие расходы (%1) меньше суммы расходов материальных, на оплату труда, прочих и "
                   "амортизационных отчислений (%2)")
            .arg(AmountText(b.ExpensesTotal), AmountText(parts));
    return {};
}

// The first fault of one private-practice record, empty when it has none.
QString PracticeFault(const mTRepetitNew& r) {
    const auto& a = r.PracticeAmounts;
    if (a[6] < a[7])
        return QStringLiteral("Расходы по оплате трудовых договоров(%1) превышают сумму расходов на "
                              "оплату труда (%2)")
            .arg(AmountText(a[7]), AmountText(a[6]));
    const Money material = SumToMoney({a[3], a[4]});
    if (material > a[2])
        return QStringLiteral("Сумма материальных расходов меньше (%1) суммы расходов на энергию и "
                              "неамортизируемое имущество(%2)")
            .arg(AmountText(a[2]), AmountText(material));
    const Money other = SumToMoney(std::span(a).subspan(9, 12));
    if (other > a[8])
        return QStringLiteral("Сумма прочих расходов (%1) не совпадает с суммой ее составляющих (%2)")
            .arg(AmountText(a[8]), AmountText(other));
    const Money total = SumToMoney({a[2], a[5], a[6], a[8]});
    if (total > a[1])
        return QStringLiteral(
                   "Общие расходы (%1) не совпадают с суммой расходов материальных, на оплату труда, "
                   "прочих и амортизационных отчислений (%2)")
            .arg(AmountText(a[1]), AmountText(total));
    return {};
}

} // namespace

namespace SectionRules {

QList<RuleFault> Conditions(const mTDeclaration& d) {
    Faults f;
    const bool representative = d.SignerKind != 0;
    f.Rule(d.InspectionCode.isEmpty(), "Не введен номер инспекции", ConditionsPosition::Inspection);
    f.Rule(representative && d.RepresentativeName.trimmed().isEmpty(),
           "Не указаны ФИО подписанта-представителя", ConditionsPosition::RepresentativeName);
    f.Rule(representative && d.RepresentativeDocument.trimmed().isEmpty(),
           "Не указан документ, подтверждающий полномочия представителя",
           ConditionsPosition::RepresentativeDocument);
    f.Rule(d.SignerKind == 2 && d.RepresentativeOrg.trimmed().isEmpty(),
           "Не указано наименование Юр.лица-представителя", ConditionsPosition::RepresentativeOrg);
    return f.list;
}

QList<RuleFault> Person(const mTDeclaration& d, InnRequired innRequired) {
    const mTPersonInformation& p = d.Person;
    Faults f;
    f.Rule(p.SurName.isEmpty(), "Не введена фамилия", PersonPosition::SurName);
    f.Rule(p.FirstName.isEmpty(), "Не введено имя", PersonPosition::FirstName);

    const quint16 inn = CheckInn(p.INN, InnMode::Person);
    f.Rule(inn == InnLengthNot12, "Длинна ИНН должна быть равна 12 цифрам", PersonPosition::INN);
    f.Rule(inn == InnCheckDigitsWrong, "Номер ИНН введен неверно", PersonPosition::INN);
    if (innRequired == InnRequired::Always) {
        f.Rule(inn == InnEmpty, "Не указан ИНН", PersonPosition::INN);
    } else {
        const bool required =
            (d.IncomeKinds & IncomeBusiness) || d.PayerCategory == 0 || d.ReturnKind == ReturnKind4NDFL;
        f.Rule(inn == InnEmpty && required,
               d.ReturnKind == ReturnKind4NDFL
                   ? "Не указан ИНН"
                   : "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН",
               PersonPosition::INN);
    }

    const bool noValidInn = inn != InnValid;
    f.Rule(noValidInn && p.BirthPlace.trimmed().isEmpty(), "Не указано место рождения",
           PersonPosition::BirthPlace);
    f.Rule(noValidInn && p.DocTypeCode == 0, "Не указан документ, удостоверяющий личность",
           PersonPosition::DocType);

    const bool hasDocument = p.DocTypeCode != 0;
    f.Rule(hasDocument && p.DocSerial.isEmpty(),
           "Не указаны серия и номер документа, удостоверяющего личность", PersonPosition::DocSerial);
    if (hasDocument) {
        if (p.DocIssueDate < p.BirthDate) {
            f.Rule(true, "Дата выдачи документа не может быть меньше даты рождения",
                   PersonPosition::DocIssueDate);
        } else if (NeedsAge14(p.DocTypeCode)) {
            const QDate fourteenth = Fourteenth(p.BirthDate);
            f.Rule(fourteenth.isValid() && DateValue::FromQDate(fourteenth) > p.DocIssueDate,
                   "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет",
                   PersonPosition::DocIssueDate);
        }
    }
    f.Rule(hasDocument && p.DocIssuedBy.isEmpty(), "Не указано, кем выдан документ, удостоверяющий личность",
           PersonPosition::DocIssuedBy);
    f.Rule(d.ReturnKind == ReturnKind4NDFL && p.OKATO.trimmed().size() < 11,
           "Не введен код ОКАТО (11 символов)", PersonPosition::OKATO);
    return f.list;
}

QList<RuleFault> Address(const mTDeclaration& d) {
    Faults f;
    f.Rule(d.Person.RegionCode == 0, "Не указан регион постоянного местожительства", AddressPosition::Region);
    f.Rule(d.Person.Locality.isEmpty() && d.Person.Street.isEmpty(),
           "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)",
           AddressPosition::Locality);
    return f.list;
}

QList<RuleFault> ResidenceOkato(const mTDeclaration& d, OkatoWording wording) {
    Faults f;
    f.Rule(d.ReturnKind != ReturnKind4NDFL && d.Person.OKATO.trimmed().size() < 11,
           wording == OkatoWording::AddressPage ? "Не введен код ОКАТО (11 символов)"
                                                : "Не введен код ОКАТО(11 симв.) по месту жительства",
           AddressPosition::OKATO);
    return f.list;
}

QList<RuleFault> Income13(const mTDeclaration& d) {
    Faults f;
    const auto& sources = d.IncomeSources13;
    const quint16 belowWithheld =
        FirstFailing(sources, [](const mTThirteenPercent& s) { return s.IncomeTotal < s.TaxWithheld; });
    f.Rule(belowWithheld != 0, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы",
           belowWithheld);
    const quint16 noLines =
        FirstFailing(sources, [](const mTThirteenPercent& s) { return s.LineCount() == 0; });
    f.Rule(noLines != 0, "По данному источнику не указаны доходы", noLines);
    return f.list;
}

QList<RuleFault> Currency(const mTDeclaration& d) {
    using Fails = bool (*)(const mTCurrencyIncome&);
    static const std::pair<Fails, const char*> rules[] = {
        {[](const mTCurrencyIncome& c) { return c.CurrencyCode.isEmpty(); },
         "По данному источнику выплаты не указан код валюты"},
        {[](const mTCurrencyIncome& c) { return c.RateUnitsAtIncome == 0 || c.RateAtIncome.IsZero(); },
         "По данному источнику выплаты не указан курс валюты"},
        {[](const mTCurrencyIncome& c) { return c.IncomeCode == 0; },
         "По данному источнику выплаты не указан код дохода"},
        {[](const mTCurrencyIncome& c) { return c.IncomeCurrency.IsZero(); },
         "По данному источнику выплаты не указана сумма дохода"},
        {[](const mTCurrencyIncome& c) { return c.DeductionCode != 0 && c.DeductionAmount.IsZero(); },
         "По данному источнику выплаты не указана сумма вычета"},
    };
    Faults f;
    for (const auto& [fails, message] : rules) {
        const quint16 n = FirstFailing(d.CurrencyIncomes, fails);
        f.Rule(n != 0, message, n);
    }
    return f.list;
}

QList<RuleFault> Business(const mTDeclaration& d) {
    const auto& list = d.BusinessIncomes;
    if (list.Count() == 0) return {};
    return RecordFaults(list, [&](const mTBusinessNew& b) { return BusinessFault(b, *list.At(0)); });
}

QList<RuleFault> Practice(const mTDeclaration& d) {
    return RecordFaults(d.PracticeIncomes, PracticeFault);
}

QList<RuleFault> Social(const mTDeclaration& d) {
    const mTSocialDeduct& s = d.SocialDeduction;
    const bool nothingEntered = s.Charity.IsZero() && s.OwnEducation.IsZero() && s.Treatment.IsZero() &&
                                s.ExpensiveTreatment.IsZero() && s.VoluntaryInsurance.IsZero() &&
                                s.ExtraPensionContributions.IsZero() && s.ChildEducationCount() == 0 &&
                                s.PensionContractCount() == 0;
    Faults f;
    f.Rule(s.GrantSocial && nothingEntered, "Не введены данные по социальным налоговым вычетам",
           StandardDeductionPosition::SocialData);
    return f.list;
}

QList<RuleFault> Standard(const mTDeclaration& d) {
    const mTStandartDeduct& s = d.StandardDeduction;
    if (!s.GrantStandard || s.MonthlyBusiness) return {};
    if (!(d.IncomeKinds & IncomeRussia) || (d.IncomeKinds & IncomeBusiness)) return {};
    std::set<int> months;
    bool twice = false;
    for (const mTThirteenPercent* source : d.IncomeSources13)
        for (int m = 0; m < 12; ++m)
            if (source->MonthPresent(m) && !months.insert(m).second) twice = true;
    Faults f;
    f.Rule(twice, "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.",
           StandardDeductionPosition::Months);
    return f.list;
}

QList<RuleFault> Property(const mTDeclaration& d) {
    const mTConstructionDeduct& c = d.PropertyDeduction;
    Faults f;
    f.Rule(c.ObjectKind == 0, "Не введено наименование объекта", PropertyDeductionPosition::ObjectKind);
    f.Rule(c.OwnershipKind == 0, "Не введен вид собственности", PropertyDeductionPosition::OwnershipKind);
    f.Rule(c.TaxpayerSign == 0, "Не введен признак налогоплательщика",
           PropertyDeductionPosition::TaxpayerSign);
    f.Rule(c.ObjPostIndex.trimmed().isEmpty(), "Не введен почтовый индекс",
           PropertyDeductionPosition::PostIndex);
    f.Rule(c.ObjRegionCode == QLatin1String("0"), "Не указан код региона",
           PropertyDeductionPosition::RegionCode);

    // The right arises with the transfer act (investment) or with the registration of ownership.
    const int rightYear = DateValue::Year(c.ByInvestment ? c.ActDate : c.DwellingRegDate);
    if (d.IsPensioner == 0)
        f.Rule(DateValue::Year(c.FirstUseYear) < rightYear && rightYear > 2008,
               c.ByInvestment ? "Год начала пользования льготой меньше даты акта о передаче"
                              : "Год начала пользования льготой меньше даты регистрации прав собственности",
               PropertyDeductionPosition::FirstUseYear);
    if (rightYear < 2008)
        f.Rule(c.PriorDeclCost > Money::FromUnits(1000000),
               "В предыдущие отчетные годы не могли зачесть более 1000000 рублей",
               PropertyDeductionPosition::PriorDeclCost);
    else
        f.Rule(c.PriorDeclCost > Money::FromUnits(2000000),
               "В предыдущие отчетные годы не могли зачесть более 2000000 рублей",
               PropertyDeductionPosition::PriorDeclCost);

    // A share with denominator 0 is no share at all; the screens never store one, so a file
    // that holds it skips this rule rather than dividing by zero.
    if (c.ShareDenominator != 0) {
        const Money limit = Money::FromLongDouble(
            RoundToKopecks(2000000.0 * double(c.ShareNumerator) / double(c.ShareDenominator)));
        f.Rule(SumToMoney({c.CarryOverCost, c.PriorDeclCost, c.PriorAgentCost}) > limit,
               "Перейти с прошлого года может не более 2000000 рублей * долю собственности (за вычетом уже "
               "зачтенных сумм)",
               PropertyDeductionPosition::CarryOver);
    }
    return f.list;
}

} // namespace SectionRules
