#include "computation/ReturnBuilder.h"

#include <QtTest>

class TestPropertySaleDeduction : public QObject {
    Q_OBJECT

private slots:
    void groupsAndLimits_data();
    void groupsAndLimits();
    void groupTotals();
    void onlyForResidentReturns_data();
    void onlyForResidentReturns();
};

void TestPropertySaleDeduction::groupsAndLimits_data() {
    QTest::addColumn<QList<Claim>>("sales");
    QTest::addColumn<Money>("housingDeduction");
    QTest::addColumn<Money>("otherDeduction");
    QTest::addColumn<Money>("deductionTotal");

    QTest::newRow("flat above the limit")
        << QList<Claim>{{1510, "1500000", 901, "1500000"}} << Rub("1000000") << Rub("0") << Rub("1000000");
    QTest::newRow("flat below the limit, line amount ignored")
        << QList<Claim>{{1510, "800000", 901, "999999"}} << Rub("800000") << Rub("0") << Rub("800000");
    QTest::newRow("flat equal to the limit")
        << QList<Claim>{{1510, "1000000", 901, "0"}} << Rub("1000000") << Rub("0") << Rub("1000000");
    QTest::newRow("two flats share the limit")
        << QList<Claim>{{1510, "600000", 901, "0"}, {1510, "700000", 901, "0"}} << Rub("1000000") << Rub("0")
        << Rub("1000000");
    QTest::newRow("flat and share share the limit")
        << QList<Claim>{{1510, "700000", 901, "700000"}, {1511, "650000", 904, "600000"}} << Rub("1000000")
        << Rub("0") << Rub("1000000");
    QTest::newRow("share within the limit") << QList<Claim>{{1511, "500000", 904, "333333.33"}}
                                            << Rub("333333.33") << Rub("0") << Rub("333333.33");
    QTest::newRow("share, documented expenses above income")
        << QList<Claim>{{1511, "2000000", 903, "2500000"}} << Rub("2000000") << Rub("0") << Rub("2000000");
    QTest::newRow("flat, documented expenses above income")
        << QList<Claim>{{1510, "3000000", 903, "3500000"}} << Rub("3000000") << Rub("0") << Rub("3000000");
    QTest::newRow("documented flat beside a fixed one")
        << QList<Claim>{{1510, "3000000", 903, "2800000"}, {1510, "1200000", 901, "1000000"}}
        << Rub("3800000") << Rub("0") << Rub("3800000");
    QTest::newRow("car above the limit")
        << QList<Claim>{{1520, "400000", 906, "400000"}} << Rub("0") << Rub("250000") << Rub("250000");
    QTest::newRow("car equal to the limit")
        << QList<Claim>{{1520, "250000", 906, "250000"}} << Rub("0") << Rub("250000") << Rub("250000");
    QTest::newRow("car with documented expenses") << QList<Claim>{{1520, "300000", 903, "280000.50"}}
                                                  << Rub("0") << Rub("280000.50") << Rub("280000.50");
    QTest::newRow("redemption of land")
        << QList<Claim>{{4900, "1800000", 908, "1800000"}} << Rub("0") << Rub("0") << Rub("1800000");
    QTest::newRow("other codes add nothing") << QList<Claim>{{1510, "500000", 0, "0"},
                                                             {2000, "500000", 901, "500000"},
                                                             {1520, "90000", 901, "90000"}}
                                             << Rub("0") << Rub("0") << Rub("0");
    QTest::newRow("foreign flat without Russian sources")
        << QList<Claim>{{1510, "2000000", 901, "0", true}} << Rub("1000000") << Rub("0") << Rub("1000000");
    QTest::newRow("foreign share deduction limited to its income")
        << QList<Claim>{{1511, "300000", 904, "500000", true}} << Rub("300000") << Rub("0") << Rub("300000");
    QTest::newRow("foreign share with documented expenses, capped by the group")
        << QList<Claim>{{1511, "300000", 903, "500000", true}} << Rub("300000") << Rub("0") << Rub("300000");
    QTest::newRow("foreign car beside a Russian one")
        << QList<Claim>{{1520, "100000", 906, "100000"}, {1520, "200000", 906, "200000", true}} << Rub("0")
        << Rub("250000") << Rub("250000");
}

void TestPropertySaleDeduction::groupsAndLimits() {
    QFETCH(QList<Claim>, sales);
    mTDeclaration declaration;
    AddClaims(declaration, sales);
    kTSvodSum sum;
    sum.PrilH1.Compute(declaration, sum);
    QTEST(sum.PrilH1.HousingDeductionTotal, "housingDeduction");
    QTEST(sum.PrilH1.OtherDeductionTotal, "otherDeduction");
    QTEST(sum.PrilH1.DeductionTotal, "deductionTotal");
}

void TestPropertySaleDeduction::groupTotals() {
    // A flat and a share under the fixed deductions, a house with documents, a car of each kind
    // and a redemption, spread over two sources.
    mTDeclaration declaration;
    AddSource13(declaration.IncomeSources13, {},
                {{1510, "900000", 901, "900000"},
                 {1511, "400000", 904, "250000"},
                 {1510, "5000000", 903, "4200000"}});
    AddSource13(
        declaration.IncomeSources13, {},
        {{1520, "150000", 906, "150000"}, {1520, "600000", 903, "550000"}, {4900, "700000", 908, "650000"}});

    kTSvodSum sum;
    sum.PrilH1.Compute(declaration, sum);
    const kTSvodSumPrilH1& h = sum.PrilH1;
    QCOMPARE(h.HousingSaleIncome, Rub("900000"));
    QCOMPARE(h.HousingSaleDeduction, Rub("900000"));
    QCOMPARE(h.HousingShareIncome, Rub("400000"));
    QCOMPARE(h.HousingShareDeduction, Rub("250000"));
    QCOMPARE(h.HousingLimitedIncome, Rub("1300000"));
    QCOMPARE(h.HousingLimitedDeduction, Rub("1000000")); // 1 150 000 over the common limit
    QCOMPARE(h.HousingDocIncome, Rub("5000000"));
    QCOMPARE(h.HousingDocExpenses, Rub("4200000"));
    QCOMPARE(h.HousingIncomeTotal, Rub("6300000"));
    QCOMPARE(h.HousingDeductionTotal, Rub("5200000"));
    QCOMPARE(h.OtherSaleIncome, Rub("150000"));
    QCOMPARE(h.OtherSaleDeduction, Rub("150000"));
    QCOMPARE(h.OtherDocIncome, Rub("600000"));
    QCOMPARE(h.OtherDocExpenses, Rub("550000"));
    QCOMPARE(h.OtherIncomeTotal, Rub("750000"));
    QCOMPARE(h.OtherDeductionTotal, Rub("700000"));
    QCOMPARE(h.RedemptionIncome, Rub("700000"));
    QCOMPARE(h.RedemptionDeduction, Rub("650000"));
    QCOMPARE(h.DeductionTotal, Rub("6550000"));
}

void TestPropertySaleDeduction::onlyForResidentReturns_data() {
    QTest::addColumn<int>("returnKind");
    QTest::newRow("non-resident") << int(ReturnKind3NDFLNonResident);
    QTest::newRow("estimated income") << int(ReturnKind4NDFL);
}

void TestPropertySaleDeduction::onlyForResidentReturns() {
    QFETCH(int, returnKind);
    mTDeclaration declaration;
    declaration.ReturnKind = quint8(returnKind);
    AddSource13(declaration.IncomeSources13, {}, {{1510, "1500000", 901, "1000000"}});
    AddForeign(declaration, 13, 1520, "400000", "0", 906, "250000");
    kTSvodSum sum;
    sum.PrilH1.DeductionTotal = Rub("1"); // a leftover of an earlier computation goes too
    sum.PrilH1.Compute(declaration, sum);
    QVERIFY(sum.PrilH1.HousingSaleIncome.IsZero());
    QVERIFY(sum.PrilH1.OtherSaleIncome.IsZero());
    QVERIFY(sum.PrilH1.DeductionTotal.IsZero());
}

QTEST_GUILESS_MAIN(TestPropertySaleDeduction)
#include "tst_propertysalededuction.moc"
