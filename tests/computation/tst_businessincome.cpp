#include "computation/DeclarationBuilder.h"

#include <QtTest>

namespace {

mTBusinessNew& AddActivity(mTDeclaration& d, const QString& income, bool documented,
                           const QString& documentedExpenses, const QString& normativeExpenses) {
    mTBusinessNew& activity = *d.BusinessIncomes.At(d.BusinessIncomes.Add());
    activity.Income = Rub(income);
    activity.HasDocumentedExpenses = documented ? 1 : 0;
    activity.ExpensesTotal = Rub(documentedExpenses);
    activity.NormativeExpenses = Rub(normativeExpenses);
    return activity;
}

} // namespace

class TestBusinessIncome : public QObject {
    Q_OBJECT

private slots:
    void documentedOrNormativeExpenses();
    void deductionNeverExceedsIncome_data();
    void deductionNeverExceedsIncome();
    void olderPracticeRecords();
    void nothingWithoutTheIncomeKind();
};

void TestBusinessIncome::documentedOrNormativeExpenses() {
    auto d = NewDeclaration();
    d->SetIncomeKinds(IncomeRussia | IncomeBusiness);
    d->AdvancePaid = Rub("3000");
    d->AdvanceAccrued = Rub("3500");
    // Each activity counts the expenses of its own kind only, whatever the other field holds.
    AddActivity(*d, "100000", true, "70000", "20000");
    AddActivity(*d, "50000", false, "45000", "10000"); // the 20 % norm without documents
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilV1.IncomeTotal, Rub("150000"));
    QCOMPARE(sum.PrilV1.ProfessionalDeduction, Rub("80000"));
    QCOMPARE(sum.PrilV1.AdvancePaid, Rub("3000"));
    QCOMPARE(sum.PrilV1.AdvanceAccrued, Rub("3500"));
    QVERIFY(sum.PrilV2.IncomeTotal.IsZero());
}

void TestBusinessIncome::deductionNeverExceedsIncome_data() {
    QTest::addColumn<QString>("expenses");
    QTest::addColumn<QString>("deduction");
    QTest::newRow("above income") << "120000"
                                  << "100000";
    QTest::newRow("equal to income") << "100000"
                                     << "100000";
    QTest::newRow("below income") << "99999.99"
                                  << "99999.99";
}

void TestBusinessIncome::deductionNeverExceedsIncome() {
    QFETCH(QString, expenses);
    QFETCH(QString, deduction);
    auto d = NewDeclaration();
    d->SetIncomeKinds(IncomeBusiness);
    AddActivity(*d, "100000", true, expenses, "0");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilV1.ProfessionalDeduction, Rub(deduction));
}

void TestBusinessIncome::olderPracticeRecords() {
    auto d = NewDeclaration();
    d->SetIncomeKinds(IncomePractice);
    d->PracticeSum1 = Rub("700");
    d->PracticeSum2 = Rub("800");
    for (const char* amounts : {"30000|5000", "10000|40000"}) {
        mTRepetitNew& practice = *d->PracticeIncomes.At(d->PracticeIncomes.Add());
        const QStringList parts = QString::fromLatin1(amounts).split(QLatin1Char('|'));
        practice.PracticeAmounts[0] = Rub(parts[0]);
        practice.PracticeAmounts[1] = Rub(parts[1]);
    }
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilV2.IncomeTotal, Rub("40000"));
    QCOMPARE(sum.PrilV2.ProfessionalDeduction, Rub("40000")); // 45 000 limited to the income
    QCOMPARE(sum.PrilV2.AdvancePaid, Rub("700"));
    QCOMPARE(sum.PrilV2.AdvanceAccrued, Rub("800"));
}

void TestBusinessIncome::nothingWithoutTheIncomeKind() {
    auto d = NewDeclaration();
    d->SetIncomeKinds(IncomeBusiness | IncomePractice);
    AddActivity(*d, "100000", true, "10", "0");
    d->PracticeIncomes.At(d->PracticeIncomes.Add())->PracticeAmounts[0] = Rub("5");
    d->AdvancePaid = Rub("3000");
    d->IncomeKinds = IncomeRussia; // records left in a file, the kinds cleared
    kTSvodSum sum;
    sum.Compute(*d);
    QVERIFY(sum.PrilV1.IncomeTotal.IsZero());
    QVERIFY(sum.PrilV1.ProfessionalDeduction.IsZero());
    QVERIFY(sum.PrilV1.AdvancePaid.IsZero());
    QVERIFY(sum.PrilV2.IncomeTotal.IsZero());
}

QTEST_GUILESS_MAIN(TestBusinessIncome)
#include "tst_businessincome.moc"
