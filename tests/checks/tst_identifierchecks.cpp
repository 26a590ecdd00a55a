#include "checks/IdentifierChecks.h"

#include <QTest>

// INN control digits and the KPP length rule.
class TestIdentifierChecks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkInn_data() {
        QTest::addColumn<QString>("inn");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("expected");
        const int any = int(InnMode::Any), org = int(InnMode::Organisation), person = int(InnMode::Person);
        // Published INNs of large organisations and a common example of a personal INN.
        QTest::newRow("Sberbank") << "7707083893" << org << int(InnValid);
        QTest::newRow("Gazprom") << "7736050003" << any << int(InnValid);
        QTest::newRow("Lukoil") << "7708004767" << org << int(InnValid);
        QTest::newRow("federal tax service") << "7707329152" << org << int(InnValid);
        QTest::newRow("personal") << "500100732259" << person << int(InnValid);
        QTest::newRow("personal, any mode") << "500100732259" << any << int(InnValid);
        QTest::newRow("surrounding spaces") << "  7707083893 " << org << int(InnValid);
        // 11 − (Σ mod 11) of 10 and 11 both give the control digit 0.
        QTest::newRow("control 11 gives 0") << "7700000030" << org << int(InnValid);
        QTest::newRow("control 10 gives 0") << "7700000070" << org << int(InnValid);
        QTest::newRow("control 10 not taken as 1") << "7700000071" << org << int(InnCheckDigitsWrong);

        QTest::newRow("last digit changed") << "7707083894" << org << int(InnCheckDigitsWrong);
        QTest::newRow("digits swapped") << "7770083893" << org << int(InnCheckDigitsWrong);
        QTest::newRow("personal, 11th digit wrong") << "500100732269" << person << int(InnCheckDigitsWrong);
        QTest::newRow("personal, 12th digit wrong") << "500100732258" << person << int(InnCheckDigitsWrong);
        QTest::newRow("letter in place of a digit") << "77070838A3" << org << int(InnCheckDigitsWrong);
        QTest::newRow("all zeros") << "000000000000" << person << int(InnValid);

        QTest::newRow("empty") << "" << person << int(InnEmpty);
        QTest::newRow("blank") << "   " << any << int(InnEmpty);
        QTest::newRow("11 digits, any") << "77070838931" << any << int(InnLengthNot10Or12);
        QTest::newRow("12 digits, organisation") << "500100732259" << org << int(InnLengthNot10);
        QTest::newRow("10 digits, person") << "7707083893" << person << int(InnLengthNot12);
        QTest::newRow("11 digits, person") << "50010073225" << person << int(InnLengthNot12);
    }

    void checkInn() {
        QFETCH(QString, inn);
        QFETCH(int, mode);
        QFETCH(int, expected);
        QCOMPARE(int(CheckInn(inn, InnMode(mode))), expected);
    }

    void checkKpp_data() {
        QTest::addColumn<QString>("kpp");
        QTest::addColumn<int>("expected");
        QTest::newRow("nine") << "770701001" << int(KppValid);
        QTest::newRow("nine with spaces") << " 770701001 " << int(KppValid);
        QTest::newRow("empty") << "" << int(KppEmpty);
        QTest::newRow("blank") << "  " << int(KppEmpty);
        QTest::newRow("eight") << "77070100" << int(KppLengthNot9);
        QTest::newRow("ten") << "7707010010" << int(KppLengthNot9);
    }

    void checkKpp() {
        QFETCH(QString, kpp);
        QFETCH(int, expected);
        QCOMPARE(int(CheckKpp(kpp)), expected);
    }
};

QTEST_GUILESS_MAIN(TestIdentifierChecks)
#include "tst_identifierchecks.moc"
