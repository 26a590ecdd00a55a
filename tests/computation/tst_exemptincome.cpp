#include "computation/DeclarationBuilder.h"

#include <QtTest>

class TestExemptIncome : public QObject {
    Q_OBJECT

private slots:
    void exemptKinds_data();
    void exemptKinds();
    void foreignRecordsShareTheKindLimit();
    void farmPayInKind();
    void farmPayBeforeFirstPayInKindDoesNotCount();
    void advertisingPrizesShareOneLimit();
    void materialBenefit();
};

void TestExemptIncome::exemptKinds_data() {
    QTest::addColumn<int>("incomeCode");
    QTest::addColumn<int>("deductionCode");
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("deductionAmount");
    QTest::addColumn<QString>("incomeField");
    QTest::addColumn<QString>("exemptField");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("exempt");
    QTest::newRow("employer aid above limit") << 2760 << 503 << QStringList{"10000"} << "0"
                                              << "EmployerAidIncome"
                                              << "EmployerAidExempt"
                                              << "10000"
                                              << "4000";
    QTest::newRow("two aids share the kind's limit") << 2760 << 503 << QStringList{"3000", "3000"} << "0"
                                                     << "EmployerAidIncome"
                                                     << "EmployerAidExempt"
                                                     << "6000"
                                                     << "4000";
    QTest::newRow("aid equal to the limit") << 2761 << 506 << QStringList{"4000"} << "0"
                                            << "DisabledAidIncome"
                                            << "DisabledAidExempt"
                                            << "4000"
                                            << "4000";
    QTest::newRow("gift below the limit") << 2720 << 501 << QStringList{"2500.50"} << "0"
                                          << "GiftIncome"
                                          << "GiftExempt"
                                          << "2500.50"
                                          << "2500.50";
    QTest::newRow("prize") << 2730 << 502 << QStringList{"5000"} << "0"
                           << "PrizeIncome"
                           << "PrizeExempt"
                           << "5000"
                           << "4000";
    QTest::newRow("medicine") << 2770 << 504 << QStringList{"4000.01"} << "0"
                              << "MedicineIncome"
                              << "MedicineExempt"
                              << "4000.01"
                              << "4000";
    QTest::newRow("special aid, ten thousand") << 2790 << 507 << QStringList{"8000", "8000"} << "0"
                                               << "SpecialAidIncome"
                                               << "SpecialAidExempt"
                                               << "16000"
                                               << "10000";
    QTest::newRow("birth aid takes the deduction amount") << 2762 << 508 << QStringList{"50000"} << "50000"
                                                          << "BirthAidIncome"
                                                          << "BirthAidExempt"
                                                          << "50000"
                                                          << "50000";
    QTest::newRow("other deduction code: income only") << 2760 << 501 << QStringList{"3000"} << "0"
                                                       << "EmployerAidIncome"
                                                       << "EmployerAidExempt"
                                                       << "3000"
                                                       << "0";
}

void TestExemptIncome::exemptKinds() {
    QFETCH(int, incomeCode);
    QFETCH(int, deductionCode);
    QFETCH(QStringList, amounts);
    QFETCH(QString, deductionAmount);
    QFETCH(QString, incomeField);
    QFETCH(QString, exemptField);
    QFETCH(QString, income);
    QFETCH(QString, exempt);
    auto d = NewDeclaration();
    for (const QString& amount : amounts)
        AddSource13(d->IncomeSources13, {}, {{incomeCode, amount, deductionCode, deductionAmount}});
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(Rub(DumpedField(sum.PrilM, incomeField)), Rub(income));
    QCOMPARE(Rub(DumpedField(sum.PrilM, exemptField)), Rub(exempt));
    QCOMPARE(sum.PrilM.ExemptTotal, Rub(exempt));
}

void TestExemptIncome::foreignRecordsShareTheKindLimit() {
    auto d = NewDeclaration();
    AddSource13(d->IncomeSources13, {}, {{2720, "3000", 501}});
    AddForeign(*d, 13, 2720, "3000", "0", 501);
    AddForeign(*d, 13, 2762, "20000", "0", 508, "15000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilM.GiftIncome, Rub("6000"));
    QCOMPARE(sum.PrilM.GiftExempt, Rub("4000"));
    QCOMPARE(sum.PrilM.BirthAidExempt, Rub("15000"));
    QCOMPARE(sum.PrilM.ExemptTotal, Rub("19000"));
}

void TestExemptIncome::farmPayInKind() {
    auto d = NewDeclaration();
    AddSource13(d->IncomeSources13, {},
                {{2000, "26000", 0, "0", 1},
                 {2791, "4000", 0, "0", 1}, // January: 4 000 of 30 000
                 {2000, "23000", 0, "0", 2},
                 {2791, "7000", 0, "0", 2}, // February: above 20 %
                 {2000, "30000", 0, "0", 3},
                 {2791, "4300", 0, "0", 3}, // March: 4 300 + 300 carried
                 {2000, "30000", 0, "0", 4},
                 {2791, "4600.01", 0, "0", 4}}); // April: above 4 300 + carried
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilM.FarmEmployers.size(), size_t(1));
    const kTSvodSumPrilMFarmRow& row = sum.PrilM.FarmEmployers[0];
    QCOMPARE(row.PayTotal[0], Rub("30000"));
    QCOMPARE(row.PayInKind[0], Rub("4000"));
    QCOMPARE(row.MonthExempt[0], Rub("4000"));
    QCOMPARE(row.CarriedOut[0], Rub("300"));
    QCOMPARE(row.CarriedIn[1], Rub("300"));
    QCOMPARE(row.MonthExempt[1], Money());
    QCOMPARE(row.CarriedOut[1], Rub("300"));
    QCOMPARE(row.MonthExempt[2], Rub("4300"));
    QCOMPARE(row.CarriedOut[2], Rub("300"));
    QCOMPARE(row.MonthExempt[3], Money());
    QCOMPARE(row.RowExempt, Rub("8300"));
    QCOMPARE(sum.PrilM.FarmPayExempt, Rub("8300"));
    QCOMPARE(sum.PrilM.ExemptTotal, Rub("8300"));
}

void TestExemptIncome::farmPayBeforeFirstPayInKindDoesNotCount() {
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    // A non-resident's farm employers come from the non-resident 13 % list.
    AddSource13(d->IncomeSources13NR, {},
                {{2000, "50000", 0, "0", 1}, {2000, "10000", 0, "0", 2}, {2791, "2000", 0, "0", 2}});
    AddSource13(d->IncomeSources13NR, {}, {{2000, "50000", 0, "0", 1}}); // no pay in kind: no row
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilM.FarmEmployers.size(), size_t(1));
    const kTSvodSumPrilMFarmRow& row = sum.PrilM.FarmEmployers[0];
    QCOMPARE(row.PayTotal[0], Money());
    QCOMPARE(row.PayTotal[1], Rub("12000"));
    // 20 % of 12 000 is 2 400: the 2 000 is exempt.
    QCOMPARE(row.MonthExempt[1], Rub("2000"));
    QCOMPARE(row.CarriedOut[1], Rub("2300"));
    QCOMPARE(row.CarriedIn[2], Rub("2300"));
}

void TestExemptIncome::advertisingPrizesShareOneLimit() {
    auto d = NewDeclaration();
    AddSource35(*d, QStringLiteral("1"), 2740, "10000", 502, "3000");
    AddSource35(*d, QStringLiteral("2"), 2740, "5000", 0, "3000"); // no deduction code: not exempt
    AddSource35(*d, QStringLiteral("3"), 2740, "8000", 502, "3000");
    AddSource13(d->IncomeSources13, {}, {{2000, "90000"}, {2740, "1500", 502, "1500"}});
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilM2.Rows.size(), size_t(3));
    QCOMPARE(sum.PrilM2.Rows[0].Exempt, Rub("3000"));
    QCOMPARE(sum.PrilM2.Rows[1].Exempt, Rub("1000"));
    QCOMPARE(sum.PrilM2.Rows[1].SourceIndex, 2);
    QCOMPARE(sum.PrilM2.Rows[2].Exempt, Money());
    // The prize line is reported with its own amount, not with the salary of the same source.
    QCOMPARE(sum.PrilM2.Rows[2].Income, Rub("1500"));
    QCOMPARE(sum.PrilM2.ExemptTotal, Rub("4000"));
    // The 35 % appendix taxes each prize on its part above the exempt one.
    QCOMPARE(sum.PrilA35.TaxableTotal, Rub("7000") + Rub("5000") + Rub("7000"));
    QCOMPARE(sum.PrilA35.TaxComputedTotal, Rub("2450") + Rub("1750") + Rub("2450"));
}

void TestExemptIncome::materialBenefit() {
    auto d = NewDeclaration();
    AddSource35(*d, QStringLiteral("1"), 3000, "100", 0, "0", "35");
    mTThirtyFivePercent& benefit = AddSource35(*d, QStringLiteral("2"), 2620, "20000", 0, "0", "7000");
    benefit.SourceINN = QStringLiteral("7702000000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilM3.Rows.size(), size_t(1));
    QCOMPARE(sum.PrilM3.Rows[0].SourceINN, QStringLiteral("7702000000"));
    QCOMPARE(sum.PrilM3.Rows[0].SourceOKATO, QStringLiteral("2"));
    QCOMPARE(sum.PrilM3.Rows[0].Income, Rub("20000"));
    QCOMPARE(sum.PrilM3.Rows[0].SourceIndex, 1);
    QCOMPARE(sum.PrilM3.TaxWithheldTotal, Rub("7000"));
    QCOMPARE(sum.PrilA35.IncomeTotal, Rub("100"));

    d->ReturnKind = ReturnKind3NDFLNonResident;
    sum.Compute(*d);
    QVERIFY(sum.PrilM3.Rows.empty());
}

QTEST_GUILESS_MAIN(TestExemptIncome)
#include "tst_exemptincome.moc"
