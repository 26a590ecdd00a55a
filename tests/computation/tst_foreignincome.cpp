#include "computation/DeclarationBuilder.h"

#include <QtTest>

class TestForeignIncome : public QObject {
    Q_OBJECT

private slots:
    void taxAndCredit_data();
    void taxAndCredit();
    void recordsGoToTheSheetOfTheirRate();
    void rowCopiesTheRecord();
    void nothingWithoutForeignIncomeKind();
};

void TestForeignIncome::taxAndCredit_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("deduction");
    QTest::addColumn<QString>("foreignTax");
    QTest::addColumn<QString>("russianTax");
    QTest::addColumn<QString>("credit");
    QTest::newRow("credit up to the Russian tax") << 13 << "10000"
                                                  << "0"
                                                  << "1500"
                                                  << "1300"
                                                  << "1300";
    QTest::newRow("smaller foreign tax rounds half up") << 13 << "10000"
                                                        << "0"
                                                        << "999.50"
                                                        << "1300"
                                                        << "1000";
    QTest::newRow("smaller foreign tax rounds down") << 13 << "10000"
                                                     << "0"
                                                     << "999.49"
                                                     << "1300"
                                                     << "999";
    QTest::newRow("deduction lowers the base") << 13 << "10000"
                                               << "2000"
                                               << "5000"
                                               << "1040"
                                               << "1040";
    QTest::newRow("deduction above income") << 13 << "10000"
                                            << "12000"
                                            << "500"
                                            << "0"
                                            << "0";
    QTest::newRow("nine percent") << 9 << "10000.10"
                                  << "0"
                                  << "2000"
                                  << "900"
                                  << "900";
    QTest::newRow("thirty-five percent") << 35 << "1000"
                                         << "0"
                                         << "100"
                                         << "350"
                                         << "100";
}

void TestForeignIncome::taxAndCredit() {
    QFETCH(int, rate);
    QFETCH(QString, income);
    QFETCH(QString, deduction);
    QFETCH(QString, foreignTax);
    QFETCH(QString, russianTax);
    QFETCH(QString, credit);
    auto d = NewDeclaration();
    AddForeign(*d, rate, 1010, income, foreignTax, 601, deduction);
    kTSvodSum sum;
    sum.Compute(*d);
    const kTSvodSumPrilB& sheet = rate == 13 ? sum.PrilB13 : rate == 9 ? sum.PrilB9 : sum.PrilB35;
    QCOMPARE(sheet.Rows.size(), size_t(1));
    QCOMPARE(sheet.Rows[0].TaxComputedRF, Rub(russianTax));
    QCOMPARE(sheet.Rows[0].Credit, Rub(credit));
    // The row's income counts even when nothing is taxed.
    QCOMPARE(sheet.IncomeRoublesTotal, Rub(income));
    QCOMPARE(sheet.ForeignTaxRoublesTotal, Rub(foreignTax));
    QCOMPARE(sheet.TaxComputedTotal, Rub(russianTax));
    QCOMPARE(sheet.CreditTotal, Rub(credit));
}

void TestForeignIncome::recordsGoToTheSheetOfTheirRate() {
    auto d = NewDeclaration();
    AddForeign(*d, 13, 1010, "100");
    AddForeign(*d, 13, 2620, "200"); // exempt material benefit: in no sheet
    AddForeign(*d, 30, 1010, "400"); // no sheet for 30 %
    AddForeign(*d, 9, 1010, "800");
    AddForeign(*d, 13, 1010, "1600");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilB13.Rows.size(), size_t(2));
    QCOMPARE(sum.PrilB13.IncomeRoublesTotal, Rub("1700"));
    QCOMPARE(sum.PrilB13.Rows[1].IncomeRoubles, Rub("1600"));
    QCOMPARE(sum.PrilB9.IncomeRoublesTotal, Rub("800"));
    QVERIFY(sum.PrilB35.Rows.empty());
}

void TestForeignIncome::rowCopiesTheRecord() {
    auto d = NewDeclaration(ReturnKind3NDFLNonResident);
    mTCurrencyIncome& income = AddForeign(*d, 13, 1010, "35123.40", "3512.34");
    income.CountryCode = QStringLiteral("840");
    income.CurrencyCode = QStringLiteral("840");
    income.CurrencyName = QStringLiteral("Доллар США");
    income.SourceName = QStringLiteral("ACME");
    income.IncomeDate = DateValue::FromYmd(2010, 3, 15);
    income.TaxPaidDate = DateValue::FromYmd(2010, 4, 1);
    income.RateAtIncome = Rub("3512.34");
    income.RateUnitsAtIncome = 100;
    income.IncomeCurrency = Rub("1000.5");
    income.RateAtTax = Rub("30");
    income.RateUnitsAtTax = 0;
    income.TaxCurrency = Rub("100.125");
    kTSvodSum sum;
    sum.Compute(*d);
    QCOMPARE(sum.PrilB13.Rows.size(), size_t(1));
    const kTSvodSumPrilBRow& row = sum.PrilB13.Rows[0];
    QCOMPARE(row.CountryCode, QStringLiteral("840"));
    QCOMPARE(row.CurrencyName, QStringLiteral("Доллар США"));
    QCOMPARE(row.SourceName, QStringLiteral("ACME"));
    QCOMPARE(row.IncomeDate, DateValue::FromYmd(2010, 3, 15));
    QCOMPARE(row.TaxPaidDate, DateValue::FromYmd(2010, 4, 1));
    QCOMPARE(row.RateAtIncomeText, QStringLiteral("35.1234"));
    QCOMPARE(row.RateAtTaxText, QString()); // units unknown
    QCOMPARE(row.IncomeCurrencyText, QStringLiteral("1000.50"));
    QCOMPARE(row.TaxCurrencyText, QStringLiteral("100.12"));
    QCOMPARE(row.IncomeCode, 1010);
    // A non-resident's foreign income is computed too.
    QCOMPARE(row.TaxComputedRF, Rub("4566"));
}

void TestForeignIncome::nothingWithoutForeignIncomeKind() {
    auto d = NewDeclaration();
    AddForeign(*d, 13, 1010, "100");
    d->IncomeKinds &= ~IncomeForeign; // the records stay, the kind is off
    kTSvodSum sum;
    sum.Compute(*d);
    QVERIFY(sum.PrilB13.Rows.empty());
    QVERIFY(sum.PrilB13.IncomeRoublesTotal.IsZero());
}

QTEST_GUILESS_MAIN(TestForeignIncome)
#include "tst_foreignincome.moc"
