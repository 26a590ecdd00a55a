#include "computation/BudgetCodes.h"
#include "computation/ReturnBuilder.h"

#include <QtTest>

namespace {

template <class Sheet> bool Untouched(const Sheet& sheet) {
    return sheet.IncomeTotal.IsZero() && sheet.TaxBase.IsZero() && sheet.TaxComputed.IsZero() &&
           sheet.TaxWithheld.IsZero() && sheet.PaidOnNotices.IsZero() && sheet.Refundable.IsZero() &&
           sheet.Payable.IsZero();
}

} // namespace

class TestTaxBase : public QObject {
    Q_OBJECT

private slots:
    void thirteenPercentSettlement_data();
    void thirteenPercentSettlement();
    void residentThirteenPercentTakesEveryAppendix();
    void nonResidentThirteenPercent();
    void noticePaymentsByCode_data();
    void noticePaymentsByCode();
    void nonResidentThirtyPercent();
    void nonResidentFifteenPercentOnTheTotal();
    void residentThirtyFivePercent();
    void residentNinePercent();
    void ratesOfTheOtherKindStayZero();
};

void TestTaxBase::thirteenPercentSettlement_data() {
    QTest::addColumn<Money>("income");
    QTest::addColumn<Money>("deductions");
    QTest::addColumn<Money>("withheld");
    QTest::addColumn<Money>("advances");
    QTest::addColumn<Money>("notices");
    QTest::addColumn<Money>("credit");
    QTest::addColumn<Money>("base");
    QTest::addColumn<Money>("computed");
    QTest::addColumn<Money>("refundable");
    QTest::addColumn<Money>("payable");

    const Money zero;
    QTest::newRow("withheld as computed") << Rub("500000") << Rub("9600") << Rub("63752") << zero << zero
                                          << zero << Rub("490400") << Rub("63752") << zero << zero;
    QTest::newRow("deductions above the income, all withheld refunded")
        << Rub("100000") << Rub("150000") << Rub("13000") << zero << zero << zero << zero << zero
        << Rub("13000") << zero;
    QTest::newRow("nothing withheld, all to pay") << Rub("200000") << zero << zero << zero << zero << zero
                                                  << Rub("200000") << Rub("26000") << zero << Rub("26000");
    QTest::newRow("advances and notices count as paid")
        << Rub("200000") << zero << Rub("10000") << Rub("5000") << Rub("4000") << zero << Rub("200000")
        << Rub("26000") << zero << Rub("7000");
    QTest::newRow("notice payment overpaid") << Rub("100000") << zero << Rub("13000") << zero << Rub("2000")
                                             << zero << Rub("100000") << Rub("13000") << Rub("2000") << zero;
    // 76 923.08 × 13 % = 10 000.0004: 10 000 computed, 9 000 paid, 1 500 paid abroad.
    QTest::newRow("credit covers the shortfall, no refund")
        << Rub("76923.08") << zero << Rub("9000") << zero << zero << Rub("1500") << Rub("76923.08")
        << Rub("10000") << zero << zero;
    QTest::newRow("credit covers part of the shortfall")
        << Rub("76923.08") << zero << Rub("9000") << zero << zero << Rub("500") << Rub("76923.08")
        << Rub("10000") << zero << Rub("500");
    QTest::newRow("tax rounds down") << Rub("100000.04") << zero << Rub("13000") << zero << zero << zero
                                     << Rub("100000.04") << Rub("13000") << zero << zero;
    QTest::newRow("tax rounds up") << Rub("100003.85") << zero << Rub("13000") << zero << zero << zero
                                   << Rub("100003.85") << Rub("13001") << zero << Rub("1");
}

void TestTaxBase::thirteenPercentSettlement() {
    QFETCH(Money, income);
    QFETCH(Money, notices);
    mTDeclaration declaration;
    if (!notices.IsZero()) AddNoticePayment(declaration, BudgetCode::Individuals13, notices);
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = income;
    QFETCH(Money, deductions);
    sum.PrilE1.StandardTotal = deductions;
    QFETCH(Money, withheld);
    sum.PrilA13.TaxWithheldTotal = withheld;
    QFETCH(Money, advances);
    sum.PrilV1.AdvancePaid = advances;
    QFETCH(Money, credit);
    sum.PrilB13.CreditTotal = credit;
    sum.List1.Compute(declaration, sum);
    QTEST(sum.List1.TaxBase, "base");
    QTEST(sum.List1.TaxComputed, "computed");
    QTEST(sum.List1.Refundable, "refundable");
    QTEST(sum.List1.Payable, "payable");
    QCOMPARE(sum.List1.PaidOnNotices, notices);
}

void TestTaxBase::residentThirteenPercentTakesEveryAppendix() {
    mTDeclaration declaration;
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = Rub("3000000");
    sum.PrilV1.IncomeTotal = Rub("400000");
    sum.PrilV2.IncomeTotal = Rub("200000");
    sum.PrilB13.IncomeRoublesTotal = Rub("100000");
    sum.PrilM.ExemptTotal = Rub("8000");
    // Each deduction a different power of two, so a missing or doubled one shows in the sum.
    sum.PrilE1.StandardTotal = Rub("1");
    sum.PrilE2.SocialTotal = Rub("2");
    sum.PrilH1.DeductionTotal = Rub("4");
    sum.PrilZ.DeclCostDeduction = Rub("8");
    sum.PrilZ.DeclInterestDeduction = Rub("16");
    sum.PrilZ.AgentInterestDeduction = Rub("32");
    sum.PrilZ.AgentCostDeduction = Rub("64");
    sum.PrilJ.ExpensesApplied = Rub("128");
    sum.PrilV1.ProfessionalDeduction = Rub("256");
    sum.PrilV2.ProfessionalDeduction = Rub("512");
    sum.PrilG.ExpensesTotal = Rub("1024");
    sum.PrilG_In.ExpensesTotal = Rub("2048");
    sum.PrilA13.TaxWithheldTotal = Rub("300000");
    sum.PrilA13.FixedAdvancePaid = Rub("11000");
    sum.PrilV1.AdvancePaid = Rub("20000");
    sum.PrilV2.AdvancePaid = Rub("7000");
    sum.PrilB13.CreditTotal = Rub("9000");
    sum.List1.Compute(declaration, sum);
    const kTSvodSumList1& l = sum.List1;
    QCOMPARE(l.IncomeTotal, Rub("3700000"));
    QCOMPARE(l.IncomeExempt, Rub("8000"));
    QCOMPARE(l.IncomeTaxable, Rub("3692000"));
    QCOMPARE(l.ExpensesDeductions, Rub("4095"));
    QCOMPARE(l.TaxBase, Rub("3687905"));
    QCOMPARE(l.TaxComputed, Rub("479428")); // 479 427.65
    QCOMPARE(l.TaxWithheld, Rub("300000"));
    QCOMPARE(l.AdvancePaid, Rub("27000"));
    QCOMPARE(l.FixedAdvancePaid, Rub("11000"));
    QCOMPARE(l.ForeignTaxCredit, Rub("9000"));
    QCOMPARE(l.Payable, Rub("132428")); // 479 428 − 338 000 − 9 000
}

void TestTaxBase::nonResidentThirteenPercent() {
    // Only the 13 % income and the sale, professional and foreign expenses count; no exempt
    // income, business advances or foreign credit.
    mTDeclaration declaration;
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    kTSvodSum sum;
    sum.PrilA13.IncomeTotal = Rub("300000");
    sum.PrilA13.TaxWithheldTotal = Rub("39000");
    sum.PrilA13.FixedAdvancePaid = Rub("1000");
    sum.PrilV1.IncomeTotal = Rub("100000");
    sum.PrilV1.AdvancePaid = Rub("5000");
    sum.PrilB13.IncomeRoublesTotal = Rub("50000");
    sum.PrilB13.CreditTotal = Rub("2000");
    sum.PrilM.ExemptTotal = Rub("4000");
    sum.PrilE1.StandardTotal = Rub("4800");
    sum.PrilH1.DeductionTotal = Rub("10000");
    sum.PrilG.ExpensesTotal = Rub("20000");
    sum.PrilG_In.ExpensesTotal = Rub("30000");
    sum.List1.Compute(declaration, sum);
    const kTSvodSumList1& l = sum.List1;
    QCOMPARE(l.IncomeTotal, Rub("300000"));
    QCOMPARE(l.IncomeTaxable, Rub("300000"));
    QVERIFY(l.IncomeExempt.IsZero());
    QCOMPARE(l.ExpensesDeductions, Rub("60000"));
    QCOMPARE(l.TaxBase, Rub("240000"));
    QCOMPARE(l.TaxComputed, Rub("31200"));
    QVERIFY(l.AdvancePaid.IsZero());
    QVERIFY(l.ForeignTaxCredit.IsZero());
    QCOMPARE(l.FixedAdvancePaid, Rub("1000"));
    QCOMPARE(l.Refundable, Rub("8800")); // 39 000 + 1 000 − 31 200
}

void TestTaxBase::noticePaymentsByCode_data() {
    QTest::addColumn<int>("returnKind");
    QTest::addColumn<Money>("at13");
    QTest::addColumn<Money>("at30");
    QTest::addColumn<Money>("at35");
    QTest::addColumn<Money>("at9");
    QTest::addColumn<Money>("at15");
    QTest::newRow("resident") << int(ReturnKind3NDFL) << Rub("3") << Rub("16") << Rub("32") << Rub("65")
                              << Rub("0");
    QTest::newRow("non-resident") << int(ReturnKind3NDFLNonResident) << Rub("3") << Rub("16") << Rub("0")
                                  << Rub("0") << Rub("8");
}

void TestTaxBase::noticePaymentsByCode() {
    // One payment under every code the payments screen offers, each a different power of two,
    // and two that match no code exactly.
    QFETCH(int, returnKind);
    mTDeclaration declaration;
    declaration.ReturnKind = quint8(returnKind);
    AddNoticePayment(declaration, BudgetCode::Individuals13, Rub("1"));
    AddNoticePayment(declaration, BudgetCode::Entrepreneurs13, Rub("2"));
    AddNoticePayment(declaration, BudgetCode::NonResidentDividends15, Rub("8"));
    AddNoticePayment(declaration, BudgetCode::NonResidents30, Rub("16"));
    AddNoticePayment(declaration, BudgetCode::Prizes35, Rub("32"));
    AddNoticePayment(declaration, BudgetCode::Mortgage9, Rub("64"));
    AddNoticePayment(declaration, BudgetCode::Dividends9, Rub("1"));
    AddNoticePayment(declaration, QLatin1String("18210102021011000110 "), Rub("128"));
    AddNoticePayment(declaration, QLatin1String(""), Rub("256"));
    kTSvodSum sum;
    sum.List1.Compute(declaration, sum);
    sum.List2.Compute(declaration, sum);
    sum.List3.Compute(declaration, sum);
    sum.List4.Compute(declaration, sum);
    sum.List5.Compute(declaration, sum);
    QTEST(sum.List1.PaidOnNotices, "at13");
    QTEST(sum.List2.PaidOnNotices, "at30");
    QTEST(sum.List3.PaidOnNotices, "at35");
    QTEST(sum.List4.PaidOnNotices, "at9");
    QTEST(sum.List5.PaidOnNotices, "at15");
    // With no tax computed at any rate, every notice payment taken in comes back.
    QTEST(sum.List1.Refundable, "at13");
    QTEST(sum.List2.Refundable, "at30");
    QTEST(sum.List3.Refundable, "at35");
    QTEST(sum.List4.Refundable, "at9");
    QTEST(sum.List5.Refundable, "at15");
    QVERIFY(sum.List2.IncomeTotal.IsZero());
}

void TestTaxBase::nonResidentThirtyPercent() {
    mTDeclaration declaration;
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    AddNoticePayment(declaration, BudgetCode::NonResidents30, Rub("1000"));
    kTSvodSum sum;
    sum.PrilA30.IncomeTotal = Rub("100000");
    sum.PrilA30.TaxWithheldTotal = Rub("25000");
    sum.PrilM.ExemptTotal = Rub("4000");
    sum.PrilM2.ExemptTotal = Rub("1000");
    sum.PrilJ.ExpensesApplied = Rub("5000.05");
    sum.List2.Compute(declaration, sum);
    const kTSvodSumList2& l = sum.List2;
    QCOMPARE(l.IncomeTotal, Rub("100000"));
    QCOMPARE(l.IncomeExempt, Rub("5000"));
    QCOMPARE(l.IncomeTaxable, Rub("95000"));
    QCOMPARE(l.ExpensesDeductions, Rub("5000.05"));
    QCOMPARE(l.TaxBase, Rub("89999.95"));
    QCOMPARE(l.TaxComputed, Rub("27000")); // 26 999.985
    QCOMPARE(l.TaxWithheld, Rub("25000"));
    QCOMPARE(l.PaidOnNotices, Rub("1000"));
    QCOMPARE(l.Payable, Rub("1000"));
    QVERIFY(l.Refundable.IsZero());
}

void TestTaxBase::nonResidentFifteenPercentOnTheTotal() {
    // Two sources of 10 003.30: 1 500.495 each rounds to 1 500, but 15 % of the 20 006.60 total
    // is 3 000.99, which rounds to 3 001.
    mTDeclaration declaration;
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    kTSvodSum sum;
    sum.PrilA15.IncomeTotal = Rub("20006.60");
    sum.PrilA15.TaxableTotal = Rub("20006.60");
    sum.PrilA15.TaxComputedTotal = Rub("3000");
    sum.PrilA15.TaxWithheldTotal = Rub("3000");
    sum.List5.Compute(declaration, sum);
    QCOMPARE(sum.List5.IncomeTotal, Rub("20006.60"));
    QCOMPARE(sum.List5.TaxBase, Rub("20006.60"));
    QCOMPARE(sum.List5.TaxComputed, Rub("3001"));
    QCOMPARE(sum.List5.Payable, Rub("1"));
}

void TestTaxBase::residentThirtyFivePercent() {
    mTDeclaration declaration;
    AddNoticePayment(declaration, BudgetCode::Prizes35, Rub("500"));
    kTSvodSum sum;
    sum.PrilA35.IncomeTotal = Rub("10000");
    sum.PrilA35.TaxWithheldTotal = Rub("2100");
    sum.PrilB35.IncomeRoublesTotal = Rub("5000");
    sum.PrilB35.CreditTotal = Rub("200");
    sum.PrilM2.ExemptTotal = Rub("4000");
    sum.PrilM3.TaxWithheldTotal = Rub("700");
    sum.List3.Compute(declaration, sum);
    const kTSvodSumList3& l = sum.List3;
    QCOMPARE(l.IncomeTotal, Rub("15000"));
    QCOMPARE(l.IncomeExempt, Rub("4000"));
    QCOMPARE(l.TaxBase, Rub("11000"));
    QCOMPARE(l.TaxComputed, Rub("3850"));
    QCOMPARE(l.TaxWithheldExempt, Rub("700"));
    QCOMPARE(l.Payable, Rub("350")); // 3 850 − (2 100 + 700 + 500) − 200

    // Tax withheld from an exempt benefit is paid tax that comes back.
    sum.PrilM3.TaxWithheldTotal = Rub("2000");
    sum.List3.Compute(declaration, sum);
    QCOMPARE(sum.List3.Refundable, Rub("750"));
    QVERIFY(sum.List3.Payable.IsZero());
}

void TestTaxBase::residentNinePercent() {
    mTDeclaration declaration;
    AddNoticePayment(declaration, BudgetCode::Mortgage9, Rub("20"));
    AddNoticePayment(declaration, BudgetCode::Dividends9, Rub("30"));
    kTSvodSum sum;
    sum.PrilA6.IncomeTotal = Rub("10500");
    sum.PrilA6.TaxableTotal = Rub("10000");
    sum.PrilA6.TaxComputedTotal = Rub("900");
    sum.PrilA6.TaxWithheldTotal = Rub("900");
    sum.PrilB9.IncomeRoublesTotal = Rub("1000");
    sum.PrilB9.TaxComputedTotal = Rub("90");
    sum.PrilB9.CreditTotal = Rub("30");
    sum.List4.Compute(declaration, sum);
    const kTSvodSumList4& l = sum.List4;
    QCOMPARE(l.IncomeTotal, Rub("11500"));
    QCOMPARE(l.TaxBase, Rub("11000"));
    QCOMPARE(l.TaxComputed, Rub("990")); // as computed by the sources, not 9 % of the base
    QCOMPARE(l.PaidOnNotices, Rub("50"));
    QCOMPARE(l.ForeignTaxCredit, Rub("30"));
    QCOMPARE(l.Payable, Rub("10"));
}

void TestTaxBase::ratesOfTheOtherKindStayZero() {
    for (quint8 kind : {ReturnKind3NDFL, ReturnKind3NDFLNonResident}) {
        mTDeclaration declaration;
        declaration.ReturnKind = kind;
        AddNoticePayment(declaration, BudgetCode::Prizes35, Rub("100"));
        AddNoticePayment(declaration, BudgetCode::Mortgage9, Rub("100"));
        AddNoticePayment(declaration, BudgetCode::NonResidentDividends15, Rub("100"));
        kTSvodSum sum;
        sum.PrilA35.IncomeTotal = Rub("10000");
        sum.PrilB35.IncomeRoublesTotal = Rub("10000");
        sum.PrilM3.TaxWithheldTotal = Rub("100");
        sum.PrilA6.IncomeTotal = Rub("10000");
        sum.PrilA6.TaxComputedTotal = Rub("900");
        sum.PrilB9.IncomeRoublesTotal = Rub("10000");
        sum.PrilA15.IncomeTotal = Rub("10000");
        sum.PrilA15.TaxableTotal = Rub("10000");
        sum.PrilA30.IncomeTotal = Rub("10000");
        sum.List2.Compute(declaration, sum);
        sum.List3.Compute(declaration, sum);
        sum.List4.Compute(declaration, sum);
        sum.List5.Compute(declaration, sum);
        if (kind == ReturnKind3NDFL) {
            QVERIFY(Untouched(sum.List5));
            QVERIFY(sum.List2.IncomeTotal.IsZero()); // the 30 % appendix is a non-resident's
            QVERIFY(!Untouched(sum.List3));
            QVERIFY(!Untouched(sum.List4));
        } else {
            QVERIFY(Untouched(sum.List3));
            QVERIFY(sum.List3.TaxWithheldExempt.IsZero());
            QVERIFY(Untouched(sum.List4));
            QCOMPARE(sum.List5.TaxComputed, Rub("1500"));
            QCOMPARE(sum.List2.IncomeTotal, Rub("10000"));
        }
    }
}

QTEST_GUILESS_MAIN(TestTaxBase)
#include "tst_taxbase.moc"
