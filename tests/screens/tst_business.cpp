#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"
#include "support/WorkedExampleExport.h"

#include "controls/MaskedEdit.h"
#include "pickers/OkvedPicker.h"
#include "records/Declaration.h"
#include "screens/income/BusinessNew.h"
#include "storage/AmountText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

// A small classifier: an entrepreneur's software development (72.2) and farming.
const char* Okved = R"(<OKVED>
<E GRUP="1" Kod="A" OKVED="A" Name="Сельское хозяйство"/>
<E GRUP="2" Kod="A01" OKVED="01" Name="Растениеводство"/>
<E GRUP="1" Kod="K" OKVED="K" Name="Операции с недвижимым имуществом, аренда и предоставление услуг"/>
<E GRUP="2" Kod="K72" OKVED="72" Name="Деятельность, связанная с использованием вычислительной техники"/>
<E GRUP="3" Kod="K72.2" OKVED="72.2" Name="Разработка программного обеспечения"/>
</OKVED>)";

// Chooses the names level by level in the classifier picker and accepts it.
ModalScript::Action PickOkved(QStringList names) {
    return [names](QDialog* d) {
        auto* picker = qobject_cast<TFormOKVED*>(d);
        for (int level = 1; picker && level <= names.size(); ++level)
            picker->Level(level)->setCurrentIndex(picker->Level(level)->findText(names[level - 1]));
        ModalScript::Click(QStringLiteral("bnYes"))(d);
    };
}

const QStringList SoftwareDevelopment{
    QStringLiteral("Операции с недвижимым имуществом, аренда и предоставление услуг"),
    QStringLiteral("Деятельность, связанная с использованием вычислительной техники"),
    QStringLiteral("Разработка программного обеспечения")};

// Answers the kind dialog: chooses the kind's button and presses "Да".
ModalScript::Action ChooseKind(const char* radio) {
    return [radio](QDialog* d) {
        d->findChild<QRadioButton*>(QLatin1String(radio))->click();
        ModalScript::Click(QStringLiteral("bnYes"))(d);
    };
}

// Opens the classifier from the kind dialog; the dialog is answered again once the classifier closes.
ModalScript::Action OpenClassifier() {
    return ModalScript::Later(
        [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("bnOKVED"))->click(); });
}

struct Expenses {
    int total, material, depreciation, labour, contracts, other;
};

void AddActivity(mTDeclaration& d, const QString& kind, const QString& okved,
                 std::optional<Expenses> documented) {
    const int row = d.BusinessIncomes.Add();
    mTBusinessNew& a = *d.BusinessIncomes.At(row);
    a.ActivityKind = kind;
    a.OKVED = okved;
    a.Income = Money::FromUnits(500000);
    a.HasDocumentedExpenses = documented ? 1 : 0;
    if (!documented) {
        a.NormativeExpenses = Money::FromUnits(100000);
        return;
    }
    a.ExpensesTotal = Money::FromUnits(documented->total);
    a.ExpensesMaterial = Money::FromUnits(documented->material);
    a.ExpensesDepreciation = Money::FromUnits(documented->depreciation);
    a.ExpensesLabour = Money::FromUnits(documented->labour);
    a.ExpensesLabourContracts = Money::FromUnits(documented->contracts);
    a.ExpensesOther = Money::FromUnits(documented->other);
}

} // namespace

Q_DECLARE_METATYPE(QList<std::optional<Expenses>>)

class TestBusinessScreen : public QObject, ScreenTest {
    Q_OBJECT

    QString path;

    TfrBusinessNew* Screen() const { return qobject_cast<TfrBusinessNew*>(form->CurrentFrame()); }
    QTreeView* List() const { return W<QTreeView>("lvBusinessIncome"); }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < RowCount(List()); ++i)
            rows << RowText(List(), i, 0);
        return rows;
    }

    std::unique_ptr<mTDeclaration> Entrepreneur() {
        auto d = ValidDeclaration().Inspection(QStringLiteral("6952")).Take();
        d->SetIncomeKinds(IncomeBusiness);
        return d;
    }
    // Saves d and opens it in a new main window on the business screen.
    void Open(mTDeclaration& d) {
        form.reset(); // a window holding the file lets go of it
        d.SaveToFile(path);
        Reopen();
    }
    void Reopen() {
        OpenOn(path, Section::Business);
        QVERIFY(Screen());
    }
    std::unique_ptr<mTDeclaration> Saved() { return SaveAndRead(path); }

private slots:
    void initTestCase() {
        PrepareProgram();
        QFile f(env.ProgramFile(QStringLiteral("Sp_OKVED2.xml")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Okved);
        f.close();
        path = files.filePath(QStringLiteral("business.kv0"));
    }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // An entrepreneur and a notary entered through the screen, saved and opened again: everything is there.
    void fillSaveReopen() {
        Open(*Entrepreneur());
        QVERIFY(form->Saved());
        QVERIFY(!W("meIncome")->isEnabled());
        QCOMPARE(Text("meAdvanceAccrued"), QStringLiteral("0"));

        ModalScript modals;
        modals.Then(ModalScript::Shot(QStringLiteral("screens-business-kind"), OpenClassifier()))
            .Then(ModalScript::Shot(QStringLiteral("screens-business-okved"), PickOkved(SoftwareDevelopment)))
            .Then(ModalScript::Click(QStringLiteral("bnYes")));
        Click("fbAddBusinessIncome");
        QCOMPARE(Rows(), QStringList{QStringLiteral("72.2")});
        QVERIFY(!form->Saved());
        QVERIFY(W("meIncome")->isEnabled());
        QVERIFY(!W<QCheckBox>("chbDocumentedExpenses")->isChecked());
        Retype("meIncome", QStringLiteral("1000000"));
        QCOMPARE(W<QLabel>("pnlNormativeExpenses")->text(), QStringLiteral("200 000,00"));
        Retype("meAdvanceAccrued", QStringLiteral("90000"));
        Retype("meAdvancePaid", QStringLiteral("90000"));
        Click("chbFarm");
        W<QLineEdit>("meFarmYear")->clear();
        Type("meFarmYear", QStringLiteral("2005"));
        Retype("meFarmIncome", QStringLiteral("1500,5"));
        SaveShot(form.get(), QStringLiteral("screens-business-norm"));

        modals.Then(ChooseKind("rbNotary"));
        Click("fbAddBusinessIncome");
        QCOMPARE(Rows(), (QStringList{QStringLiteral("72.2"), QStringLiteral("Нотариальная деятельность")}));
        QCOMPARE(SelectedRow(List()), 1);
        Retype("meIncome", QStringLiteral("300000"));
        Click("chbDocumentedExpenses");
        QVERIFY(W("meExpensesTotal")->isVisible() && !W("pnlNormativeExpenses")->isVisible());
        Retype("meExpensesTotal", QStringLiteral("100"));
        Retype("meExpensesMaterial", QStringLiteral("40"));
        Retype("meExpensesDepreciation", QStringLiteral("10"));
        Retype("meExpensesLabour", QStringLiteral("30"));
        Retype("meExpensesLabourContracts", QStringLiteral("5"));
        Retype("meExpensesOther", QStringLiteral("20,25"));
        SaveShot(form.get(), QStringLiteral("screens-business-documented"));
        QCOMPARE(modals.unanswered, 0);

        const auto saved = Saved();
        QVERIFY(form->Saved());
        QCOMPARE(saved->BusinessIncomes.Count(), 2);
        const mTBusinessNew& first = *saved->BusinessIncomes.At(0);
        QCOMPARE(first.ActivityKind, QStringLiteral("1"));
        QCOMPARE(first.OKVED, QStringLiteral("72.2"));
        QCOMPARE(first.HasDocumentedExpenses, quint8(0));
        QCOMPARE(first.NormativeExpenses, Money::FromUnits(200000));
        const mTBusinessNew& second = *saved->BusinessIncomes.At(1);
        QCOMPARE(second.ActivityKind, QStringLiteral("2"));
        QCOMPARE(second.HasDocumentedExpenses, quint8(1));
        QCOMPARE(second.ExpensesOther, Money::FromRaw(202500));
        QCOMPARE(saved->AdvanceAccrued, Money::FromUnits(90000));
        QCOMPARE(saved->IsFarm, quint8(1));
        QCOMPARE(saved->FarmStartDate, DateValue::FromYmd(2005, 1, 1));
        QCOMPARE(saved->FarmIncome, Money::FromRaw(15005000));

        Reopen();
        QVERIFY(form->Saved());
        QCOMPARE(Rows(), (QStringList{QStringLiteral("72.2"), QStringLiteral("Нотариальная деятельность")}));
        QCOMPARE(SelectedRow(List()), 0);
        QCOMPARE(Text("meIncome"), QStringLiteral("1000000"));
        QCOMPARE(W<QLabel>("pnlNormativeExpenses")->text(), QStringLiteral("200 000,00"));
        QCOMPARE(Text("meAdvancePaid"), QStringLiteral("90000"));
        QVERIFY(W<QCheckBox>("chbFarm")->isChecked() && W("meFarmIncome")->isEnabled());
        QCOMPARE(Text("meFarmYear"), QStringLiteral("2005"));
        QCOMPARE(Text("meFarmIncome"), QStringLiteral("1500,5"));
        ChooseRow(List(), 1);
        QVERIFY(W<QCheckBox>("chbDocumentedExpenses")->isChecked());
        QCOMPARE(Text("meExpensesTotal"), QStringLiteral("100"));
        QCOMPARE(Text("meExpensesLabourContracts"), QStringLiteral("5"));
        QCOMPARE(Text("meExpensesOther"), QStringLiteral("20,25"));
        QVERIFY(form->Saved());
        form->Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(Saved()->DumpJson(), saved->DumpJson());
    }

    void normOfExpenses_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("norm");
        QTest::newRow("kopecks half up") << "1000,05"
                                         << "200,01";
        QTest::newRow("a third of a kopeck is dropped") << "0,01"
                                                        << "0,00";
        QTest::newRow("half a kopeck is a kopeck") << "0,03"
                                                   << "0,01";
        QTest::newRow("empty") << ""
                               << "0,00";
    }
    // The norm follows the income as it is typed; unticking the documented box recomputes it.
    void normOfExpenses() {
        QFETCH(QString, income);
        QFETCH(QString, norm);
        auto d = Entrepreneur();
        AddActivity(*d, QStringLiteral("4"), QString(), Expenses{});
        Open(*d);
        QVERIFY(W<QCheckBox>("chbDocumentedExpenses")->isChecked());
        W<QLineEdit>("meIncome")->clear();
        Retype("meIncome", income);
        Click("chbDocumentedExpenses");
        QCOMPARE(W<QLabel>("pnlNormativeExpenses")->text(), norm);
        Money stored;
        QVERIFY(ParseAmountField(norm, stored));
        QCOMPARE(Saved()->BusinessIncomes.At(0)->NormativeExpenses, stored);
    }

    void screenCheck_data() {
        QTest::addColumn<QList<std::optional<Expenses>>>("activities");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("shownRow"); // -1: the user left the screen
        using E = std::optional<Expenses>;
        const QString mixed =
            QStringLiteral("Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.");
        const QString total90 = QStringLiteral(
            "Общие расходы (90) не совпадают с суммой расходов материальных, на оплату труда, прочих и "
            "амортизационных отчислений (100)");
        const QString labour = QStringLiteral(
            "Расходы по оплате трудовых договоров(40) превышают сумму расходов на оплату труда (30)");
        QTest::newRow("parts make the total")
            << QList<E>{Expenses{100, 40, 10, 30, 5, 20}} << QStringList{} << QStringList{} << -1;
        QTest::newRow("total 90 of 100")
            << QList<E>{Expenses{90, 40, 10, 30, 0, 20}} << QStringList{"bnFix"} << QStringList{total90} << 0;
        QTest::newRow("contracts above labour") << QList<E>{Expenses{100, 40, 10, 30, 40, 20}}
                                                << QStringList{"bnSkip"} << QStringList{labour} << -1;
        QTest::newRow("documented and norm mixed") << QList<E>{Expenses{100, 40, 10, 30, 0, 20}, E{}}
                                                   << QStringList{"bnFix"} << QStringList{mixed} << 1;
        // After "Исправить" only the mixing rule still runs, and a later "Исправить" names its activity.
        QTest::newRow("a later fix wins") << QList<E>{Expenses{90, 40, 10, 30, 40, 20}, E{}}
                                          << QStringList{"bnFix", "bnFix"} << QStringList{labour, mixed} << 1;
        QTest::newRow("skip all ends the check") << QList<E>{Expenses{90, 40, 10, 30, 40, 20}, E{}}
                                                 << QStringList{"bnSkipAll"} << QStringList{labour} << -1;
        QTest::newRow("fix, then skip all")
            << QList<E>{Expenses{90, 40, 10, 30, 40, 20}, E{}} << QStringList{"bnFix", "bnSkipAll"}
            << QStringList{labour, mixed} << 0;
    }
    // Leaving the screen runs its check; "Исправить" keeps the user there with the activity selected.
    void screenCheck() {
        QFETCH(QList<std::optional<Expenses>>, activities);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(int, shownRow);
        auto d = Entrepreneur();
        for (const std::optional<Expenses>& e : activities)
            AddActivity(*d, QStringLiteral("1"), QStringLiteral("72.2"), e);
        Open(*d);
        ModalScript modals;
        for (const QString& answer : answers)
            modals.Then(ModalScript::Click(answer));
        ClickSection(Section::PersonData);
        QCOMPARE(modals.Messages(), messages);
        for (const ModalScript::Seen& seen : modals.seen)
            QCOMPARE(seen.title, QStringLiteral("Проверка: Доходы от предпринимательской деятельности"));
        QCOMPARE(modals.unanswered, 0);
        if (shownRow < 0) {
            QCOMPARE(form->CurrentSectionButton(), form->SectionButton(Section::PersonData));
            return;
        }
        QVERIFY(Screen());
        QVERIFY(form->SectionButton(Section::Business)->Down());
        QCOMPARE(SelectedRow(List()), shownRow);
        QCOMPARE(form->focusWidget(), List());
    }

    // The last activity deleted: the screen closes its fields, and the declaration keeps no advance
    // payments and no farm.
    void deletingTheLastActivity() {
        auto d = Entrepreneur();
        AddActivity(*d, QStringLiteral("1"), QStringLiteral("72.2"), std::nullopt);
        AddActivity(*d, QStringLiteral("2"), QString(), Expenses{100, 40, 10, 30, 0, 20});
        d->AdvanceAccrued = d->AdvancePaid = Money::FromUnits(5000);
        d->IsFarm = 1;
        d->FarmIncome = Money::FromUnits(700);
        Open(*d);
        ChooseRow(List(), 1);
        Click("fbDeleteBusinessIncome");
        // The activity before the deleted one is shown.
        QCOMPARE(Rows(), QStringList{QStringLiteral("72.2")});
        QCOMPARE(SelectedRow(List()), 0);
        QCOMPARE(Text("meIncome"), QStringLiteral("500000"));
        Click("fbDeleteBusinessIncome");
        QVERIFY(Rows().isEmpty());
        for (const char* name :
             {"meIncome", "chbDocumentedExpenses", "meAdvanceAccrued", "chbFarm", "meFarmIncome"})
            QVERIFY2(!W(name)->isEnabled(), name);
        const auto saved = Saved();
        QCOMPARE(saved->BusinessIncomes.Count(), 0);
        QCOMPARE(saved->AdvanceAccrued, Money());
        QCOMPARE(saved->AdvancePaid, Money());
        QCOMPARE(saved->FarmIncome, Money());
        QCOMPARE(saved->IsFarm, quint8(0));
    }

    // An empty year is stored as 2000; the stepper keeps to 1997–2010, also from the keyboard.
    void farmYear() {
        auto d = Entrepreneur();
        AddActivity(*d, QStringLiteral("3"), QString(), std::nullopt);
        Open(*d);
        Click("chbFarm");
        QCOMPARE(Text("meFarmYear"), QStringLiteral("2000"));
        W<QLineEdit>("meFarmYear")->clear();
        QCOMPARE(Saved()->FarmStartDate, DateValue::FromYmd(2000, 1, 1));
        // From an empty field the stepper starts at its default year.
        Click("bnFarmYearUp");
        QCOMPARE(Text("meFarmYear"), QStringLiteral("2008"));
        for (int i = 0; i < 3; ++i)
            Click("bnFarmYearUp");
        QCOMPARE(Text("meFarmYear"), QStringLiteral("2010"));
        W("meFarmYear")->setFocus();
        QTest::keyClick(W("meFarmYear"), Qt::Key_Down);
        QCOMPARE(Text("meFarmYear"), QStringLiteral("2009"));
        QCOMPARE(Saved()->FarmStartDate, DateValue::FromYmd(2009, 1, 1));
    }

    // An entrepreneur without a code is not added; editing may take the code away, and the change is saved.
    void activityWithoutCode() {
        Open(*Entrepreneur());
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnYes")));
        Click("fbAddBusinessIncome");
        QVERIFY(Rows().isEmpty());
        QVERIFY(form->Saved());
        QVERIFY(!W("meIncome")->isEnabled());

        modals.Then(ChooseKind("rbLawyer"));
        Click("fbAddBusinessIncome");
        QCOMPARE(Rows(), QStringList{QStringLiteral("Адвокатская деятельность")});
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());

        // Enter in the list edits the row; only the kind changes, and it is a change to save.
        bool codeButtonOpen = true;
        modals.Then([&](QDialog* dialog) {
            QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("rbLawyer"))->isChecked());
            QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("bnOKVED"))->isEnabled());
            dialog->findChild<QRadioButton*>(QStringLiteral("rbBusiness"))->click();
            codeButtonOpen = dialog->findChild<QPushButton*>(QStringLiteral("bnOKVED"))->isEnabled();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_Return);
        QVERIFY(codeButtonOpen);
        QCOMPARE(Rows(), QStringList{QString()});
        QVERIFY(!form->Saved());
        QCOMPARE(Saved()->BusinessIncomes.At(0)->ActivityKind, QStringLiteral("1"));

        // Escape cancels the dialog and changes nothing.
        modals.Then([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QTest::keyClick(List(), Qt::Key_Return);
        QVERIFY(form->Saved());
        QCOMPARE(modals.unanswered, 0);
    }

    // Without the classifier the code button is closed and nothing fails.
    void withoutClassifier() {
        const QString file = env.ProgramFile(QStringLiteral("Sp_OKVED2.xml"));
        QVERIFY(QFile::rename(file, file + QStringLiteral(".away")));
        auto d = Entrepreneur();
        form.reset(); // a window holding the file lets go of it
        d->SaveToFile(path);
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(QFile::rename(file + QStringLiteral(".away"), file));
        QVERIFY(ShowActive(form.get()));
        ClickSection(Section::Business);
        bool codeButtonOpen = true;
        ModalScript modals;
        modals.Then([&](QDialog* dialog) {
            // Disabled, the button opens nothing.
            auto* button = dialog->findChild<QPushButton*>(QStringLiteral("bnOKVED"));
            codeButtonOpen = button->isEnabled();
            button->click();
            dialog->findChild<QRadioButton*>(QStringLiteral("rbOther"))->click();
            ModalScript::Click(QStringLiteral("bnYes"))(dialog);
        });
        Click("fbAddBusinessIncome");
        QVERIFY(!codeButtonOpen);
        QCOMPARE(Rows(), QStringList{QStringLiteral("Иная деятельность")});
        QCOMPARE(modals.seen.size(), 1);
    }

    // "Исправить" in the whole-declaration check opens the screen on the faulty activity.
    void wholeDeclarationFixLeadsToTheActivity() {
        auto d = Entrepreneur();
        AddActivity(*d, QStringLiteral("1"), QStringLiteral("72.2"), std::nullopt);
        AddActivity(*d, QStringLiteral("1"), QStringLiteral("01"), std::nullopt);
        form.reset(); // a window holding the file lets go of it
        d->SaveToFile(path);
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QCOMPARE(form->CheckAndShow(), 1);
        QCOMPARE(modals.Messages(), QStringList{QStringLiteral(
                                        "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку")});
        QVERIFY(Screen());
        QVERIFY(form->SectionButton(Section::Business)->Down());
        QCOMPARE(SelectedRow(List()), 1);
        QCOMPARE(form->focusWidget(), List());
    }

    // The worked example of an individual entrepreneur: one activity (72.2) with an income of 1 000 000
    // and the 20 % norm, advance payments of 90 000 accrued and paid: base 800 000, tax 104 000, 14 000
    // left to pay.
    void workedExampleEntrepreneur() {
        auto d = Entrepreneur();
        d->PayerCategory = 0;
        Open(*d);
        ModalScript modals;
        modals.Then(OpenClassifier())
            .Then(PickOkved(SoftwareDevelopment))
            .Then(ModalScript::Click(QStringLiteral("bnYes")));
        Click("fbAddBusinessIncome");
        Retype("meIncome", QStringLiteral("1000000"));
        Retype("meAdvanceAccrued", QStringLiteral("90000"));
        Retype("meAdvancePaid", QStringLiteral("90000"));
        QCOMPARE(W<QLabel>("pnlNormativeExpenses")->text(), QStringLiteral("200 000,00"));
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());

        const QByteArray window = WorkedExampleExport::FromWindow(*form, services, *prompts);
        QVERIFY(!window.isEmpty());
        QCOMPARE(window, WorkedExampleExport::Golden(QStringLiteral("endtoend-entrepreneur.xml"), window));
        QCOMPARE(WorkedExampleExport::FromConsole(path), window);
        QCOMPARE(modals.unanswered, 0);
    }

    // Tab walks the screen from the list down to the farm.
    void tabOrder() {
        auto d = Entrepreneur();
        AddActivity(*d, QStringLiteral("1"), QStringLiteral("72.2"), Expenses{100, 40, 10, 30, 0, 20});
        Open(*d);
        Click("chbFarm");
        QStringList order;
        QWidget* w = List();
        w->setFocus();
        for (int i = 0; i < 17; ++i) {
            order << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            w = form->focusWidget();
        }
        QCOMPARE(order,
                 (QStringList{"lvBusinessIncome", "fbAddBusinessIncome", "fbDeleteBusinessIncome",
                              "fbEditBusinessIncome", "meIncome", "chbDocumentedExpenses", "meExpensesTotal",
                              "meExpensesMaterial", "meExpensesDepreciation", "meExpensesLabour",
                              "meExpensesLabourContracts", "meExpensesOther", "meAdvanceAccrued",
                              "meAdvancePaid", "chbFarm", "meFarmYear", "meFarmIncome"}));
    }
};

QTEST_MAIN(TestBusinessScreen)
#include "tst_business.moc"
