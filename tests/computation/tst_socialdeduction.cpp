#include "computation/DeclarationBuilder.h"

#include <QtTest>

namespace {

std::unique_ptr<mTDeclaration> SocialDeclaration(const QString& salary) {
    auto d = NewDeclaration();
    d->SocialDeduction.GrantSocial = 1;
    AddSource13(d->IncomeSources13, {}, {{2000, salary}});
    return d;
}

mTPens& AddContract(mTDeclaration& d, qint32 kind, const QString& contribution, const QString& agent) {
    mTSocialDeduct& r = d.SocialDeduction;
    mTPens& contract = *r.PensionContract(r.AddPensionContract());
    contract.ContractKind = kind;
    contract.FundName = QStringLiteral("НПФ");
    contract.ContractNumber = QStringLiteral("N%1").arg(r.PensionContractCount());
    contract.Contribution = Rub(contribution);
    contract.ContributionToDeduct = Rub("99999");
    contract.AgentDeduction = Rub(agent);
    return contract;
}

} // namespace

class TestSocialDeduction : public QObject {
    Q_OBJECT

private slots:
    void charityLimitedToQuarterOfIncome_data();
    void charityLimitedToQuarterOfIncome();
    void childEducationLoweredInTheRecord();
    void limitedGroup_data();
    void limitedGroup();
    void pensionContracts();
    void notGranted_data();
    void notGranted();
};

void TestSocialDeduction::charityLimitedToQuarterOfIncome_data() {
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("charity");
    QTest::addColumn<QString>("deducted");
    QTest::newRow("above a quarter") << "100000"
                                     << "30000"
                                     << "25000";
    QTest::newRow("equal to a quarter") << "100000"
                                        << "25000"
                                        << "25000";
    QTest::newRow("quarter cut to kopecks") << "100000.03"
                                            << "30000"
                                            << "25000";
    QTest::newRow("equal to the exact quarter") << "100000.03"
                                                << "25000.0075"
                                                << "25000.0075";
    QTest::newRow("quarter with kopecks") << "100000.39"
                                          << "30000"
                                          << "25000.09";
}

void TestSocialDeduction::charityLimitedToQuarterOfIncome() {
    QFETCH(QString, income);
    QFETCH(QString, charity);
    QFETCH(QString, deducted);
    auto d = SocialDeclaration(income);
    d->SocialDeduction.Charity = Rub(charity);
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE2.Charity, Rub(deducted));
    QCOMPARE(sum.PrilE2.UnlimitedSubtotal, Rub(deducted));
    QCOMPARE(sum.PrilE2.SocialTotal, Rub(deducted));
}

void TestSocialDeduction::childEducationLoweredInTheRecord() {
    auto d = SocialDeclaration("500000");
    mTSocialDeduct& r = d->SocialDeduction;
    r.AddChildEducation(Rub("60000"));
    r.AddChildEducation(Rub("20000"));
    r.AddChildEducation(Rub("50000"));
    r.ExpensiveTreatment = Rub("300000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE2.ChildEducationTotal, Rub("120000"));
    QCOMPARE(sum.PrilE2.ExpensiveTreatment, Rub("300000"));
    QCOMPARE(sum.PrilE2.UnlimitedSubtotal, Rub("420000"));
    // The declaration keeps the lowered amount; the others stay.
    QCOMPARE(r.ChildEducationAmount(0), Rub("50000"));
    QCOMPARE(r.ChildEducationAmount(1), Rub("20000"));
    QCOMPARE(r.ChildEducationAmount(2), Rub("50000"));
}

void TestSocialDeduction::limitedGroup_data() {
    QTest::addColumn<QString>("ownEducation");
    QTest::addColumn<QString>("treatment");
    QTest::addColumn<QString>("insurance");
    QTest::addColumn<QString>("extraPension");
    QTest::addColumn<QString>("limited");
    QTest::newRow("above the limit") << "100000"
                                     << "50000"
                                     << "0"
                                     << "0"
                                     << "120000";
    QTest::newRow("equal to the limit") << "50000"
                                        << "40000"
                                        << "20000"
                                        << "10000"
                                        << "120000";
    QTest::newRow("below the limit") << "30000"
                                     << "20000"
                                     << "10000.50"
                                     << "5000"
                                     << "65000.50";
}

void TestSocialDeduction::limitedGroup() {
    QFETCH(QString, ownEducation);
    QFETCH(QString, treatment);
    QFETCH(QString, insurance);
    QFETCH(QString, extraPension);
    QFETCH(QString, limited);
    auto d = SocialDeclaration("1000000");
    mTSocialDeduct& r = d->SocialDeduction;
    r.OwnEducation = Rub(ownEducation);
    r.Treatment = Rub(treatment);
    r.VoluntaryInsurance = Rub(insurance);
    r.ExtraPensionContributions = Rub(extraPension);
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE2.OwnEducation, Rub(ownEducation));
    QCOMPARE(sum.PrilE2.Treatment, Rub(treatment));
    QCOMPARE(sum.PrilE2.Insurance, Rub(insurance));
    QCOMPARE(sum.PrilE2.ExtraPension, Rub(extraPension));
    QCOMPARE(sum.PrilE2.LimitedSubtotal, Rub(limited));
    QCOMPARE(sum.PrilE2.SocialTotal, Rub(limited));
}

void TestSocialDeduction::pensionContracts() {
    auto d = SocialDeclaration("1000000");
    d->SocialDeduction.OwnEducation = Rub("200000");
    AddContract(*d, 1, "30000", "10000").ContractDate = DateValue::FromYmd(2009, 5, 6);
    AddContract(*d, 4, "5000", "6000"); // agent deduction above the contribution
    AddContract(*d, 3, "7000", "0");
    AddContract(*d, 5, "1000000", "1000000"); // unknown kind: skipped
    kTSvodSum sum;
    sum.Compute(*d);
    const kTSvodSumPrilE3& e3 = sum.PrilE3;
    QCOMPARE(e3.ProvisionItems.size(), size_t(1));
    QCOMPARE(e3.InsuranceItems.size(), size_t(2));
    const kTSvodSumPensionItem& provision = e3.ProvisionItems[0];
    QCOMPARE(provision.ContractKind, 1);
    QCOMPARE(provision.FundName, QStringLiteral("НПФ"));
    QCOMPARE(provision.ContractNumber, QStringLiteral("N1"));
    QCOMPARE(provision.ContractDate, DateValue::FromYmd(2009, 5, 6));
    QCOMPARE(provision.Contribution, Rub("30000"));
    QCOMPARE(provision.AgentDeducted, Rub("10000"));
    QCOMPARE(provision.ToDeduct, Rub("20000"));
    QCOMPARE(e3.InsuranceItems[0].ContractKind, 2);
    QCOMPARE(e3.InsuranceItems[0].AgentDeducted, Rub("5000"));
    QCOMPARE(e3.InsuranceItems[0].ToDeduct, Money());
    QCOMPARE(e3.InsuranceItems[1].ContractKind, 1);
    QCOMPARE(e3.ProvisionDeductTotal, Rub("20000"));
    QCOMPARE(e3.InsuranceDeductTotal, Rub("7000"));
    QCOMPARE(e3.ProvisionAgentTotal, Rub("10000"));
    QCOMPARE(e3.InsuranceAgentTotal, Rub("5000"));
    QCOMPARE(e3.AgentTotal, Rub("15000"));
    QCOMPARE(sum.PrilE2.PensionProvision, Rub("20000"));
    QCOMPARE(sum.PrilE2.PensionInsurance, Rub("7000"));
    // What the agents deducted narrows the limit and is counted in the total again.
    QCOMPARE(sum.PrilE2.LimitedSubtotal, Rub("105000"));
    QCOMPARE(sum.PrilE2.SocialTotal, Rub("120000"));

    // Agents alone used up the limit: nothing more is admitted.
    AddContract(*d, 2, "200000", "200000");
    sum.Compute(*d);
    QCOMPARE(sum.PrilE2.LimitedSubtotal, Money());
    QCOMPARE(sum.PrilE2.SocialTotal, Rub("215000"));
}

void TestSocialDeduction::notGranted_data() {
    QTest::addColumn<int>("returnKind");
    QTest::addColumn<int>("grant");
    QTest::newRow("non-resident") << int(ReturnKind3NDFLNonResident) << 1;
    QTest::newRow("not claimed") << int(ReturnKind3NDFL) << 0;
}

void TestSocialDeduction::notGranted() {
    QFETCH(int, returnKind);
    QFETCH(int, grant);
    auto d = NewDeclaration(quint8(returnKind));
    d->SocialDeduction.GrantSocial = quint8(grant);
    d->SocialDeduction.OwnEducation = Rub("1000");
    d->SocialDeduction.AddChildEducation(Rub("70000"));
    AddContract(*d, 1, "30000", "10000");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilE2.SocialTotal, Money());
    QCOMPARE(sum.PrilE2.OwnEducation, Money());
    QVERIFY(sum.PrilE3.ProvisionItems.empty());
    QCOMPARE(sum.PrilE3.AgentTotal, Money());
    QCOMPARE(d->SocialDeduction.ChildEducationAmount(0), Rub("70000"));
}

QTEST_GUILESS_MAIN(TestSocialDeduction)
#include "tst_socialdeduction.moc"
