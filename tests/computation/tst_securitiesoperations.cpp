#include "computation/ReturnBuilder.h"

#include <QtTest>

class TestSecuritiesOperations : public QObject {
    Q_OBJECT

private slots:
    void offsetting_data();
    void offsetting();
    void categoriesByCode();
    void priorLossesChangeNothing();
    void lossesDoNotLowerOtherIncome();
    void nonResidentThirtyPercentBase();
};

void TestSecuritiesOperations::offsetting_data() {
    QTest::addColumn<QList<Claim>>("deals");
    QTest::addColumn<Money>("secOrgBase");
    QTest::addColumn<Money>("futOrgSecBase");
    QTest::addColumn<Money>("carriedSecLoss");
    QTest::addColumn<Money>("carriedFutLoss");
    QTest::addColumn<Money>("taxable");
    QTest::addColumn<Money>("expensesApplied");

    QTest::newRow("shares with a gain") << QList<Claim>{{1530, "100000", 201, "80000"}} << Rub("20000")
                                        << Rub("0") << Rub("0") << Rub("0") << Rub("20000") << Rub("80000");
    // 30 000 lost on shares is set against the 50 000 gained on futures on shares.
    QTest::newRow("share loss against futures on shares")
        << QList<Claim>{{1530, "70000", 201, "100000"}, {1532, "150000", 206, "100000"}} << Rub("0")
        << Rub("20000") << Rub("0") << Rub("0") << Rub("20000") << Rub("200000");
    // 10 000 lost on futures, 4 000 of it against the gain on shares, 6 000 carried.
    QTest::newRow("futures loss against shares")
        << QList<Claim>{{1530, "54000", 201, "50000"}, {1532, "20000", 206, "30000"}} << Rub("0") << Rub("0")
        << Rub("0") << Rub("6000") << Rub("0") << Rub("74000");
    QTest::newRow("share loss above the futures gain")
        << QList<Claim>{{1530, "10000", 201, "60000"}, {1532, "30000", 206, "10000"}} << Rub("0") << Rub("0")
        << Rub("30000") << Rub("0") << Rub("0") << Rub("40000");
    // Other futures lose 8 000; the futures on shares gained 5 000.
    QTest::newRow("other futures loss against futures on shares")
        << QList<Claim>{{1535, "2000", 207, "10000"}, {1532, "15000", 206, "10000"}} << Rub("0") << Rub("0")
        << Rub("0") << Rub("3000") << Rub("0") << Rub("17000");
    QTest::newRow("unorganised loss offsets nothing")
        << QList<Claim>{{1531, "50000", 202, "80000"}, {1530, "100000", 201, "60000"}} << Rub("40000")
        << Rub("0") << Rub("0") << Rub("0") << Rub("40000") << Rub("110000");
    QTest::newRow("unorganised futures loss offsets nothing")
        << QList<Claim>{{1533, "5000", 202, "9000"}, {1532, "15000", 206, "10000"}} << Rub("0") << Rub("5000")
        << Rub("0") << Rub("0") << Rub("5000") << Rub("15000");
    QTest::newRow("no longer traded loss against shares, the rest lapses")
        << QList<Claim>{{1536, "10000", 203, "15000"}, {1530, "23000", 201, "20000"}} << Rub("0") << Rub("0")
        << Rub("0") << Rub("0") << Rub("0") << Rub("33000");
    QTest::newRow("no longer traded gain stays taxable")
        << QList<Claim>{{1536, "15000", 203, "10000"}, {1530, "20000", 201, "23000"}} << Rub("0") << Rub("0")
        << Rub("3000") << Rub("0") << Rub("5000") << Rub("30000");
    QTest::newRow("line without a deduction code is not a deal")
        << QList<Claim>{{1530, "100000", 0, "80000"}} << Rub("0") << Rub("0") << Rub("0") << Rub("0")
        << Rub("0") << Rub("0");
    QTest::newRow("code 1534 is not a deal") << QList<Claim>{{1534, "100000", 201, "80000"}} << Rub("0")
                                             << Rub("0") << Rub("0") << Rub("0") << Rub("0") << Rub("0");
    QTest::newRow("foreign shares join the Russian ones")
        << QList<Claim>{{1530, "100000", 201, "80000"}, {1530, "10000", 201, "50000", true}} << Rub("0")
        << Rub("0") << Rub("20000") << Rub("0") << Rub("0") << Rub("110000");
}

void TestSecuritiesOperations::offsetting() {
    QFETCH(QList<Claim>, deals);
    mTDeclaration declaration;
    AddClaims(declaration, deals);
    kTSvodSum sum;
    sum.PrilJ.Compute(declaration, sum);
    QTEST(sum.PrilJ.SecOrgBase, "secOrgBase");
    QTEST(sum.PrilJ.FutOrgSecBase, "futOrgSecBase");
    QTEST(sum.PrilJ.CarriedSecLoss, "carriedSecLoss");
    QTEST(sum.PrilJ.CarriedFutLoss, "carriedFutLoss");
    QTEST(sum.PrilJ.TaxableTotal, "taxable");
    QTEST(sum.PrilJ.ExpensesApplied, "expensesApplied");
    QCOMPARE(sum.PrilJ.IncomeTotal, sum.PrilJ.TaxableTotal + sum.PrilJ.ExpensesApplied);
}

void TestSecuritiesOperations::categoriesByCode() {
    // One deal of each category, with every loss offset that applies.
    mTDeclaration declaration;
    AddClaims(declaration, {{1530, "30000", 201, "50000"},
                            {1536, "1000", 203, "4000"},
                            {1531, "7000", 202, "5000"},
                            {1532, "90000", 206, "40000"},
                            {1535, "6000", 207, "9000"},
                            {1533, "8000", 202, "8500"}});
    kTSvodSum sum;
    sum.PrilJ.Compute(declaration, sum);
    const kTSvodSumPrilJ& j = sum.PrilJ;
    QCOMPARE(j.SecOrgIncome, Rub("30000"));
    QCOMPARE(j.SecOrgExpenses, Rub("50000"));
    QCOMPARE(j.SecFormerOrgIncome, Rub("1000"));
    QCOMPARE(j.SecUnorgExpenses, Rub("5000"));
    QCOMPARE(j.FutOrgOtherIncome, Rub("6000"));
    QCOMPARE(j.FutUnorgExpenses, Rub("8500"));
    QCOMPARE(j.SecOrgLoss, Rub("20000"));
    QCOMPARE(j.SecFormerOrgLoss, Rub("3000"));
    QCOMPARE(j.FutOrgSecLoss, Rub("0"));
    QCOMPARE(j.FutOrgOtherLoss, Rub("3000"));
    // The shares are at a loss, so the 1536 loss finds no gain to lower.
    QCOMPARE(j.FormerOrgLossApplied, Rub("0"));
    QCOMPARE(j.SecOrgLossUsed, Rub("20000"));
    QCOMPARE(j.FutOrgSecLossUsed, Rub("0"));
    QCOMPARE(j.FutOrgOtherLossUsed, Rub("3000"));
    QCOMPARE(j.SecOrgBase, Rub("0"));
    QCOMPARE(j.SecFormerOrgBase, Rub("0"));
    QCOMPARE(j.SecUnorgBase, Rub("2000"));
    QCOMPARE(j.FutOrgSecBase, Rub("27000")); // 50 000 − 20 000 − 3 000
    QCOMPARE(j.FutOrgOtherBase, Rub("0"));
    QCOMPARE(j.FutUnorgBase, Rub("0"));
    QCOMPARE(j.CarriedSecLoss, Rub("0"));
    QCOMPARE(j.CarriedFutLoss, Rub("0"));
    QCOMPARE(j.IncomeTotal, Rub("142000"));
    QCOMPARE(j.TaxableTotal, Rub("29000"));
    QCOMPARE(j.ExpensesApplied, Rub("113000"));
}

void TestSecuritiesOperations::priorLossesChangeNothing() {
    mTDeclaration declaration;
    AddClaims(declaration, {{1530, "100000", 201, "80000"}, {1532, "30000", 206, "10000"}});
    kTSvodSum plain;
    plain.PrilJ.Compute(declaration, plain);

    declaration.SecuritiesDeduction.PriorLossSecurities = Rub("15000");
    declaration.SecuritiesDeduction.PriorLossFutures = Rub("5000");
    kTSvodSum withPrior;
    withPrior.PrilJ.Compute(declaration, withPrior);
    QVERIFY(withPrior.PrilJ.PriorSecLoss.IsZero());
    QVERIFY(withPrior.PrilJ.PriorFutLoss.IsZero());
    QVERIFY(withPrior.PrilJ.PriorSecLossApplied.IsZero());
    QVERIFY(withPrior.PrilJ.FutOrgSecPriorApplied.IsZero());
    QCOMPARE(withPrior.PrilJ.TaxableTotal, plain.PrilJ.TaxableTotal);
    QCOMPARE(withPrior.PrilJ.ExpensesApplied, plain.PrilJ.ExpensesApplied);
}

void TestSecuritiesOperations::lossesDoNotLowerOtherIncome() {
    // Salary 500 000 and shares sold for 100 000 that cost 180 000: the 13 % base stays 500 000.
    mTDeclaration declaration;
    AddSource13(declaration.IncomeSources13, QStringLiteral("45286555000"), {{2000, "500000"}}, "65000");
    AddSource13(declaration.IncomeSources13, {}, {{1530, "100000", 201, "180000"}});

    kTSvodSum sum;
    sum.PrilJ.Compute(declaration, sum);
    QCOMPARE(sum.PrilJ.ExpensesApplied, Rub("100000"));
    QCOMPARE(sum.PrilJ.CarriedSecLoss, Rub("80000"));

    sum.PrilA13.IncomeTotal = Rub("600000");
    sum.PrilA13.TaxWithheldTotal = Rub("65000");
    sum.List1.Compute(declaration, sum);
    QCOMPARE(sum.List1.TaxBase, Rub("500000"));
    QCOMPARE(sum.List1.TaxComputed, Rub("65000"));
    QVERIFY(sum.List1.Refundable.IsZero());
}

void TestSecuritiesOperations::nonResidentThirtyPercentBase() {
    // A non-resident's 30 % sources are the same list: their deals lower the 30 % base only.
    mTDeclaration declaration;
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    AddSource13(declaration.IncomeSources13, {}, {{1530, "100000", 201, "90000"}});
    kTSvodSum sum;
    sum.PrilJ.Compute(declaration, sum);
    QCOMPARE(sum.PrilJ.ExpensesApplied, Rub("90000"));

    sum.PrilA30.IncomeTotal = Rub("100000");
    sum.PrilA13.IncomeTotal = Rub("200000");
    sum.List1.Compute(declaration, sum);
    sum.List2.Compute(declaration, sum);
    QCOMPARE(sum.List1.TaxBase, Rub("200000"));
    QCOMPARE(sum.List2.ExpensesDeductions, Rub("90000"));
    QCOMPARE(sum.List2.TaxBase, Rub("10000"));
    QCOMPARE(sum.List2.TaxComputed, Rub("3000"));
}

QTEST_GUILESS_MAIN(TestSecuritiesOperations)
#include "tst_securitiesoperations.moc"
