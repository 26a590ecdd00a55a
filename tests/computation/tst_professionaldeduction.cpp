#include "computation/DeclarationBuilder.h"

#include <QtTest>

class TestProfessionalDeduction : public QObject {
    Q_OBJECT

private slots:
    void groupsOfResidentLines_data();
    void groupsOfResidentLines();
    void capAppliesToGroupSums();
    void nonResidentDeductsContractsOnly();
    void foreignRecords();
};

void TestProfessionalDeduction::groupsOfResidentLines_data() {
    QTest::addColumn<int>("incomeCode");
    QTest::addColumn<int>("deductionCode");
    QTest::addColumn<QString>("field"); // empty: no group
    QTest::newRow("work contract") << 2010 << 403 << "ContractExpenses";
    QTest::newRow("contract with royalty code") << 2010 << 404 << "";
    QTest::newRow("royalty 2201 documented") << 2201 << 404 << "RoyaltyExpensesActual";
    QTest::newRow("royalty 2209 normative") << 2209 << 405 << "RoyaltyExpensesNormative";
    QTest::newRow("2200 is no royalty") << 2200 << 404 << "";
    QTest::newRow("2210 is no royalty") << 2210 << 405 << "";
    QTest::newRow("share in capital") << 1540 << 315 << "ShareSaleExpenses";
    QTest::newRow("shared construction") << 1550 << 314 << "ConstructionRightsExpenses";
}

void TestProfessionalDeduction::groupsOfResidentLines() {
    QFETCH(int, incomeCode);
    QFETCH(int, deductionCode);
    QFETCH(QString, field);
    auto d = NewDeclaration();
    AddSource13(d->IncomeSources13, {}, {{incomeCode, "10000", deductionCode, "3000.55"}});
    kTSvodSum sum;
    sum.Compute(*d);
    if (field.isEmpty()) {
        QVERIFY(sum.PrilG.ExpensesTotal.IsZero());
        QVERIFY(sum.PrilG.ContractIncome.IsZero());
        QVERIFY(sum.PrilG.RoyaltyIncomeActual.IsZero());
        QVERIFY(sum.PrilG.RoyaltyIncomeNormative.IsZero());
    } else {
        QCOMPARE(sum.PrilG.ExpensesTotal, Rub("3000.55"));
        QCOMPARE(DumpedField(sum.PrilG, field), QStringLiteral("3000.55"));
    }
}

void TestProfessionalDeduction::capAppliesToGroupSums() {
    auto d = NewDeclaration();
    // Per line the second exceeds its income; the sums of the group do not.
    AddSource13(d->IncomeSources13, {}, {{2010, "50000", 403, "10000"}, {2010, "5000", 403, "20000"}});
    AddSource13(d->IncomeSources13, {}, {{2201, "1000", 404, "3000"}, {2000, "90000"}});
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilG.ContractIncome, Rub("55000"));
    QCOMPARE(sum.PrilG.ContractExpenses, Rub("30000"));
    QCOMPARE(sum.PrilG.RoyaltyIncomeActual, Rub("1000"));
    QCOMPARE(sum.PrilG.RoyaltyExpensesActual, Rub("1000"));
    QCOMPARE(sum.PrilG.ExpensesTotal, Rub("31000"));
    QVERIFY(sum.PrilG_In.ExpensesTotal.IsZero());
}

void TestProfessionalDeduction::nonResidentDeductsContractsOnly() {
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    AddSource13(d->IncomeSources13NR, {}, {{1540, "100000", 315, "90000"}, {2010, "50000", 403, "60000"}});
    AddSource13(d->IncomeSources13, {}, {{2010, "7000", 403, "7000"}}); // 30 % income: no deduction
    kTSvodSum sum;
    sum.Compute(*d);
    QVERIFY(sum.PrilG.ShareSaleIncome.IsZero());
    QCOMPARE(sum.PrilG.ContractIncome, Rub("50000"));
    QCOMPARE(sum.PrilG.ContractExpenses, Rub("50000"));
    QCOMPARE(sum.PrilG.ExpensesTotal, Rub("50000"));
}

void TestProfessionalDeduction::foreignRecords() {
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    AddForeign(*d, 13, 2205, "20000", "0", 405, "4000");
    AddForeign(*d, 13, 1540, "1000", "0", 315, "1500");
    AddForeign(*d, 13, 2010, "1000", "0", 404, "500");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilG_In.RoyaltyIncomeNormative, Rub("20000"));
    QCOMPARE(sum.PrilG_In.RoyaltyExpensesNormative, Rub("4000"));
    QCOMPARE(sum.PrilG_In.ShareSaleExpenses, Rub("1000"));
    QCOMPARE(sum.PrilG_In.ExpensesTotal, Rub("5000"));

    d->IncomeKinds &= ~IncomeForeign;
    sum.Compute(*d);
    QVERIFY(sum.PrilG_In.ExpensesTotal.IsZero());
}

QTEST_GUILESS_MAIN(TestProfessionalDeduction)
#include "tst_professionaldeduction.moc"
