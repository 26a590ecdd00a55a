#include "storage/Money.h"

#include <QTest>

// Reading an amount from text: the form every file and field gives, and the rounding past four decimals.
class TestMoneyText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("whole") << "1234" << true << qint64(12340000);
        QTest::newRow("four decimals") << "30.1851" << true << qint64(301851);
        QTest::newRow("one decimal") << "0.5" << true << qint64(5000);
        QTest::newRow("no whole part") << ".25" << true << qint64(2500);
        QTest::newRow("trailing separator") << "7." << true << qint64(70000);
        QTest::newRow("negative, spaces") << " -3.5 " << true << qint64(-35000);
        QTest::newRow("fifth digit rounds up") << "1.00006" << true << qint64(10001);
        QTest::newRow("half rounds to even (down)") << "1.00025" << true << qint64(10002);
        QTest::newRow("half rounds to even (up)") << "1.00035" << true << qint64(10004);
        QTest::newRow("just above half") << "1.000250001" << true << qint64(10003);
        QTest::newRow("other separator") << "1,5" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("separator alone") << "." << false << qint64(0);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("two separators") << "1.2.3" << false << qint64(0);
    }

    void fromText() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, raw);
        Money m;
        QCOMPARE(Money::FromText(text, QLatin1Char('.'), m), ok);
        if (ok) QCOMPARE(m.Raw(), raw);
    }
};

QTEST_GUILESS_MAIN(TestMoneyText)
#include "tst_moneytext.moc"
