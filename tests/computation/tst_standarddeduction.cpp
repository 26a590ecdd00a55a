#include "computation/DeclarationBuilder.h"

#include <QtTest>

namespace {

// A marked source paying the same salary in each of the given months.
void AddSalary(mTDeclaration& d, const QString& amount, int firstMonth = 1, int lastMonth = 12) {
    mTThirteenPercent& source = AddSource13(d.IncomeSources13, {}, {});
    source.StandardDeductionSource = 1;
    for (int m = firstMonth; m <= lastMonth; ++m) {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = Rub(amount);
        line.Month = quint16(m);
        source.AddLine(line);
    }
}

} // namespace

class TestStandardDeduction : public QObject {
    Q_OBJECT

private slots:
    void incomeThresholds_data();
    void incomeThresholds();
    void personalCodes_data();
    void personalCodes();
    void personalCodeByMonth();
    void childKinds_data();
    void childKinds();
    void childrenByMonth();
    void onlyMarkedSourcesAndMonthsWithIncome();
    void businessGridCarriesLosses();
    void totalLimitedToYearIncome();
    void notGranted_data();
    void notGranted();
};

void TestStandardDeduction::incomeThresholds_data() {
    QTest::addColumn<QString>("salary");
    QTest::addColumn<int>("months40000");
    QTest::addColumn<int>("months280000");
    QTest::addColumn<QString>("december");
    QTest::newRow("15 000 a month") << "15000" << 2 << 12 << "180000";
    QTest::newRow("30 000 a month") << "30000" << 1 << 9 << "360000";
    // A cumulative income equal to a limit does not stop the deduction.
    QTest::newRow("20 000: 40 000 reached in February") << "20000" << 2 << 12 << "240000";
    QTest::newRow("28 000: 280 000 reached in October") << "28000" << 1 << 10 << "336000";
    QTest::newRow("40 000.01 in January") << "40000.01" << 0 << 6 << "480000.12";
}

void TestStandardDeduction::incomeThresholds() {
    QFETCH(QString, salary);
    QFETCH(int, months40000);
    QFETCH(int, months280000);
    QFETCH(QString, december);
    auto d = NewDeclaration();
    d->StandardDeduction.PersonalCode = 103;
    d->StandardDeduction.ChildKind = 101;
    d->StandardDeduction.ChildrenCount = 1;
    AddSalary(*d, salary);
    kTSvodSum sum;
    sum.Compute(*d);
    const kTSvodSumPrilE1& e1 = sum.PrilE1;
    QCOMPARE(e1.Months40000, months40000);
    QCOMPARE(e1.Months280000, months280000);
    QCOMPARE(e1.CumulativeIncome[0], Rub(salary));
    QCOMPARE(e1.CumulativeIncome[11], Rub(december));
    QCOMPARE(e1.Deduction400, Money::FromUnits(400 * months40000));
    QCOMPARE(e1.ChildDeduction, Money::FromUnits(1000 * months280000));
    QCOMPARE(e1.StandardTotal, e1.Deduction400 + e1.ChildDeduction);
}

void TestStandardDeduction::personalCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("amount");
    // Income in four months, far above every limit: only 103 stops.
    QTest::newRow("103") << 103 << "Deduction400"
                         << "0";
    QTest::newRow("104") << 104 << "Deduction500"
                         << "2000";
    QTest::newRow("105") << 105 << "Deduction3000"
                         << "12000";
    QTest::newRow("unknown code") << 107 << "StandardTotal"
                                  << "0";
}

void TestStandardDeduction::personalCodes() {
    QFETCH(int, code);
    QFETCH(QString, field);
    QFETCH(QString, amount);
    auto d = NewDeclaration();
    d->StandardDeduction.PersonalCode = code;
    AddSalary(*d, "100000", 3, 6);
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(Rub(DumpedField(sum.PrilE1, field)), Rub(amount));
    QCOMPARE(sum.PrilE1.StandardTotal, Rub(amount));
}

void TestStandardDeduction::personalCodeByMonth() {
    auto d = NewDeclaration();
    mTStandartDeduct& r = d->StandardDeduction;
    r.PersonalCode = 110;
    r.PersonalCombination = 1;
    // January 103, February 105, March 104, April 103 (after the 40 000 stop), the rest 103.
    r.SetMonthPersonalCode(2, 2);
    r.SetMonthPersonalCode(3, 1);
    AddSalary(*d, "15000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE1.Deduction400, Rub("400"));
    QCOMPARE(sum.PrilE1.Deduction3000, Rub("3000"));
    QCOMPARE(sum.PrilE1.Deduction500, Rub("500"));
    QCOMPARE(sum.PrilE1.StandardTotal, Rub("3900"));
}

void TestStandardDeduction::childKinds_data() {
    QTest::addColumn<int>("childKind");
    QTest::addColumn<QString>("single");
    QTest::addColumn<QString>("doubled");
    QTest::addColumn<QString>("disabledSingle");
    QTest::addColumn<QString>("disabledDoubled");
    // Two children, one of them disabled, twelve months.
    QTest::newRow("ordinary") << 101 << "24000"
                              << "0"
                              << "24000"
                              << "0";
    QTest::newRow("single parent") << 102 << "0"
                                   << "48000"
                                   << "0"
                                   << "48000";
    // Per month: a single parent in January to March only.
    QTest::newRow("by month") << 103 << "18000"
                              << "12000"
                              << "18000"
                              << "12000";
    QTest::newRow("no children's deduction") << 0 << "0"
                                             << "0"
                                             << "0"
                                             << "0";
}

void TestStandardDeduction::childKinds() {
    QFETCH(int, childKind);
    QFETCH(QString, single);
    QFETCH(QString, doubled);
    QFETCH(QString, disabledSingle);
    QFETCH(QString, disabledDoubled);
    auto d = NewDeclaration();
    mTStandartDeduct& r = d->StandardDeduction;
    r.PersonalCode = 0;
    r.ChildKind = childKind;
    r.ChildrenCount = 2;
    r.DisabledCount = 1;
    r.ChildCombination = 1;
    for (int m = 4; m <= 12; ++m)
        r.SetMonthChildKind(m, 1);
    AddSalary(*d, "10000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE1.ChildDeduction, Rub(single));
    QCOMPARE(sum.PrilE1.ChildDeductionDouble, Rub(doubled));
    QCOMPARE(sum.PrilE1.DisabledChildDeduction, Rub(disabledSingle));
    QCOMPARE(sum.PrilE1.DisabledChildDeductionDouble, Rub(disabledDoubled));
}

void TestStandardDeduction::childrenByMonth() {
    auto d = NewDeclaration();
    mTStandartDeduct& r = d->StandardDeduction;
    r.PersonalCode = 0;
    r.ChildrenConstant = 0;
    r.ChildrenByMonth = {1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3};
    r.DisabledConstant = 0;
    r.DisabledByMonth = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    // 30 000 a month: the children's months end after September.
    AddSalary(*d, "30000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE1.ChildDeduction, Rub("16000"));
    QCOMPARE(sum.PrilE1.DisabledChildDeduction, Money());
}

void TestStandardDeduction::onlyMarkedSourcesAndMonthsWithIncome() {
    auto d = NewDeclaration();
    d->StandardDeduction.ChildrenCount = 1;
    AddSalary(*d, "5000", 1, 3);
    AddSalary(*d, "5000", 11, 11);
    // Not marked: its income neither counts nor makes deduction months.
    AddSource13(d->IncomeSources13, {}, {{2000, "100000", 0, "0", 1}, {2000, "1000", 0, "0", 5}});
    // A line of the marked source without a month adds nothing.
    AddSource13(d->IncomeSources13, {}, {{2000, "500000"}}).StandardDeductionSource = 1;
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE1.Months40000, 4);
    QCOMPARE(sum.PrilE1.Months280000, 4);
    QCOMPARE(sum.PrilE1.CumulativeIncome[4], Rub("15000"));
    QCOMPARE(sum.PrilE1.StandardTotal, Rub("5600"));

    auto unmarked = NewDeclaration();
    unmarked->StandardDeduction.ChildrenCount = 1;
    AddSource13(unmarked->IncomeSources13, {}, {{2000, "1000", 0, "0", 1}});
    sum.Compute(*unmarked);
    QCOMPARE(sum.PrilE1.StandardTotal, Money());
    QCOMPARE(sum.PrilE1.ChildDeduction, Money());
    QCOMPARE(sum.PrilE1.CumulativeIncome[0], Money());
}

void TestStandardDeduction::businessGridCarriesLosses() {
    auto d = NewDeclaration();
    mTStandartDeduct& r = d->StandardDeduction;
    r.MonthlyBusiness = 1;
    r.ChildrenCount = 1;
    r.SetMonthBusinessExpense(1, Rub("10000"));
    r.SetMonthBusinessIncome(2, Rub("15000"));
    r.SetMonthBusinessIncome(3, Rub("30000"));
    r.SetMonthBusinessExpense(4, Rub("40000"));
    r.SetMonthBusinessIncome(5, Rub("45000.50"));
    for (int m : {1, 2, 3, 5})
        r.BusinessMonthMarks[size_t(m - 1)] = 1;
    // Income of a marked source does not count when the business grid is given.
    AddSalary(*d, "1000000", 1, 1);
    kTSvodSum sum;
    sum.Compute(*d);
    const auto& c = sum.PrilE1.CumulativeIncome;
    QCOMPARE(c[0], Money());
    QCOMPARE(c[1], Rub("5000"));
    QCOMPARE(c[2], Rub("35000"));
    QCOMPARE(c[3], Money()); // 5 000 carried as a loss
    QCOMPARE(c[4], Rub("40000.50"));
    QCOMPARE(c[11], Rub("40000.50"));
    // May exceeds 40 000: January to March get the 400.
    QCOMPARE(sum.PrilE1.Months40000, 3);
    QCOMPARE(sum.PrilE1.Months280000, 4);
    QCOMPARE(sum.PrilE1.StandardTotal, Rub("5200"));
}

void TestStandardDeduction::totalLimitedToYearIncome() {
    auto d = NewDeclaration();
    d->StandardDeduction.ChildrenCount = 1;
    mTThirteenPercent& source = AddSource13(d->IncomeSources13, {}, {});
    source.StandardDeductionSource = 1;
    for (int m = 1; m <= 12; ++m) {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = m == 12 ? Rub("1999.99") : Rub("1000");
        line.DeductionAmount = m == 12 ? Rub("3000") : Money();
        line.Month = quint16(m);
        source.AddLine(line);
    }
    kTSvodSum sum;
    sum.Compute(*d);
    // 4 800 + 12 000 against 9 999.99 of income, cut to whole roubles.
    QCOMPARE(sum.PrilE1.CumulativeIncome[11], Rub("9999.99"));
    QCOMPARE(sum.PrilE1.StandardTotal, Rub("9999"));
    QCOMPARE(sum.PrilE1.Deduction400, Rub("4800"));
    QCOMPARE(sum.PrilE1.ChildDeduction, Rub("12000"));

    // A year's loss leaves no deduction at all.
    mTSourseIncome december = *source.Line(11);
    december.DeductionAmount = Rub("20000");
    source.ReplaceLine(11, december);
    sum.Compute(*d);
    QCOMPARE(sum.PrilE1.StandardTotal, Money());
}

void TestStandardDeduction::notGranted_data() {
    QTest::addColumn<int>("returnKind");
    QTest::addColumn<int>("grant");
    QTest::newRow("non-resident") << int(ReturnKind3NDFLNonResident) << 1;
    QTest::newRow("not claimed") << int(ReturnKind3NDFL) << 0;
}

void TestStandardDeduction::notGranted() {
    QFETCH(int, returnKind);
    QFETCH(int, grant);
    auto d = NewDeclaration(quint8(returnKind));
    d->StandardDeduction.GrantStandard = quint8(grant);
    d->StandardDeduction.ChildrenCount = 1;
    AddSalary(*d, "1000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE1.StandardTotal, Money());
    QCOMPARE(sum.PrilE1.Deduction400, Money());
    QCOMPARE(sum.PrilE1.ChildDeduction, Money());
    QCOMPARE(sum.PrilE1.CumulativeIncome[11], Money());
}

QTEST_GUILESS_MAIN(TestStandardDeduction)
#include "tst_standarddeduction.moc"
