// Whole returns computed from declarations built here; the expected amounts are worked out by
// hand in the comments.

#include "computation/BudgetCodes.h"
#include "computation/ReturnBuilder.h"
#include "computation/WorkedExamples.h"

using namespace WorkedExample;

#include <QtTest>

class TestWorkedExamples : public QObject {
    Q_OBJECT

private slots:
    void employeeBuysAFlat_data();
    void employeeBuysAFlat();
    void carSoldWithinThreeYears();
    void noticePaymentsWithoutIncome();
    void nonResidentTaxedAtThirtyPercent();
    void entrepreneurWithoutDocuments();
};

void TestWorkedExamples::employeeBuysAFlat_data() {
    QTest::addColumn<Money>("treatment");
    QTest::addColumn<Money>("ownEducation");
    QTest::addColumn<Money>("social");
    QTest::addColumn<Money>("flatDeducted");
    QTest::addColumn<Money>("flatCarried");

    // The cost is admitted up to the 2 000 000 ceiling (registered after 2008, the whole flat).
    // Nothing else is deducted, so the whole 600 000 of income is left for the flat: 600 000 is
    // deducted now and 2 000 000 − 600 000 = 1 400 000 carried to 2011.
    QTest::newRow("flat only") << Money() << Money() << Money() << Rub("600000") << Rub("1400000");
    // Treatment 80 000 and own education 60 000, 140 000 together, are limited to 120 000 and go
    // first: 600 000 − 120 000 = 480 000 is left for the flat, 2 000 000 − 480 000 = 1 520 000 carried.
    QTest::newRow("flat, treatment and own education")
        << Rub("80000") << Rub("60000") << Rub("120000") << Rub("480000") << Rub("1520000");
}

void TestWorkedExamples::employeeBuysAFlat() {
    QFETCH(Money, treatment);
    QFETCH(Money, ownEducation);
    mTDeclaration declaration;
    Employee(declaration);
    FlatBoughtIn2010(declaration);
    declaration.SocialDeduction.GrantSocial = treatment.IsZero() && ownEducation.IsZero() ? 0 : 1;
    declaration.SocialDeduction.Treatment = treatment;
    declaration.SocialDeduction.OwnEducation = ownEducation;
    kTSvodSum sum;
    sum.Compute(declaration);

    QTEST(sum.PrilE2.SocialTotal, "social");
    QCOMPARE(sum.PrilZ.CostActual, Rub("2000000"));
    QTEST(sum.PrilZ.TaxBaseBeforeProperty, "flatDeducted");
    QTEST(sum.PrilZ.DeclCostDeduction, "flatDeducted");
    QTEST(sum.PrilZ.CarryOutCost, "flatCarried");
    // Either way 600 000 is deducted: base 0, tax 0, and the 78 000 withheld comes back.
    QCOMPARE(sum.List1.IncomeTotal, Rub("600000"));
    QCOMPARE(sum.List1.ExpensesDeductions, Rub("600000"));
    QVERIFY(sum.List1.TaxBase.IsZero());
    QVERIFY(sum.List1.TaxComputed.IsZero());
    QCOMPARE(sum.List1.TaxWithheld, Rub("78000"));
    QCOMPARE(sum.List1.Refundable, Rub("78000"));
    QVERIFY(sum.List1.Payable.IsZero());
    // All of it was withheld by the employer: one refund line under the agents' code and the
    // employer's OKATO.
    QCOMPARE(PaymentLines(sum),
             (QList<PaymentLine>{{BudgetCode::TaxAgents, kEmployer, QStringLiteral("2"), Rub("78000")}}));
}

void TestWorkedExamples::carSoldWithinThreeYears() {
    mTDeclaration declaration;
    CarSoldWithinThreeYears(declaration);
    kTSvodSum sum;
    sum.Compute(declaration);

    // The fixed deduction for other property is 250 000 at most.
    QCOMPARE(sum.PrilH1.OtherSaleIncome, Rub("400000"));
    QCOMPARE(sum.PrilH1.OtherSaleDeduction, Rub("250000"));
    QCOMPARE(sum.PrilH1.DeductionTotal, Rub("250000"));
    // Base 400 000 − 250 000 = 150 000; 13 % is 19 500, none of it withheld.
    QCOMPARE(sum.List1.IncomeTotal, Rub("400000"));
    QCOMPARE(sum.List1.TaxBase, Rub("150000"));
    QCOMPARE(sum.List1.TaxComputed, Rub("19500"));
    QCOMPARE(sum.List1.Payable, Rub("19500"));
    // No business income: the whole payment is a person's, at the taxpayer's OKATO.
    QCOMPARE(PaymentLines(sum),
             (QList<PaymentLine>{{BudgetCode::OtherPersons, kPerson, QStringLiteral("1"), Rub("19500")}}));
}

void TestWorkedExamples::noticePaymentsWithoutIncome() {
    // A resident without income who paid 1 000 on a notice as a person at 13 % and 500 under the
    // 30 % code: no tax is due at either rate, so both come back, the 13 % one under the agents'
    // code at the taxpayer's OKATO and the 30 % one to the OKATO of the 13 % and 30 % agents,
    // which no source named, so the taxpayer's.
    mTDeclaration declaration;
    declaration.Person.OKATO = kPerson;
    declaration.StandardDeduction.GrantStandard = 0;
    AddNoticePayment(declaration, BudgetCode::Individuals13, Rub("1000"));
    AddNoticePayment(declaration, BudgetCode::NonResidents30, Rub("500"));
    kTSvodSum sum;
    sum.Compute(declaration);
    QCOMPARE(sum.List1.PaidOnNotices, Rub("1000"));
    QCOMPARE(sum.List1.Refundable, Rub("1000"));
    QCOMPARE(sum.List2.PaidOnNotices, Rub("500"));
    QCOMPARE(sum.List2.Refundable, Rub("500"));
    QCOMPARE(PaymentLines(sum),
             (QList<PaymentLine>{{BudgetCode::TaxAgents, kPerson, QStringLiteral("2"), Rub("1000")},
                                 {BudgetCode::TaxAgents, kPerson, QStringLiteral("2"), Rub("500")}}));
}

void TestWorkedExamples::nonResidentTaxedAtThirtyPercent() {
    mTDeclaration declaration;
    NonResident(declaration);
    kTSvodSum sum;
    sum.Compute(declaration);
    // 240 000 at 30 % is 72 000; 31 200 was withheld, 40 800 is left to pay as a person's tax.
    QCOMPARE(sum.List2.TaxBase, Rub("240000"));
    QCOMPARE(sum.List2.TaxComputed, Rub("72000"));
    QCOMPARE(sum.List2.Payable, Rub("40800"));
    // The dividends' 15 % of 10 000 is 1 500, all withheld.
    QCOMPARE(sum.List5.TaxComputed, Rub("1500"));
    QVERIFY(sum.List5.Payable.IsZero() && sum.List5.Refundable.IsZero());
    QVERIFY(sum.List1.IncomeTotal.IsZero());
    QCOMPARE(PaymentLines(sum),
             (QList<PaymentLine>{{BudgetCode::OtherPersons, kPerson, QStringLiteral("1"), Rub("40800")},
                                 {BudgetCode::OtherPersons, kPerson, QStringLiteral("3"), Money()}}));
}

void TestWorkedExamples::entrepreneurWithoutDocuments() {
    mTDeclaration declaration;
    Entrepreneur(declaration);
    kTSvodSum sum;
    sum.Compute(declaration);
    // 1 000 000 − 200 000 = 800 000; 13 % is 104 000, of which 90 000 was paid in advance.
    QCOMPARE(sum.PrilV1.ProfessionalDeduction, Rub("200000"));
    QCOMPARE(sum.List1.TaxBase, Rub("800000"));
    QCOMPARE(sum.List1.TaxComputed, Rub("104000"));
    QCOMPARE(sum.List1.AdvancePaid, Rub("90000"));
    QCOMPARE(sum.List1.Payable, Rub("14000"));
    // All of it is tax on business income: the entrepreneurs' code.
    QCOMPARE(PaymentLines(sum),
             (QList<PaymentLine>{{BudgetCode::Entrepreneurs, kPerson, QStringLiteral("1"), Rub("14000")}}));
}

QTEST_GUILESS_MAIN(TestWorkedExamples)
#include "tst_workedexamples.moc"
