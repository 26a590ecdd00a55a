#include "reference/DeductionProposal.h"
#include "reference/IncomeDictionary.h"

#include <QTest>

namespace {

const mTIncomeDictionary& Dict() {
    return mTIncomeDictionary::Embedded();
}

QStringList Codes(const QList<CodeNameRow>& rows) {
    QStringList codes;
    for (const CodeNameRow& r : rows)
        codes << r.Code;
    return codes;
}

const DeductionEntry& Deduction(const char* income, const char* deduction) {
    const DeductionEntry* d =
        Dict().FindDeduction(QString::fromLatin1(income), QString::fromLatin1(deduction));
    if (!d) qFatal("deduction %s of %s missing", deduction, income);
    return *d;
}

} // namespace

// The embedded income and deduction code dictionary, its picker filters and the deduction proposal.
class TestIncomeDictionary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void embeddedDocumentIsWindows1251() {
        const QByteArray bytes = mTIncomeDictionary::EmbeddedDocument();
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
        QVERIFY(bytes.contains("\xc4\xe8\xe2\xe8\xe4\xe5\xed\xe4\xfb")); // "Дивиденды" in windows-1251
        QVERIFY(Dict().ErrorString().isEmpty());
        QCOMPARE(Dict().Incomes().first().Name,
                 QStringLiteral("Дивиденды и проценты (пп.1 п.1 ст.208 ст.214 НК)"));
    }

    void incomeCodesRatesAndFlags() {
        const QString expected =
            "1010:9 1011 1110:9 1120:9 1200 1201 1202 1203 1211 1212 1213 1214 1220 1230 1240 1300 1301 1400 "
            "1510S 1511S 1520S 1530S 1536S 1531S 1532S 1535S 1533S 1540 1550 2000N 2001N 2010N 2012N 2201 "
            "2202 2203 "
            "2204 2205 2206 2207 2208 2209 2210 2300N 2400 2510 2520 2530N 2610:35 2620:35 2630 2640 2641 "
            "2710 2720 "
            "2730 2740:35 2750 2760 2761 2762 2770 2780 2790 2791N 2800 2900 3010 3020:35 4800 4900";
        QStringList actual;
        for (const IncomeEntry& i : Dict().Incomes()) {
            QVERIFY2(!i.Name.isEmpty(), qPrintable(i.Code));
            QString item = i.Code + (i.Stav == QLatin1String("13") ? QString() : QLatin1Char(':') + i.Stav);
            if (i.NRez13) item += QLatin1Char('N');
            if (i.SaleDate) item += QLatin1Char('S');
            actual << item;
        }
        QCOMPARE(actual.size(), 71);
        QCOMPARE(actual.join(QLatin1Char(' ')), expected);
    }

    // Every deduction entry: code, percent, Visible/Enabled/Equivalent and MaxSum, in document order.
    void deductionEntries() {
        QStringList expected = {
            "1010: 601 VE; 0 E",
            "1510: 901 VQ 1000000; 903 VE; 0 E",
            "1511: 904 VE 1000000; 903 VE; 0 E",
            "1520: 906 VE 250000; 903 VE; 0 E",
            "1530: 201 VE; 0 E",
            "1536: 203 VE; 0 E",
            "1531: 202 VE; 0 E",
            "1532: 206 VE; 0 E",
            "1535: 207 VE; 0 E",
            "1533: 202 VE; 0 E",
            "1540: 315 VE; 0 E",
            "1550: 314 VE; 0 E",
            "2010: 403 VE; 0 E",
            "2201: 404 VE; 405 V 20%; 0 E",
            "2202: 404 VE; 405 V 30%; 0 E",
            "2203: 404 VE; 405 V 40%; 0 E",
            "2204: 404 VE; 405 V 30%; 0 E",
            "2205: 404 VE; 405 V 40%; 0 E",
            "2206: 404 VE; 405 V 25%; 0 E",
            "2207: 404 VE; 405 V 20%; 0 E",
            "2208: 404 VE; 405 V 20%; 0 E",
            "2209: 404 VE; 405 V 30%; 0 E",
            "2720: 501 VEQ 4000; 0 E",
            "2730: 502 VEQ 4000; 0 E",
            "2740: 505 VEQ 4000; 0 E",
            "2760: 503 VEQ 4000; 0 E",
            "2761: 506 VEQ 4000; 0 E",
            "2762: 508 VE; 0 E",
            "2770: 504 VEQ 4000; 0 E",
            "2790: 507 VEQ 10000; 0 E",
            "2791: 509 VE; 0 E",
            "4900: 908 VE; 0 E",
        };
        QStringList actual;
        for (const IncomeEntry& i : Dict().Incomes()) {
            if (i.Deductions.isEmpty()) continue;
            QStringList entries;
            for (const DeductionEntry& d : i.Deductions) {
                QString flags =
                    QString(d.Visible ? "V" : "") + (d.Enabled ? "E" : "") + (d.Equivalent ? "Q" : "");
                QString e = d.Code + QLatin1Char(' ') + flags;
                if (!d.MaxSum.IsZero()) e += QLatin1Char(' ') + d.MaxSum.ToText();
                if (d.Percent) e += QStringLiteral(" %1%").arg(d.Percent);
                entries << e;
            }
            actual << i.Code + QStringLiteral(": ") + entries.join(QStringLiteral("; "));
        }
        QCOMPARE(actual, expected);
    }

    void deductionNames_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << "2760"
                           << "0"
                           << "Не предоставлять вычет";
        QTest::newRow("202 under 1531") << "1531"
                                        << "202"
                                        << "(308)Расходы по операциям с ЦБ (не обращ-ся на орг. рынке ЦБ)";
        QTest::newRow("202 under 1533")
            << "1533"
            << "202"
            << "(306)Расходы по операциям с фин. инстр. сроч. сделок (не обращ-ся на орг. рынке ЦБ)";
        QTest::newRow("903 has a trailing blank") << "1510"
                                                  << "903"
                                                  << "В сумме документально подтвержденных расходов ";
        QTest::newRow("314 has a trailing blank") << "1550"
                                                  << "314"
                                                  << "В сумме документально подтвержденных расходов ";
        QTest::newRow("315 has none") << "1540"
                                      << "315"
                                      << "В сумме документально подтвержденных расходов";
        QTest::newRow("501") << "2720"
                             << "501"
                             << "Вычет из стоимости подарка от органицаций и индивидуальных предпринимателей";
        QTest::newRow("508")
            << "2762"
            << "508"
            << "Вычет из суммы мат. помощи, оказываемой при рождении (усыновлении (удочерении) ребенка";
        QTest::newRow("904")
            << "1511"
            << "904"
            << "Продажа доли имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 1 000 000 руб. х долю)";
        QTest::newRow("908") << "4900"
                             << "908"
                             << "Вычет, предусмотренный пп. 1.1 п.1 ст. 220 НК";
    }

    void deductionNames() {
        QFETCH(QString, income);
        QFETCH(QString, deduction);
        QFETCH(QString, name);
        const DeductionEntry* d = Dict().FindDeduction(income, deduction);
        QVERIFY(d);
        QCOMPARE(d->Name, name);
    }

    void incomeRows_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<bool>("nonResident");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("13 %, non-resident")
            << "13" << true << QStringList{"2000", "2001", "2010", "2012", "2300", "2530", "2791"};
        QTest::newRow("35 %") << "35" << false << QStringList{"2610", "2620", "2740", "3020"};
        QTest::newRow("9 %") << "9" << false << QStringList{"1010", "1110", "1120"};
        QTest::newRow("35 %, non-resident") << "35" << true << QStringList{};
        QTest::newRow("no rate matches exactly") << "13.0" << false << QStringList{};
    }

    void incomeRows() {
        QFETCH(QString, rate);
        QFETCH(bool, nonResident);
        QFETCH(QStringList, codes);
        QCOMPARE(Codes(Dict().IncomeRows(rate, nonResident)), codes);
    }

    void incomeRowsWithoutFilter() {
        // Without a rate filter the non-resident flag has no effect.
        for (bool nonResident : {false, true}) {
            const QStringList codes = Codes(Dict().IncomeRows(QString(), nonResident));
            QCOMPARE(codes.size(), 71);
            QCOMPARE(codes.indexOf("1536"), codes.indexOf("1530") + 1);
            QCOMPARE(codes.indexOf("1531"), codes.indexOf("1536") + 1);
        }
        QCOMPARE(Dict().IncomeRows("13", false).size(), 71 - 3 - 4);
    }

    void choosingAnIncome() {
        const QList<CodeNameRow> rows = Dict().IncomeRows(QString(), false);
        const int row2760 = RowOfCode(rows, "2760", 0);
        QCOMPARE(rows[row2760].Code, QStringLiteral("2760"));
        QCOMPARE(RowOfCode(rows, "9999", 0), 0); // no match: the first row

        IncomeChoice c = Dict().ChooseIncome(rows[row2760], QString());
        QCOMPARE(c.Code, QStringLiteral("2760"));
        QCOMPARE(c.Name, rows[row2760].Name);
        QCOMPARE(c.Rate, quint16(13));
        QVERIFY(c.HasDeductions);

        c = Dict().ChooseIncome(rows[RowOfCode(rows, "1011", -1)], QString());
        QVERIFY(!c.HasDeductions);
        c = Dict().ChooseIncome(rows[RowOfCode(rows, "2610", -1)], QString());
        QCOMPARE(c.Rate, quint16(35));
        // With a rate filter the filter is the rate.
        c = Dict().ChooseIncome(rows[RowOfCode(rows, "1010", -1)], "13");
        QCOMPARE(c.Rate, quint16(13));
    }

    void deductionRows_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("1510, filtered") << "1510" << false << QStringList{"0"};
        QTest::newRow("1510, all") << "1510" << true << QStringList{"901", "903", "0"};
        QTest::newRow("1530, filtered") << "1530" << false << QStringList{"201", "0"};
        QTest::newRow("1533, filtered") << "1533" << false << QStringList{"202", "0"};
        QTest::newRow("2760, filtered") << "2760" << false << QStringList{"503", "0"};
        QTest::newRow("2203, filtered") << "2203" << false << QStringList{"0"};
        QTest::newRow("2203, all") << "2203" << true << QStringList{"404", "405", "0"};
        QTest::newRow("no deductions") << "1011" << true << QStringList{};
        QTest::newRow("unknown income") << "9999" << true << QStringList{};
    }

    void deductionRows() {
        QFETCH(QString, income);
        QFETCH(bool, all);
        QFETCH(QStringList, codes);
        QCOMPARE(Codes(Dict().DeductionRows(income, all)), codes);
    }

    void proposal_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<QString>("base");     // "-" for an empty field
        QTest::addColumn<QString>("proposed"); // "-" when the user types it
        QTest::newRow("40 % of 1 234,56") << "2203"
                                          << "405"
                                          << "1234.56"
                                          << "493.82";
        QTest::newRow("20 % of 1 234,56") << "2201"
                                          << "405"
                                          << "1234.56"
                                          << "246.91";
        QTest::newRow("25 % rounds half up") << "2206"
                                             << "405"
                                             << "0.1"
                                             << "0.03";
        QTest::newRow("percent of an empty income") << "2203"
                                                    << "405"
                                                    << "-"
                                                    << "0";
        QTest::newRow("901 above the limit") << "1510"
                                             << "901"
                                             << "1500000"
                                             << "1000000";
        QTest::newRow("901 below the limit") << "1510"
                                             << "901"
                                             << "800000"
                                             << "800000";
        QTest::newRow("901 at the limit") << "1510"
                                          << "901"
                                          << "1000000"
                                          << "1000000";
        QTest::newRow("503 above the limit") << "2760"
                                             << "503"
                                             << "10000"
                                             << "4000";
        QTest::newRow("503 below the limit") << "2760"
                                             << "503"
                                             << "3000"
                                             << "3000";
        QTest::newRow("equivalent of an empty income") << "2760"
                                                       << "503"
                                                       << "-"
                                                       << "0";
        QTest::newRow("documented expenses are typed") << "1510"
                                                       << "903"
                                                       << "800000"
                                                       << "-";
        QTest::newRow("no deduction") << "1510"
                                      << "0"
                                      << "800000"
                                      << "-";
    }

    void proposal() {
        QFETCH(QString, income);
        QFETCH(QString, deduction);
        QFETCH(QString, base);
        QFETCH(QString, proposed);
        std::optional<Money> baseValue;
        if (base != QLatin1String("-")) {
            Money m;
            QVERIFY(Money::FromText(base, QLatin1Char('.'), m));
            baseValue = m;
        }
        const std::optional<Money> result = ProposeDeduction(
            Deduction(income.toLatin1().constData(), deduction.toLatin1().constData()), baseValue);
        QCOMPARE(result ? result->ToText() : QStringLiteral("-"), proposed);
    }

    void chosenEntryAttributes() {
        const DeductionEntry& d405 = Deduction("2203", "405");
        QCOMPARE(d405.Percent, 40);
        QVERIFY(!d405.Enabled);
        QVERIFY(d405.Visible);
        const DeductionEntry& d901 = Deduction("1510", "901");
        QCOMPARE(d901.MaxSum, Money::FromUnits(1000000));
        QVERIFY(d901.Equivalent);
        QVERIFY(!d901.Enabled);
        QVERIFY(!Deduction("1510", "0").Visible); // "0" hides the amount field
        QCOMPARE(Deduction("1510", "0").Percent, 0);
    }

    void typedAmountIsLowered() {
        QCOMPARE(LimitDeduction(Money::FromUnits(5000), Money::FromUnits(4000)), Money::FromUnits(4000));
        QCOMPARE(LimitDeduction(Money::FromUnits(4000), Money::FromUnits(4000)), Money::FromUnits(4000));
        QCOMPARE(LimitDeduction(Money::FromUnits(3999), Money::FromUnits(4000)), Money::FromUnits(3999));
        QCOMPARE(LimitDeduction(Money::FromUnits(5000), Money()), Money::FromUnits(5000)); // 0: no limit
    }

    void malformedDictionaryIsRefused() {
        mTIncomeDictionary d;
        QVERIFY(!d.LoadFromBytes("<IncomeDict><Income Code=\"1010\">"));
        QVERIFY(!d.ErrorString().isEmpty());
        QVERIFY(d.Incomes().isEmpty());
        // Attributes that are not numbers read as 0 rather than failing.
        QVERIFY(
            d.LoadFromBytes("<IncomeDict><Income Stav=\"x\" Code=\"1\"><Deduction Code=\"2\" Stav=\"abc\" "
                            "MaxSum=\"lots\" Visible=\"true\"/></Income></IncomeDict>"));
        const DeductionEntry* e = d.FindDeduction("1", "2");
        QVERIFY(e);
        QCOMPARE(e->Percent, 0);
        QVERIFY(e->MaxSum.IsZero());
        QVERIFY(!e->Visible); // only "True" counts
        QCOMPARE(d.ChooseIncome({"1", "n"}, QString()).Rate, quint16(0));
    }
};

QTEST_GUILESS_MAIN(TestIncomeDictionary)
#include "tst_incomedictionary.moc"
