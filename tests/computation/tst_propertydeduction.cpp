#include "computation/ReturnBuilder.h"

#include <QtTest>

#include <stdexcept>

namespace {

// A flat bought and registered in the given year, the whole of it, with the deduction claimed.
void ClaimFlat(mTDeclaration& declaration, const QString& cost, int registrationYear = 2010) {
    mTConstructionDeduct& flat = declaration.PropertyDeduction;
    flat.GrantProperty = 1;
    flat.ObjectKind = 2;
    flat.OwnershipKind = 1;
    flat.TaxpayerSign = 1;
    flat.DwellingRegDate = DateValue::FromYmd(registrationYear, 6, 15);
    flat.ActDate = DateValue::FromYmd(registrationYear, 3, 1);
    flat.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
    flat.ObjectCost = Rub(cost);
    flat.ShareNumerator = 1;
    flat.ShareDenominator = 1;
}

struct Housing {
    const char* cost;
    const char* interest;
    const char* carryInInterest;
    const char* priorDecl;
    const char* priorAgent;
    const char* agentCost;
    const char* agentInterest;
    const char* income;
    const char* social;
};

} // namespace

Q_DECLARE_METATYPE(Housing)

class TestPropertyDeduction : public QObject {
    Q_OBJECT

private slots:
    void admittedCost_data();
    void admittedCost();
    void deductedAndCarried_data();
    void deductedAndCarried();
    void baseBeforePropertyTakesEveryOtherDeduction();
    void pensionerWithoutTaxableIncomeCarriesEverything();
    void computedOnlyWhenClaimedByResident();
    void zeroShareDenominatorFails();
};

void TestPropertyDeduction::admittedCost_data() {
    QTest::addColumn<QString>("cost");
    QTest::addColumn<int>("registrationYear");
    QTest::addColumn<bool>("byInvestment");
    QTest::addColumn<int>("actYear");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<Money>("costActual");

    QTest::newRow("registered 2009, above the limit")
        << "2500000" << 2009 << false << 2009 << 1 << 1 << Rub("2000000");
    QTest::newRow("registered 2007, older limit")
        << "2500000" << 2007 << false << 2007 << 1 << 1 << Rub("1000000");
    QTest::newRow("registered 2008, newer limit")
        << "2500000" << 2008 << false << 2008 << 1 << 1 << Rub("2000000");
    QTest::newRow("equal to the limit") << "2000000" << 2010 << false << 2010 << 1 << 1 << Rub("2000000");
    QTest::newRow("below the limit") << "1750000.25" << 2010 << false << 2010 << 1 << 1 << Rub("1750000.25");
    QTest::newRow("half share") << "3000000" << 2010 << false << 2010 << 1 << 2 << Rub("1000000");
    QTest::newRow("half share, cost below its limit")
        << "900000" << 2010 << false << 2010 << 1 << 2 << Rub("900000");
    QTest::newRow("third share, limit rounded to kopecks")
        << "1000000" << 2010 << false << 2010 << 1 << 3 << Rub("666666.67");
    QTest::newRow("two thirds before 2008")
        << "1000000" << 2006 << false << 2006 << 2 << 3 << Rub("666666.67");
    QTest::newRow("investment counts from the act")
        << "2500000" << 2007 << true << 2008 << 1 << 1 << Rub("2000000");
    QTest::newRow("investment with an act of 2007")
        << "2500000" << 2009 << true << 2007 << 1 << 1 << Rub("1000000");
    QTest::newRow("cost rounded to kopecks, half up")
        << "123456.4550" << 2010 << false << 2010 << 1 << 1 << Rub("123456.46");
}

void TestPropertyDeduction::admittedCost() {
    QFETCH(QString, cost);
    QFETCH(int, registrationYear);
    QFETCH(bool, byInvestment);
    QFETCH(int, actYear);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    mTDeclaration declaration;
    ClaimFlat(declaration, cost, registrationYear);
    mTConstructionDeduct& flat = declaration.PropertyDeduction;
    flat.ByInvestment = byInvestment ? 1 : 0;
    flat.ActDate = DateValue::FromYmd(actYear, 12, 31);
    flat.ShareNumerator = numerator;
    flat.ShareDenominator = denominator;
    kTSvodSum sum;
    sum.PrilZ.Compute(declaration, sum);
    QTEST(sum.PrilZ.CostActual, "costActual");
}

void TestPropertyDeduction::deductedAndCarried_data() {
    QTest::addColumn<Housing>("housing");
    QTest::addColumn<Money>("baseBefore");
    QTest::addColumn<Money>("declCost");
    QTest::addColumn<Money>("declInterest");
    QTest::addColumn<Money>("carryOutCost");
    QTest::addColumn<Money>("carryOutInterest");

    // cost, interest, carried-in interest, earlier by return, earlier by agent, agent's cost and
    // interest this year, 13 % income, social deduction
    QTest::newRow("cost above the base, interest waits")
        << Housing{"1500000", "50000", "0", "0", "0", "0", "0", "400000", "0"} << Rub("400000")
        << Rub("400000") << Rub("0") << Rub("1100000") << Rub("50000");
    QTest::newRow("deduction larger than the year's income")
        << Housing{"3000000", "0", "0", "0", "0", "0", "0", "600000", "0"} << Rub("600000") << Rub("600000")
        << Rub("0") << Rub("1400000") << Rub("0");
    QTest::newRow("social deduction taken first")
        << Housing{"2000000", "0", "0", "0", "0", "0", "0", "600000", "120000"} << Rub("480000")
        << Rub("480000") << Rub("0") << Rub("1520000") << Rub("0");
    QTest::newRow("cost then part of the interest")
        << Housing{"300000", "100000", "0", "0", "0", "0", "0", "350000", "0"} << Rub("350000")
        << Rub("300000") << Rub("50000") << Rub("0") << Rub("50000");
    QTest::newRow("base covers both")
        << Housing{"1000000", "100000", "0", "0", "0", "0", "0", "2000000", "0"} << Rub("2000000")
        << Rub("1000000") << Rub("100000") << Rub("0") << Rub("0");
    QTest::newRow("base exactly the open cost")
        << Housing{"1000000", "20000", "0", "0", "0", "0", "0", "1000000", "0"} << Rub("1000000")
        << Rub("1000000") << Rub("0") << Rub("0") << Rub("20000");
    // Earlier years took 500 000 by return and 100 000 through the employer; 30 000 of interest was left.
    QTest::newRow("carried from earlier years")
        << Housing{"2000000", "20000", "30000", "500000", "100000", "0", "0", "1000000", "0"}
        << Rub("1000000") << Rub("1000000") << Rub("0") << Rub("400000") << Rub("50000");
    QTest::newRow("earlier years used it up")
        << Housing{"1000000", "0", "0", "700000", "500000", "0", "0", "800000", "0"} << Rub("800000")
        << Rub("0") << Rub("0") << Rub("0") << Rub("0");
    QTest::newRow("employer deducted part this year")
        << Housing{"2000000", "60000", "0", "0", "0", "200000", "10000", "600000", "0"} << Rub("390000")
        << Rub("390000") << Rub("0") << Rub("1410000") << Rub("50000");
    QTest::newRow("other deductions exceed the income")
        << Housing{"1200000", "40000", "0", "0", "0", "0", "0", "100000", "120000"} << Rub("0") << Rub("0")
        << Rub("0") << Rub("1200000") << Rub("40000");
}

void TestPropertyDeduction::deductedAndCarried() {
    QFETCH(Housing, housing);
    mTDeclaration declaration;
    ClaimFlat(declaration, housing.cost);
    mTConstructionDeduct& flat = declaration.PropertyDeduction;
    flat.CreditInterest = Rub(housing.interest);
    flat.CarryOverInterest = Rub(housing.carryInInterest);
    flat.CarryOverCost = Rub("123");
    flat.PriorDeclCost = Rub(housing.priorDecl);
    flat.PriorAgentCost = Rub(housing.priorAgent);
    flat.PriorDeclInterest = Rub("7000");
    flat.PriorAgentInterest = Rub("3000");
    flat.AgentCost = Rub(housing.agentCost);
    flat.AgentInterest = Rub(housing.agentInterest);
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = Rub(housing.income);
    sum.PrilE2.SocialTotal = Rub(housing.social);
    sum.PrilZ.Compute(declaration, sum);
    const kTSvodSumPrilZ& z = sum.PrilZ;
    QTEST(z.TaxBaseBeforeProperty, "baseBefore");
    QTEST(z.DeclCostDeduction, "declCost");
    QTEST(z.DeclInterestDeduction, "declInterest");
    QTEST(z.CarryOutCost, "carryOutCost");
    QTEST(z.CarryOutInterest, "carryOutInterest");
    // Reported as entered; the carried-in cost does not enter the cost still open.
    QCOMPARE(z.CarryInCost, Rub("123"));
    QCOMPARE(z.PriorCostTotal, Rub(housing.priorDecl) + Rub(housing.priorAgent));
    QCOMPARE(z.PriorInterestTotal, Rub("10000"));
    QCOMPARE(z.AgentCostDeduction, flat.AgentCost);
    QCOMPARE(z.AgentInterestDeduction, flat.AgentInterest);
}

void TestPropertyDeduction::baseBeforePropertyTakesEveryOtherDeduction() {
    mTDeclaration declaration;
    ClaimFlat(declaration, "5000000");
    declaration.PropertyDeduction.AgentCost = Rub("100000");
    declaration.PropertyDeduction.AgentInterest = Rub("10000");
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = Rub("1000000");
    sum.PrilB13.IncomeRoublesTotal = Rub("100000");
    sum.PrilV1.IncomeTotal = Rub("50000");
    sum.PrilV2.IncomeTotal = Rub("25000");
    // Each deduction a different power of two, so a missing or doubled one shows in the sum.
    sum.PrilV1.ProfessionalDeduction = Rub("100");
    sum.PrilV2.ProfessionalDeduction = Rub("200");
    sum.PrilH1.DeductionTotal = Rub("400");
    sum.PrilM.ExemptTotal = Rub("800");
    sum.PrilG.ExpensesTotal = Rub("1600");
    sum.PrilG_In.ExpensesTotal = Rub("3200");
    sum.PrilE2.SocialTotal = Rub("6400");
    sum.PrilE1.StandardTotal = Rub("12800");
    sum.PrilJ.ExpensesApplied = Rub("25600");
    sum.PrilZ.Compute(declaration, sum);
    // 1 175 000 − 51 100 − 110 000
    QCOMPARE(sum.PrilZ.TaxBaseBeforeProperty, Rub("1013900"));
    QCOMPARE(sum.PrilZ.DeclCostDeduction, Rub("1013900"));
}

void TestPropertyDeduction::pensionerWithoutTaxableIncomeCarriesEverything() {
    // A pensioner's pension is not taxed: with no other income nothing is deducted this year.
    mTDeclaration declaration;
    declaration.IsPensioner = 1;
    ClaimFlat(declaration, "1800000", 2010);
    declaration.PropertyDeduction.CreditInterest = Rub("35000");
    kTSvodSum sum;
    sum.PrilZ.Compute(declaration, sum);
    QVERIFY(sum.PrilZ.TaxBaseBeforeProperty.IsZero());
    QVERIFY(sum.PrilZ.DeclCostDeduction.IsZero());
    QVERIFY(sum.PrilZ.DeclInterestDeduction.IsZero());
    QCOMPARE(sum.PrilZ.CarryOutCost, Rub("1800000"));
    QCOMPARE(sum.PrilZ.CarryOutInterest, Rub("35000"));

    // Being a pensioner changes nothing when there is income to deduct from.
    sum.PrilA13.IncomeTotal = Rub("240000");
    sum.PrilZ.Compute(declaration, sum);
    QCOMPARE(sum.PrilZ.DeclCostDeduction, Rub("240000"));
    QCOMPARE(sum.PrilZ.CarryOutCost, Rub("1560000"));
}

void TestPropertyDeduction::computedOnlyWhenClaimedByResident() {
    mTDeclaration declaration;
    ClaimFlat(declaration, "1000000");
    declaration.PropertyDeduction.GrantProperty = 0;
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = Rub("500000");
    sum.PrilZ.Compute(declaration, sum);
    QVERIFY(sum.PrilZ.CostActual.IsZero());
    QVERIFY(sum.PrilZ.DeclCostDeduction.IsZero());

    declaration.PropertyDeduction.GrantProperty = 1;
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    sum.PrilZ.Compute(declaration, sum);
    QVERIFY(sum.PrilZ.CostActual.IsZero());
    QVERIFY(sum.PrilZ.TaxBaseBeforeProperty.IsZero());
}

void TestPropertyDeduction::zeroShareDenominatorFails() {
    // Only a damaged file holds a zero denominator: the computation stops with an error, and the
    // tax bases after it stay zero.
    mTDeclaration declaration;
    declaration.Person.OKATO = QStringLiteral("45286555000");
    ClaimFlat(declaration, "1000000");
    declaration.PropertyDeduction.ShareDenominator = 0;
    AddNoticePayment(declaration, QLatin1String("18210102021011000110"), Rub("1000"));
    kTSvodSum sum;
    QVERIFY_THROWS_EXCEPTION(std::domain_error, sum.Compute(declaration));
    QVERIFY(sum.PrilZ.CostActual.IsZero());
    QVERIFY(sum.List1.PaidOnNotices.IsZero());
    QVERIFY(sum.List6.Rows.empty());
}

QTEST_GUILESS_MAIN(TestPropertyDeduction)
#include "tst_propertydeduction.moc"
