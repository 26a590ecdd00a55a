#include "support/GuiTestSupport.h"
#include "support/SounTable.h"
#include "support/TestFiles.h"

#include "checks/CheckAnswerer.h"
#include "pickers/CountryPicker.h"
#include "pickers/CurrencyPicker.h"
#include "pickers/DeductCodePicker.h"
#include "pickers/DocType.h"
#include "pickers/IncomeCodePicker.h"
#include "pickers/InspectionPicker.h"
#include "pickers/LoadSoun.h"
#include "pickers/OkvedPicker.h"
#include "pickers/RegionName.h"
#include "reference/CodeNameList.h"
#include "reference/CurrencyRates.h"
#include "reference/OkvedClassifier.h"
#include "storage/CodePage.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// A small classifier whose levels show the narrowing plainly.
const char* Okved = R"(<OKVED>
<E GRUP="1" Kod="A" OKVED="A" Name="Сельское хозяйство"/>
<E GRUP="2" Kod="A01" OKVED="01" Name="Растениеводство"/>
<E GRUP="3" Kod="A01.1" OKVED="01.1" Name="Выращивание культур"/>
<E GRUP="3" Kod="A01.2" OKVED="01.2" Name="Животноводство"/>
<E GRUP="4" Kod="A01.11" OKVED="01.11" Name="Выращивание зерновых"/>
<E GRUP="2" Kod="A02" OKVED="02" Name="Лесное хозяйство"/>
<E GRUP="3" Kod="A02.0" OKVED="02.0" Name="Лесозаготовки"/>
<E GRUP="1" Kod="F" OKVED="F" Name="Строительство"/>
<E GRUP="2" Kod="F45" OKVED="45" Name="Строительство зданий"/>
</OKVED>)";

// Every income code of the dictionary, in its order.
const QStringList AllIncomes =
    QStringLiteral("1010 1011 1110 1120 1200 1201 1202 1203 1211 1212 1213 1214 1220 1230 1240 1300 "
                   "1301 1400 1510 1511 1520 1530 1536 1531 1532 1535 1533 1540 1550 2000 2001 2010 "
                   "2012 2201 2202 2203 2204 2205 2206 2207 2208 2209 2210 2300 2400 2510 2520 2530 "
                   "2610 2620 2630 2640 2641 2710 2720 2730 2740 2750 2760 2761 2762 2770 2780 2790 "
                   "2791 2800 2900 3010 3020 4800 4900")
        .split(QLatin1Char(' '));

QString DataFile(const QString& name) {
    return QStringLiteral(DUROVID_SOURCE_DIR "/data/") + name;
}

QStringList Codes(QTreeWidget* list) {
    QStringList codes;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        codes << list->topLevelItem(i)->text(0);
    return codes;
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// An amount written with "." or empty (nothing).
std::optional<Money> Amount(const QString& text) {
    Money m;
    if (text.isEmpty() || !Money::FromText(text, QLatin1Char('.'), m)) return std::nullopt;
    return m;
}

class FixedAnswer : public ICheckAnswerer {
public:
    explicit FixedAnswer(CheckAnswer a) : answer(a) {}
    CheckAnswer Answer(const CheckFault& fault) override {
        asked << fault.Title + ": " + fault.Message;
        return answer;
    }
    CheckAnswer answer;
    QStringList asked;
};

// Once the dialog of that class is the active modal window, runs what the user does in it.
void WhenModal(const char* className, std::function<void(QDialog*)> action) {
    QTimer::singleShot(0, [className, action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->metaObject()->className(), className);
        action(dialog);
    });
}

} // namespace

// The pickers over the program's own dictionary and the reference files it is delivered with.
class TestPickers : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    mTCodeNameList inspections, countries;
    mTCurrencyRates rates;
    mTOkvedClassifier okved, smallOkved;

private slots:
    void initTestCase() {
        QVERIFY2(inspections.Load(DataFile(ReferenceFileName::Inspections)),
                 qPrintable(inspections.ErrorString()));
        QVERIFY2(countries.Load(DataFile(ReferenceFileName::Countries)), qPrintable(countries.ErrorString()));
        QVERIFY2(rates.Load(DataFile(ReferenceFileName::CurrencyRates)), qPrintable(rates.ErrorString()));
        QVERIFY2(okved.Load(DataFile(ReferenceFileName::Okved)), qPrintable(okved.ErrorString()));
        QVERIFY(smallOkved.LoadFromBytes(Okved));
    }

    void incomeFilters_data() {
        QTest::addColumn<bool>("nonResident");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("13 % of a non-resident")
            << true << "13" << QStringList{"2000", "2001", "2010", "2012", "2300", "2530", "2791"};
        QTest::newRow("35 %") << false << "35" << QStringList{"2610", "2620", "2740", "3020"};
        QTest::newRow("9 %") << false << "9" << QStringList{"1010", "1110", "1120"};
        QTest::newRow("no filter: all 71 in order") << false << "" << AllIncomes;
        QTest::newRow("non-resident flag without a rate lists all") << true << "" << AllIncomes;
    }
    void incomeFilters() {
        QFETCH(bool, nonResident);
        QFETCH(QString, rate);
        QFETCH(QStringList, codes);
        TfmInputIncomeCode picker(nullptr, nonResident, QString(), rate);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник видов доходов"));
        QCOMPARE(Codes(picker.findChild<QTreeWidget*>("lvIncomeNames")), codes);
        QCOMPARE(picker.Code(), codes.first());
    }

    void incomePreselectionAndChoice() {
        TfmInputIncomeCode picker(nullptr, false, QStringLiteral("2760"), QString());
        QCOMPARE(picker.Code(), QStringLiteral("2760"));
        QCOMPARE(picker.List()->currentItem()->text(0), QStringLiteral("2760"));
        QCOMPARE(picker.Rate(), qint16(13));
        QVERIFY(picker.HasDeductions());
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        SaveShot(&picker, QStringLiteral("integ-income-picker"));
        picker.SelectRow(picker.RowOfCode(QStringLiteral("1011")));
        QVERIFY(!picker.HasDeductions());
        picker.SelectRow(picker.RowOfCode(QStringLiteral("1010")));
        QCOMPARE(picker.Rate(), qint16(9));
        QCOMPARE(picker.Name(), QStringLiteral("Дивиденды и проценты (пп.1 п.1 ст.208 ст.214 НК)"));
        picker.List()->clearSelection();
        QVERIFY(picker.Code().isEmpty());
        QCOMPARE(picker.Rate(), qint16(0));

        // With a rate filter the chosen rate is the filter; an unknown code selects the first row.
        TfmInputIncomeCode filtered(nullptr, false, QStringLiteral("9999"), QStringLiteral("35"));
        QCOMPARE(filtered.Code(), QStringLiteral("2610"));
        QCOMPARE(filtered.Rate(), qint16(35));
    }

    void incomeKeys() {
        TfmInputIncomeCode picker(nullptr, false, QString(), QString());
        picker.show();
        QTest::keyClick(picker.List(), Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        picker.show();
        QTest::keyClick(picker.List(), Qt::Key_Escape);
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QTreeWidgetItem* item = picker.List()->topLevelItem(3);
        const QRect r = picker.List()->visualItemRect(item);
        QTest::mouseClick(picker.List()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(picker.List()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.Code(), QStringLiteral("1120"));
    }

    void deductionFilters_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("1510, only some") << "1510" << false << QStringList{"0"};
        QTest::newRow("1510, all") << "1510" << true << QStringList{"901", "903", "0"};
        QTest::newRow("1530, only some") << "1530" << false << QStringList{"201", "0"};
        QTest::newRow("2760, only some") << "2760" << false << QStringList{"503", "0"};
        QTest::newRow("2203, all") << "2203" << true << QStringList{"404", "405", "0"};
        QTest::newRow("1011 has none") << "1011" << true << QStringList{};
    }
    void deductionFilters() {
        QFETCH(QString, income);
        QFETCH(bool, all);
        QFETCH(QStringList, codes);
        TfmInputDeductCode picker(nullptr, all, QString(), income);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник видов вычетов"));
        QCOMPARE(Codes(picker.findChild<QTreeWidget*>("lvDeductNames")), codes);
        QCOMPARE(picker.Code(), codes.value(0));
    }

    // The chosen entry's rule and the amount it proposes for an income of the line.
    void deductionRules_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("flags"); // editable, equivalent, visible
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("base");     // the income; empty: its field is empty
        QTest::addColumn<QString>("proposed"); // empty: left to the user
        QTest::newRow("405 under 2203: 40 %") << "2203"
                                              << "405" << qint64(0) << "--+" << 40 << "1234.56"
                                              << "493.82";
        QTest::newRow("405, empty income") << "2203"
                                           << "405" << qint64(0) << "--+" << 40 << ""
                                           << "0";
        QTest::newRow("901 above the limit") << "1510"
                                             << "901" << qint64(1000000) << "-++" << 0 << "1500000"
                                             << "1000000";
        QTest::newRow("901 below the limit") << "1510"
                                             << "901" << qint64(1000000) << "-++" << 0 << "800000"
                                             << "800000";
        QTest::newRow("503 under 2760") << "2760"
                                        << "503" << qint64(4000) << "+++" << 0 << "3999.99"
                                        << "3999.99";
        QTest::newRow("903 is typed") << "1510"
                                      << "903" << qint64(0) << "+-+" << 0 << "100"
                                      << "";
        QTest::newRow("0 hides the amount") << "2760"
                                            << "0" << qint64(0) << "+--" << 0 << "100"
                                            << "";
    }
    void deductionRules() {
        QFETCH(QString, income);
        QFETCH(QString, deduction);
        QFETCH(qint64, limit);
        QFETCH(QString, flags);
        QFETCH(int, percent);
        QFETCH(QString, base);
        QFETCH(QString, proposed);
        TfmInputDeductCode picker(nullptr, true, deduction, income);
        QCOMPARE(picker.Code(), deduction);
        QCOMPARE(picker.Limit(), Money::FromUnits(limit));
        const QString actual = QString(picker.Editable() ? '+' : '-') + (picker.Equivalent() ? '+' : '-') +
                               (picker.Visible() ? '+' : '-');
        QCOMPARE(actual, flags);
        QCOMPARE(picker.Percent(), percent);
        QCOMPARE(picker.Proposal(Amount(base)), Amount(proposed));
        if (deduction == QLatin1String("901") && base == QLatin1String("800000")) {
            picker.show();
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            SaveShot(&picker, QStringLiteral("integ-deduction-picker"));
        }
        picker.List()->clearSelection();
        QCOMPARE(picker.Proposal(Amount(base)), std::optional<Money>());
    }

    void inspectionPicker() {
        TfmInputInspectionNumber picker(nullptr, inspections);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник инспекций"));
        QCOMPARE(picker.List()->topLevelItemCount(), inspections.Count());
        picker.Preselect(QStringLiteral("7702"));
        QCOMPARE(picker.Name(), QStringLiteral("Инспекция Федеральной налоговой службы № 2 по г.Москве"));
        QCOMPARE(picker.Description(), picker.Name());
        picker.Preselect(QStringLiteral("9999"));
        QCOMPARE(picker.Code(), QStringLiteral("9999"));
        QCOMPARE(picker.List()->currentItem()->text(0), QStringLiteral("7702"));
        QVERIFY(picker.findChild<QPushButton*>("bnMissing"));
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        SaveShot(&picker, QStringLiteral("integ-inspection-picker"));
        QTest::keyClick(picker.List(), Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    // Among the 2 790 offices of the delivered directory one is found by its code or part of its name.
    void inspectionSearch() {
        TfmInputInspectionNumber picker(nullptr, inspections);
        QCOMPARE(picker.List()->topLevelItemCount(), 2790);
        picker.Preselect(QStringLiteral("7801"));
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        SaveShot(&picker, QStringLiteral("inspection-picker-st-petersburg"));
        auto* search = picker.findChild<QLineEdit*>("edSearch");
        QVERIFY(search && search->hasFocus());
        const auto visible = [&] {
            QStringList codes;
            for (int i = 0; i < picker.List()->topLevelItemCount(); ++i)
                if (!picker.List()->topLevelItem(i)->isHidden())
                    codes << picker.List()->topLevelItem(i)->text(0);
            return codes;
        };
        QTest::keyClicks(search, QStringLiteral("540"));
        QCOMPARE(visible().size(), 10); // 5400 to 5409
        QCOMPARE(picker.Code(), QStringLiteral("5400"));
        search->clear();
        QCOMPARE(visible().size(), 2790);
        QCOMPARE(picker.Code(), QStringLiteral("5400")); // still selected, still the choice
        // Cyrillic goes in as text: key events can only carry Latin letters offscreen.
        search->setText(QStringLiteral("кировскому новосибирск"));
        QCOMPARE(visible(), QStringList{"5403"});
        SaveShot(&picker, QStringLiteral("inspection-picker-search"));
        search->insert(QStringLiteral(" атлантида"));
        QVERIFY(visible().isEmpty());
        QVERIFY(picker.Code().isEmpty());
        search->clear();
        search->setText(QStringLiteral("№ 16 Петербург"));
        QCOMPARE(visible(), QStringList{"7801"});
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.Code(), QStringLiteral("7801"));
        // Opened again, the picker lists every office.
        picker.show();
        QCOMPARE(visible().size(), 2790);
        QVERIFY(search->text().isEmpty());
        picker.reject();
    }

    // Every list picker finds a row by what is typed into its search field: a code, the beginning of
    // one, part of a name or a currency's letters; the first row found becomes the choice.
    void pickerSearch_data() {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("region by code") << "region"
                                        << "77" << QStringList{"77"};
        QTest::newRow("region by part of its name") << "region"
                                                    << "Моск" << QStringList{"50", "77"};
        QTest::newRow("document kind by name") << "document"
                                               << "паспорт гражданина РФ" << QStringList{"21"};
        QTest::newRow("country by code") << "country"
                                         << "840" << QStringList{"840"};
        QTest::newRow("country by name") << "country"
                                         << "кипр" << QStringList{"196"};
        QTest::newRow("currency by code") << "currency"
                                          << "840" << QStringList{"840"};
        QTest::newRow("currency by letters") << "currency"
                                             << "USD" << QStringList{"840"};
        QTest::newRow("currency by letters in small case") << "currency"
                                                           << "eur" << QStringList{"978"};
        QTest::newRow("income code by its beginning") << "income"
                                                      << "201" << QStringList{"2010", "2012"};
        QTest::newRow("nothing answers: no choice") << "region"
                                                    << "Атлантида" << QStringList{};
    }
    void pickerSearch() {
        QFETCH(QString, picker);
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        std::unique_ptr<TCodeListPicker> p;
        if (picker == "region") p = std::make_unique<TfmRegionName>(nullptr);
        if (picker == "document") p = std::make_unique<TfmDocType>(nullptr);
        if (picker == "country") p = std::make_unique<TfmGrazhd>(nullptr, countries);
        if (picker == "currency") p = std::make_unique<TfmInputCurrencyCode>(nullptr, rates, QString());
        if (picker == "income")
            p = std::make_unique<TfmInputIncomeCode>(nullptr, false, QString(), QString());
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        auto* search = p->findChild<QLineEdit*>("edSearch");
        QVERIFY(search && search->hasFocus());
        // Cyrillic goes in as text: key events can only carry Latin letters offscreen.
        if (typed.front().unicode() < 0x80)
            QTest::keyClicks(search, typed);
        else
            search->setText(typed);
        QStringList visible;
        for (int i = 0; i < p->List()->topLevelItemCount(); ++i)
            if (!p->List()->topLevelItem(i)->isHidden()) visible << p->List()->topLevelItem(i)->text(0);
        QCOMPARE(visible, found);
        QCOMPARE(p->Code(), found.value(0));
        if (picker == "region" && typed == "77") SaveShot(p.get(), QStringLiteral("region-picker-search"));
        if (found.size() > 1) {
            QTest::keyClick(search, Qt::Key_Down);
            QCOMPARE(p->Code(), found[1]);
        }
    }

    void countryPickerAnswersOnlyToButtons() {
        TfmGrazhd picker(nullptr, countries);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник стран"));
        QCOMPARE(picker.List()->topLevelItemCount(), countries.Count());
        picker.Preselect(QStringLiteral("040"));
        QCOMPARE(picker.Name(), QStringLiteral("АВСТРИЯ"));
        picker.Preselect(QStringLiteral("999"));
        QCOMPARE(picker.List()->currentItem()->text(0), QStringLiteral("040"));
        picker.show();
        QTest::keyClick(picker.List(), Qt::Key_Escape);
        QTest::keyClick(picker.List(), Qt::Key_Return);
        QVERIFY(picker.isVisible());
        QTest::mouseClick(picker.findChild<QPushButton*>("bnYes"), Qt::LeftButton);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        // The code given stays the choice until the user picks a row.
        QCOMPARE(picker.Code(), QStringLiteral("999"));
    }

    void currencyPicker_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("empty code: first row") << ""
                                               << "036";
        QTest::newRow("known code") << "840"
                                    << "840";
        QTest::newRow("unknown code: first row") << "999"
                                                 << "036";
    }
    void currencyPicker() {
        QFETCH(QString, current);
        QFETCH(QString, chosen);
        TfmInputCurrencyCode picker(nullptr, rates, current);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник валют"));
        QCOMPARE(picker.List()->topLevelItemCount(), int(rates.Currencies().size()));
        QCOMPARE(picker.Code(), chosen);
        if (chosen == QLatin1String("840")) {
            QCOMPARE(picker.Name(), QStringLiteral("Доллар США"));
            picker.show();
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            SaveShot(&picker, QStringLiteral("currency-picker"));
        }
    }

    // "Загрузить курсы…": the bank's file goes into the per-user copy of the delivered rates, and the
    // picker and the rates it was given show it at once; a bad file changes nothing.
    void currencyLoadRates() {
        ScriptedPrompts prompts;
        QVERIFY(QFile::copy(DataFile(ReferenceFileName::CurrencyRates),
                            env.ProgramFile(ReferenceFileName::CurrencyRates)));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            return TestFiles::Write(env.program, name, bytes);
        };
        const QString daily = write(
            "daily.xml",
            CodePage::ToCp1251(QStringLiteral(
                "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                "<ValCurs Date=\"13.01.2010\" name=\"Foreign Currency Market\">\n"
                "<Valute ID=\"R01090\"><NumCode>974</NumCode><CharCode>BYR</CharCode>"
                "<Nominal>1000</Nominal><Name>Белорусских рублей</Name><Value>10,2150</Value></Valute>\n"
                "<Valute ID=\"R01235\"><NumCode>840</NumCode><CharCode>USD</CharCode>"
                "<Nominal>1</Nominal><Name>Доллар США</Name><Value>29,3800</Value></Valute>\n"
                "</ValCurs>\n")));
        const QString bad =
            write("bad.csv", "code;letter;quantity;name;date;rate\n840;USD;1;Доллар;13.01.2010;x\n");
        mTCurrencyRates own = rates;
        TfmInputCurrencyCode picker(nullptr, own, QStringLiteral("840"));
        const QString output = env.UserFile(ReferenceFileName::CurrencyRates);
        QCOMPARE(TfmInputCurrencyCode::OutputFile(), output);

        prompts.openNames.enqueue(bad);
        QTest::mouseClick(picker.findChild<QPushButton*>("bnLoadRates"), Qt::LeftButton);
        QCOMPARE(prompts.messages.last().icon, QMessageBox::Critical);
        QVERIFY2(prompts.messages.last().text.startsWith("Загрузить курсы не удалось.\n" + bad +
                                                         ": строка 2: неверный курс: «x»"),
                 qPrintable(prompts.messages.last().text));
        QVERIFY(!QFile::exists(output));

        prompts.openNames.enqueue(daily);
        QTest::mouseClick(picker.findChild<QPushButton*>("bnLoadRates"), Qt::LeftButton);
        QCOMPARE(
            prompts.messages.last().text,
            QStringLiteral("Курсы загружены.\nДобавлена валюта 974 «Белорусских рублей», курс за 1000 ед.\n"
                           "Курс валюты 840 на 13.01.2010 заменён: 29.3774 → 29.3800\n"
                           "Добавлено курсов: 1, заменено: 1, без изменений: 0."));
        QCOMPARE(picker.List()->topLevelItemCount(), 33);
        QCOMPARE(picker.Code(), QStringLiteral("840"));
        CurrencyRate byr;
        QVERIFY(own.Lookup("974", DateValue::FromYmd(2010, 1, 20), byr));
        QCOMPARE(byr.Units, 1000);
        mTCurrencyRates written;
        QVERIFY(written.Load(output));
        QCOMPARE(written.Currencies().size(), 33);
        QVERIFY(QFile::remove(output));

        // Nothing chosen in the dialog: nothing happens.
        const int shown = int(prompts.messages.size());
        QTest::mouseClick(picker.findChild<QPushButton*>("bnLoadRates"), Qt::LeftButton);
        QCOMPARE(int(prompts.messages.size()), shown);
    }

    void okvedLevels() {
        TFormOKVED picker(nullptr, smallOkved);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Код по ОКВЭД"));
        QCOMPARE(Items(picker.Level(1)), (QStringList{"нет", "Сельское хозяйство", "Строительство"}));
        QCOMPARE(picker.ChosenCode(), QStringLiteral("нет"));
        picker.Level(1)->setCurrentIndex(1);
        QCOMPARE(picker.ChosenCode(), QStringLiteral("A"));
        QCOMPARE(Items(picker.Level(2)), (QStringList{"нет", "Растениеводство", "Лесное хозяйство"}));
        QCOMPARE(Items(picker.Level(3)),
                 (QStringList{"нет", "Выращивание культур", "Животноводство", "Лесозаготовки"}));
        QCOMPARE(Items(picker.Level(4)), (QStringList{"нет", "Выращивание зерновых"}));
        QCOMPARE(Items(picker.Level(6)), QStringList{"нет"});
        picker.Level(2)->setCurrentIndex(1);
        QCOMPARE(picker.ChosenCode(), QStringLiteral("01"));
        QCOMPARE(Items(picker.Level(3)), (QStringList{"нет", "Выращивание культур", "Животноводство"}));
        picker.Level(3)->setCurrentIndex(1);
        QCOMPARE(picker.ChosenKod(), QStringLiteral("A01.1"));
        // "нет" empties the deeper lists and keeps the chosen code.
        picker.Level(2)->setCurrentIndex(0);
        QCOMPARE(Items(picker.Level(3)), QStringList{"нет"});
        QCOMPARE(picker.Level(3)->currentIndex(), 0);
        QCOMPARE(picker.ChosenCode(), QStringLiteral("01.1"));
    }

    // The delivered classifier: a section narrows its deeper levels to its own entries.
    void okvedDeliveredClassifier() {
        TFormOKVED picker(nullptr, okved);
        QCOMPARE(Items(picker.Level(1)).mid(1), okved.Names(1));
        picker.Level(1)->setCurrentIndex(1);
        const QString section = okved.Find(1, picker.Level(1)->currentText())->Kod;
        for (int level = 2; level <= mTOkvedClassifier::Levels; ++level) {
            QVERIFY(picker.Level(level)->count() > 1);
            for (const QString& name : Items(picker.Level(level)).mid(1))
                QVERIFY2(okved.Find(level, name)->Kod.startsWith(section), qPrintable(name));
        }
        picker.Level(2)->setCurrentIndex(1);
        picker.Level(3)->setCurrentIndex(1);
        QCOMPARE(picker.ChosenCode(), okved.Find(3, picker.Level(3)->currentText())->Okved);
        picker.show();
        SaveShot(&picker, QStringLiteral("integ-okved-picker"));
    }

    void okvedShortCodeCheck() {
        TFormOKVED picker(nullptr, smallOkved);
        FixedAnswer fix(CheckAnswer::Fix);
        picker.SetCheckAnswerer(&fix);
        picker.show();
        picker.Level(1)->setCurrentIndex(1);
        picker.Level(2)->setCurrentIndex(1); // Kod "A01": three characters
        QTest::mouseClick(picker.findChild<QPushButton*>("bnYes"), Qt::LeftButton);
        QCOMPARE(fix.asked,
                 QStringList{"ОКВЭД: Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"});
        QVERIFY(picker.isVisible());
        FixedAnswer skip(CheckAnswer::Skip);
        picker.SetCheckAnswerer(&skip);
        QTest::mouseClick(picker.findChild<QPushButton*>("bnYes"), Qt::LeftButton);
        QCOMPARE(picker.result(), int(QDialog::Accepted));

        TFormOKVED longer(nullptr, smallOkved);
        longer.SetCheckAnswerer(&fix);
        longer.show();
        longer.Level(1)->setCurrentIndex(1);
        longer.Level(2)->setCurrentIndex(1);
        longer.Level(3)->setCurrentIndex(1);
        QTest::mouseClick(longer.findChild<QPushButton*>("bnYes"), Qt::LeftButton);
        QCOMPARE(longer.result(), int(QDialog::Accepted));
        QCOMPARE(fix.asked.size(), 1);
    }

    void loadSounMessages() {
        ScriptedPrompts prompts;
        TfmLoadSoun dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Загрузка СОУН"));
        auto* import = dialog.findChild<QPushButton*>("bnImport");
        auto* ok = dialog.findChild<QPushButton*>("bnOk");
        QVERIFY(!import->isEnabled());
        dialog.show();
        SaveShot(&dialog, QStringLiteral("load-soun"));

        // The file dialog cancelled still enables the import.
        QTest::mouseClick(dialog.findChild<QPushButton*>("bnBrowse"), Qt::LeftButton);
        QVERIFY(import->isEnabled());
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(import, Qt::LeftButton);
        QCOMPARE(prompts.Texts(), QStringList{"Укажите путь к файлу soun1.dbf"});
        QVERIFY(ok->isEnabled());

        // A table that cannot be read: the message, and nothing written.
        prompts.openNames.enqueue(env.ProgramFile(QStringLiteral("absent.dbf")));
        QTest::mouseClick(dialog.findChild<QPushButton*>("bnBrowse"), Qt::LeftButton);
        QTest::mouseClick(import, Qt::LeftButton);
        QCOMPARE(prompts.messages.last().text, QStringLiteral("Импортировать данные не удалось"));
        QCOMPARE(prompts.messages.last().icon, QMessageBox::Critical);
        QVERIFY(!QFile::exists(TfmLoadSoun::OutputFile()));

        // The help line without the help: the missing-help message.
        emit dialog.findChild<QLabel*>("lbHelpLink")->linkActivated(QStringLiteral("#"));
        QCOMPARE(prompts.messages.last().text, QStringLiteral("Не найден файл справки Zizo2010.chm"));
    }

    // From the tax-office picker through the import to the new offices in the same picker.
    void importFromThePicker() {
        ScriptedPrompts prompts;
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile f(env.ProgramFile(name));
            if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
            f.write(bytes);
            return f.fileName();
        };
        const QString good =
            write(QStringLiteral("soun1.dbf"),
                  SounTable::Table(
                      {SounTable::Record(QStringLiteral("7700"), QStringLiteral("УФНС России по г.Москве")),
                       SounTable::Record(QStringLiteral("7799"), QStringLiteral("  Межрайонная ИФНС № 99  ")),
                       SounTable::Record(QStringLiteral("5001"), QStringLiteral("ИФНС по г.Балашихе"))}));
        QByteArray shortRecord =
            SounTable::Table({SounTable::Record(QStringLiteral("6001"), QStringLiteral("ИФНС"))});
        shortRecord.chop(1);
        const QString broken = write(QStringLiteral("broken.dbf"), shortRecord);
        const QString output = env.UserFile(QStringLiteral("InspectionNumbers.xml"));
        QCOMPARE(TfmLoadSoun::OutputFile(), output);

        TfmInputInspectionNumber picker(nullptr, inspections);
        picker.Preselect(QStringLiteral("7702"));
        const auto importFile = [&](const QString& table) {
            WhenModal("TfmLoadSoun", [&, table](QDialog* dialog) {
                prompts.openNames.enqueue(table);
                QTest::mouseClick(dialog->findChild<QPushButton*>("bnBrowse"), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton*>("bnImport"), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton*>("bnOk"), Qt::LeftButton);
            });
            QTest::mouseClick(picker.findChild<QPushButton*>("bnMissing"), Qt::LeftButton);
        };

        importFile(good);
        QCOMPARE(prompts.messages.last().text,
                 QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу."));
        QCOMPARE(Codes(picker.List()), (QStringList{"7799", "5001"}));
        QCOMPARE(picker.List()->topLevelItem(0)->text(1), QStringLiteral("Межрайонная ИФНС № 99"));
        QCOMPARE(picker.Code(), QStringLiteral("7702")); // the code the picker was opened with
        mTCodeNameList written;
        QVERIFY(written.Load(output));
        QCOMPARE(written.Count(), 2);
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        QVERIFY(before.startsWith(
            "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Inspections Version=\"00\" "
            "Date=\"" +
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1() + "\">"));
        file.close();

        // A damaged table: the message, the file and the list stay as they were.
        importFile(broken);
        QCOMPARE(prompts.messages.last().text, QStringLiteral("Импортировать данные не удалось"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(Codes(picker.List()), (QStringList{"7799", "5001"}));
        QFile::remove(output);
    }
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
