// The text forms of the export's values: upper case, amounts, codes, dates, the representative's
// name and the file identifier.
#include "export/ExportGroups.h"
#include "export/ExportText.h"
#include "support/Samples.h"

#include <QtTest>

using Samples::M;

class TestExportText : public QObject {
    Q_OBJECT

private slots:
    void upperCase_data();
    void upperCase();
    void attributeValueDropsWhatTheFileCannotCarry();
    void kopecks_data();
    void kopecks();
    void whole_data();
    void whole();
    void codes();
    void dates();
    void representativeName_data();
    void representativeName();
    void fileIdentifier_data();
    void fileIdentifier();
};

void TestExportText::upperCase_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cyrillic") << QStringLiteral("иванов иван ёлкин") << QStringLiteral("ИВАНОВ ИВАН ЁЛКИН");
    QTest::newRow("mixed") << QStringLiteral("ул. Ленина, д.5а, кв 7b")
                           << QStringLiteral("УЛ. ЛЕНИНА, Д.5А, КВ 7B");
    QTest::newRow("other cyrillic of the code page")
        << QStringLiteral("ї є і ў ґ ђ ѓ љ њ ќ ћ џ ј ѕ") << QStringLiteral("Ї Є І Ў Ґ Ђ Ѓ Љ Њ Ќ Ћ Џ Ј Ѕ");
    // The capital of the micro sign is Greek, which windows-1251 cannot hold.
    QTest::newRow("micro sign stays") << QStringLiteral("5 µг") << QStringLiteral("5 µГ");
    QTest::newRow("digits and signs")
        << QStringLiteral("№ 15 «Ромашка» & <x>") << QStringLiteral("№ 15 «РОМАШКА» & <X>");
}

void TestExportText::upperCase() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ExportText::Upper(text), expected);
}

void TestExportText::attributeValueDropsWhatTheFileCannotCarry() {
    const QString text = QStringLiteral("а\x01б") + QChar(0x98) + QStringLiteral("в\tг\n");
    QCOMPARE(ExportText::AttributeValue(text), QStringLiteral("АБВ\tГ\n"));
}

void TestExportText::kopecks_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half rouble") << "1234.5"
                                 << "1234.50";
    QTest::newRow("zero") << "0"
                          << "0.00";
    QTest::newRow("five kopecks") << "0.05"
                                  << "0.05";
    QTest::newRow("kopecks cut, not rounded") << "10.1256"
                                              << "10.12";
    QTest::newRow("whole") << "3"
                           << "3.00";
    QTest::newRow("negative as zero") << "-4"
                                      << "0.00";
    QTest::newRow("15 characters stay") << "123456789012.99"
                                        << "123456789012.99";
    QTest::newRow("16 characters overflow") << "1234567890123"
                                            << "999999999999.99";
    QTest::newRow("17 characters overflow") << "12345678901234"
                                            << "999999999999.99";
}

void TestExportText::kopecks() {
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(ExportText::Kopecks(M(amount.toLatin1().constData())), expected);
}

void TestExportText::whole_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("roubles") << "1234"
                             << "1234";
    QTest::newRow("negative") << "-15"
                              << "-15";
    QTest::newRow("fraction kept") << "12.5"
                                   << "12.5";
    QTest::newRow("zero") << "0"
                          << "0";
    // Money holds at most 922337203685477 roubles: only a sign or decimals can make the text too long.
    QTest::newRow("largest amount stays") << "922337203685477"
                                          << "922337203685477";
    QTest::newRow("15 characters stay") << "-99999999999999"
                                        << "-99999999999999";
    QTest::newRow("16 characters overflow") << "-100000000000000"
                                            << "999999999999999";
    QTest::newRow("decimals overflow") << "12345678901.2345"
                                       << "999999999999999";
}

void TestExportText::whole() {
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(ExportText::Whole(M(amount.toLatin1().constData())), expected);
}

void TestExportText::codes() {
    QCOMPARE(ExportText::TwoDigits(7), QStringLiteral("07"));
    QCOMPARE(ExportText::TwoDigits(0), QStringLiteral("00"));
    QCOMPARE(ExportText::TwoDigits(77), QStringLiteral("77"));
    QCOMPARE(ExportText::TwoDigits(123), QStringLiteral("123"));
    QCOMPARE(ExportText::ThreeCharCode(QStringLiteral("40")), QStringLiteral("040"));
    QCOMPARE(ExportText::ThreeCharCode(QStringLiteral(" 36 ")), QStringLiteral("036"));
    QCOMPARE(ExportText::ThreeCharCode(QStringLiteral("840")), QStringLiteral("840"));
    QCOMPARE(ExportText::ThreeCharCode(QStringLiteral("1234")), QStringLiteral("1234"));
}

void TestExportText::dates() {
    QCOMPARE(ExportText::Date(DateValue::FromYmd(2010, 3, 15)), QStringLiteral("15.03.2010"));
    QCOMPARE(ExportText::Date(DateValue::FromYmd(2010, 3, 15) + 0.75), QStringLiteral("15.03.2010"));
    QCOMPARE(ExportText::Year(DateValue::FromYmd(2005, 7, 1)), QStringLiteral("2005"));
}

void TestExportText::representativeName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("surName");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("patronymic");
    QTest::newRow("two words") << "Петров Пётр"
                               << "Петров"
                               << "Пётр"
                               << "";
    QTest::newRow("three words") << "Петров Пётр Петрович"
                                 << "Петров"
                                 << "Пётр"
                                 << "Петрович";
    QTest::newRow("four words") << "Оглы Мамед Ага Оглы"
                                << "Оглы"
                                << "Мамед"
                                << "Ага Оглы";
    QTest::newRow("one word") << "Петров"
                              << "Петров"
                              << " "
                              << "";
    QTest::newRow("empty") << ""
                           << " "
                           << " "
                           << "";
    QTest::newRow("blanks around and between") << "  Петров   Пётр  Петрович "
                                               << "Петров"
                                               << "Пётр"
                                               << "Петрович";
    // The surname is cut at 60 characters and the rest of the word is read as the first name.
    QTest::newRow("surname over 60") << QString(QString(70, QChar(0x0430)) + QStringLiteral(" Пётр"))
                                     << QString(60, QChar(0x0430)) << QString(10, QChar(0x0430)) << "Пётр";
}

void TestExportText::representativeName() {
    QFETCH(QString, name);
    QFETCH(QString, surName);
    QFETCH(QString, firstName);
    QFETCH(QString, patronymic);
    const RepresentativeNameParts parts = ExportGroups::SplitRepresentativeName(name);
    QCOMPARE(parts.SurName, surName);
    QCOMPARE(parts.FirstName, firstName);
    QCOMPARE(parts.Patronymic, patronymic);
}

void TestExportText::fileIdentifier_data() {
    QTest::addColumn<int>("returnKind");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("expected");
    const QString tail = QStringLiteral("20110315_0F8FAD5B-D9CB-469F-A165-70867728950E");
    QTest::newRow("resident") << 0 << "500100732259"
                              << "NO_NDFL3_7701_7701_500100732259_" + tail;
    QTest::newRow("non-resident") << 1 << "500100732259"
                                  << "NO_NDFL3_7701_7701_500100732259_" + tail;
    QTest::newRow("no INN") << 0 << ""
                            << "NO_NDFL3_7701_7701_000000000000_" + tail;
    QTest::newRow("estimated income") << 2 << "500100732259"
                                      << "NO_NDFL4_7701_7701_500100732259_" + tail;
    QTest::newRow("estimated income, no INN") << 2 << ""
                                              << "NO_NDFL4_7701_7701__" + tail;
}

void TestExportText::fileIdentifier() {
    QFETCH(int, returnKind);
    QFETCH(QString, inn);
    QFETCH(QString, expected);
    mTDeclaration d;
    d.ReturnKind = quint8(returnKind);
    d.InspectionCode = QStringLiteral("7701");
    d.Person.INN = inn;
    const ExportStamp stamp{QDate(2011, 3, 15), QStringLiteral("0F8FAD5B-D9CB-469F-A165-70867728950E")};
    QCOMPARE(ExportGroups::FileIdentifier(d, stamp), expected);
}

QTEST_GUILESS_MAIN(TestExportText)
#include "tst_exporttext.moc"
