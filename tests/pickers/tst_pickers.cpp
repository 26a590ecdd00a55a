#include "support/GuiTestSupport.h"

#include "checks/dialogs/CheckAnswerer.h"
#include "reference/pickers/CountryPicker.h"
#include "reference/pickers/CurrencyPicker.h"
#include "reference/pickers/DeductCodePicker.h"
#include "reference/pickers/IncomeCodePicker.h"
#include "reference/pickers/InspectionPicker.h"
#include "reference/pickers/LoadSoun.h"
#include "reference/pickers/OkvedPicker.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// A part of the income dictionary with every kind of entry the pickers treat differently.
const char* Dictionary = R"XML(<IncomeDict>
<Income Stav="9" Code="1010" Name="Дивиденды и проценты (пп.1 п.1 ст.208 ст.214 НК)">
  <Deduction Code="601" Name="Сумма, уменьшающая налоговую базу по доходам в виде дивидендов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
  <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/></Income>
<Income Stav="13" Code="1011" Name="Проценты по вкладам"/>
<Income Stav="13" Code="1510" Name="Продажа имущества" SaleDate="True">
  <Deduction Code="901" Name="Продажа имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 1 000 000 руб.)" Stav=" " Visible="True" Enabled="False" Equivalent="True" MaxSum="1000000"/>
  <Deduction Code="903" Name="В сумме документально подтвержденных расходов " Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
  <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/></Income>
<Income Stav="13" Code="1530" Name="Операции с ценными бумагами" SaleDate="True">
  <Deduction Code="201" Name="(307)Расходы по операциям с ЦБ (обращ-ся на орг. рынке ЦБ)" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
  <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/></Income>
<Income Stav="13" Code="1536" Name="Операции с ценными бумагами (ранее обращавшимися)" SaleDate="True"/>
<Income Stav="13" Code="1531" Name="Операции с ценными бумагами, не обращающимися" SaleDate="True"/>
<Income Stav="13" Code="2000" Name="Вознаграждение за выполнение трудовых обязанностей" NRez13="True"/>
<Income Stav="13" Code="2010" Name="Выплаты по договорам гражданско-правового характера" NRez13="True">
  <Deduction Code="403" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
  <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/></Income>
<Income Stav="13" Code="2203" Name="Авторские вознаграждения">
  <Deduction Code="404" Name="В сумме документально произведенных расходов" Stav=" " Visible="True" Enabled="True" Equivalent="False" MaxSum="0"/>
  <Deduction Code="405" Name="В пределах норматива затрат" Stav="40" Visible="True" Enabled="False" Equivalent="False" MaxSum="0"/>
  <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/></Income>
<Income Stav="35" Code="2610" Name="Материальная выгода по заемным средствам"/>
<Income Stav="13" Code="2760" Name="Материальная помощь работникам">
  <Deduction Code="503" Name="Вычет из стоимости материальной помощи" Stav=" " Visible="True" Enabled="True" Equivalent="True" MaxSum="4000"/>
  <Deduction Code="0" Name="Не предоставлять вычет" Stav=" " Visible="False" Enabled="True" Equivalent="False" MaxSum="0"/></Income>
<Income Stav="13" Code="2791" Name="Оплата труда в натуральной форме" NRez13="True"/>
</IncomeDict>)XML";

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

class FixedAnswer : public ICheckAnswerer {
public:
    explicit FixedAnswer(CheckAnswer a) : answer(a) {}
    CheckAnswer Ask(const QString& section, const QString& message) override {
        asked << section + ": " + message;
        return answer;
    }
    CheckAnswer answer;
    QStringList asked;
};

} // namespace

class TestPickers : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    pugi::xml_document dictionary, okved, list;

private slots:
    void initTestCase() {
        QVERIFY(dictionary.load_string(Dictionary));
        QVERIFY(okved.load_string(Okved));
    }

    void incomeFilters_data() {
        QTest::addColumn<bool>("nonResident");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("13 % of a non-resident") << true << "13" << QStringList{"2000", "2010", "2791"};
        QTest::newRow("35 %") << false << "35" << QStringList{"2610"};
        QTest::newRow("no filter: every code in order")
            << false << "" << QStringList{"1010", "1011", "1510", "1530", "1536", "1531",
                                          "2000", "2010", "2203", "2610", "2760", "2791"};
        QTest::newRow("non-resident flag without a rate lists all")
            << true << "" << QStringList{"1010", "1011", "1510", "1530", "1536", "1531",
                                         "2000", "2010", "2203", "2610", "2760", "2791"};
    }
    void incomeFilters() {
        QFETCH(bool, nonResident);
        QFETCH(QString, rate);
        QFETCH(QStringList, codes);
        TfmInputIncomeCode picker(nullptr, nonResident, QString(), rate, dictionary.document_element());
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник видов доходов"));
        QCOMPARE(Codes(picker.findChild<QTreeWidget*>("lvIncomeNames")), codes);
        QCOMPARE(picker.Code(), codes.first());
    }

    void incomePreselectionAndChoice() {
        TfmInputIncomeCode picker(nullptr, false, QStringLiteral("2760"), QString(),
                                  dictionary.document_element());
        QCOMPARE(picker.Code(), QStringLiteral("2760"));
        QCOMPARE(picker.Rate(), qint16(13));
        QVERIFY(picker.HasDeductions());
        picker.SelectRow(picker.RowOfCode(QStringLiteral("1011")));
        QVERIFY(!picker.HasDeductions());
        picker.SelectRow(picker.RowOfCode(QStringLiteral("1010")));
        QCOMPARE(picker.Rate(), qint16(9));
        QCOMPARE(picker.Name(), QStringLiteral("Дивиденды и проценты (пп.1 п.1 ст.208 ст.214 НК)"));
        picker.List()->clearSelection();
        QVERIFY(picker.Code().isEmpty());

        // With a rate filter the chosen rate is the filter; an unknown code selects the first row.
        TfmInputIncomeCode filtered(nullptr, false, QStringLiteral("9999"), QStringLiteral("35"),
                                    dictionary.document_element());
        QCOMPARE(filtered.Code(), QStringLiteral("2610"));
        QCOMPARE(filtered.Rate(), qint16(35));
        SaveShot(&picker, QStringLiteral("picker-income"));
    }

    void incomeKeys() {
        TfmInputIncomeCode picker(nullptr, false, QString(), QString(), dictionary.document_element());
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
        QCOMPARE(picker.Code(), QStringLiteral("1530"));
    }

    void deductionFilters_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("1510, only some") << "1510" << false << QStringList{"0"};
        QTest::newRow("1510, all") << "1510" << true << QStringList{"901", "903", "0"};
        QTest::newRow("1530, only some") << "1530" << false << QStringList{"201", "0"};
        QTest::newRow("2760, only some") << "2760" << false << QStringList{"503", "0"};
    }
    void deductionFilters() {
        QFETCH(QString, income);
        QFETCH(bool, all);
        QFETCH(QStringList, codes);
        TfmInputDeductCode picker(nullptr, all, QString(), income, dictionary.document_element());
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник видов вычетов"));
        QCOMPARE(Codes(picker.findChild<QTreeWidget*>("lvDeductNames")), codes);
    }

    void deductionRules_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("flags"); // editable, equivalent, visible
        QTest::addColumn<int>("percent");
        QTest::newRow("405 under 2203") << "2203"
                                        << "405" << qint64(0) << "--+" << 40;
        QTest::newRow("901 under 1510") << "1510"
                                        << "901" << qint64(1000000) << "-++" << 0;
        QTest::newRow("503 under 2760") << "2760"
                                        << "503" << qint64(4000) << "+++" << 0;
        QTest::newRow("0 hides the amount") << "2760"
                                            << "0" << qint64(0) << "+--" << 0;
    }
    void deductionRules() {
        QFETCH(QString, income);
        QFETCH(QString, deduction);
        QFETCH(qint64, limit);
        QFETCH(QString, flags);
        QFETCH(int, percent);
        TfmInputDeductCode picker(nullptr, true, deduction, income, dictionary.document_element());
        QCOMPARE(picker.Code(), deduction);
        QCOMPARE(picker.Limit(), Money::FromUnits(limit));
        const QString actual = QString(picker.Editable() ? '+' : '-') + (picker.Equivalent() ? '+' : '-') +
                               (picker.Visible() ? '+' : '-');
        QCOMPARE(actual, flags);
        QCOMPARE(picker.Percent(), percent);
        if (deduction == QLatin1String("405")) SaveShot(&picker, QStringLiteral("picker-deduction"));
    }

    void inspectionPicker() {
        pugi::xml_document doc;
        QVERIFY(doc.load_string(
            "<Inspections><Inspection Code=\"7701\">ИФНС России № 1 по г.Москве</Inspection>"
            "<Inspection Code=\"7702\">ИФНС России № 2 по г.Москве</Inspection></Inspections>"));
        TfmInputInspectionNumber picker(nullptr, doc.document_element());
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник инспекций"));
        picker.Preselect(QStringLiteral("7702"));
        QCOMPARE(picker.Name(), QStringLiteral("ИФНС России № 2 по г.Москве"));
        QCOMPARE(picker.Description(), picker.Name());
        picker.Preselect(QStringLiteral("0000"));
        QCOMPARE(picker.Code(), QStringLiteral("0000"));
        QCOMPARE(picker.List()->currentItem()->text(0), QStringLiteral("7702"));
        QVERIFY(picker.findChild<QPushButton*>("bnMissing"));
        picker.show();
        SaveShot(&picker, QStringLiteral("picker-inspection"));
        QTest::keyClick(picker.List(), Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    void countryPickerAnswersOnlyToButtons() {
        pugi::xml_document doc;
        QVERIFY(doc.load_string("<OKSM><C Code=\"643\">РОССИЯ</C><C Code=\"040\">АВСТРИЯ</C></OKSM>"));
        TfmGrazhd picker(nullptr, doc.document_element());
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник стран"));
        picker.Preselect(QStringLiteral("040"));
        QCOMPARE(picker.Name(), QStringLiteral("АВСТРИЯ"));
        picker.Preselect(QStringLiteral("999"));
        QCOMPARE(picker.List()->currentItem()->text(0), QStringLiteral("040"));
        picker.show();
        SaveShot(&picker, QStringLiteral("picker-country"));
        QTest::keyClick(picker.List(), Qt::Key_Escape);
        QTest::keyClick(picker.List(), Qt::Key_Return);
        QVERIFY(picker.isVisible());
        QTest::mouseClick(picker.findChild<QPushButton*>("bnYes"), Qt::LeftButton);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
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
        pugi::xml_document doc;
        QVERIFY(doc.load_string("<Rates><C Code=\"036\" Name=\"Австралийский доллар\" Quantity=\"1\"/>"
                                "<C Code=\"840\" Name=\"Доллар США\" Quantity=\"1\"><R Date=\"01.01.2010\" "
                                "Rate=\"30.1851\"/></C></Rates>"));
        TfmInputCurrencyCode picker(nullptr, doc.document_element(), current);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Справочник валют"));
        QCOMPARE(picker.Code(), chosen);
        if (chosen == QLatin1String("840")) {
            QCOMPARE(picker.Name(), QStringLiteral("Доллар США"));
            SaveShot(&picker, QStringLiteral("picker-currency"));
        }
    }

    void okvedLevels() {
        TFormOKVED picker(nullptr, okved.document_element());
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
        SaveShot(&picker, QStringLiteral("picker-okved"));
        // "нет" empties the deeper lists and keeps the chosen code.
        picker.Level(2)->setCurrentIndex(0);
        QCOMPARE(Items(picker.Level(3)), QStringList{"нет"});
        QCOMPARE(picker.ChosenCode(), QStringLiteral("01.1"));
    }

    void okvedShortCodeCheck() {
        TFormOKVED picker(nullptr, okved.document_element());
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

        TFormOKVED longer(nullptr, okved.document_element());
        longer.SetCheckAnswerer(&fix);
        longer.show();
        longer.Level(1)->setCurrentIndex(1);
        longer.Level(2)->setCurrentIndex(1);
        longer.Level(3)->setCurrentIndex(1);
        QTest::mouseClick(longer.findChild<QPushButton*>("bnYes"), Qt::LeftButton);
        QCOMPARE(longer.result(), int(QDialog::Accepted));
        QCOMPARE(fix.asked.size(), 1);
    }

    void loadSoun() {
        ScriptedPrompts prompts;
        QStringList imports;
        bool succeed = true;
        TfmLoadSoun::InstallImport(
            [&](const QString& table, const QString& output, const QString& date, const QString& version) {
                imports << QStringList{table, QFileInfo(output).fileName(), date, version}.join('|');
                if (!succeed) throw std::runtime_error("Error read file:x");
                return true;
            });
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

        prompts.openNames.enqueue(QStringLiteral("/data/soun1.dbf"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("bnBrowse"), Qt::LeftButton);
        QCOMPARE(dialog.findChild<QLineEdit*>("edSoun1")->text(), QStringLiteral("/data/soun1.dbf"));
        QTest::mouseClick(import, Qt::LeftButton);
        QCOMPARE(imports, QStringList{"/data/soun1.dbf|InspectionNumbers.xml|" +
                                      QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")) + "|00"});
        QCOMPARE(prompts.messages.last().text,
                 QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу."));
        succeed = false;
        QTest::mouseClick(import, Qt::LeftButton);
        QCOMPARE(prompts.messages.last().text, QStringLiteral("Импортировать данные не удалось"));

        // The help line without the help: the missing-help message.
        emit dialog.findChild<QLabel*>("lbHelpLink")->linkActivated(QStringLiteral("#"));
        QCOMPARE(prompts.messages.last().text, QStringLiteral("Не найден файл справки Zizo2010.chm"));
        TfmLoadSoun::InstallImport({});
    }
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
