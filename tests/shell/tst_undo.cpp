#include "support/EntryDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"

#include "editing/DeclarationHistory.h"
#include "screens/SectionScreens.h"

#include <QAction>
#include <QMenu>
#include <QSpinBox>

namespace {

using namespace EntryDialogs;

Money Rub(qint64 units) {
    return Money::FromUnits(units);
}

// Something in every list the screens edit: two employers with month lines, income at 35 %, dividends,
// a foreign source, a business activity, a payment, a child's education and a pension contract.
std::unique_ptr<mTDeclaration> Rich() {
    ValidDeclaration v;
    v.Source13(Rub(300000), Rub(39000)).Source13(Rub(120000), Rub(15600));
    mTDeclaration& d = v.Declaration();
    d.IncomeSources13.At(0)->SourceName = QStringLiteral("ООО \"Василёк\"");
    d.IncomeSources13.At(1)->SourceName = QStringLiteral("ЗАО «Ромашка»");
    for (int month = 2; month <= 3; ++month) {
        mTSourseIncome line;
        line.Month = quint16(month);
        line.IncomeCode = 2000;
        line.IncomeAmount = Rub(25000);
        d.IncomeSources13.At(0)->AddLine(line);
    }
    d.SetIncomeKinds(IncomeRussia | IncomeForeign | IncomeBusiness);
    mTThirtyFivePercent* prize = d.IncomeSources35.At(d.IncomeSources35.Add());
    prize->SourceName = QStringLiteral("ООО «Лото»");
    prize->IncomeCode = 2740;
    prize->IncomeTotal = Rub(10000);
    mTThirtyPercent* dividends = d.IncomeSources30.At(d.IncomeSources30.Add());
    dividends->SourceName = QStringLiteral("ОАО «Дивиденд»");
    dividends->IncomeCode = 1010;
    dividends->IncomeTotal = Rub(5000);
    mTCurrencyIncome* foreign = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
    foreign->SourceName = QStringLiteral("Acme Inc.");
    foreign->CountryCode = QStringLiteral("840");
    foreign->CurrencyCode = QStringLiteral("840");
    foreign->CurrencyName = QStringLiteral("Доллар США");
    foreign->RateAtIncome = foreign->RateAtTax = Money::FromRaw(301851);
    foreign->RateUnitsAtIncome = foreign->RateUnitsAtTax = 1;
    foreign->IncomeCode = 2000;
    foreign->TaxRate = 13;
    foreign->SetIncomeCurrency(Rub(100));
    mTBusinessNew* business = d.BusinessIncomes.At(d.BusinessIncomes.Add());
    business->ActivityKind = QStringLiteral("2");
    mTNalog* payment = d.TaxPayments.At(d.TaxPayments.Add());
    payment->PaymentAmount = Rub(7000);
    payment->PaymentKBK = QStringLiteral("18210102021011000110");
    d.SocialDeduction.GrantSocial = 1;
    d.PropertyDeduction.GrantProperty = 1;
    d.SocialDeduction.AddChildEducation(Rub(30000));
    const int contract = d.SocialDeduction.AddPensionContract();
    d.SocialDeduction.PensionContract(contract)->FundName = QStringLiteral("НПФ «Будущее»");
    return v.Take();
}

} // namespace

// Every accepted change is one step of the open declaration's history: undone, the declaration saves to
// the bytes it had before; redone, to the bytes it had after; the title's mark follows the saved state.
class TestUndo : public QObject, ScreenTest {
    Q_OBJECT

    // One kind of change: where it is made (reached without changing anything) and the change itself.
    struct Case {
        const char* name;
        std::function<void(TestUndo&)> go;
        std::function<void(TestUndo&, ModalScript&)> change;
    };

    // Where two declarations differ, as the first differing line of their JSON.
    static QByteArray FirstDifference(const QByteArray& a, const QByteArray& b) {
        mTDeclaration da, db;
        da.LoadFromBytes(a);
        db.LoadFromBytes(b);
        const QList<QByteArray> la = da.DumpJson().split('\n'), lb = db.DumpJson().split('\n');
        for (int i = 0; i < std::min(la.size(), lb.size()); ++i)
            if (la[i] != lb[i]) return la[i] + " <> " + lb[i];
        return la.size() == lb.size() ? QByteArray() : QByteArray("lengths differ");
    }
    bool Marked() const { return form->windowTitle().contains(QLatin1String("[*]")); }
    Section Shown() const { return SectionScreens::SectionOf(form->CurrentFrame()); }
    QTreeView* List(const char* name) const { return W<QTreeView>(name); }

    void Open(mTDeclaration& d) {
        QVERIFY(OpenSaved(d, files.filePath(QStringLiteral("undo.kv0"))));
        QVERIFY(form->Saved());
    }

    static QList<Case> Cases() {
        const auto section = [](Section s) { return [s](TestUndo& t) { t.ClickSection(s); }; };
        const auto sub = [](Section s, const char* button) {
            return [s, button](TestUndo& t) {
                t.ClickSection(s);
                t.Click(button);
            };
        };
        const auto retype = [](const char* field, const char* text) {
            return [field, text](TestUndo& t, ModalScript&) { t.Retype(field, QString::fromUtf8(text)); };
        };
        const auto answered = [](const char* button, ModalScript::Action answer) {
            return [button, answer](TestUndo& t, ModalScript& modals) {
                modals.Then(answer);
                t.Click(button);
            };
        };
        const auto click = [](const char* button) {
            return [button](TestUndo& t, ModalScript&) { t.Click(button); };
        };
        const auto onLine = [](int row, const char* button) {
            return [row, button](TestUndo& t, ModalScript&) {
                ChooseRow(t.List("lvIncomes"), row);
                t.Click(button);
            };
        };
        const auto noSection = [](TestUndo&) {};
        return {
            {"conditions: correction number", noSection,
             [](TestUndo& t, ModalScript&) {
                 auto* spin = t.W<QSpinBox>("meCorrectionNumber");
                 spin->setFocus();
                 QTest::keyClick(spin, Qt::Key_Up);
             }},
            {"conditions: tax office picked", noSection,
             answered("bnInspection", ModalScript::Pick(QStringLiteral("7728")))},
            {"conditions: signer", noSection, [](TestUndo& t, ModalScript&) { t.Click("rbSignerPerson"); }},
            {"taxpayer: surname", section(Section::PersonData), retype("meSurName", "Петров")},
            {"taxpayer: city", sub(Section::PersonData, "fbPersonAddress"), retype("meCity", "Тверь")},
            {"13 %: source added", section(Section::RussianIncome),
             answered("fbAddSource", Payer(QStringLiteral("ООО «Новое»"), OrgInn))},
            {"13 %: source edited", section(Section::RussianIncome),
             answered("fbEditSource", Payer(QStringLiteral("ООО «Переименовано»"), OrgInn))},
            {"13 %: source deleted", section(Section::RussianIncome),
             [](TestUndo& t, ModalScript&) {
                 t.prompts->answers.enqueue(QMessageBox::Yes);
                 t.Click("fbDeleteSource");
             }},
            {"13 %: tax withheld", section(Section::RussianIncome), retype("meTaxWithheld", "38000")},
            {"13 %: line added", section(Section::RussianIncome),
             answered("fbAddIncome",
                      Line(QStringLiteral("2000"), QStringLiteral("40000"), QStringLiteral("4")))},
            {"13 %: line edited", section(Section::RussianIncome),
             [](TestUndo& t, ModalScript& modals) {
                 ChooseRow(t.List("lvIncomes"), 1);
                 modals.Then(Line(QStringLiteral("2000"), QStringLiteral("26000"), QStringLiteral("2")));
                 t.Click("fbEditIncome");
             }},
            {"13 %: line repeated", section(Section::RussianIncome), onLine(1, "fbRepeatIncome")},
            {"13 %: line deleted", section(Section::RussianIncome), onLine(2, "fbDeleteIncome")},
            {"35 %: source added", sub(Section::RussianIncome, "fb35Percent"),
             answered("fbAddSource",
                      Income35(QStringLiteral("ООО «Приз»"), QStringLiteral("2740"), QStringLiteral("8000"),
                               QStringLiteral("501"), QStringLiteral("1400")))},
            {"dividends: source added", sub(Section::RussianIncome, "fbDividends"),
             answered("fbAddSource", Dividends(QStringLiteral("ОАО «Доход»"), QStringLiteral("1000"),
                                               QStringLiteral("1000"), QStringLiteral("90")))},
            {"dividends: source deleted", sub(Section::RussianIncome, "fbDividends"),
             click("fbDeleteSource")},
            {"foreign: source added", section(Section::CurrencyIncome),
             answered("fbAddSourseIncome",
                      ForeignSource(QStringLiteral("Globex Ltd"), QStringLiteral("840")))},
            {"foreign: amount", section(Section::CurrencyIncome), retype("meIncomeCurrencySum", "1500")},
            {"foreign: source deleted", section(Section::CurrencyIncome), click("fbDeleteSourseIncome")},
            {"business: income", section(Section::Business), retype("meIncome", "500000")},
            {"business: activity deleted", section(Section::Business), click("fbDeleteBusinessIncome")},
            {"standard deduction: a choice", section(Section::Deductions),
             [](TestUndo& t, ModalScript&) { t.Click("rb104"); }},
            {"social: treatment", sub(Section::Deductions, "fbPensDeduct"), retype("meTreatment", "70000")},
            {"social: education added", sub(Section::Deductions, "fbPensDeduct"),
             answered("fbAddChildEdu", Fill({{"meSum", "25000"}}, "bnYes"))},
            {"social: education edited", sub(Section::Deductions, "fbPensDeduct"),
             [](TestUndo& t, ModalScript& modals) {
                 ChooseRow(t.List("lvChildEducation"), 0);
                 modals.Then(Fill({{"meSum", "20000"}}, "bnYes"));
                 t.Click("fbEditChildEdu");
             }},
            {"social: contract deleted", sub(Section::Deductions, "fbPensDeduct"),
             [](TestUndo& t, ModalScript&) {
                 ChooseRow(t.List("lvPensions"), 0);
                 t.Click("fbDeletePens");
             }},
            {"property: city", sub(Section::Deductions, "fbConstructionDeduct"), retype("meCity", "Тверь")},
            {"payments: payment added", section(Section::Nalog),
             answered("fbAddPayment", Payment(1, QStringLiteral("1500")))},
            {"payments: payment deleted", section(Section::Nalog), click("fbDeletePayment")},
        };
    }

private slots:
    void initTestCase() { PrepareProgram(); }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    void undoRedoGiveTheBytes_data() {
        QTest::addColumn<int>("index");
        const QList<Case> cases = Cases();
        for (int i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].name) << i;
    }
    void undoRedoGiveTheBytes() {
        QFETCH(int, index);
        const Case c = Cases()[index];
        auto d = Rich();
        Open(*d);
        c.go(*this);
        const Section section = Shown();
        const QByteArray before = SavedBytes();
        QVERIFY(form->Saved());
        QVERIFY(!form->Action(QStringLiteral("acUndo"))->isEnabled());

        ModalScript modals;
        c.change(*this, modals);
        QCOMPARE(modals.unanswered, 0);
        QVERIFY(modals.Done());
        const QByteArray after = SavedBytes();
        QVERIFY(after != before);
        QVERIFY(!form->Saved());
        QVERIFY(Marked());
        QVERIFY(form->Action(QStringLiteral("acUndo"))->isEnabled());

        ClickSection(Section::InitialData);
        Trigger("acUndo");
        QCOMPARE(Shown(), section);                                    // the change undone is in sight
        QCOMPARE(FirstDifference(SavedBytes(), before), QByteArray()); // and the screen shows the records
        QVERIFY(form->Saved());
        QVERIFY(!Marked());
        QVERIFY(!form->Action(QStringLiteral("acUndo"))->isEnabled());

        Trigger("acRedo");
        QCOMPARE(Shown(), section);
        QCOMPARE(FirstDifference(SavedBytes(), after), QByteArray());
        QVERIFY(!form->Saved());
        QVERIFY(Marked());
        QVERIFY(!form->Action(QStringLiteral("acRedo"))->isEnabled());
    }

    // The menu names the step, undo brings back the deleted source with its lines and selects it, and
    // the saved state is wherever the last save was.
    void menuNamesTheStepAndUndoShowsIt() {
        auto d = Rich();
        Open(*d);
        ClickSection(Section::RussianIncome);
        QCOMPARE(SelectedRow(List("lvSources")), 0);
        prompts->answers.enqueue(QMessageBox::Yes);
        Click("fbDeleteSource");
        QCOMPARE(prompts->Texts().last(),
                 QStringLiteral("Удалить источник «ООО \"Василёк\"» вместе со всеми его строками (3)?"));
        QCOMPARE(form->Declaration().IncomeSources13.Count(), 1);
        QCOMPARE(form->Action(QStringLiteral("acUndo"))->text(),
                 QStringLiteral("&Отменить: удаление источника «ООО \"Василёк\"»"));
        if (QMenu* edit = form->findChild<QMenu*>(QStringLiteral("mnEdit"))) {
            edit->popup(form->mapToGlobal(QPoint(60, 20)));
            SaveShot(form.get(), QStringLiteral("undo-window"));
            SaveShot(edit, QStringLiteral("undo-menu"));
            edit->close();
        }
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());

        ClickSection(Section::Nalog);
        Trigger("acUndo");
        QCOMPARE(Shown(), Section::RussianIncome);
        QCOMPARE(FirstColumn(List("lvSources")), (QStringList{"ООО \"Василёк\"", "ЗАО «Ромашка»"}));
        QCOMPARE(SelectedRow(List("lvSources")), 0);
        QCOMPARE(RowCount(List("lvIncomes")), 3);
        QVERIFY(!form->Saved()); // the save was after the deletion
        QCOMPARE(form->Action(QStringLiteral("acRedo"))->text(),
                 QStringLiteral("&Повторить: удаление источника «ООО \"Василёк\"»"));
        Trigger("acRedo");
        QVERIFY(form->Saved());
        QCOMPARE(form->Declaration().IncomeSources13.Count(), 1);
    }

    // Typing is one step, made when the field is left; Ctrl+Z outside a field that has its own typing
    // to undo undoes it, Ctrl+Y redoes it.
    void typingIsAStepOfItsOwn() {
        auto d = Rich();
        Open(*d);
        ClickSection(Section::PersonData);
        Retype("meSurName", QStringLiteral("Петров"));
        QVERIFY(!form->Saved());
        QCOMPARE(form->Action(QStringLiteral("acUndo"))->text(),
                 QStringLiteral("&Отменить: изменение «Фамилия»"));
        QTest::keyClick(W("meSurName"), Qt::Key_Tab);
        QCOMPARE(form->History().Stack().count(), 1);
        QWidget* next = QApplication::focusWidget();
        QVERIFY(next && next != W("meSurName"));
        QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Text("meSurName"), QStringLiteral("Иванов"));
        QCOMPARE(form->Declaration().Person.SurName, QStringLiteral("Иванов"));
        QVERIFY(form->Saved());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Text("meSurName"), QStringLiteral("Петров"));
        QVERIFY(!form->Saved());
    }

    // "Создать" and "Открыть" start an empty history.
    void newAndOpenStartEmpty() {
        auto d = Rich();
        Open(*d);
        const QString path = form->DocumentFileName();
        ClickSection(Section::Nalog);
        Click("fbDeletePayment");
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Action(QStringLiteral("acUndo"))->isEnabled());
        Trigger("acNew");
        QVERIFY(!form->Action(QStringLiteral("acUndo"))->isEnabled());
        QCOMPARE(form->History().Stack().count(), 0);
        prompts->openNames.enqueue(path);
        Trigger("acOpen");
        QCOMPARE(form->DocumentFileName(), path);
        QVERIFY(!form->Action(QStringLiteral("acUndo"))->isEnabled());
        QVERIFY(!form->Action(QStringLiteral("acRedo"))->isEnabled());
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
