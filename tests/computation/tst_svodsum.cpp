#include "computation/DeclarationBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>

namespace {

QByteArray Dump(kTSvodSum& sum) {
    JsonDumper json;
    json.BeginObject();
    sum.Fields(json);
    json.EndObject();
    return json.Result();
}

// True when every amount, count and text of the value is zero or empty and every list of rows empty.
bool AllZero(const QJsonValue& value) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        return std::all_of(object.begin(), object.end(), [](const QJsonValue& v) { return AllZero(v); });
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::all_of(array.begin(), array.end(),
                           [](const QJsonValue& v) { return !v.isObject() && AllZero(v); });
    }
    if (value.isString()) return value.toString().isEmpty() || value.toString() == QLatin1String("0");
    return value.toDouble() == 0;
}

// Income of every kind that the first half of the computation reads.
std::unique_ptr<mTDeclaration> FullDeclaration() {
    auto d = NewDeclaration();
    d->SetIncomeKinds(IncomeRussia | IncomeForeign | IncomeBusiness);
    d->FixedAdvancePayments = Rub("100");
    AddSource13(d->IncomeSources13, QStringLiteral("11111111111"),
                {{2000, "30000", 0, "0", 1}, {2760, "6000", 503, "0", 2}, {2010, "1000", 403, "200", 3}},
                "3900")
        .StandardDeductionSource = 1;
    AddSource35(*d, QStringLiteral("33333333333"), 2740, "10000", 502, "4000", "2100");
    AddDividends(*d, QStringLiteral("99999999999"), "1000", "1000", "90", "90");
    AddForeign(*d, 13, 1010, "5000", "600");
    mTBusinessNew& activity = *d->BusinessIncomes.At(d->BusinessIncomes.Add());
    activity.Income = Rub("70000");
    activity.ExpensesTotal = Rub("20000");
    d->StandardDeduction.ChildrenCount = 1;
    d->SocialDeduction.GrantSocial = 1;
    d->SocialDeduction.Charity = Rub("100000");
    d->SocialDeduction.AddChildEducation(Rub("55000"));
    return d;
}

} // namespace

class TestSvodSum : public QObject {
    Q_OBJECT

private slots:
    void estimatedIncomeComputesNothing();
    void okatoFallsBackToTaxpayer();
    void agentsOkatoCodesBeatTheTaxpayers();
    void sheetsReadEarlierSheets();
    void repeatedComputationStartsAfresh();
    void dumpNamesEveryObject();
};

void TestSvodSum::estimatedIncomeComputesNothing() {
    auto d = FullDeclaration();
    d->ReturnKind = ReturnKind4NDFL;
    kTSvodSum sum;
    sum.Compute(*d);
    const QJsonDocument json = QJsonDocument::fromJson(Dump(sum));
    QVERIFY(json.isObject());
    QVERIFY2(AllZero(json.object()), Dump(sum).constData());
    QVERIFY(sum.Okato13.isEmpty());
    // Nothing computed, nothing lowered.
    QCOMPARE(d->SocialDeduction.ChildEducationAmount(0), Rub("55000"));
}

void TestSvodSum::okatoFallsBackToTaxpayer() {
    for (quint8 kind : {ReturnKind3NDFL, ReturnKind3NDFLNonResident}) {
        auto d = NewDeclaration(kind);
        d->SetIncomeKinds(0);
        kTSvodSum sum;
        sum.Compute(*d);
        for (const QString& code : {sum.Okato13, sum.Okato9, sum.Okato35, sum.Okato15})
            QCOMPARE(code, d->Person.OKATO);
    }
}

void TestSvodSum::agentsOkatoCodesBeatTheTaxpayers() {
    auto d = FullDeclaration();
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.Okato13, QStringLiteral("11111111111"));
    QCOMPARE(sum.Okato35, QStringLiteral("33333333333"));
    QCOMPARE(sum.Okato9, QStringLiteral("99999999999"));
    QCOMPARE(sum.Okato15, d->Person.OKATO);
}

void TestSvodSum::sheetsReadEarlierSheets() {
    auto d = FullDeclaration();
    kTSvodSum sum;
    sum.Compute(*d);
    // The prize appendix feeds the 35 % one.
    QCOMPARE(sum.PrilA35.TaxableTotal, Rub("6000"));
    // Charity is limited by the income of the 13 %, foreign and business sheets: 37 000 + 5 000 + 70 000.
    QCOMPARE(sum.PrilE2.Charity, Rub("28000"));
    QCOMPARE(sum.PrilE2.ChildEducationTotal, Rub("50000"));
    QCOMPARE(d->SocialDeduction.ChildEducationAmount(0), Rub("50000"));
    QCOMPARE(sum.PrilE1.StandardTotal, Rub("4200"));
    QCOMPARE(sum.PrilM.EmployerAidExempt, Rub("4000"));
    QCOMPARE(sum.PrilG.ContractExpenses, Rub("200"));
    QCOMPARE(sum.PrilB13.CreditTotal, Rub("600"));
    QCOMPARE(sum.PrilV1.ProfessionalDeduction, Rub("20000"));
}

void TestSvodSum::repeatedComputationStartsAfresh() {
    auto d = FullDeclaration();
    kTSvodSum reused;
    reused.Compute(*d);
    // The second computation sees another agent's code and less income.
    d->IncomeSources13.At(0)->SourceOKATO = QStringLiteral("12121212121");
    d->IncomeSources35.Delete(0);
    d->CurrencyIncomes.Delete(0);
    reused.Compute(*d);
    kTSvodSum fresh;
    fresh.Compute(*d);
    QCOMPARE(Dump(reused), Dump(fresh));
    QCOMPARE(reused.Okato13, QStringLiteral("12121212121"));
    QCOMPARE(reused.Okato35, d->Person.OKATO);
}

void TestSvodSum::dumpNamesEveryObject() {
    auto d = FullDeclaration();
    kTSvodSum sum;
    sum.Compute(*d);
    const QJsonObject json = QJsonDocument::fromJson(Dump(sum)).object();
    const QStringList expected = {
        "Okato9",   "Okato13", "Okato35", "Okato15", "List1",   "List2",   "List3",   "List4",
        "List5",    "List6",   "PrilA6",  "PrilA13", "PrilA15", "PrilA30", "PrilA35", "PrilB13",
        "PrilB9",   "PrilB35", "PrilV1",  "PrilV2",  "PrilM",   "PrilM2",  "PrilM3",  "PrilG",
        "PrilG_In", "PrilE1",  "PrilE2",  "PrilE3",  "PrilH1",  "PrilZ",   "PrilJ"};
    for (const QString& key : expected)
        QVERIFY2(json.contains(key), qPrintable(key));
    QCOMPARE(json.size(), expected.size());
    QCOMPARE(json["PrilA13"]["IncomeTotal"].toString(), QStringLiteral("37000"));
    QCOMPARE(json["PrilB13"]["Rows"][0]["TaxComputedRF"].toString(), QStringLiteral("650"));
    QCOMPARE(json["PrilE1"]["CumulativeIncome"][2].toString(), QStringLiteral("36800"));
    QCOMPARE(json["Okato13"].toString(), QStringLiteral("11111111111"));
}

QTEST_GUILESS_MAIN(TestSvodSum)
#include "tst_svodsum.moc"
