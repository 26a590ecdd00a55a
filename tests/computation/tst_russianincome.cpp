#include "computation/DeclarationBuilder.h"

#include <QtTest>

class TestRussianIncome : public QObject {
    Q_OBJECT

private slots:
    void residentThirteenPercent_data();
    void residentThirteenPercent();
    void nonResidentSplitsThirteenAndThirty();
    void nonResidentDividendsRecomputeTaxPerSource_data();
    void nonResidentDividendsRecomputeTaxPerSource();
    void residentDividends();
    void thirtyFivePercent();
    void sheetsFollowTheKindOfReturn();
};

void TestRussianIncome::residentThirteenPercent_data() {
    QTest::addColumn<QString>("firstOkato");
    QTest::addColumn<QString>("expectedOkato");
    QTest::newRow("first source's code") << QStringLiteral("11111111111") << QStringLiteral("11111111111");
    QTest::newRow("first without code") << QString() << QStringLiteral("22222222222");
}

void TestRussianIncome::residentThirteenPercent() {
    QFETCH(QString, firstOkato);
    QFETCH(QString, expectedOkato);
    auto d = NewDeclaration();
    d->FixedAdvancePayments = Rub("1200");
    auto& first = AddSource13(d->IncomeSources13, firstOkato,
                              {{2000, "60000", 0, "0", 1}, {2000, "40000", 0, "0", 2}}, "13000");
    first.TaxableIncome = Rub("100000");
    first.TaxComputed = Rub("13000");
    AddSource13(d->IncomeSources13, QStringLiteral("22222222222"), {{2000, "50000"}}, "6500").TaxableIncome =
        Rub("50000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilA13.IncomeTotal, Rub("150000"));
    QCOMPARE(sum.PrilA13.TaxableTotal, Rub("150000"));
    QCOMPARE(sum.PrilA13.TaxComputedTotal, Rub("13000"));
    QCOMPARE(sum.PrilA13.TaxWithheldTotal, Rub("19500"));
    QCOMPARE(sum.PrilA13.FixedAdvancePaid, Rub("1200"));
    QCOMPARE(sum.Okato13, expectedOkato);
}

void TestRussianIncome::nonResidentSplitsThirteenAndThirty() {
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    d->FixedAdvancePayments = Rub("500");
    AddSource13(d->IncomeSources13NR, QStringLiteral("11111111111"), {{2000, "70000"}}, "9100");
    AddSource13(d->IncomeSources13, QStringLiteral("33333333333"), {{2000, "10000"}, {2010, "5000"}}, "4500");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilA13.IncomeTotal, Rub("70000"));
    QCOMPARE(sum.PrilA13.TaxWithheldTotal, Rub("9100"));
    QCOMPARE(sum.PrilA13.FixedAdvancePaid, Rub("500"));
    QCOMPARE(sum.PrilA30.IncomeTotal, Rub("15000"));
    QCOMPARE(sum.PrilA30.TaxWithheldTotal, Rub("4500"));
    // The 13 % sources name the code first.
    QCOMPARE(sum.Okato13, QStringLiteral("11111111111"));
}

void TestRussianIncome::nonResidentDividendsRecomputeTaxPerSource_data() {
    QTest::addColumn<QString>("taxable");
    QTest::addColumn<QString>("tax");
    QTest::newRow("1500.015 rounds down") << "10000.10"
                                          << "1500";
    QTest::newRow("1500.501 rounds up") << "10003.34"
                                        << "1501";
    QTest::newRow("half a rouble rounds up") << "10"
                                             << "2";
}

void TestRussianIncome::nonResidentDividendsRecomputeTaxPerSource() {
    QFETCH(QString, taxable);
    QFETCH(QString, tax);
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    // The entered tax is ignored.
    AddDividends(*d, QStringLiteral("44444444444"), "20000", taxable, "9999", "1400");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilA15.TaxComputedTotal, Rub(tax));
    QCOMPARE(sum.PrilA15.TaxableTotal, Rub(taxable));
    QCOMPARE(sum.PrilA15.IncomeTotal, Rub("20000"));
    QCOMPARE(sum.PrilA15.TaxWithheldTotal, Rub("1400"));
    QCOMPARE(sum.Okato15, QStringLiteral("44444444444"));
    QVERIFY(sum.PrilA6.IncomeTotal.IsZero());
}

void TestRussianIncome::residentDividends() {
    auto d = NewDeclaration();
    AddDividends(*d, QString(), "10000", "10000", "900", "900");
    AddDividends(*d, QStringLiteral("55555555555"), "20000.50", "20000.50", "1800", "1700");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilA6.IncomeTotal, Rub("30000.50"));
    QCOMPARE(sum.PrilA6.TaxableTotal, Rub("30000.50"));
    QCOMPARE(sum.PrilA6.TaxComputedTotal, Rub("2700"));
    QCOMPARE(sum.PrilA6.TaxWithheldTotal, Rub("2600"));
    QCOMPARE(sum.Okato9, QStringLiteral("55555555555"));
    QVERIFY(sum.PrilA15.IncomeTotal.IsZero());
}

void TestRussianIncome::thirtyFivePercent() {
    auto d = NewDeclaration();
    AddSource35(*d, QStringLiteral("66666666666"), 2740, "10000", 502, "4000", "2100");
    AddSource35(*d, QString(), 3000, "1000.50", 0, "0", "350");
    // The exempt material benefit replaces the code and adds nothing.
    AddSource35(*d, QStringLiteral("77777777777"), 2620, "50000", 0, "0", "500");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilA35.IncomeTotal, Rub("11000.50"));
    QCOMPARE(sum.PrilA35.TaxableTotal, Rub("7000.50"));
    // 2100 for the prize, 350.175 rounded to 350 for the deposit.
    QCOMPARE(sum.PrilA35.TaxComputedTotal, Rub("2450"));
    QCOMPARE(sum.PrilA35.TaxWithheldTotal, Rub("2450"));
    QCOMPARE(sum.Okato35, QStringLiteral("77777777777"));
}

void TestRussianIncome::sheetsFollowTheKindOfReturn() {
    // A non-resident's 35 % and 9 % lists (left over in a file) are not resident income.
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    AddSource35(*d, QStringLiteral("66666666666"), 3000, "1000");
    kTSvodSum sum;
    sum.Compute(*d);
    QVERIFY(sum.PrilA35.IncomeTotal.IsZero());
    QCOMPARE(sum.Okato35, d->Person.OKATO);

    auto resident = NewDeclaration();
    AddSource13(resident->IncomeSources13NR, QStringLiteral("11111111111"), {{2000, "1000"}});
    sum.Compute(*resident);
    QVERIFY(sum.PrilA13.IncomeTotal.IsZero());
    QVERIFY(sum.PrilA30.IncomeTotal.IsZero());
}

QTEST_GUILESS_MAIN(TestRussianIncome)
#include "tst_russianincome.moc"
