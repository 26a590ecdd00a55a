#include "checks/DeclarationCheck.h"

#include "checks/SectionRules.h"
#include "storage/AmountText.h"
#include "storage/Declaration.h"

#include <set>
#include <span>

namespace {

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
template <class T, class Fails> int FirstFailing(const mTRecordList<T>& list, Fails&& fails) {
    for (int i = 0; i < list.Count(); ++i)
        if (fails(*list.At(i))) return i + 1;
    return 0;
}

class CheckRun {
public:
    CheckRun(const mTDeclaration& declaration, ICheckAnswerer& answerer)
        : d(declaration), answerer_(answerer) {}

    quint32 Run() {
        Conditions();
        if (Clean()) Person();
        if (Clean() && d.ReturnKind != ReturnKind4NDFL) Address();
        if (Clean() && (d.IncomeKinds & IncomeRussia)) Income13();
        if (Clean() && (d.IncomeKinds & IncomeForeign)) Currency();
        if (Clean() && (d.IncomeKinds & IncomeBusiness)) Business();
        if (Clean() && (d.IncomeKinds & IncomePractice)) Practice();
        if (Clean() && d.IncomeKinds != 0) {
            Social();
            if (Clean()) Standard();
            if (Clean() && d.PropertyDeduction.GrantProperty) Property();
        }
        if (Clean() && d.ReturnKind != ReturnKind4NDFL) AddressOkato();
        return PackCheckResult(section_, position_);
    }

private:
    const mTDeclaration& d;
    ICheckAnswerer& answerer_;
    quint16 section_ = 0;
    quint16 position_ = 0;
    QString title_;
    bool shownInSection_ = false;

    bool Clean() const { return position_ == 0; }

    void Enter(quint16 section, const QString& title) {
        section_ = section;
        title_ = title;
        shownInSection_ = false;
    }

    // True when the user chose to fix the fault.
    bool Report(const QString& message, quint16 position) {
        shownInSection_ = true;
        const bool fix = answerer_.Answer({section_, title_, message, position}) == CheckAnswer::Fix;
        position_ = fix ? position : CheckPositionCancelled;
        return fix;
    }

    // The usual rule: it runs only while its section has shown nothing.
    void Rule(bool fails, const QString& message, quint16 position) {
        if (!shownInSection_ && fails) Report(message, position);
    }

    void Conditions() {
        Enter(CheckSectionConditions, QStringLiteral("Задание условий"));
        // After "Отмена" the next rule still runs; "Исправить" ends the section.
        for (const RuleFault& f : SectionRules::Conditions(d))
            if (Report(f.Message, f.Position)) break;
    }

    // Within these sections only the first fault is shown.
    void FirstFault(const QList<RuleFault>& faults) {
        if (!faults.isEmpty()) Report(faults.first().Message, faults.first().Position);
    }

    void Person() {
        Enter(CheckSectionPerson, QStringLiteral("Сведения о декларанте"));
        FirstFault(SectionRules::Person(d, SectionRules::InnRequired::WhereTheReturnNeedsIt));
    }

    void Address() {
        Enter(CheckSectionAddress, QStringLiteral("Сведения о декларанте"));
        FirstFault(SectionRules::Address(d));
    }

    void Income13() {
        Enter(CheckSectionIncome13, QStringLiteral("Доходы, облагаемые ставкой 13%"));
        const auto& sources = d.IncomeSources13;
        if (const int n = FirstFailing(
                sources, [](const mTThirteenPercent& s) { return s.IncomeTotal < s.TaxWithheld; }))
            Report(QStringLiteral("По данному источнику выплаты общая сумма дохода меньше удержанной суммы"),
                   quint16(n));
        // This rule runs even after the first one has shown its dialog; the later answer decides.
        if (const int n =
                FirstFailing(sources, [](const mTThirteenPercent& s) { return s.LineCount() == 0; }))
            Report(QStringLiteral("По данному источнику не указаны доходы"), quint16(n));
    }

    void Currency() {
        Enter(CheckSectionCurrency, QStringLiteral("Доходы в валюте"));
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
        // Each rule looks at the whole list before the next rule.
        for (const auto& [fails, message] : rules) {
            if (shownInSection_) break;
            if (const int n = FirstFailing(d.CurrencyIncomes, fails))
                Report(QString::fromUtf8(message), quint16(n));
        }
    }

    // The first fault of one business record, empty when it has none.
    static QString BusinessFault(const mTBusinessNew& b, const mTBusinessNew& first) {
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

    void Business() {
        Enter(CheckSectionBusiness, QStringLiteral("Доходы от предпринимательской деятельности"));
        const auto& list = d.BusinessIncomes;
        for (int i = 0; i < list.Count(); ++i) {
            const QString fault = BusinessFault(*list.At(i), *list.At(0));
            if (!fault.isEmpty()) {
                Report(fault, quint16(i + 1));
                return;
            }
        }
    }

    static QString PracticeFault(const mTRepetitNew& r) {
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

    void Practice() {
        Enter(CheckSectionPractice, QStringLiteral("Доходы от частной практики"));
        const auto& list = d.PracticeIncomes;
        for (int i = 0; i < list.Count(); ++i) {
            const QString fault = PracticeFault(*list.At(i));
            if (!fault.isEmpty()) {
                Report(fault, quint16(i + 1));
                return;
            }
        }
    }

    void Social() {
        Enter(CheckSectionStandardSocial, QStringLiteral("Социальные вычеты"));
        const mTSocialDeduct& s = d.SocialDeduction;
        const bool nothingEntered = s.Charity.IsZero() && s.OwnEducation.IsZero() && s.Treatment.IsZero() &&
                                    s.ExpensiveTreatment.IsZero() && s.VoluntaryInsurance.IsZero() &&
                                    s.ExtraPensionContributions.IsZero() && s.ChildEducationCount() == 0 &&
                                    s.PensionContractCount() == 0;
        Rule(s.GrantSocial && nothingEntered,
             QStringLiteral("Не введены данные по социальным налоговым вычетам"), 1);
    }

    void Standard() {
        Enter(CheckSectionStandardSocial, QStringLiteral("Стандартные вычеты"));
        const mTStandartDeduct& s = d.StandardDeduction;
        if (!s.GrantStandard || s.MonthlyBusiness) return;
        if (!(d.IncomeKinds & IncomeRussia) || (d.IncomeKinds & IncomeBusiness)) return;
        std::set<int> months;
        bool twice = false;
        for (const auto& source : d.IncomeSources13)
            for (int m = 0; m < 12; ++m)
                if (source->MonthPresent(m) && !months.insert(m).second) twice = true;
        Rule(twice,
             QStringLiteral(
                 "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО."),
             2);
    }

    void Property() {
        Enter(CheckSectionProperty, QStringLiteral("Имущественный налоговый вычет"));
        const mTConstructionDeduct& c = d.PropertyDeduction;
        Rule(c.ObjectKind == 0, QStringLiteral("Не введено наименование объекта"), 1);
        Rule(c.OwnershipKind == 0, QStringLiteral("Не введен вид собственности"), 10);
        Rule(c.TaxpayerSign == 0, QStringLiteral("Не введен признак налогоплательщика"), 11);
        Rule(c.ObjPostIndex.trimmed().isEmpty(), QStringLiteral("Не введен почтовый индекс"), 2);
        Rule(c.ObjRegionCode == QLatin1String("0"), QStringLiteral("Не указан код региона"), 12);

        // The right arises with the transfer act (investment) or with the registration of ownership.
        const int rightYear = DateValue::Year(c.ByInvestment ? c.ActDate : c.DwellingRegDate);
        if (d.IsPensioner == 0)
            Rule(DateValue::Year(c.FirstUseYear) < rightYear && rightYear > 2008,
                 c.ByInvestment
                     ? QStringLiteral("Год начала пользования льготой меньше даты акта о передаче")
                     : QStringLiteral("Год начала пользования льготой меньше даты регистрации прав "
                                      "собственности"),
                 5);
        if (rightYear < 2008)
            Rule(c.PriorDeclCost > Money::FromUnits(1000000),
                 QStringLiteral("В предыдущие отчетные годы не могли зачесть более 1000000 рублей"), 8);
        else
            Rule(c.PriorDeclCost > Money::FromUnits(2000000),
                 QStringLiteral("В предыдущие отчетные годы не могли зачесть более 2000000 рублей"), 8);

        // A share with denominator 0 is no share at all; the screens never store one, so a file
        // that holds it skips this rule rather than dividing by zero.
        if (c.ShareDenominator != 0) {
            const Money limit = Money::FromLongDouble(
                RoundToKopecks(2000000.0 * double(c.ShareNumerator) / double(c.ShareDenominator)));
            Rule(SumToMoney({c.CarryOverCost, c.PriorDeclCost, c.PriorAgentCost}) > limit,
                 QStringLiteral(
                     "Перейти с прошлого года может не более 2000000 рублей * долю собственности (за "
                     "вычетом уже зачтенных сумм)"),
                 6);
        }
    }

    void AddressOkato() {
        Enter(CheckSectionAddress, QStringLiteral("Сведения о декларанте"));
        Rule(d.Person.OKATO.trimmed().size() < 11,
             QStringLiteral("Не введен код ОКАТО(11 симв.) по месту жительства"), 4);
    }
};

} // namespace

quint32 CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer) {
    return CheckRun(declaration, answerer).Run();
}
