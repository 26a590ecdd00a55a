#include "checks/DeclarationCheck.h"
#include "checks/DeclarationWarnings.h"
#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "records/StartingDates.h"
#include "support/ValidDeclaration.h"

#include <QTest>
#include <functional>

using Mutation = std::function<void(mTDeclaration&)>;
Q_DECLARE_METATYPE(Mutation)
Q_DECLARE_METATYPE(QList<CheckAnswer>)

namespace {

mTThirteenPercent* AddSource(mTDeclaration& d, Money income, Money withheld) {
    mTThirteenPercent* s = d.IncomeSources13.At(d.IncomeSources13.Add());
    if (!income.IsZero()) {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = income;
        s->AddLine(line);
    }
    s->TaxWithheld = withheld;
    return s;
}

mTBusinessNew* AddBusiness(mTDeclaration& d) {
    d.SetIncomeKinds(d.IncomeKinds | IncomeBusiness);
    return d.BusinessIncomes.At(d.BusinessIncomes.Add());
}

mTRepetitNew* AddPractice(mTDeclaration& d) {
    d.SetIncomeKinds(d.IncomeKinds | IncomePractice);
    return d.PracticeIncomes.At(d.PracticeIncomes.Add());
}

// A property deduction that passes every rule: a flat registered in 2009, deducted from 2009 on.
void GrantProperty(mTDeclaration& d) {
    mTConstructionDeduct& c = d.PropertyDeduction;
    c.GrantProperty = 1;
    c.ObjectKind = 2;
    c.OwnershipKind = 1;
    c.TaxpayerSign = 1;
    c.ObjPostIndex = QStringLiteral("125009");
    c.ObjRegionCode = QStringLiteral("77");
    c.DwellingRegDate = DateValue::FromYmd(2009, 6, 1);
    c.ActDate = DateValue::FromYmd(2009, 5, 1);
    c.FirstUseYear = DateValue::FromYmd(2009, 1, 1);
    c.ShareNumerator = 1;
    c.ShareDenominator = 1;
}

Money Rub(double v) {
    return Money::FromLongDouble(v);
}

struct Shown : ICheckAnswerer {
    QList<CheckFault> faults;
    QList<CheckAnswer> answers; // given in turn; Cancel once they run out
    CheckAnswer Answer(const CheckFault& f) override {
        const CheckAnswer a = faults.size() < answers.size() ? answers[faults.size()] : CheckAnswer::Cancel;
        faults.append(f);
        return a;
    }
    CheckResult Run(const mTDeclaration& d) { return CheckDeclaration(d, *this); }
};

} // namespace

// The whole-declaration check: every rule firing and not firing, the section order and the answers.
class TestDeclarationCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanDeclarationPasses() {
        auto d = ValidDeclaration::Clean();
        Shown shown;
        const CheckResult result = shown.Run(*d);
        QVERIFY(shown.faults.isEmpty());
        QCOMPARE(result, (CheckResult{CheckSection::Address, 0})); // the last section entered
    }

    void rules_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message"); // empty: the declaration stays clean
        QTest::addColumn<int>("position");

        const QString conditions = QStringLiteral("Задание условий");
        const QString person = QStringLiteral("Сведения о декларанте");
        const auto row = [](const char* name, Mutation m, int section, const QString& title,
                            const QString& message, int position) {
            QTest::newRow(name) << m << section << title << message << position;
        };
        const auto clean = [](const char* name, Mutation m) {
            QTest::newRow(name) << m << 0 << QString() << QString() << 0;
        };

        // Section 1.
        row(
            "no inspection", [](mTDeclaration& d) { d.InspectionCode.clear(); }, 1, conditions,
            "Не введен номер инспекции", 1);
        row(
            "representative without name",
            [](mTDeclaration& d) {
                d.SignerKind = 1;
                d.RepresentativeName = QStringLiteral("  ");
                d.RepresentativeDocument = QStringLiteral("Доверенность");
            },
            1, conditions, "Не указаны ФИО подписанта-представителя", 3);
        row(
            "representative without document",
            [](mTDeclaration& d) {
                d.SignerKind = 1;
                d.RepresentativeName = QStringLiteral("Петров П.П.");
            },
            1, conditions, "Не указан документ, подтверждающий полномочия представителя", 4);
        row(
            "organisation representative without name",
            [](mTDeclaration& d) {
                d.SignerKind = 2;
                d.RepresentativeName = QStringLiteral("Петров П.П.");
                d.RepresentativeDocument = QStringLiteral("Доверенность");
            },
            1, conditions, "Не указано наименование Юр.лица-представителя", 5);
        clean("person signs, representative fields empty", [](mTDeclaration& d) { d.SignerKind = 0; });
        clean("person representative needs no organisation", [](mTDeclaration& d) {
            d.SignerKind = 1;
            d.RepresentativeName = QStringLiteral("Петров П.П.");
            d.RepresentativeDocument = QStringLiteral("Доверенность");
        });

        // Section 2.
        row(
            "no surname", [](mTDeclaration& d) { d.Person.SurName.clear(); }, 2, person, "Не введена фамилия",
            1);
        row(
            "no first name", [](mTDeclaration& d) { d.Person.FirstName.clear(); }, 2, person,
            "Не введено имя", 2);
        row(
            "INN of 11 digits", [](mTDeclaration& d) { d.Person.INN = QStringLiteral("50010073225"); }, 2,
            person, "Длинна ИНН должна быть равна 12 цифрам", 4);
        row(
            "INN with a wrong last digit",
            [](mTDeclaration& d) { d.Person.INN = QStringLiteral("500100732258"); }, 2, person,
            "Номер ИНН введен неверно", 4);
        row(
            "no INN, payer category 0",
            [](mTDeclaration& d) {
                d.Person.INN.clear();
                d.PayerCategory = 0;
            },
            2, person, "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН", 4);
        row(
            "no INN, business income",
            [](mTDeclaration& d) {
                d.Person.INN.clear();
                AddBusiness(d);
            },
            2, person, "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН", 4);
        row(
            "no INN, 4-NDFL",
            [](mTDeclaration& d) {
                d.Person.INN.clear();
                d.ReturnKind = ReturnKind4NDFL;
            },
            2, person, "Не указан ИНН", 4);
        clean("no INN where none is required", [](mTDeclaration& d) { d.Person.INN.clear(); });
        row(
            "no INN and no birth place",
            [](mTDeclaration& d) {
                d.Person.INN.clear();
                d.Person.BirthPlace = QStringLiteral(" ");
            },
            2, person, "Не указано место рождения", 9);
        clean("valid INN, no birth place", [](mTDeclaration& d) { d.Person.BirthPlace.clear(); });
        row(
            "no INN and no document",
            [](mTDeclaration& d) {
                d.Person.INN.clear();
                d.Person.DocTypeCode = 0;
            },
            2, person, "Не указан документ, удостоверяющий личность", 5);
        clean("valid INN, no document", [](mTDeclaration& d) {
            d.Person.DocTypeCode = 0;
            d.Person.DocSerial.clear();
            d.Person.DocIssuedBy.clear();
        });
        row(
            "no document number", [](mTDeclaration& d) { d.Person.DocSerial.clear(); }, 2, person,
            "Не указаны серия и номер документа, удостоверяющего личность", 6);
        row(
            "document issued before birth",
            [](mTDeclaration& d) {
                d.Person.DocTypeCode = 1;
                d.Person.DocIssueDate = d.Person.BirthDate - 1;
            },
            2, person, "Дата выдачи документа не может быть меньше даты рождения", 7);
        const QString age14 =
            QStringLiteral("Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет");
        const auto born29February = [](int docType, int issueDay) {
            return [=](mTDeclaration& d) {
                d.Person.DocTypeCode = quint16(docType);
                d.Person.BirthDate = DateValue::FromYmd(1996, 2, 29);
                d.Person.DocIssueDate = DateValue::FromYmd(2010, 2, issueDay);
            };
        };
        row("passport a day before 14 years (29 February)", born29February(21, 27), 2, person, age14, 7);
        clean("passport on the 14th birthday (29 February)", born29February(21, 28));
        row("kind 7 before 14 years", born29February(7, 27), 2, person, age14, 7);
        row("kind 8 before 14 years", born29February(8, 27), 2, person, age14, 7);
        row("kind 24 before 14 years", born29February(24, 27), 2, person, age14, 7);
        clean("birth certificate before 14 years", born29February(3, 27));
        row(
            "no issuer", [](mTDeclaration& d) { d.Person.DocIssuedBy.clear(); }, 2, person,
            "Не указано, кем выдан документ, удостоверяющий личность", 8);
        row(
            "4-NDFL without OKATO",
            [](mTDeclaration& d) {
                d.ReturnKind = ReturnKind4NDFL;
                d.Person.OKATO = QStringLiteral(" 4528658500 ");
            },
            2, person, "Не введен код ОКАТО (11 символов)", 10);

        // Section 3.
        row(
            "no region", [](mTDeclaration& d) { d.Person.RegionCode = 0; }, 3, person,
            "Не указан регион постоянного местожительства", 2);
        row(
            "neither locality nor street", [](mTDeclaration& d) { d.Person.Street.clear(); }, 3, person,
            "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)", 5);
        clean("locality without street", [](mTDeclaration& d) {
            d.Person.Street.clear();
            d.Person.Locality = QStringLiteral("Заречье");
        });
        clean("4-NDFL has no address check", [](mTDeclaration& d) {
            d.ReturnKind = ReturnKind4NDFL;
            d.Person.RegionCode = 0;
        });

        // Section 4.
        const QString income13 = QStringLiteral("Доходы, облагаемые ставкой 13%");
        row(
            "withheld more than the income",
            [](mTDeclaration& d) { AddSource(d, Money::FromUnits(1000), Money::FromUnits(1001)); }, 4,
            income13, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы", 2);
        clean("withheld equal to the income",
              [](mTDeclaration& d) { AddSource(d, Money::FromUnits(1000), Money::FromUnits(1000)); });
        row(
            "source without income lines", [](mTDeclaration& d) { AddSource(d, Money(), Money()); }, 4,
            income13, "По данному источнику не указаны доходы", 2);
        clean("13 % sources unchecked without Russian income", [](mTDeclaration& d) {
            AddSource(d, Money(), Money());
            d.IncomeKinds = 0;
        });

        // Section 7.
        const QString currency = QStringLiteral("Доходы в валюте");
        clean("complete currency income", [](mTDeclaration& d) { AddCurrencyIncome(d); });
        row(
            "no currency code", [](mTDeclaration& d) { AddCurrencyIncome(d)->CurrencyCode.clear(); }, 7,
            currency, "По данному источнику выплаты не указан код валюты", 1);
        row(
            "no units", [](mTDeclaration& d) { AddCurrencyIncome(d)->RateUnitsAtIncome = 0; }, 7, currency,
            "По данному источнику выплаты не указан курс валюты", 1);
        row(
            "no rate", [](mTDeclaration& d) { AddCurrencyIncome(d)->RateAtIncome = Money(); }, 7, currency,
            "По данному источнику выплаты не указан курс валюты", 1);
        row(
            "no income code", [](mTDeclaration& d) { AddCurrencyIncome(d)->IncomeCode = 0; }, 7, currency,
            "По данному источнику выплаты не указан код дохода", 1);
        row(
            "no income amount", [](mTDeclaration& d) { AddCurrencyIncome(d)->SetIncomeCurrency(Money()); }, 7,
            currency, "По данному источнику выплаты не указана сумма дохода", 1);
        row(
            "deduction code without amount",
            [](mTDeclaration& d) { AddCurrencyIncome(d)->DeductionCode = 601; }, 7, currency,
            "По данному источнику выплаты не указана сумма вычета", 1);
        clean("deduction code with amount", [](mTDeclaration& d) {
            mTCurrencyIncome* c = AddCurrencyIncome(d);
            c->DeductionCode = 601;
            c->DeductionAmount = Money::FromUnits(5);
        });
        row(
            "each rule over the whole list first",
            [](mTDeclaration& d) {
                AddCurrencyIncome(d)->RateAtIncome = Money(); // rule 2 on the first record
                AddCurrencyIncome(d)->CurrencyCode.clear();   // rule 1 on the second
            },
            7, currency, "По данному источнику выплаты не указан код валюты", 2);

        // Section 8.
        const QString business = QStringLiteral("Доходы от предпринимательской деятельности");
        clean("business record with zero expenses", [](mTDeclaration& d) { AddBusiness(d); });
        row(
            "documented expenses and the 20 % norm together",
            [](mTDeclaration& d) {
                AddBusiness(d);
                AddBusiness(d)->HasDocumentedExpenses = 0;
            },
            8, business, "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.", 2);
        row(
            "OKVED too short",
            [](mTDeclaration& d) {
                mTBusinessNew* b = AddBusiness(d);
                b->ActivityKind = QStringLiteral("1");
                b->OKVED = QStringLiteral("01.");
            },
            8, business, "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку", 1);
        clean("OKVED of four characters", [](mTDeclaration& d) {
            mTBusinessNew* b = AddBusiness(d);
            b->ActivityKind = QStringLiteral("1");
            b->OKVED = QStringLiteral("01.1");
        });
        row(
            "labour contracts above labour",
            [](mTDeclaration& d) {
                mTBusinessNew* b = AddBusiness(d);
                b->ExpensesLabour = Rub(100);
                b->ExpensesLabourContracts = Rub(200.5);
                b->ExpensesTotal = Rub(1000);
            },
            8, business,
            "Расходы по оплате трудовых договоров(200,5) превышают сумму расходов на оплату труда (100)", 1);
        row(
            "other expense parts above other expenses",
            [](mTDeclaration& d) {
                mTBusinessNew* b = AddBusiness(d);
                b->ExpensesOther = Rub(1);
                b->OtherExpenseParts[0] = Rub(0.75);
                b->OtherExpenseParts[12] = Rub(0.5);
                b->ExpensesTotal = Rub(1000);
            },
            8, business, "Сумма прочих расходов (1) меньше суммы ее составляющих (1,25)", 1);
        row(
            "expense parts above the total",
            [](mTDeclaration& d) {
                mTBusinessNew* b = AddBusiness(d);
                b->ExpensesMaterial = Rub(5);
                b->ExpensesDepreciation = Rub(3);
                b->ExpensesLabour = Rub(4);
                b->ExpensesTotal = Rub(11.99);
            },
            8, business,
            "Общие расходы (11,99) меньше суммы расходов материальных, на оплату труда, прочих и "
            "амортизационных "
            "отчислений (12)",
            1);
        clean("expense checks need documented expenses", [](mTDeclaration& d) {
            mTBusinessNew* b = AddBusiness(d);
            b->HasDocumentedExpenses = 0;
            b->ExpensesLabourContracts = Rub(200);
        });

        // Section 11.
        const QString practice = QStringLiteral("Доходы от частной практики");
        clean("practice record with zero amounts", [](mTDeclaration& d) { AddPractice(d); });
        row(
            "practice labour contracts above labour",
            [](mTDeclaration& d) {
                AddPractice(d);
                AddPractice(d)->PracticeAmounts[7] = Rub(10);
            },
            11, practice,
            "Расходы по оплате трудовых договоров(10) превышают сумму расходов на оплату труда (0)", 2);
        row(
            "practice energy and property above material",
            [](mTDeclaration& d) {
                auto& a = AddPractice(d)->PracticeAmounts;
                a[1] = Rub(100);
                a[2] = Rub(5);
                a[3] = Rub(3);
                a[4] = Rub(2.5);
            },
            11, practice,
            "Сумма материальных расходов меньше (5) суммы расходов на энергию и неамортизируемое "
            "имущество(5,5)",
            1);
        row(
            "practice other parts above other",
            [](mTDeclaration& d) {
                auto& a = AddPractice(d)->PracticeAmounts;
                a[1] = Rub(100);
                a[8] = Rub(2);
                a[9] = Rub(1);
                a[20] = Rub(1.5);
            },
            11, practice, "Сумма прочих расходов (2) не совпадает с суммой ее составляющих (2,5)", 1);
        row(
            "practice parts above the expenses",
            [](mTDeclaration& d) {
                auto& a = AddPractice(d)->PracticeAmounts;
                a[1] = Rub(10);
                a[2] = Rub(4);
                a[5] = Rub(3);
                a[6] = Rub(2);
                a[8] = Rub(2);
            },
            11, practice,
            "Общие расходы (10) не совпадают с суммой расходов материальных, на оплату труда, прочих и "
            "амортизационных отчислений (11)",
            1);

        // Section 9.
        row(
            "social deduction without data", [](mTDeclaration& d) { d.SocialDeduction.GrantSocial = 1; }, 9,
            "Социальные вычеты", "Не введены данные по социальным налоговым вычетам", 1);
        clean("social deduction with treatment", [](mTDeclaration& d) {
            d.SocialDeduction.GrantSocial = 1;
            d.SocialDeduction.Treatment = Rub(1);
        });
        clean("social deduction with a child's education", [](mTDeclaration& d) {
            d.SocialDeduction.GrantSocial = 1;
            d.SocialDeduction.AddChildEducation(Money());
        });
        clean("no deduction checks without income kinds", [](mTDeclaration& d) {
            d.SetIncomeKinds(0);
            d.SocialDeduction.GrantSocial = 1;
        });
        const auto sameMonthTwice = [](mTDeclaration& d) {
            d.IncomeSources13.At(0)->SetMonthValue(2, Rub(1000));
            AddSource(d, Rub(500), Money())->SetMonthValue(2, Rub(500));
        };
        row("standard deductions at two employers in one month", sameMonthTwice, 9, "Стандартные вычеты",
            "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.", 2);
        clean("two employers in different months", [](mTDeclaration& d) {
            d.IncomeSources13.At(0)->SetMonthValue(2, Rub(1000));
            AddSource(d, Rub(500), Money())->SetMonthValue(3, Rub(500));
        });
        clean("same month without standard deductions", [=](mTDeclaration& d) {
            sameMonthTwice(d);
            d.StandardDeduction.GrantStandard = 0;
        });
        clean("same month with monthly business data", [=](mTDeclaration& d) {
            sameMonthTwice(d);
            d.StandardDeduction.MonthlyBusiness = 1;
        });
        clean("same month with business income", [=](mTDeclaration& d) {
            sameMonthTwice(d);
            AddBusiness(d);
        });

        // Section 10.
        const QString property = QStringLiteral("Имущественный налоговый вычет");
        const auto withProperty = [](std::function<void(mTConstructionDeduct&)> change) {
            return [=](mTDeclaration& d) {
                GrantProperty(d);
                change(d.PropertyDeduction);
            };
        };
        clean("complete property deduction", withProperty([](mTConstructionDeduct&) {}));
        row("no object", withProperty([](mTConstructionDeduct& c) { c.ObjectKind = 0; }), 10, property,
            "Не введено наименование объекта", 1);
        row("no ownership kind", withProperty([](mTConstructionDeduct& c) { c.OwnershipKind = 0; }), 10,
            property, "Не введен вид собственности", 10);
        row("no taxpayer sign", withProperty([](mTConstructionDeduct& c) { c.TaxpayerSign = 0; }), 10,
            property, "Не введен признак налогоплательщика", 11);
        row("no post index",
            withProperty([](mTConstructionDeduct& c) { c.ObjPostIndex = QStringLiteral(" "); }), 10, property,
            "Не введен почтовый индекс", 2);
        row("region 0", withProperty([](mTConstructionDeduct& c) { c.ObjRegionCode = QStringLiteral("0"); }),
            10, property, "Не указан код региона", 12);
        row("first use before registration",
            withProperty([](mTConstructionDeduct& c) { c.FirstUseYear = DateValue::FromYmd(2008, 1, 1); }),
            10, property, "Год начала пользования льготой меньше даты регистрации прав собственности", 5);
        row("first use before the act of 2009", withProperty([](mTConstructionDeduct& c) {
                c.ByInvestment = 1;
                c.ActDate = DateValue::FromYmd(2009, 12, 1);
                c.FirstUseYear = DateValue::FromYmd(2008, 1, 1);
            }),
            10, property, "Год начала пользования льготой меньше даты акта о передаче", 5);
        clean("first use before an act of 2008", withProperty([](mTConstructionDeduct& c) {
                  c.ByInvestment = 1;
                  c.ActDate = DateValue::FromYmd(2008, 3, 1);
                  c.FirstUseYear = DateValue::FromYmd(2005, 1, 1);
              }));
        clean("pensioner may start before registration", [=](mTDeclaration& d) {
            withProperty([](mTConstructionDeduct& c) { c.FirstUseYear = DateValue::FromYmd(2008, 1, 1); })(d);
            d.IsPensioner = 1;
        });
        row("more than 1 000 000 before 2008", withProperty([](mTConstructionDeduct& c) {
                c.DwellingRegDate = DateValue::FromYmd(2007, 4, 1);
                c.FirstUseYear = DateValue::FromYmd(2007, 1, 1);
                c.PriorDeclCost = Rub(1000000.01);
            }),
            10, property, "В предыдущие отчетные годы не могли зачесть более 1000000 рублей", 8);
        row("more than 2 000 000 from 2008 on",
            withProperty([](mTConstructionDeduct& c) { c.PriorDeclCost = Rub(2000000.01); }), 10, property,
            "В предыдущие отчетные годы не могли зачесть более 2000000 рублей", 8);
        const QString carryOver = QStringLiteral("Перейти с прошлого года может не более 2000000 рублей * "
                                                 "долю собственности (за вычетом уже зачтенных сумм)");
        row("carry-over above the share's limit", withProperty([](mTConstructionDeduct& c) {
                c.ShareNumerator = 1;
                c.ShareDenominator = 2;
                c.CarryOverCost = Rub(600000);
                c.PriorDeclCost = Rub(400000);
                c.PriorAgentCost = Rub(1);
            }),
            10, property, carryOver, 6);
        clean("carry-over equal to the share's limit", withProperty([](mTConstructionDeduct& c) {
                  c.ShareNumerator = 1;
                  c.ShareDenominator = 2;
                  c.CarryOverCost = Rub(600000);
                  c.PriorDeclCost = Rub(400000);
              }));
        clean("share denominator 0 skips the carry-over rule", withProperty([](mTConstructionDeduct& c) {
                  c.ShareDenominator = 0;
                  c.CarryOverCost = Rub(5000000);
              }));

        // Section 3 once more, last.
        row(
            "OKATO too short", [](mTDeclaration& d) { d.Person.OKATO = QStringLiteral("4528658500"); }, 3,
            person, "Не введен код ОКАТО(11 симв.) по месту жительства", 4);
    }

    void rules() {
        QFETCH(Mutation, mutate);
        QFETCH(int, section);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(int, position);

        auto d = ValidDeclaration::Clean();
        mutate(*d);
        Shown shown;
        shown.answers = {CheckAnswer::Fix};
        const CheckResult result = shown.Run(*d);

        if (message.isEmpty()) {
            QVERIFY2(shown.faults.isEmpty(), qPrintable(shown.faults.value(0).Message));
            QVERIFY(result.Clean());
            return;
        }
        QCOMPARE(shown.faults.size(), 1);
        const CheckFault& f = shown.faults[0];
        QCOMPARE(f.Message, message);
        QCOMPARE(f.Title, title);
        QCOMPARE(int(f.Section), section);
        QCOMPARE(int(f.Position), position);
        QCOMPARE(result, (CheckResult{CheckSection(section), quint16(position)}));
    }

    void cancelGivesFFFF() {
        auto d = ValidDeclaration::Clean();
        d->Person.SurName.clear();
        Shown shown; // answers Cancel
        const CheckResult result = shown.Run(*d);
        QCOMPARE(shown.faults.size(), 1);
        QCOMPARE(result, (CheckResult{CheckSection::Person, CheckResult::CancelledPosition}));
    }

    void newDeclarationShowsOnlyTheInspection() {
        auto d = CreateNewDeclaration();
        Shown shown;
        const CheckResult result = shown.Run(*d);
        QCOMPARE(shown.faults.size(), 1);
        QCOMPARE(shown.faults[0].Message, QStringLiteral("Не введен номер инспекции"));
        QCOMPARE(result, (CheckResult{CheckSection::Conditions, CheckResult::CancelledPosition}));
    }

    // In section 1, "Отмена" lets the next rule run and its answer decides; "Исправить" ends the section.
    void conditionsGoOnAfterCancel_data() {
        QTest::addColumn<QList<CheckAnswer>>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("position");
        const QString inspection = QStringLiteral("Не введен номер инспекции");
        const QString name = QStringLiteral("Не указаны ФИО подписанта-представителя");
        const QString org = QStringLiteral("Не указано наименование Юр.лица-представителя");
        using A = CheckAnswer;
        QTest::newRow("fix the first") << QList<A>{A::Fix} << QStringList{inspection} << 1;
        QTest::newRow("cancel, then fix the second")
            << QList<A>{A::Cancel, A::Fix} << QStringList{inspection, name} << 3;
        QTest::newRow("cancel, fix the second, stop")
            << QList<A>{A::Cancel, A::Fix, A::Fix} << QStringList{inspection, name} << 3;
        QTest::newRow("cancel all") << QList<A>{A::Cancel, A::Cancel, A::Cancel}
                                    << QStringList{inspection, name, org}
                                    << int(CheckResult::CancelledPosition);
        QTest::newRow("cancel, cancel, fix the last")
            << QList<A>{A::Cancel, A::Cancel, A::Fix} << QStringList{inspection, name, org} << 5;
    }

    void conditionsGoOnAfterCancel() {
        QFETCH(QList<CheckAnswer>, answers);
        QFETCH(QStringList, messages);
        QFETCH(int, position);
        auto d = ValidDeclaration::Clean();
        d->InspectionCode.clear();
        d->SignerKind = 2;
        d->RepresentativeDocument = QStringLiteral("Доверенность");
        Shown shown;
        shown.answers = answers;
        const CheckResult result = shown.Run(*d);
        QStringList shownMessages;
        for (const auto& f : shown.faults)
            shownMessages << f.Message;
        QCOMPARE(shownMessages, messages);
        QCOMPARE(result, (CheckResult{CheckSection::Conditions, quint16(position)}));
    }

    // Section 4 shows its second rule even after the first; the later answer decides.
    void income13ShowsTwoDialogs_data() {
        QTest::addColumn<QList<CheckAnswer>>("answers");
        QTest::addColumn<int>("position");
        using A = CheckAnswer;
        QTest::newRow("fix, cancel") << QList<A>{A::Fix, A::Cancel} << int(CheckResult::CancelledPosition);
        QTest::newRow("cancel, fix") << QList<A>{A::Cancel, A::Fix} << 3;
        QTest::newRow("fix, fix") << QList<A>{A::Fix, A::Fix} << 3;
    }

    void income13ShowsTwoDialogs() {
        QFETCH(QList<CheckAnswer>, answers);
        QFETCH(int, position);
        auto d = ValidDeclaration::Clean();
        AddSource(*d, Money::FromUnits(100), Money::FromUnits(200));
        AddSource(*d, Money(), Money());
        d->SocialDeduction.GrantSocial = 1; // a later section that must not run
        Shown shown;
        shown.answers = answers;
        const CheckResult result = shown.Run(*d);
        QCOMPARE(shown.faults.size(), 2);
        QCOMPARE(int(shown.faults[0].Position), 2);
        QCOMPARE(shown.faults[1].Message, QStringLiteral("По данному источнику не указаны доходы"));
        QCOMPARE(int(shown.faults[1].Position), 3);
        QCOMPARE(result, (CheckResult{CheckSection::Income13, quint16(position)}));
    }

    // The first section with a fault is the only one reported.
    void laterSectionsWaitForEarlierOnes() {
        auto d = ValidDeclaration::Clean();
        d->Person.RegionCode = 0;              // section 3
        AddCurrencyIncome(*d)->IncomeCode = 0; // section 7
        d->SocialDeduction.GrantSocial = 1;    // section 9
        d->Person.OKATO.clear();               // section 3 again
        Shown shown;
        shown.answers = {CheckAnswer::Fix};
        shown.Run(*d);
        QCOMPARE(shown.faults.size(), 1);
        QCOMPARE(shown.faults[0].Section, CheckSection::Address);
        QCOMPARE(int(shown.faults[0].Position), 2);
    }

    // Amounts loaded from a damaged file can be anything; sums must not overflow.
    void hugeAmountsDoNotOverflow() {
        constexpr Money huge = Money::FromRaw(std::numeric_limits<qint64>::max());
        auto business = ValidDeclaration::Clean();
        mTBusinessNew* b = AddBusiness(*business);
        b->OtherExpenseParts.fill(huge);
        b->ExpensesOther = huge;
        Shown shown;
        shown.Run(*business);
        QCOMPARE(shown.faults.size(), 1);

        auto property = ValidDeclaration::Clean();
        GrantProperty(*property);
        property->PropertyDeduction.CarryOverCost = huge;
        property->PropertyDeduction.PriorAgentCost = huge;
        property->PropertyDeduction.ShareDenominator = 2;
        Shown shownProperty;
        shownProperty.Run(*property);
        QCOMPARE(shownProperty.faults.size(), 1);
        QCOMPARE(int(shownProperty.faults[0].Position), 6);
    }
    // Dates never touched and a tax paid abroad without its rate are warned about, with where to fix
    // them; entered dates, and dates the return does not carry, are not.
    void warnings_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<QStringList>("expected"); // "section:position"
        const TDateTime entered = DateValue::FromYmd(2010, 3, 15);
        const auto foreign = [entered](mTDeclaration& d) {
            mTCurrencyIncome* c = AddCurrencyIncome(d);
            c->IncomeDate = c->TaxPaidDate = entered;
            c->RateAtTax = Money::FromUnits(30);
            c->RateUnitsAtTax = 1;
            c->TaxCurrency = Money::FromUnits(10);
            return c;
        };
        QTest::newRow("all entered") << Mutation([=](mTDeclaration& d) {
            GrantProperty(d);
            foreign(d);
        }) << QStringList();
        QTest::newRow("birth date") << Mutation([](mTDeclaration& d) {
            d.Person.BirthDate = StartingDate::Birth();
        }) << QStringList{"2:11"};
        QTest::newRow("document date")
            << Mutation([](mTDeclaration& d) { d.Person.DocIssueDate = StartingDate::DocumentIssue(); })
            << QStringList{"2:7"};
        QTest::newRow("no document, its date unused") << Mutation([](mTDeclaration& d) {
            d.Person.DocTypeCode = 0;
            d.Person.DocIssueDate = StartingDate::DocumentIssue();
        }) << QStringList();
        QTest::newRow("registration of a bought flat") << Mutation([](mTDeclaration& d) {
            GrantProperty(d);
            d.PropertyDeduction.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
            d.PropertyDeduction.DwellingRegDate = StartingDate::Registration();
        }) << QStringList{"10:4"};
        QTest::newRow("transfer act of a built flat, registration unused") << Mutation([](mTDeclaration& d) {
            GrantProperty(d);
            d.PropertyDeduction.ByInvestment = 1;
            d.PropertyDeduction.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
            d.PropertyDeduction.DwellingRegDate = d.PropertyDeduction.ActDate = StartingDate::Registration();
        }) << QStringList{"10:13"};
        QTest::newRow("land with the house") << Mutation([](mTDeclaration& d) {
            GrantProperty(d);
            d.PropertyDeduction.ObjectKind = 5;
            d.PropertyDeduction.LandRegDate = StartingDate::Registration();
        }) << QStringList{"10:14"};
        QTest::newRow("property not claimed") << Mutation([](mTDeclaration& d) {
            d.PropertyDeduction.DwellingRegDate = StartingDate::Registration();
        }) << QStringList();
        QTest::newRow("foreign income date, second source") << Mutation([=](mTDeclaration& d) {
            foreign(d);
            foreign(d)->IncomeDate = StartingDate::ForeignIncome();
        }) << QStringList{"7:2"};
        QTest::newRow("date and rate of a tax paid abroad") << Mutation([=](mTDeclaration& d) {
            mTCurrencyIncome* c = foreign(d);
            c->TaxPaidDate = StartingDate::ForeignIncome();
            c->RateAtTax = Money();
        }) << QStringList{"7:1", "7:1"};
        QTest::newRow("no tax paid abroad: its date and rate unused") << Mutation([=](mTDeclaration& d) {
            mTCurrencyIncome* c = foreign(d);
            c->TaxCurrency = Money();
            c->TaxPaidDate = StartingDate::ForeignIncome();
            c->RateUnitsAtTax = 0;
        }) << QStringList();
    }
    void warnings() {
        QFETCH(Mutation, mutate);
        QFETCH(QStringList, expected);
        auto d = ValidDeclaration::Clean();
        mutate(*d);
        QStringList found;
        for (const CheckFault& w : DeclarationWarnings(*d)) {
            found << QStringLiteral("%1:%2").arg(int(w.Section)).arg(w.Position);
            QVERIFY(!w.Title.isEmpty());
            QVERIFY2(w.Message.contains(QLatin1String("01.01.")) ||
                         w.Message.contains(QStringLiteral("курс")),
                     qPrintable(w.Message));
        }
        QCOMPARE(found, expected);
        // Warnings are no faults: the check still passes.
        Shown shown;
        QVERIFY(shown.Run(*d).Clean());
    }

    // A new declaration carries no identity document yet: only its birth date is the program's.
    void newDeclarationWarnsOfItsBirthDate() {
        const QList<CheckFault> warnings = DeclarationWarnings(*CreateNewDeclaration());
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(warnings[0].Message,
                 QStringLiteral(
                     "Дата рождения 01.01.1977 осталась той, что программа ставит сама. Проверьте её."));
    }

    // "Пропустить" goes on, "Исправить" leads to the warning, any other answer lets the rest go.
    void answeringWarnings() {
        const QList<CheckFault> warnings{
            {CheckSection::Person, CheckTitle::Person, QStringLiteral("a"), 11},
            {CheckSection::Currency, CheckTitle::Currency, QStringLiteral("b"), 2},
            {CheckSection::Property, CheckTitle::Property, QStringLiteral("c"), 4}};
        Shown fix;
        fix.answers = {CheckAnswer::Skip, CheckAnswer::Fix};
        QCOMPARE(AnswerWarnings(warnings, fix), (CheckResult{CheckSection::Currency, 2}));
        QCOMPARE(fix.faults.size(), 2);
        for (const CheckAnswer rest : {CheckAnswer::SkipAll, CheckAnswer::Cancel}) {
            Shown skip;
            skip.answers = {rest};
            QVERIFY(AnswerWarnings(warnings, skip).Clean());
            QCOMPARE(skip.faults.size(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestDeclarationCheck)
#include "tst_declarationcheck.moc"
