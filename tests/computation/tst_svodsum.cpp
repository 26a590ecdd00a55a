#include "computation/SvodSum.h"
#include "storage/Declaration.h"

#include <QtTest>

class TestSvodSum : public QObject {
    Q_OBJECT

private slots:
    void estimatedIncomeComputesNothing();
    void okatoFallsBackToTaxpayer();
};

void TestSvodSum::estimatedIncomeComputesNothing() {
    mTDeclaration declaration;
    declaration.ReturnKind = ReturnKind4NDFL;
    declaration.Person.OKATO = QStringLiteral("45286555000");
    declaration.FixedAdvancePayments = Money::FromUnits(1000);
    kTSvodSum sum;
    QVERIFY(sum.Compute(declaration));
    QVERIFY(sum.PrilA13.FixedAdvancePaid.IsZero());
    QVERIFY(sum.List6.Rows.empty());
    QVERIFY(sum.Okato13.isEmpty());
}

void TestSvodSum::okatoFallsBackToTaxpayer() {
    mTDeclaration declaration;
    declaration.Person.OKATO = QStringLiteral("45286555000");
    kTSvodSum sum;
    QVERIFY(sum.Compute(declaration));
    for (const QString& code : {sum.Okato13, sum.Okato9, sum.Okato35, sum.Okato15})
        QCOMPARE(code, QStringLiteral("45286555000"));
}

QTEST_GUILESS_MAIN(TestSvodSum)
#include "tst_svodsum.moc"
