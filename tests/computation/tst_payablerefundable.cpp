#include "computation/BudgetCodes.h"
#include "computation/ReturnBuilder.h"

#include <QtTest>

namespace {

const QString kPerson = QStringLiteral("45286555000");
const QString kOkatoX = QStringLiteral("45293594000");
const QString kOkatoY = QStringLiteral("46228501000");

PaymentLine Refund(QLatin1String kbk, const QString& okato, const char* amount) {
    return {kbk, okato, QStringLiteral("2"), Rub(amount)};
}

PaymentLine Pay(QLatin1String kbk, const char* amount) {
    return {kbk, kPerson, QStringLiteral("1"), Rub(amount)};
}

PaymentLine NothingDue(QLatin1String kbk) {
    return {kbk, kPerson, QStringLiteral("3"), Money()};
}

// A resident with the given payer category; the OKATO codes as the driver leaves them when no
// source named one.
void Prepare(mTDeclaration& declaration, kTSvodSum& sum, quint8 category = 5) {
    declaration.Person.OKATO = kPerson;
    declaration.PayerCategory = category;
    for (QString* code : {&sum.Okato13, &sum.Okato9, &sum.Okato35, &sum.Okato15})
        *code = kPerson;
}

} // namespace

class TestPayableRefundable : public QObject {
    Q_OBJECT

private slots:
    void refundFollowsTheAgents();
    void agentsWithTheSameOkatoShareARow();
    void refundBeyondWithheldGoesToPersonOkato();
    void refundOfAdvancesComesFirst_data();
    void refundOfAdvancesComesFirst();
    void refundOfNoticePayments();
    void sourceWithoutOkatoRefundsToTaxpayer();
    void nonResidentRefundWalksItsOwnSources();
    void paymentSplitBetweenBusinessAndOtherIncome_data();
    void paymentSplitBetweenBusinessAndOtherIncome();
    void nothingDue_data();
    void nothingDue();
    void otherRatesInTheirOrder();
};

void TestPayableRefundable::refundFollowsTheAgents() {
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "3000");
    AddSource13(declaration.IncomeSources13, kOkatoY, {}, "4000");
    sum.List1.Refundable = Rub("5000");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoX, "3000"),
                                                    Refund(BudgetCode::TaxAgents, kOkatoY, "2000")}));
}

void TestPayableRefundable::agentsWithTheSameOkatoShareARow() {
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "3000");
    AddSource13(declaration.IncomeSources13, kOkatoY, {}, "0"); // withheld nothing: no row
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "1500");
    sum.List1.Refundable = Rub("4000");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoX, "4000")}));
}

void TestPayableRefundable::refundBeyondWithheldGoesToPersonOkato() {
    // A foreign worker's fixed advances make the refund larger than the tax withheld.
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "1000");
    sum.List1.Refundable = Rub("2500");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoX, "1000"),
                                                    Refund(BudgetCode::TaxAgents, kPerson, "1500")}));
}

void TestPayableRefundable::refundOfAdvancesComesFirst_data() {
    QTest::addColumn<quint8>("kinds");
    QTest::addColumn<Money>("refund");
    QTest::addColumn<QList<PaymentLine>>("rows");
    QTest::newRow("business advance, then the agent")
        << quint8(IncomeRussia | IncomeBusiness) << Rub("5000")
        << QList<PaymentLine>{Refund(BudgetCode::Entrepreneurs, kPerson, "2000"),
                              Refund(BudgetCode::TaxAgents, kOkatoX, "3000")};
    QTest::newRow("business and practice advances together")
        << quint8(IncomeRussia | IncomeBusiness | IncomePractice) << Rub("5000")
        << QList<PaymentLine>{Refund(BudgetCode::Entrepreneurs, kPerson, "2700"),
                              Refund(BudgetCode::TaxAgents, kOkatoX, "2300")};
    QTest::newRow("advance above the refund")
        << quint8(IncomeRussia | IncomeBusiness) << Rub("1200")
        << QList<PaymentLine>{Refund(BudgetCode::Entrepreneurs, kPerson, "1200")};
    QTest::newRow("advance equal to the refund")
        << quint8(IncomeRussia | IncomeBusiness) << Rub("2000")
        << QList<PaymentLine>{Refund(BudgetCode::Entrepreneurs, kPerson, "2000")};
    QTest::newRow("advance without business income counts for nothing")
        << quint8(IncomeRussia) << Rub("5000")
        << QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoX, "5000")};
}

void TestPayableRefundable::refundOfAdvancesComesFirst() {
    QFETCH(quint8, kinds);
    QFETCH(Money, refund);
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum, 0);
    declaration.SetIncomeKinds(kinds);
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "10000");
    declaration.BusinessIncomes.Add();
    declaration.PracticeIncomes.Add();
    declaration.AdvancePaid = Rub("2000");
    declaration.PracticeSum1 = Rub("700");
    sum.List1.Refundable = refund;
    sum.List6.Compute(declaration, sum);
    QTEST(PaymentLines(sum), "rows");
}

void TestPayableRefundable::refundOfNoticePayments() {
    // 6 000 to refund: 1 000 withheld by the agent, 2 000 and 1 500 paid on notices as a person
    // and as an entrepreneur; what is left goes to the agents' code.
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "1000");
    AddNoticePayment(declaration, BudgetCode::Individuals13, Rub("1200"));
    AddNoticePayment(declaration, BudgetCode::Entrepreneurs13, Rub("1500"));
    AddNoticePayment(declaration, BudgetCode::Individuals13, Rub("800"));
    sum.List1.PaidOnNotices = Rub("3500");
    sum.List1.Refundable = Rub("6000");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoX, "1000"),
                                                    Refund(BudgetCode::TaxAgents, kPerson, "2000"),
                                                    Refund(BudgetCode::Entrepreneurs, kPerson, "1500"),
                                                    Refund(BudgetCode::TaxAgents, kPerson, "1500")}));

    // A smaller refund is used up by the notice payments of the person.
    sum.List1.Refundable = Rub("2500");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoX, "1000"),
                                                    Refund(BudgetCode::TaxAgents, kPerson, "1500")}));
}

void TestPayableRefundable::sourceWithoutOkatoRefundsToTaxpayer() {
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    AddSource13(declaration.IncomeSources13, QStringLiteral("   "), {}, "700");
    AddSource13(declaration.IncomeSources13, QString(), {}, "300");
    sum.List1.Refundable = Rub("1000");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kPerson, "1000")}));
}

void TestPayableRefundable::nonResidentRefundWalksItsOwnSources() {
    // A non-resident's 13 % tax was withheld by the sources of the non-resident list; the other
    // list holds the 30 % sources.
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    declaration.ReturnKind = ReturnKind3NDFLNonResident;
    AddSource13(declaration.IncomeSources13, kOkatoX, {}, "5000");
    AddSource13(declaration.IncomeSources13NR, kOkatoY, {}, "5000");
    sum.List1.Refundable = Rub("800");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum), (QList<PaymentLine>{Refund(BudgetCode::TaxAgents, kOkatoY, "800")}));
}

void TestPayableRefundable::paymentSplitBetweenBusinessAndOtherIncome_data() {
    QTest::addColumn<quint8>("kinds");
    QTest::addColumn<Money>("payable");
    QTest::addColumn<QList<PaymentLine>>("rows");
    // Business: 13 % of (200 000 + 30 000 − 50 000 − 10 000) = 22 100, less 5 000 + 1 000 advances.
    QTest::newRow("business share and the rest")
        << quint8(IncomeRussia | IncomeBusiness) << Rub("20000")
        << QList<PaymentLine>{Pay(BudgetCode::Entrepreneurs, "16100"), Pay(BudgetCode::OtherPersons, "3900")};
    QTest::newRow("payment below the business share")
        << quint8(IncomeRussia | IncomePractice) << Rub("10000")
        << QList<PaymentLine>{Pay(BudgetCode::Entrepreneurs, "10000")};
    QTest::newRow("payment equal to the business share")
        << quint8(IncomeBusiness) << Rub("16100")
        << QList<PaymentLine>{Pay(BudgetCode::Entrepreneurs, "16100")};
    QTest::newRow("no business income")
        << quint8(IncomeRussia) << Rub("20000") << QList<PaymentLine>{Pay(BudgetCode::OtherPersons, "20000")};
}

void TestPayableRefundable::paymentSplitBetweenBusinessAndOtherIncome() {
    QFETCH(quint8, kinds);
    QFETCH(Money, payable);
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum, 0);
    declaration.SetIncomeKinds(kinds);
    sum.PrilV1.IncomeTotal = Rub("200000");
    sum.PrilV1.ProfessionalDeduction = Rub("50000");
    sum.PrilV1.AdvancePaid = Rub("5000");
    sum.PrilV2.IncomeTotal = Rub("30000");
    sum.PrilV2.ProfessionalDeduction = Rub("10000");
    sum.PrilV2.AdvancePaid = Rub("1000");
    sum.List1.Payable = payable;
    sum.List6.Compute(declaration, sum);
    QTEST(PaymentLines(sum), "rows");
}

void TestPayableRefundable::nothingDue_data() {
    QTest::addColumn<quint8>("category");
    QTest::addColumn<Money>("income");
    QTest::addColumn<QList<PaymentLine>>("rows");
    QTest::newRow("entrepreneur without income")
        << quint8(0) << Money() << QList<PaymentLine>{NothingDue(BudgetCode::Entrepreneurs)};
    QTest::newRow("lawyer without income")
        << quint8(3) << Money() << QList<PaymentLine>{NothingDue(BudgetCode::Entrepreneurs)};
    QTest::newRow("individual without income")
        << quint8(5) << Money() << QList<PaymentLine>{NothingDue(BudgetCode::OtherPersons)};
    QTest::newRow("individual with 13 % income settled")
        << quint8(5) << Rub("500000") << QList<PaymentLine>{NothingDue(BudgetCode::OtherPersons)};
    QTest::newRow("entrepreneur with 13 % income settled")
        << quint8(0) << Rub("500000") << QList<PaymentLine>{NothingDue(BudgetCode::Entrepreneurs)};
}

void TestPayableRefundable::nothingDue() {
    QFETCH(quint8, category);
    QFETCH(Money, income);
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum, category);
    sum.List1.IncomeTotal = income;
    sum.List6.Compute(declaration, sum);
    QTEST(PaymentLines(sum), "rows");
}

void TestPayableRefundable::otherRatesInTheirOrder() {
    // 13 %, then 35 %, 30 %, 9 % and 15 %; refunds to the OKATO of each rate's agents.
    mTDeclaration declaration;
    kTSvodSum sum;
    Prepare(declaration, sum);
    sum.Okato35 = kOkatoX;
    sum.Okato13 = kOkatoY;
    sum.Okato9 = QStringLiteral("40000000000");
    sum.List1.Payable = Rub("100");
    sum.List3.Refundable = Rub("350");
    sum.List2.Refundable = Rub("300");
    sum.List2.IncomeTotal = Rub("1000");
    sum.List4.IncomeTotal = Rub("10000");
    sum.List5.Payable = Rub("15");
    sum.List6.Compute(declaration, sum);
    QCOMPARE(PaymentLines(sum),
             (QList<PaymentLine>{Pay(BudgetCode::OtherPersons, "100"),
                                 Refund(BudgetCode::TaxAgents, kOkatoX, "350"),
                                 Refund(BudgetCode::TaxAgents, kOkatoY, "300"),
                                 NothingDue(BudgetCode::OtherPersons), Pay(BudgetCode::OtherPersons, "15")}));
}

QTEST_GUILESS_MAIN(TestPayableRefundable)
#include "tst_payablerefundable.moc"
