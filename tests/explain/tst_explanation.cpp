// The explanation of the worked examples step by step, and of every other fixture walked whole
// against an independent computation.

#include "computation/BudgetCodes.h"
#include "computation/ReturnBuilder.h"
#include "computation/WorkedExamples.h"
#include "explain/BudgetBalance.h"
#include "explain/ExplanationChecks.h"
#include "export/GoldenReturns.h"
#include "support/Samples.h"

#include <QSet>
#include <QtTest>
#include <functional>

using namespace WorkedExample;
using ExplanationChecks::StepOf;

namespace {

using Builder = std::function<void(mTDeclaration&)>;

void EmployeeWithFlat(mTDeclaration& d) {
    Employee(d);
    FlatBoughtIn2010(d);
}

void EmployeeWithFlatTreatmentAndEducation(mTDeclaration& d) {
    EmployeeWithFlat(d);
    d.SocialDeduction.GrantSocial = 1;
    d.SocialDeduction.Treatment = Rub("80000");
    d.SocialDeduction.OwnEducation = Rub("60000");
}

void CarSale(mTDeclaration& d) {
    d.Person.OKATO = kPerson;
    d.StandardDeduction.GrantStandard = 0;
    AddSource13(d.IncomeSources13, {}, {{1520, "400000", 906, "400000", 5}});
}

// A resident with a little of everything the 13 % sheet reads, two agents under one OKATO, an
// entrepreneur's advances and a refund larger than the tax withheld.
void ResidentWithEverything(mTDeclaration& d) {
    Samples::FillEverything(d);
    d.ReturnKind = ReturnKind3NDFL;
}

// Salary of 30 000 a month on a marked source: the 400-rouble deduction stops in February, the
// children's one in October; children by month with a single parent's months.
void StandardByMonth(mTDeclaration& d) {
    d.Person.OKATO = kPerson;
    mTThirteenPercent& source = AddSource13(d.IncomeSources13, kEmployer, {}, "46800");
    for (quint16 m = 1; m <= 12; ++m) {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = Rub("30000");
        line.Month = m;
        source.AddLine(line);
    }
    source.StandardDeductionSource = 1;
    mTStandartDeduct& s = d.StandardDeduction;
    s.PersonalCode = 103;
    s.ChildKind = 103;
    s.ChildrenConstant = 0;
    s.DisabledConstant = 1;
    s.DisabledCount = 1;
    for (int m = 1; m <= 12; ++m) {
        s.ChildrenByMonth[size_t(m - 1)] = m < 4 ? 1 : 2;
        s.SetMonthChildKind(m, m % 2);
    }
}

// Farm pay in kind, prizes at 35 % sharing one limit, an exempt material benefit, deposits, exempt
// aid from two employers beyond the limit, birth aid and aid to veterans.
void ExemptIncomeOfEveryKind(mTDeclaration& d) {
    d.Person.OKATO = kPerson;
    d.StandardDeduction.GrantStandard = 0;
    AddSource13(d.IncomeSources13, kEmployer,
                {{2000, "30000", 0, "0", 1},
                 {2791, "4000", 0, "0", 1},
                 {2000, "30000", 0, "0", 2},
                 {2791, "7000", 0, "0", 2},
                 {2000, "30000", 0, "0", 3},
                 {2791, "4000", 0, "0", 3},
                 {2760, "10000", 503, "4000", 3},
                 {2762, "50000", 508, "50000", 4}},
                "13000");
    AddSource13(
        d.IncomeSources13, QStringLiteral("45000000001"),
        {{2760, "3000", 503, "3000", 5}, {2790, "12000", 507, "10000", 5}, {2740, "5000", 505, "3500", 6}},
        "500");
    AddSource35(d, QStringLiteral("45000000002"), 2740, "10000", 505, "3000", "2450");
    AddSource35(d, QStringLiteral("45000000003"), 3020, "1500", 0, "0", "525");
    AddSource35(d, QStringLiteral("45000000004"), 2620, "20000", 0, "0", "7000");
}

// Securities with losses set against each other, the sale of property of every group and
// professional deductions, Russian and foreign.
void SalesAndSecurities(mTDeclaration& d) {
    d.Person.OKATO = kPerson;
    d.StandardDeduction.GrantStandard = 0;
    AddSource13(d.IncomeSources13, {},
                {{1530, "100000", 201, "130000"},
                 {1532, "50000", 201, "10000"},
                 {1535, "20000", 201, "35000"},
                 {1536, "10000", 201, "15000"},
                 {1531, "20000", 201, "25000"},
                 {1510, "700000", 901, "0"},
                 {1511, "900000", 904, "600000"},
                 {1511, "500000", 903, "650000"},
                 {1520, "300000", 903, "280000"},
                 {4900, "400000", 908, "400000"},
                 {2010, "50000", 403, "60000"},
                 {2201, "100000", 405, "20000"},
                 {1540, "80000", 315, "50000"}},
                "20000");
    AddForeign(d, 13, 2010, "30000", "3000", 403, "5000");
    AddForeign(d, 13, 1511, "200000", "0", 904, "250000");
    AddForeign(d, 9, 1010, "20000", "2500");
    d.SecuritiesDeduction.PriorLossSecurities = Rub("5000");
}

// Futures on shares at a loss set against a gain on shares (after an earlier loss on shares no longer
// traded), and a refund larger than all the agents withheld: the fixed advances come back too.
void FuturesLossAndFixedAdvances(mTDeclaration& d) {
    d.Person.OKATO = kPerson;
    d.StandardDeduction.GrantStandard = 0;
    AddSource13(d.IncomeSources13, kEmployer, {{2000, "100000", 0, "0", 1}}, "13000");
    AddSource13(d.IncomeSources13, {},
                {{1530, "100000", 201, "90000"}, {1536, "1000", 201, "3000"}, {1532, "5000", 201, "15000"}});
    d.FixedAdvancePayments = Rub("5000");
    d.SocialDeduction.GrantSocial = 1;
    d.SocialDeduction.Treatment = Rub("100000");
}

// A flat in shared ownership bought in 2007 with prior deductions, deductions at work and interest
// carried over, a social deduction with every limit at work and a refund shared by advances, two
// agents under one OKATO and notice payments.
void HousingSocialAndRefund(mTDeclaration& d) {
    d.Person.OKATO = kPerson;
    d.StandardDeduction.GrantStandard = 0;
    d.SetIncomeKinds(IncomeRussia | IncomeBusiness);
    AddSource13(d.IncomeSources13, kEmployer, {{2000, "300000", 0, "0", 1}}, "39000");
    AddSource13(d.IncomeSources13, kEmployer, {{2000, "100000", 0, "0", 2}}, "13000");
    AddSource13(d.IncomeSources13, {}, {{2000, "50000", 0, "0", 3}}, "6500");
    mTBusinessNew& activity = *d.BusinessIncomes.At(d.BusinessIncomes.Add());
    activity.Income = Rub("100000");
    activity.ExpensesTotal = Rub("70000");
    d.AdvancePaid = Rub("5000");
    AddNoticePayment(d, BudgetCode::Individuals13, Rub("1000"));
    AddNoticePayment(d, BudgetCode::Entrepreneurs13, Rub("2000"));
    mTSocialDeduct& s = d.SocialDeduction;
    s.GrantSocial = 1;
    s.Charity = Rub("200000");
    s.AddChildEducation(Rub("60000"));
    s.AddChildEducation(Rub("20000"));
    s.Treatment = Rub("70000");
    s.ExpensiveTreatment = Rub("15000");
    mTPens& pension = *s.PensionContract(s.AddPensionContract());
    pension.ContractKind = 3;
    pension.FundName = QStringLiteral("НПФ «Будущее»");
    pension.Contribution = Rub("30000");
    pension.AgentDeduction = Rub("40000");
    mTPens& provision = *s.PensionContract(s.AddPensionContract());
    provision.ContractKind = 1;
    provision.Contribution = Rub("30000");
    provision.AgentDeduction = Rub("10000");
    mTConstructionDeduct& flat = d.PropertyDeduction;
    flat.GrantProperty = 1;
    flat.DwellingRegDate = DateValue::FromYmd(2007, 5, 1);
    flat.ObjectCost = Rub("1500000");
    flat.ShareNumerator = 1;
    flat.ShareDenominator = 3;
    flat.PriorDeclCost = Rub("100000");
    flat.PriorAgentCost = Rub("50000");
    flat.AgentCost = Rub("20000");
    flat.CreditInterest = Rub("90000");
    flat.CarryOverInterest = Rub("10000");
    flat.AgentInterest = Rub("5000");
    flat.CarryOverCost = Rub("3000");
    flat.PriorDeclInterest = Rub("1000");
}

// Monthly business income on the standard-deduction screen with a loss carried on.
void BusinessMonths(mTDeclaration& d) {
    Entrepreneur(d);
    mTStandartDeduct& s = d.StandardDeduction;
    s.GrantStandard = 1;
    s.PersonalCode = 110;
    s.ChildKind = 101;
    s.ChildrenCount = 1;
    s.MonthlyBusiness = 1;
    for (int m = 1; m <= 12; ++m) {
        s.SetMonthBusinessIncome(m, Rub(m == 1 ? "0" : "90000"));
        s.SetMonthBusinessExpense(m, Rub(m == 1 ? "10000" : "5000"));
        s.SetMonthPersonalCode(m, m % 3);
        s.BusinessMonthMarks[size_t(m - 1)] = 1;
    }
}

void GoldenResident(mTDeclaration& d) {
    kTSvodSum unused;
    GoldenReturns::Resident(d, unused);
}

void GoldenNonResident(mTDeclaration& d) {
    kTSvodSum unused;
    GoldenReturns::NonResident(d, unused);
}

void Estimated(mTDeclaration& d) {
    EmployeeWithFlat(d);
    d.ReturnKind = ReturnKind4NDFL;
}

struct Fixture {
    const char* name;
    Builder build;
};

const Fixture kFixtures[] = {
    {"employee with a flat", EmployeeWithFlat},
    {"the same with treatment and education", EmployeeWithFlatTreatmentAndEducation},
    {"car sale", CarSale},
    {"non-resident", NonResident},
    {"entrepreneur", Entrepreneur},
    {"resident with everything", ResidentWithEverything},
    {"non-resident with everything", Samples::FillEverything},
    {"standard deductions by month", StandardByMonth},
    {"exempt income of every kind", ExemptIncomeOfEveryKind},
    {"sales and securities", SalesAndSecurities},
    {"housing, social deductions and a shared refund", HousingSocialAndRefund},
    {"futures loss and fixed advances", FuturesLossAndFixedAdvances},
    {"business income by month", BusinessMonths},
    {"golden resident", GoldenResident},
    {"golden non-resident", GoldenNonResident},
    {"ten sources", [](mTDeclaration& d) { Samples::FillWithSources(d, 10); }},
    {"estimated income", Estimated},
    {"nothing entered", [](mTDeclaration& d) { d.Person.OKATO = kPerson; }},
};

Builder FixtureNamed(const QString& name) {
    for (const Fixture& fixture : kFixtures)
        if (QLatin1String(fixture.name) == name) return fixture.build;
    qFatal("no fixture %s", qPrintable(name));
}

} // namespace

class TestExplanation : public QObject {
    Q_OBJECT

private slots:
    void everyStepAddsUp_data();
    void everyStepAddsUp();
    void fixturesReachEveryKindOfStep();
    void workedExamples_data();
    void workedExamples();
    void thresholdsAndAllocationAreNamed();
    void failedComputationIsReported();
    void textAlignsAmounts();
    void budgetBalance_data();
    void budgetBalance();
};

void TestExplanation::everyStepAddsUp_data() {
    QTest::addColumn<QString>("fixture");
    for (const Fixture& fixture : kFixtures)
        QTest::newRow(fixture.name) << QString::fromLatin1(fixture.name);
}

void TestExplanation::everyStepAddsUp() {
    QFETCH(QString, fixture);
    mTDeclaration declaration;
    FixtureNamed(fixture)(declaration);
    const Explanation explanation = ExplanationChecks::Check(declaration);
    if (QTest::currentTestFailed()) return;
    QVERIFY(explanation.Computed);
    QVERIFY(explanation.Error.isEmpty());
    QVERIFY(explanation.StepCount() > 0);
}

void TestExplanation::fixturesReachEveryKindOfStep() {
    // The walk above proves only the steps the fixtures make: together they make every kind.
    QSet<int> ops;
    QSet<QString> titles;
    for (const Fixture& fixture : kFixtures) {
        mTDeclaration declaration;
        fixture.build(declaration);
        const Explanation e = ExplainDeclaration(declaration);
        for (Explanation::StepId id = 0; id < e.StepCount(); ++id) {
            ops.insert(int(e.Step(id).Op));
            titles.insert(e.Step(id).Title.section(QLatin1Char(':'), 0, 0));
        }
    }
    for (ExplainOp op :
         {ExplainOp::Group, ExplainOp::Sum, ExplainOp::Smaller, ExplainOp::Percent, ExplainOp::Times,
          ExplainOp::Fraction, ExplainOp::WithinPercent, ExplainOp::AllOrNothing})
        QVERIFY2(ops.contains(int(op)), qPrintable(QString::number(int(op))));
    const QStringList expected = {
        QStringLiteral("Возврат авансовых платежей"),
        QStringLiteral("Налог, удержанный агентом"),
        QStringLiteral("Уплачено по уведомлениям с КБК 18210102021011000110"),
        QStringLiteral("Уплачено по уведомлениям с КБК 18210102022011000110"),
        QStringLiteral("Остаток возврата"),
        QStringLiteral("Налог с доходов от предпринимательской деятельности"),
        QStringLiteral("Остаток к уплате"),
        QStringLiteral("Убыток по бумагам с кодом 1536, зачтённый в доход по бумагам с кодом 1530"),
        QStringLiteral("Убыток по бумагам с кодом 1530, зачтённый в доход по срочным сделкам с кодом 1532"),
        QStringLiteral("Убыток по срочным сделкам с кодом 1532, зачтённый в доход по бумагам с кодом 1530"),
        QStringLiteral(
            "Убыток по срочным сделкам с кодом 1535, зачтённый в доход по срочным сделкам с кодом 1532"),
        QStringLiteral("Оплата труда сельскохозяйственной продукцией"),
        QStringLiteral("Объекты, проданные целиком"),
        QStringLiteral("Проданные доли"),
        QStringLiteral("Расходы на приобретение по документам"),
        QStringLiteral("Выкупная стоимость изъятого имущества"),
        QStringLiteral("Договоры гражданско-правового характера"),
        QStringLiteral("Профессиональные налоговые вычеты по доходам из-за рубежа"),
        QStringLiteral("Благотворительность"),
        QStringLiteral("Обучение ребёнка 2"),
        QStringLiteral("Предел с учётом вычетов у работодателя"),
        QStringLiteral("Предел по доле"),
        QStringLiteral("Вычет процентов в этой декларации"),
        QStringLiteral("Налог, удержанный с не облагаемой материальной выгоды"),
        QStringLiteral("Зачёт налога, уплаченного за рубежом"),
        QStringLiteral("Фиксированные авансовые платежи"),
        QStringLiteral("Налог по ставке 9 %"),
        QStringLiteral("Налог по ставке 15 %"),
        QStringLiteral("Ни к уплате, ни к возврату"),
    };
    QStringList missing;
    for (const QString& title : expected)
        if (!titles.contains(title)) missing << title;
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
}

void TestExplanation::workedExamples_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("result");
    QTest::addColumn<Money>("amount");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("rule");

    const QString flat = QStringLiteral("employee with a flat");
    QTest::newRow("flat: income") << flat << QStringLiteral("Общая сумма дохода") << "List1.IncomeTotal"
                                  << Rub("600000") << ""
                                  << "ст. 210 п. 1";
    QTest::newRow("flat: cost within the ceiling")
        << flat << QStringLiteral("Расходы на приобретение, принимаемые к вычету") << "PrilZ.CostActual"
        << Rub("2000000") << "меньшее из: стоимость 3 000 000,00 и предел 2 000 000,00 = 2 000 000,00"
        << "не более 2 000 000 руб.";
    QTest::newRow("flat: base before the deduction")
        << flat << QStringLiteral("Налоговая база до имущественного вычета") << "PrilZ.TaxBaseBeforeProperty"
        << Rub("600000") << "доходы от источников в РФ 600 000,00"
        << "в пределах дохода";
    QTest::newRow("flat: deducted this year")
        << flat << QStringLiteral("Вычет расходов в этой декларации") << "PrilZ.DeclCostDeduction"
        << Rub("600000")
        << "меньшее из: остаток расходов 2 000 000,00 и налоговая база 600 000,00 = 600 000,00"
        << "";
    QTest::newRow("flat: carried to 2011")
        << flat << QStringLiteral("Переходит на следующие годы: расходы") << "PrilZ.CarryOutCost"
        << Rub("1400000") << "расходы 2 000 000,00 − вычтено в этой декларации 600 000,00 = 1 400 000,00"
        << "";
    QTest::newRow("flat: base") << flat << QStringLiteral("Налоговая база") << "List1.TaxBase" << Money()
                                << "доход 600 000,00 − вычеты 600 000,00 = 0,00"
                                << "ст. 210 п. 3";
    QTest::newRow("flat: tax") << flat << QStringLiteral("Сумма налога") << "List1.TaxComputed" << Money()
                               << "13 % × налоговая база 0,00 = 0,00 (в полных рублях)"
                               << "п. 6: в полных рублях";
    QTest::newRow("flat: refund") << flat << QStringLiteral("К возврату из бюджета") << "List1.Refundable"
                                  << Rub("78000") << "уплачено 78 000,00 − налог 0,00 = 78 000,00"
                                  << "ст. 78";
    QTest::newRow("flat: refund line")
        << flat << QStringLiteral("К возврату: КБК 18210102010011000110, ОКАТО 45293594000")
        << "List6.Rows[0].Amount" << Rub("78000") << "налог, удержанный агентом: Агент 1 78 000,00"
        << "";

    const QString social = QStringLiteral("the same with treatment and education");
    QTest::newRow("social: limited group")
        << social << QStringLiteral("Вычеты с общим ограничением 120 000 руб.") << "PrilE2.LimitedSubtotal"
        << Rub("120000") << "меньшее из: расходы 140 000,00 и предел 120 000,00 = 120 000,00"
        << "не более 120 000 руб.";
    QTest::newRow("social: deductions")
        << social << QStringLiteral("Налоговые вычеты и расходы") << "List1.ExpensesDeductions"
        << Rub("600000")
        << "социальные налоговые вычеты 120 000,00 + имущественный вычет на приобретение жилья 480 000,00"
        << "";
    QTest::newRow("social: flat deducted") << social << QStringLiteral("Вычет расходов в этой декларации")
                                           << "PrilZ.DeclCostDeduction" << Rub("480000") << ""
                                           << "";
    QTest::newRow("social: flat carried") << social << QStringLiteral("Переходит на следующие годы: расходы")
                                          << "PrilZ.CarryOutCost" << Rub("1520000") << ""
                                          << "";

    const QString car = QStringLiteral("car sale");
    QTest::newRow("car: fixed deduction")
        << car << QStringLiteral("Фиксированный вычет") << "PrilH1.OtherSaleDeduction" << Rub("250000")
        << "меньшее из: Агент 1, май: вычет 400 000,00 и предел 250 000,00 = 250 000,00"
        << "не более 250 000 руб.";
    QTest::newRow("car: base") << car << QStringLiteral("Налоговая база") << "List1.TaxBase" << Rub("150000")
                               << "доход 400 000,00 − вычеты 250 000,00 = 150 000,00"
                               << "";
    QTest::newRow("car: to pay") << car << QStringLiteral("К уплате в бюджет") << "List1.Payable"
                                 << Rub("19500") << "налог 19 500,00"
                                 << "15 июля 2011";
    QTest::newRow("car: payment line")
        << car << QStringLiteral("К уплате: КБК 18210102030011000110, ОКАТО 45286555000")
        << "List6.Rows[0].Amount" << Rub("19500") << "к уплате по ставке 13 % 19 500,00"
        << "";

    const QString nonResident = QStringLiteral("non-resident");
    QTest::newRow("non-resident: income at 30 %")
        << nonResident << QStringLiteral("Доходы от источников в РФ") << "PrilA30.IncomeTotal"
        << Rub("240000") << ""
        << "";
    QTest::newRow("non-resident: tax at 30 %")
        << nonResident << QStringLiteral("Сумма налога") << "List2.TaxComputed" << Rub("72000")
        << "30 % × налоговая база 240 000,00 = 72 000,00 (в полных рублях)"
        << "";
    QTest::newRow("non-resident: to pay at 30 %")
        << nonResident << QStringLiteral("К уплате в бюджет") << "List2.Payable" << Rub("40800")
        << "налог 72 000,00 − уплачено 31 200,00 = 40 800,00"
        << "";
    QTest::newRow("non-resident: dividends at 15 %")
        << nonResident << QStringLiteral("Сумма налога") << "List5.TaxComputed" << Rub("1500")
        << "15 % × налоговая база 10 000,00 = 1 500,00"
        << "";
    QTest::newRow("non-resident: nothing due at 15 %")
        << nonResident << QStringLiteral("К уплате в бюджет") << "List5.Payable" << Money()
        << "налог 1 500,00 − уплачено 1 500,00 = 0,00"
        << "";

    const QString entrepreneur = QStringLiteral("entrepreneur");
    QTest::newRow("entrepreneur: normative expenses")
        << entrepreneur
        << QStringLiteral("Профессиональный вычет по предпринимательской деятельности и частной практике")
        << "PrilV1.ProfessionalDeduction" << Rub("200000")
        << "меньшее из: расходы 200 000,00 и доход 1 000 000,00 = 200 000,00"
        << "20 % дохода";
    QTest::newRow("entrepreneur: tax")
        << entrepreneur << QStringLiteral("Сумма налога") << "List1.TaxComputed" << Rub("104000")
        << "13 % × налоговая база 800 000,00 = 104 000,00"
        << "";
    QTest::newRow("entrepreneur: to pay")
        << entrepreneur << QStringLiteral("К уплате в бюджет") << "List1.Payable" << Rub("14000")
        << "налог 104 000,00 − уплачено 90 000,00 = 14 000,00"
        << "";
    QTest::newRow("entrepreneur: business line")
        << entrepreneur << QStringLiteral("К уплате: КБК 18210102020011000110, ОКАТО 45286555000")
        << "List6.Rows[0].Amount" << Rub("14000")
        << "налог с доходов от предпринимательской деятельности 14 000,00"
        << "";
}

void TestExplanation::workedExamples() {
    QFETCH(QString, fixture);
    QFETCH(QString, title);
    QFETCH(QString, result);
    QFETCH(Money, amount);
    QFETCH(QString, formula);
    QFETCH(QString, rule);
    mTDeclaration declaration;
    FixtureNamed(fixture)(declaration);
    const Explanation explanation = ExplainDeclaration(declaration);
    const Explanation::StepId step = StepOf(explanation, result);
    QVERIFY2(step >= 0, qPrintable(result));
    QCOMPARE(explanation.Step(step).Title, title);
    QCOMPARE(explanation.Step(step).Amount, amount);
    QVERIFY2(explanation.Formula(step).contains(formula), qPrintable(explanation.Formula(step)));
    QVERIFY2(explanation.Step(step).Rule.contains(rule), qPrintable(explanation.Step(step).Rule));
}

void TestExplanation::thresholdsAndAllocationAreNamed() {
    // The month a limit was passed is told where the taxpayer looks for it.
    mTDeclaration byMonth;
    StandardByMonth(byMonth);
    const Explanation standard = ExplainDeclaration(byMonth);
    const ExplainStep& personal = standard.Step(StepOf(standard, QStringLiteral("PrilE1.Deduction400")));
    QCOMPARE(personal.Amount, Rub("400"));
    QVERIFY2(
        personal.Note.contains(QStringLiteral("В феврале доход с начала года (60 000,00) превысил 40 000")),
        qPrintable(personal.Note));
    const ExplainStep& october =
        standard.Step(StepOf(standard, QStringLiteral("PrilE1.CumulativeIncome[9]")));
    QCOMPARE(october.Title, QStringLiteral("Октябрь"));
    QVERIFY(october.Note.contains(QStringLiteral("превысил 280 000")));

    // The 13 % refund goes to the advances first, then to the agents in order, one line per OKATO,
    // then to the notice payments; each part is named with the record it comes from.
    mTDeclaration refund;
    HousingSocialAndRefund(refund);
    const Explanation e = ExplainDeclaration(refund);
    const Explanation::StepId agents = StepOf(e, QStringLiteral("List6.Rows[1].Amount"));
    QVERIFY(agents >= 0);
    QVERIFY2(e.Step(agents).Title.contains(kEmployer), qPrintable(e.Step(agents).Title));
    // Both sources of that OKATO are parts of its line, each with the tax it withheld.
    QCOMPARE(e.ChildCount(agents), 2);
    for (qint32 row = 0; row < e.ChildCount(agents); ++row) {
        const Explanation::StepId part = e.Child(agents, row);
        QVERIFY(e.Step(part).Title.startsWith(QStringLiteral("Налог, удержанный агентом: ")));
        const ExplainTerm& withheld = e.Terms(part)[0];
        QCOMPARE(withheld.Record.Section, RecordSection::IncomeSources13);
        QCOMPARE(withheld.Record.Record, row + 1);
        QCOMPARE(QLatin1String(withheld.Record.Field), QLatin1String("TaxWithheld"));
    }

    // A line under the taxpayer's own OKATO names where that code was entered; an agent's does not.
    QCOMPARE(e.Named(agents).Section, RecordSection::None);
    mTDeclaration car;
    CarSale(car);
    const Explanation sale = ExplainDeclaration(car);
    const Explanation::StepId own = StepOf(sale, QStringLiteral("List6.Rows[0].Amount"));
    QVERIFY(own >= 0);
    QCOMPARE(sale.Named(own).Section, RecordSection::Person);
    QVERIFY(ExplanationText(sale).contains(
        QStringLiteral("· код ОКАТО по месту жительства (Сведения о декларанте)")));
}

void TestExplanation::failedComputationIsReported() {
    // A damaged file with a share of 1/0: the computation stops; the explanation says so and keeps
    // what was computed before.
    mTDeclaration declaration;
    EmployeeWithFlat(declaration);
    declaration.PropertyDeduction.ShareDenominator = 0;
    const Explanation explanation = ExplanationChecks::Check(declaration);
    if (QTest::currentTestFailed()) return;
    QVERIFY(!explanation.Computed);
    QCOMPARE(explanation.Error, kTSvodSum::FailureMessage);
}

void TestExplanation::textAlignsAmounts() {
    mTDeclaration declaration;
    EmployeeWithFlat(declaration);
    const QStringList lines = ExplanationText(ExplainDeclaration(declaration)).split(QLatin1Char('\n'));
    // A step's line: its title, dots, its amount.
    static const QRegularExpression amountLine(QStringLiteral("\\.{2,} +\\S[\\d ]*,\\d{2,4}$"));
    qsizetype end = -1;
    int withAmounts = 0;
    for (const QString& line : lines) {
        if (!amountLine.match(line).hasMatch()) continue;
        ++withAmounts;
        if (end < 0) end = line.size();
        QCOMPARE(line.size(), end);
    }
    QVERIFY(withAmounts > 10);
    QVERIFY(lines.contains(QStringLiteral("Налог по ставке 13 %")));
    QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.trimmed().startsWith(QStringLiteral("К возврату из бюджета")) &&
               line.endsWith(QLatin1String(" 78 000,00"));
    }));
}

void TestExplanation::budgetBalance_data() {
    QTest::addColumn<Builder>("build");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QStringList>("breakdown");
    QTest::newRow("refund") << FixtureNamed("employee with a flat")
                            << QStringLiteral("К возврату из бюджета: 78 000,00 руб.")
                            << QStringList{QStringLiteral("13 %: к возврату 78 000,00 руб.")};
    // 240 000 at 30 % is 72 000, of which 31 200 was withheld; the dividends' tax was withheld whole.
    QTest::newRow("payment at 30 %") << FixtureNamed("non-resident")
                                     << QStringLiteral("К уплате в бюджет: 40 800,00 руб.")
                                     << QStringList{QStringLiteral("30 %: к уплате 40 800,00 руб.")};
    // A material benefit of 10 000 at 35 %, none of it withheld, beside the refund at 13 %.
    QTest::newRow("payment and refund") << Builder([](mTDeclaration& d) {
        EmployeeWithFlat(d);
        AddSource35(d, kEmployer, 2610, "10000");
    }) << QStringLiteral("К уплате в бюджет: 3 500,00 руб.\nК возврату из бюджета: 78 000,00 руб.")
                                        << QStringList{QStringLiteral("13 %: к возврату 78 000,00 руб."),
                                                       QStringLiteral("35 %: к уплате 3 500,00 руб.")};
    QTest::newRow("nothing due") << FixtureNamed("nothing entered")
                                 << QStringLiteral("К уплате в бюджет: 0,00 руб.") << QStringList();
    QTest::newRow("4-NDFL") << FixtureNamed("estimated income")
                            << QStringLiteral("Налог по декларации 4-НДФЛ не рассчитывается")
                            << QStringList();
}

// The result in sight: what the return gives, by rate, and the line of the explanation that shows it.
void TestExplanation::budgetBalance() {
    QFETCH(Builder, build);
    QFETCH(QString, headline);
    QFETCH(QStringList, breakdown);
    mTDeclaration declaration;
    build(declaration);
    const BudgetBalance balance = BalanceOf(declaration);
    QCOMPARE(balance.Headline(), headline);
    QCOMPARE(balance.Breakdown(), breakdown);
    const Explanation explanation = ExplainDeclaration(declaration);
    for (const bool refund : {false, true}) {
        const Money total = refund ? balance.Refundable : balance.Payable;
        const ResultRef line = balance.LineOf(refund);
        QCOMPARE(line.IsSet(), !total.IsZero());
        if (!line.IsSet()) continue;
        // The line leads to the step of the first rate's amount.
        const Explanation::StepId step = explanation.Find(line);
        QVERIFY(step >= 0);
        QCOMPARE(explanation.Step(step).Title,
                 refund ? QStringLiteral("К возврату из бюджета") : QStringLiteral("К уплате в бюджет"));
        const auto first = std::find_if(balance.Rates.begin(), balance.Rates.end(), [&](const auto& rate) {
            return !(refund ? rate.Refundable : rate.Payable).IsZero();
        });
        QCOMPARE(explanation.Step(step).Amount, refund ? first->Refundable : first->Payable);
    }
}

QTEST_GUILESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
