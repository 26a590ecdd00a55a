#include "storage/AmountText.h"
#include "storage/CodePage.h"
#include "support/Samples.h"

#include <QTest>

// Money, rounding and the text forms of amounts and dates.
class TestAmountText : public QObject {
    Q_OBJECT

    static Money M(const char* text) {
        Money m;
        if (!Money::FromText(QString::fromLatin1(text), QLatin1Char('.'), m))
            qFatal("bad money literal %s", text);
        return m;
    }

private Q_SLOTS:
    void roundHalfUp_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2.5") << 2.5 << qint64(3);
        QTest::newRow("2.4999") << 2.4999 << qint64(2);
        QTest::newRow("-2.5 cut toward zero") << -2.5 << qint64(-2);
        QTest::newRow("-2.7 cut toward zero") << -2.7 << qint64(-2);
        QTest::newRow("0") << 0.0 << qint64(0);
    }
    void roundHalfUp() {
        QFETCH(double, x);
        QFETCH(qint64, expected);
        QCOMPARE(RoundHalfUp(x), expected);
    }

    void roundToKopecks_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("10.125") << 10.125 << 10.13;
        QTest::newRow("-10.125") << -10.125 << -10.12;
        QTest::newRow("7") << 7.0 << 7.0;
    }
    void roundToKopecks() {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(RoundToKopecks(x), expected);
    }

    void amountTexts_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kopecks");
        QTest::addColumn<QString>("whole");
        QTest::newRow("1234.5") << "1234.5"
                                << "1234.50"
                                << "1234.5";
        QTest::newRow("0") << "0"
                           << "0.00"
                           << "0";
        QTest::newRow("0.05") << "0.05"
                              << "0.05"
                              << "0.05";
        QTest::newRow("kopecks cut, not rounded") << "10.1256"
                                                  << "10.12"
                                                  << "10.1256";
        QTest::newRow("7.5") << "7.5"
                             << "7.50"
                             << "7.5";
        QTest::newRow("negative counts as 0") << "-4"
                                              << "0.00"
                                              << "-4";
        QTest::newRow("too long") << "12345678901234"
                                  << "999999999999.99"
                                  << "12345678901234";
        QTest::newRow("whole too long") << "123456789012345.5"
                                        << "999999999999.99"
                                        << "999999999999999";
    }
    void amountTexts() {
        QFETCH(QString, value);
        QFETCH(QString, kopecks);
        QFETCH(QString, whole);
        const Money m = M(value.toLatin1().constData());
        QCOMPARE(KopeckAmountText(m), kopecks);
        QCOMPARE(WholeAmountText(m), whole);
    }

    void pointDecimalText() {
        QCOMPARE(PointDecimalText(1.23456L), QStringLiteral("1.2346"));
        QCOMPARE(PointDecimalText(30.0L), QStringLiteral("30"));
        QCOMPARE(PointDecimalText(0.5L), QStringLiteral("0.5"));
    }

    void moneyParsingAndArithmetic() {
        Money m;
        QVERIFY(Money::FromText(QStringLiteral("-0,5"), QLatin1Char(','), m));
        QCOMPARE(m.Raw(), qint64(-5000));
        QVERIFY(!Money::FromText(QStringLiteral("1.2.3"), QLatin1Char('.'), m));
        QVERIFY(!Money::FromText(QStringLiteral(""), QLatin1Char('.'), m));
        QVERIFY(!Money::FromText(QStringLiteral("1e5"), QLatin1Char('.'), m));
        // Digits past the fourth decimal round half to even.
        QVERIFY(Money::FromText(QStringLiteral("0.00005"), QLatin1Char('.'), m));
        QCOMPARE(m.Raw(), qint64(0));
        QVERIFY(Money::FromText(QStringLiteral("0.00015"), QLatin1Char('.'), m));
        QCOMPARE(m.Raw(), qint64(2));
        QVERIFY(Money::FromText(QStringLiteral("0.000051"), QLatin1Char('.'), m));
        QCOMPARE(m.Raw(), qint64(1));
        QCOMPARE(Money::FromLongDouble(0.00005L).Raw(), qint64(0));
        QCOMPARE(Money::FromLongDouble(1.23455L).ToText(), QStringLiteral("1.2346")); // nearest, not cut
        QCOMPARE(Money::FromRaw(std::numeric_limits<qint64>::min()).ToText().left(2), QStringLiteral("-9"));
        const Money huge = Money::FromRaw(std::numeric_limits<qint64>::max() - 5);
        QCOMPARE((huge + huge).Raw(), std::numeric_limits<qint64>::max());
        QCOMPARE((-huge - huge).Raw(), std::numeric_limits<qint64>::min() + 1);
        QCOMPARE((-Money::FromRaw(std::numeric_limits<qint64>::min())).Raw(),
                 std::numeric_limits<qint64>::max());
    }

    void screenFields() {
        QCOMPARE(AmountFieldText(M("1234.5")), QStringLiteral("1234,5"));
        Money m = M("5");
        QVERIFY(ParseAmountField(QStringLiteral(""), m));
        QCOMPARE(m, Money());
        QVERIFY(ParseAmountField(QStringLiteral("12,34"), m));
        QCOMPARE(m, M("12.34"));
        QVERIFY(!ParseAmountField(QStringLiteral("12a"), m));

        TDateTime d = 0;
        QVERIFY(ParseDateField(QStringLiteral("29.02.2008"), d));
        QCOMPARE(DateFieldText(d), QStringLiteral("29.02.2008"));
        QVERIFY(!ParseDateField(QStringLiteral("29.02.2010"), d));
        QVERIFY(!ParseDateField(QStringLiteral("1.1.10"), d));
        QCOMPARE(DateValue::FromYmd(2011, 1, 1), 40544.0);
        QCOMPARE(DateValue::TextWithTime(40544.5), QStringLiteral("01.01.2011 12:00:00"));
    }

    void codePages() {
        const QString all =
            QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя№«»");
        QCOMPARE(CodePage::FromCp1251(CodePage::ToCp1251(all)), all);
        QCOMPARE(CodePage::ToCp1251(QStringLiteral("Яя№")), QByteArray("\xDF\xFF\xB9"));
        QCOMPARE(CodePage::FromCp866(QByteArray("\x80\xAF\xE0\xF0")),
                 QStringLiteral("Апрё").replace(QChar(u'ё'), QChar(u'Ё')));
        QVERIFY(CodePage::IsCp1251(all));
        QVERIFY(!CodePage::IsCp1251(QStringLiteral("日本")));
        QCOMPARE(CodePage::ToCp1251(QStringLiteral("日")), QByteArray("?"));
        QByteArray every(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            every[i] = char(i);
        QCOMPARE(CodePage::ToCp1251(CodePage::FromCp1251(every)), every);
    }
};

QTEST_GUILESS_MAIN(TestAmountText)
#include "tst_amounttext.moc"
