#include "support/EntryDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"
#include "support/WorkedExampleExport.h"

#include "controls/DatePicker.h"
#include "controls/MaskedEdit.h"
#include "records/Declaration.h"
#include "screens/foreign/Currency.h"
#include "storage/AmountText.h"

#include <QAction>
#include <QCheckBox>

namespace {

using EntryDialogs::ForeignSource;

// The dollar as the central bank quoted it, a currency quoted per 100 units from June on, and a
// currency whose name is longer than a typed one may be.
const char* Rates = R"(<CurrencyRates>
<Currency Code="840" Name="Доллар США" Quantity="1">
<Rate Date="01.01.2010" Rate="30.1851"/>
<Rate Date="13.01.2010" Rate="29.8800"/>
<Rate Date="20.10.2010" Rate="30.4151"/>
</Currency>
<Currency Code="348" Name="Венгерский форинт" Quantity="100">
<Rate Date="01.06.2010" Rate="35.00"/>
</Currency>
<Currency Code="826" Name="Фунт стерлингов Соединенного королевства" Quantity="1">
<Rate Date="01.01.2010" Rate="48.1000"/>
</Currency>
</CurrencyRates>)";

const char* Countries = R"(<Countries><Country Code="840">СОЕДИНЕННЫЕ ШТАТЫ</Country>
<Country Code="196">КИПР</Country></Countries>)";

void Write(const QString& file, const char* text) {
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text);
}

// A complete record in dollars at 30,1851, income code 2000.
mTCurrencyIncome& AddIncome(mTDeclaration& d, const QString& name) {
    mTCurrencyIncome& r = *d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
    r.SourceName = name;
    r.CountryCode = QStringLiteral("840");
    r.CurrencyCode = QStringLiteral("840");
    r.CurrencyName = QStringLiteral("Доллар США");
    r.AutoRate = 1;
    r.RateAtIncome = r.RateAtTax = Money::FromRaw(301851);
    r.RateUnitsAtIncome = r.RateUnitsAtTax = 1;
    r.IncomeCode = 2000;
    r.TaxRate = 13;
    r.SetIncomeCurrency(Money::FromUnits(100));
    return r;
}

} // namespace

class TestCurrencyScreen : public QObject, ScreenTest {
    Q_OBJECT

    QString path;

    TfrCurrency* Screen() const { return qobject_cast<TfrCurrency*>(form->CurrentFrame()); }
    QTreeView* List() const { return W<QTreeView>("lvSourseIncomeInfo"); }
    QString Shown(const char* name) const { return W<QLabel>(name)->text(); }
    TDatePicker* Date(const char* name) const { return W<TDatePicker>(name); }
    QCheckBox* Auto() const { return W<QCheckBox>("chbAutoExchange"); }

    std::unique_ptr<mTDeclaration> Abroad() {
        auto d = ValidDeclaration().Inspection(QStringLiteral("6952")).Take();
        d->SetIncomeKinds(IncomeForeign);
        return d;
    }
    void Open(mTDeclaration& d) {
        form.reset(); // a window holding the file lets go of it
        d.SaveToFile(path);
        Reopen();
    }
    void Reopen() {
        OpenOn(path, Section::CurrencyIncome);
        QVERIFY(Screen());
    }
    std::unique_ptr<mTDeclaration> Saved() { return SaveAndRead(path); }
    // Opens a declaration with one new record (as "Добавить" leaves it) shown.
    void OpenWithNewRecord() {
        auto d = Abroad();
        mTCurrencyIncome& r = *d->CurrencyIncomes.At(d->CurrencyIncomes.Add());
        r.SourceName = QStringLiteral("Acme");
        r.AutoRate = 1;
        Open(*d);
    }

private slots:
    void initTestCase() {
        PrepareProgram();
        Write(env.ProgramFile(QStringLiteral("CurrencyRates.xml")), Rates);
        Write(env.ProgramFile(QStringLiteral("Oksm.xml")), Countries);
        path = files.filePath(QStringLiteral("abroad.kv0"));
    }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // Two incomes entered through the screen, one at the file's rate and one at typed rates, saved and
    // opened again: everything is there.
    void fillSaveReopen() {
        Open(*Abroad());
        QVERIFY(!W("meCurrencyCode")->isEnabled() && !W("bnIncomeCod")->isEnabled());
        ModalScript modals;
        modals.Then(
            ModalScript::Shot(QStringLiteral("screens-currency-source"),
                              ForeignSource(QStringLiteral("Acme Corporation"), QStringLiteral("840"))));
        Click("fbAddSourseIncome");
        QCOMPARE(RowCount(List()), 1);
        QVERIFY(!form->Saved());
        Type("meCurrencyCode", QStringLiteral("840"));
        QCOMPARE(Text("meCurrencyName"), QStringLiteral("Доллар США"));
        QVERIFY(W<QLineEdit>("meCurrencyName")->isReadOnly());
        // A new source takes the file's rate as soon as its currency is known.
        QVERIFY(Auto()->isEnabled() && Auto()->isChecked());
        QCOMPARE(Text("meCurrencyExchange"), QStringLiteral("30,1851"));
        Date("dtIncomeGetDate")->setDate(QDate(2010, 10, 20));
        Date("dtSubtractDate")->setDate(QDate(2010, 10, 20));
        QCOMPARE(Text("meCurrencyExchange"), QStringLiteral("30,4151"));
        QCOMPARE(Text("meCurrencyUnits2"), QStringLiteral("1"));
        QCOMPARE(Text("meCurrencyExchange2"), QStringLiteral("30,4151"));
        QVERIFY(!W("meCurrencyExchange")->isEnabled());
        // Choosing the code shows its long name and moves nothing below it.
        const auto placeOf = [&](const char* name) { return W(name)->mapTo(form.get(), QPoint()); };
        const QPoint taxBefore = placeOf("meTaxCurrencySum"), deductionBefore = placeOf("meSubtractSum");
        modals.Then(ModalScript::Pick(QStringLiteral("2000")));
        Click("bnIncomeCod");
        QCOMPARE(Shown("pnlIncomeCod"), QStringLiteral("2000"));
        QApplication::processEvents();
        QCOMPARE(placeOf("meTaxCurrencySum"), taxBefore);
        QCOMPARE(placeOf("meSubtractSum"), deductionBefore);
        QVERIFY(!W("bnSubtractCod")->isEnabled());
        Type("meIncomeCurrencySum", QStringLiteral("5000"));
        Type("meTaxCurrencySum", QStringLiteral("500"));
        QCOMPARE(Shown("pnlIncomeRublSum"), QStringLiteral("152 075,50"));
        QCOMPARE(Shown("pnlTaxRoubleSum"), QStringLiteral("15 207,55"));
        SaveShot(form.get(), QStringLiteral("screens-currency-automatic"));

        modals.Then(ForeignSource(QStringLiteral("Limassol Holdings Ltd"), QStringLiteral("196")));
        Click("fbAddSourseIncome");
        QCOMPARE(SelectedRow(List()), 1);
        QCOMPARE(Text("meCurrencyCode"), QString());
        Type("meCurrencyCode", QStringLiteral("978"));
        QVERIFY(!Auto()->isEnabled() && !Auto()->isChecked());
        QVERIFY(!W<QLineEdit>("meCurrencyName")->isReadOnly());
        Type("meCurrencyName", QStringLiteral("Евро"));
        Date("dtIncomeGetDate")->setDate(QDate(2010, 10, 20));
        Date("dtSubtractDate")->setDate(QDate(2010, 10, 20));
        Type("meCurrencyExchange", QStringLiteral("42,2983"));
        Type("meCurrencyUnits", QStringLiteral("1"));
        Type("meCurrencyExchange2", QStringLiteral("42,2983"));
        Type("meCurrencyUnits2", QStringLiteral("1"));
        modals.Then(ModalScript::Pick(QStringLiteral("1010")));
        Click("bnIncomeCod");
        QVERIFY(W("bnSubtractCod")->isEnabled() && !W("meSubtractSum")->isEnabled());
        Type("meIncomeCurrencySum", QStringLiteral("1000"));
        Type("meTaxCurrencySum", QStringLiteral("100"));
        QCOMPARE(Shown("pnlIncomeRublSum"), QStringLiteral("42 298,30"));
        QCOMPARE(Shown("pnlTaxRoubleSum"), QStringLiteral("4 229,83"));
        SaveShot(form.get(), QStringLiteral("screens-currency-typed"));
        QCOMPARE(modals.unanswered, 0);

        const auto saved = Saved();
        QVERIFY(form->Saved());
        QCOMPARE(saved->CurrencyIncomes.Count(), 2);
        const mTCurrencyIncome& usd = *saved->CurrencyIncomes.At(0);
        QCOMPARE(usd.SourceName, QStringLiteral("Acme Corporation"));
        QCOMPARE(usd.CountryCode, QStringLiteral("840"));
        QCOMPARE(usd.IncomeDate, DateValue::FromYmd(2010, 10, 20));
        QCOMPARE(usd.AutoRate, quint8(1));
        QCOMPARE(usd.RateAtIncome, Money::FromRaw(304151));
        QCOMPARE(usd.IncomeCode, 2000);
        QCOMPARE(usd.TaxRate, 13);
        QCOMPARE(usd.IncomeRoubles, Money::FromRaw(1520755000));
        QCOMPARE(usd.TaxRoubles, Money::FromRaw(152075500));
        const mTCurrencyIncome& eur = *saved->CurrencyIncomes.At(1);
        QCOMPARE(eur.CurrencyName, QStringLiteral("Евро"));
        QCOMPARE(eur.AutoRate, quint8(0));
        QCOMPARE(eur.TaxRate, 9);
        QCOMPARE(eur.IncomeRoubles, Money::FromRaw(422983000));

        Reopen();
        QVERIFY(form->Saved());
        QCOMPARE(SelectedRow(List()), 0);
        QCOMPARE(RowText(List(), 1, 0), QStringLiteral("Limassol Holdings Ltd"));
        QCOMPARE(Date("dtIncomeGetDate")->date(), QDate(2010, 10, 20));
        QVERIFY(Auto()->isChecked());
        QCOMPARE(Text("meCurrencyName"), QStringLiteral("Доллар США"));
        QCOMPARE(Text("meCurrencyExchange2"), QStringLiteral("30,4151"));
        QCOMPARE(Text("meIncomeCurrencySum"), QStringLiteral("5000"));
        QCOMPARE(Shown("pnlIncomeRublSum"), QStringLiteral("152 075,50"));
        ChooseRow(List(), 1);
        QCOMPARE(Text("meCurrencyName"), QStringLiteral("Евро"));
        QVERIFY(!Auto()->isChecked() && W("meCurrencyExchange")->isEnabled());
        QCOMPARE(Text("meCurrencyExchange"), QStringLiteral("42,2983"));
        QCOMPARE(Shown("pnlIncomeCod"), QStringLiteral("1010"));
        QCOMPARE(Shown("pnlTaxRoubleSum"), QStringLiteral("4 229,83"));
        QVERIFY(form->Saved());
        QCOMPARE(Saved()->DumpJson(), saved->DumpJson());

        // The worked example of a resident with foreign income only: the salary is taxed at 13 % with
        // the US tax credited, the dividends at 9 % with the Cypriot tax credited.
        const QByteArray window = WorkedExampleExport::FromWindow(*form, services, *prompts);
        QVERIFY(!window.isEmpty());
        QCOMPARE(window, WorkedExampleExport::Golden(QStringLiteral("endtoend-foreign-income.xml"), window));
        QCOMPARE(WorkedExampleExport::FromConsole(path), window);
    }

    void rateLookup_data() {
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("rate"); // empty: none found, the box is closed
        QTest::addColumn<QString>("units");
        QTest::newRow("a day between entries takes the earlier") << "840" << QDate(2010, 1, 12) << "30,1851"
                                                                 << "1";
        QTest::newRow("a day of its own") << "840" << QDate(2010, 1, 13) << "29,88"
                                          << "1";
        QTest::newRow("after the last entry") << "840" << QDate(2010, 12, 31) << "30,4151"
                                              << "1";
        QTest::newRow("per 100 units") << "348" << QDate(2010, 6, 2) << "35"
                                       << "100";
        QTest::newRow("before every entry") << "348" << QDate(2010, 5, 31) << ""
                                            << "";
        QTest::newRow("a currency the file lacks") << "978" << QDate(2010, 6, 2) << ""
                                                   << "";
    }
    void rateLookup() {
        QFETCH(QString, currency);
        QFETCH(QDate, day);
        QFETCH(QString, rate);
        QFETCH(QString, units);
        OpenWithNewRecord();
        Date("dtIncomeGetDate")->setDate(day);
        Date("dtSubtractDate")->setDate(day);
        Type("meCurrencyCode", currency);
        QCOMPARE(Auto()->isEnabled(), !rate.isEmpty());
        QCOMPARE(Auto()->isChecked(), !rate.isEmpty());
        QCOMPARE(Text("meCurrencyExchange"), rate);
        QCOMPARE(Text("meCurrencyUnits"), units);
        QCOMPARE(Text("meCurrencyExchange2"), rate);
        QCOMPARE(W("meCurrencyExchange")->isEnabled(), rate.isEmpty());
        QCOMPARE(W<QLineEdit>("meCurrencyName")->isReadOnly(), currency != QLatin1String("978"));
    }

    // Without a rates file the picker is closed and every rate is typed.
    void withoutRatesFile() {
        const QString file = env.ProgramFile(QStringLiteral("CurrencyRates.xml"));
        QVERIFY(QFile::rename(file, file + QStringLiteral(".away")));
        auto d = Abroad();
        d->CurrencyIncomes.At(d->CurrencyIncomes.Add())->SourceName = QStringLiteral("Acme");
        form.reset(); // a window holding the file lets go of it
        d->SaveToFile(path);
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(QFile::rename(file + QStringLiteral(".away"), file));
        QVERIFY(ShowActive(form.get()));
        ClickSection(Section::CurrencyIncome);
        QVERIFY(!W("bnCurrencyCode")->isEnabled());
        Type("meCurrencyCode", QStringLiteral("840"));
        QVERIFY(!Auto()->isEnabled() && !W<QLineEdit>("meCurrencyName")->isReadOnly());
        Type("meCurrencyName", QStringLiteral("Доллар США"));
        Type("meCurrencyExchange", QStringLiteral("30,4151"));
        Type("meCurrencyUnits", QStringLiteral("1"));
        const auto saved = Saved();
        QCOMPARE(saved->CurrencyIncomes.At(0)->RateAtIncome, Money::FromRaw(304151));
        QCOMPARE(saved->CurrencyIncomes.At(0)->CurrencyName, QStringLiteral("Доллар США"));
    }

    // The currency picker puts its code in and the file's rates follow; a long name is shown and stored
    // whole.
    void currencyPickerAndLongName() {
        OpenWithNewRecord();
        ModalScript modals;
        QString preselected;
        modals.Then(ModalScript::Inspect(preselected))
            .Then(ModalScript::Shot(QStringLiteral("screens-currency-picker"),
                                    ModalScript::Pick(QStringLiteral("826"))));
        Click("bnCurrencyCode");
        QCOMPARE(preselected, QStringLiteral("840")); // no code yet: the first row
        Click("bnCurrencyCode");
        QCOMPARE(Text("meCurrencyCode"), QStringLiteral("826"));
        QCOMPARE(Text("meCurrencyName"), QStringLiteral("Фунт стерлингов Соединенного королевства"));
        QCOMPARE(Text("meCurrencyExchange"), QStringLiteral("48,1"));
        SaveShot(form.get(), QStringLiteral("screens-currency-long-name"));
        QCOMPARE(Saved()->CurrencyIncomes.At(0)->CurrencyName,
                 QStringLiteral("Фунт стерлингов Соединенного королевства"));
        QCOMPARE(modals.unanswered, 0);
    }

    void roubles_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("roubles");
        QTest::newRow("per 100 units") << "35"
                                       << "100"
                                       << "1000"
                                       << "350,00";
        QTest::newRow("four decimals of the rate") << "30,4151"
                                                   << "1"
                                                   << "5000"
                                                   << "152 075,50";
        QTest::newRow("kopecks half up") << "30,4151"
                                         << "1"
                                         << "0,05"
                                         << "1,52";
        QTest::newRow("no units") << "30"
                                  << "0"
                                  << "10"
                                  << "0,00";
    }
    // The roubles shown are what the record will hold, also when the rate is typed last.
    void roubles() {
        QFETCH(QString, rate);
        QFETCH(QString, units);
        QFETCH(QString, amount);
        QFETCH(QString, roubles);
        auto d = Abroad();
        AddIncome(*d, QStringLiteral("Acme"));
        d->CurrencyIncomes.At(0)->CurrencyCode = QStringLiteral("978");
        Open(*d);
        Retype("meIncomeCurrencySum", amount);
        Retype("meTaxCurrencySum", amount);
        Retype("meCurrencyUnits", units);
        Retype("meCurrencyUnits2", units);
        Retype("meCurrencyExchange", rate);
        Retype("meCurrencyExchange2", rate);
        QCOMPARE(Shown("pnlIncomeRublSum"), roubles);
        QCOMPARE(Shown("pnlTaxRoubleSum"), roubles);
        const auto saved = Saved();
        QCOMPARE(GroupedAmountText(saved->CurrencyIncomes.At(0)->IncomeRoubles), roubles);
        QCOMPARE(GroupedAmountText(saved->CurrencyIncomes.At(0)->TaxRoubles), roubles);
    }

    void deduction_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<QString>("firstAmount");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("secondAmount");
        QTest::addColumn<QString>("followed");
        // 20 % of roubles rounded to kopecks: 1 234,56 × 20 % = 246,912.
        QTest::newRow("a percent of the income") << "2201"
                                                 << "405"
                                                 << "1234,56"
                                                 << "246,91"
                                                 << "100"
                                                 << "20";
        QTest::newRow("the income up to its limit") << "2720"
                                                    << "501"
                                                    << "3000"
                                                    << "3000"
                                                    << "5000"
                                                    << "4000";
    }
    // A proposed deduction follows the roubles and never exceeds its limit.
    void deduction() {
        QFETCH(QString, income);
        QFETCH(QString, deduction);
        QFETCH(QString, firstAmount);
        QFETCH(QString, proposed);
        QFETCH(QString, secondAmount);
        QFETCH(QString, followed);
        auto d = Abroad();
        mTCurrencyIncome& r = AddIncome(*d, QStringLiteral("Acme"));
        r.CurrencyCode = QStringLiteral("978");
        r.RateAtIncome = Money::FromUnits(1);
        r.IncomeCode = 0;
        Open(*d);
        ModalScript modals;
        modals.Then(ModalScript::Pick(income)).Then(ModalScript::Pick(deduction));
        Click("bnIncomeCod");
        Retype("meIncomeCurrencySum", firstAmount);
        Click("bnSubtractCod");
        QCOMPARE(Shown("pnlSubtractCod"), deduction);
        QCOMPARE(Text("meSubtractSum"), proposed);
        Retype("meIncomeCurrencySum", secondAmount);
        QCOMPARE(Text("meSubtractSum"), followed);
        const auto saved = Saved();
        QCOMPARE(saved->CurrencyIncomes.At(0)->DeductionCode, deduction.toInt());
        QCOMPARE(AmountFieldText(saved->CurrencyIncomes.At(0)->DeductionAmount), followed);
        // Shown again, the deduction is proposed from the stored roubles.
        Reopen();
        QCOMPARE(Text("meSubtractSum"), followed);
        QCOMPARE(modals.unanswered, 0);
    }

    void screenCheck_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("currency code") << 1 << "По данному источнику выплаты не указан код валюты";
        QTest::newRow("rate") << 2 << "По данному источнику выплаты не указан курс валюты";
        QTest::newRow("income code") << 3 << "По данному источнику выплаты не указан код дохода";
        QTest::newRow("income") << 4 << "По данному источнику выплаты не указана сумма дохода";
        QTest::newRow("deduction amount") << 5 << "По данному источнику выплаты не указана сумма вычета";
        QTest::newRow("clean") << 0 << "";
    }
    // The first record that breaks a rule stops the check; "Исправить" selects it.
    void screenCheck() {
        QFETCH(int, fault);
        QFETCH(QString, message);
        auto d = Abroad();
        AddIncome(*d, QStringLiteral("First"));
        mTCurrencyIncome& r = AddIncome(*d, QStringLiteral("Second"));
        AddIncome(*d, QStringLiteral("Third")).CurrencyCode.clear();
        switch (fault) {
        case 1:
            r.CurrencyCode.clear();
            break;
        case 2:
            r.RateUnitsAtIncome = 0;
            break;
        case 3:
            r.IncomeCode = 0;
            break;
        case 4:
            r.SetIncomeCurrency(Money());
            break;
        case 5:
            r.IncomeCode = 2720;
            r.DeductionCode = 501;
            break;
        case 0:
            d->CurrencyIncomes.Delete(2);
            break;
        }
        Open(*d);
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        ClickSection(Section::PersonData);
        if (fault == 0) {
            QCOMPARE(modals.seen.size(), 0);
            QCOMPARE(form->CurrentSectionButton(), form->SectionButton(Section::PersonData));
            return;
        }
        QCOMPARE(modals.Messages(), QStringList{message});
        QCOMPARE(modals.seen[0].title, QStringLiteral("Проверка: Доходы в валюте"));
        QVERIFY(Screen());
        QCOMPARE(SelectedRow(List()), 1);
        QCOMPARE(form->focusWidget(), List());
    }

    // The source dialog asks for the country: Enter keeps it open after "Исправить", "Да" opens the
    // country picker and then accepts.
    void sourceDialogAsksForTheCountry() {
        Open(*Abroad());
        ModalScript modals;
        bool stayedOpen = false;
        modals
            .Then([](QDialog* d) {
                TypeText(d->findChild<QLineEdit*>(QStringLiteral("meSourseName")), QStringLiteral("Acme"));
                ModalScript::Later([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); })(d);
            })
            .Then(ModalScript::Shot(QStringLiteral("screens-currency-source-check"),
                                    ModalScript::Click(QStringLiteral("bnFix"))))
            .Then([&](QDialog* d) {
                stayedOpen = d->objectName() == QLatin1String("TfmInputCurrencySourseIncome");
                TypeText(d->findChild<QLineEdit*>(QStringLiteral("meGos")), QStringLiteral("196"));
                QTest::keyClick(d, Qt::Key_Return);
            });
        Click("fbAddSourseIncome");
        QVERIFY(stayedOpen);
        QCOMPARE(modals.seen.size(), 3);
        QCOMPARE(modals.seen[1].title, QStringLiteral("Проверка: Источник дохода"));
        QCOMPARE(modals.seen[1].message, QStringLiteral("Не выбран код страны"));
        QVERIFY(!modals.seen[1].skipEnabled && !modals.seen[1].skipAllEnabled);

        modals.Then(ForeignSource(QStringLiteral("Limassol Holdings Ltd"), QString()))
            .Then(ModalScript::Click(QStringLiteral("bnFix")))
            .Then(ModalScript::Pick(QStringLiteral("196")));
        Click("fbAddSourseIncome");
        QCOMPARE(modals.seen.size(), 6);
        QCOMPARE(modals.seen[5].title, QStringLiteral("Справочник стран"));

        // A blank name adds nothing; Escape cancels.
        modals.Then(ForeignSource(QStringLiteral("   "), QStringLiteral("840"))).Then([](QDialog* d) {
            QTest::keyClick(d, Qt::Key_Escape);
        });
        Click("fbAddSourseIncome");
        Click("fbAddSourseIncome");
        QCOMPARE(modals.unanswered, 0);
        const auto saved = Saved();
        QCOMPARE(saved->CurrencyIncomes.Count(), 2);
        QCOMPARE(saved->CurrencyIncomes.At(0)->CountryCode, QStringLiteral("196"));
        QCOMPARE(saved->CurrencyIncomes.At(1)->SourceName, QStringLiteral("Limassol Holdings Ltd"));
        QCOMPARE(saved->CurrencyIncomes.At(1)->CountryCode, QStringLiteral("196"));

        // Enter in the list edits the record.
        modals.Then([](QDialog* d) {
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("meSourseName"));
            name->clear();
            TypeText(name, QStringLiteral("Limassol Ltd"));
            QTest::keyClick(d, Qt::Key_Return);
        });
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_Return);
        QCOMPARE(RowText(List(), 1, 0), QStringLiteral("Limassol Ltd"));
        QVERIFY(!form->Saved());
    }

    // Deleting the only record closes and clears every field; the dates stay in their ranges.
    void deletingTheOnlyRecord() {
        auto d = Abroad();
        AddIncome(*d, QStringLiteral("Acme")).IncomeDate = DateValue::FromYmd(2010, 5, 5);
        d->ExpenseDocCount = 2;
        Open(*d);
        QCOMPARE(Text("meAppB"), QStringLiteral("2"));
        QCOMPARE(Date("dtIncomeGetDate")->date(), QDate(2010, 5, 5));
        Click("fbDeleteSourseIncome");
        QCOMPARE(RowCount(List()), 0);
        for (const char* name : {"dtIncomeGetDate", "meCurrencyCode", "meCurrencyName", "chbAutoExchange",
                                 "meCurrencyExchange", "bnIncomeCod", "meIncomeCurrencySum",
                                 "meTaxCurrencySum", "bnSubtractCod", "meSubtractSum", "bnCurrencyCode"})
            QVERIFY2(!W(name)->isEnabled(), name);
        for (const char* name : {"meCurrencyCode", "meCurrencyName", "meCurrencyExchange", "meCurrencyUnits2",
                                 "meIncomeCurrencySum", "meAppB"})
            QVERIFY2(Text(name).isEmpty(), name);
        QVERIFY(Shown("pnlIncomeCod").isEmpty() && Shown("pnlIncomeRublSum").isEmpty());
        QCOMPARE(Date("dtIncomeGetDate")->date(), QDate(2010, 1, 1));
        QCOMPARE(Date("dtSubtractDate")->date(), QDate(2010, 1, 1));
        const auto saved = Saved();
        QCOMPARE(saved->CurrencyIncomes.Count(), 0);
        QCOMPARE(saved->ExpenseDocCount, 0);
    }

    // "Исправить" in the whole-declaration check opens the screen on the faulty record.
    void wholeDeclarationFixLeadsToTheRecord() {
        auto d = Abroad();
        AddIncome(*d, QStringLiteral("First"));
        AddIncome(*d, QStringLiteral("Second")).RateAtIncome = Money();
        form.reset(); // a window holding the file lets go of it
        d->SaveToFile(path);
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QCOMPARE(form->CheckAndShow(), 1);
        QCOMPARE(modals.Messages(),
                 QStringList{QStringLiteral("По данному источнику выплаты не указан курс валюты")});
        QVERIFY(Screen());
        QVERIFY(form->SectionButton(Section::CurrencyIncome)->Down());
        QCOMPARE(SelectedRow(List()), 1);
        QCOMPARE(form->focusWidget(), List());
    }

    // Tab walks the screen from the list down to the deduction (a date field takes its day, month and
    // year in turn).
    void tabOrder() {
        auto d = Abroad();
        mTCurrencyIncome& r = AddIncome(*d, QStringLiteral("Acme"));
        r.CurrencyCode = QStringLiteral("978");
        r.AutoRate = 0;
        r.IncomeCode = 1010;
        Open(*d);
        QStringList order;
        QWidget* w = List();
        w->setFocus();
        for (int i = 0; i < 27 && order.size() < 17; ++i) {
            if (order.isEmpty() || order.last() != w->objectName()) order << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            w = form->focusWidget();
        }
        QCOMPARE(order,
                 (QStringList{"lvSourseIncomeInfo", "fbAddSourseIncome", "fbDeleteSourseIncome",
                              "fbEditSourseIncome", "dtIncomeGetDate", "dtSubtractDate", "meCurrencyCode",
                              "bnCurrencyCode", "meCurrencyName", "meCurrencyExchange", "meCurrencyUnits",
                              "meCurrencyExchange2", "meCurrencyUnits2", "bnIncomeCod", "meIncomeCurrencySum",
                              "meTaxCurrencySum", "bnSubtractCod"}));
    }
};

QTEST_MAIN(TestCurrencyScreen)
#include "tst_currency.moc"
