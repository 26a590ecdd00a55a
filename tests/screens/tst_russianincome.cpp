#include "support/EntryDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/TaxpayerThroughScreens.h"
#include "support/ValidDeclaration.h"
#include "support/WorkedExampleExport.h"

#include "checks/ScreenPositions.h"
#include "computation/PayableRefundable.h"
#include "computation/SvodSum.h"
#include "controls/MaskedEdit.h"
#include "screens/income/Input13Income.h"
#include "screens/income/Input13NRIncome.h"
#include "screens/income/Input30SourseIncome.h"
#include "screens/income/Input35SourseIncome.h"
#include "screens/income/RussianIncome.h"
#include "screens/income/ThirteenPercent.h"
#include "storage/AmountText.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>

namespace {

using namespace EntryDialogs;

// The codes a picker lists; then it is cancelled.
ModalScript::Action ListCodes(QStringList& codes) {
    return [&codes](QDialog* d) {
        auto* list = d->findChild<QTreeWidget*>();
        for (int i = 0; list && i < RowCount(list); ++i)
            codes << RowText(list, i, 0);
        d->reject();
    };
}

QStringList RowTexts(QAbstractItemView* list) {
    QStringList rows;
    for (int i = 0; i < RowCount(list); ++i) {
        QStringList cells;
        for (int c = 0; c < list->model()->columnCount(); ++c)
            cells << RowText(list, i, c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

Money Rub(qint64 units) {
    return Money::FromUnits(units);
}

} // namespace

class TestRussianIncomeScreens : public QObject, ScreenTest {
    Q_OBJECT

    TfrRussianIncome* Screen() const { return qobject_cast<TfrRussianIncome*>(form->CurrentFrame()); }
    mTDeclaration& Decl() const { return **form->DeclarationRef(); }
    QTreeView* Sources() const { return W<QTreeView>("lvSources"); }
    QTreeView* Lines() const { return W<QTreeView>("lvIncomes"); }

    void OpenFile(const QString& path) {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
    }
    // Opens d (saved to a file) in a new main window and goes to the Russian-income section.
    void OpenIncome(mTDeclaration& d) {
        const QString path = files.filePath(QStringLiteral("given.kv0"));
        form.reset(); // a window holding the file lets go of it
        d.SaveToFile(path);
        OpenFile(path);
        ClickSection(Section::RussianIncome);
        QVERIFY(Screen());
    }
    static std::unique_ptr<mTDeclaration> WithKind(quint8 kind) {
        auto d = ValidDeclaration().Take();
        d->ReturnKind = kind;
        return d;
    }
    QString Selected(QAbstractItemView* list) const {
        const int row = SelectedRow(list);
        return row < 0 ? QString() : RowText(list, row);
    }

private slots:
    void initTestCase() { PrepareProgram(); }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // From "Создать": an employer's certificate line by line, dividends and a prize; saved and opened
    // again in a new window, the records and the screens are the same.
    void residentFillsSavesAndReopens() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        ModalScript modals;
        modals.Then(ModalScript::Pick(QStringLiteral("7701")));
        Click("bnInspection");
        TaxpayerThroughScreens::Fill(*this, modals);
        const QString path = files.filePath(QStringLiteral("resident.kv0"));
        prompts->saveNames.enqueue(path);
        form->Action(QStringLiteral("acSave"))->trigger();
        ClickSection(Section::RussianIncome);
        QVERIFY(Screen());
        QVERIFY(form->Saved());
        QVERIFY(W<TFlashButton>("fb13Percent")->Down());
        QVERIFY(!W("fbNonResident13")->isVisible() && W("fb35Percent")->isVisible());
        QVERIFY(W("gbAdvancePayments")->isVisible());
        QVERIFY(!W("fbAddIncome")->isEnabled() && !W("meTaxWithheld")->isEnabled());

        modals.Then(ModalScript::Shot(QStringLiteral("income-13-source-dialog"),
                                      Payer(QStringLiteral("ООО \"Ромашка\""), OrgInn, true)));
        Click("fbAddSource");
        QCOMPARE(Selected(Sources()), QStringLiteral("ООО \"Ромашка\""));
        QVERIFY(W("fbAddIncome")->isEnabled() && W("meTaxWithheld")->isEnabled());
        QVERIFY(!form->Saved());

        modals.Then(Line(QStringLiteral("2000"), QStringLiteral("50000"), QStringLiteral("1")));
        Click("fbAddIncome");
        for (int i = 0; i < 11; ++i)
            Click("fbRepeatIncome");
        QStringList proposal;
        modals.Then([&](QDialog* d) {
            PickWith(d, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("2760")));
            RetypeIn(d, QStringLiteral("meIncomeSum"), QStringLiteral("10000"));
            PickWith(d, QStringLiteral("bnDeductCode"), ModalScript::Pick(QStringLiteral("503")));
            proposal << Field(d, QStringLiteral("meSubtractSum"))->text();
            RetypeIn(d, QStringLiteral("mePropSale"), QStringLiteral("12"));
            SaveShot(d, QStringLiteral("income-13-line-dialog"));
            Press(d, QStringLiteral("bnYes"));
        });
        Click("fbAddIncome");
        QCOMPARE(proposal, QStringList{QStringLiteral("4000")});
        QCOMPARE(RowCount(Lines()), 13);
        QCOMPARE(RowTexts(Lines()).first(), QStringLiteral("1|2000|50 000,00|Нет|-"));
        QCOMPARE(RowTexts(Lines()).at(11), QStringLiteral("12|2000|50 000,00|Нет|-"));
        QCOMPARE(RowTexts(Lines()).last(), QStringLiteral("12|2760|10 000,00|503|4 000,00"));
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("610 000,00"));
        Type("meTaxableIncome", QStringLiteral("606000"));
        Type("meTaxComputed", QStringLiteral("78780"));
        Type("meTaxWithheld", QStringLiteral("78780"));
        SaveShot(form.get(), QStringLiteral("income-13-filled"));

        Click("fbDividends");
        QVERIFY(W<TFlashButton>("fbDividends")->Down());
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(RussianIncomeSubScreen::Dividends));
        modals.Then(ModalScript::Shot(QStringLiteral("income-dividend-dialog"),
                                      Dividends(QStringLiteral("ОАО \"Завод\""), QStringLiteral("20000"),
                                                QStringLiteral("20000"), QStringLiteral("1800"))));
        Click("fbAddSource");
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("20 000,00"));
        QCOMPARE(Text("pnTaxWithheld"), QStringLiteral("1 800,00"));
        QVERIFY(!W("pnTaxableIncome")->isVisible() && !W("pnTaxComputed")->isVisible());
        SaveShot(form.get(), QStringLiteral("income-dividends-filled"));

        Click("fb35Percent");
        modals.Then(ModalScript::Shot(QStringLiteral("income-35-dialog"),
                                      Income35(QStringLiteral("ООО \"Реклама\""), QStringLiteral("2740"),
                                               QStringLiteral("10000"), QStringLiteral("505"),
                                               QStringLiteral("3500"))));
        Click("fbAddSource");
        QCOMPARE(Text("pnIncomeCode"), QStringLiteral("2740"));
        QCOMPARE(Text("pnDeductionAmount"), QStringLiteral("4 000,00"));
        QCOMPARE(Text("pnTaxWithheld"), QStringLiteral("3 500,00"));
        SaveShot(form.get(), QStringLiteral("income-35-filled"));
        QVERIFY(modals.Done());
        QCOMPARE(modals.unanswered, 0);

        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());
        // "Экспорт в xml" and the console give the same, hand-checked document.
        const QByteArray exported = WorkedExampleExport::FromWindow(*form, services, *prompts);
        QVERIFY(!exported.isEmpty());
        QCOMPARE(exported,
                 WorkedExampleExport::Golden(QStringLiteral("endtoend-income-resident.xml"), exported));
        QCOMPARE(WorkedExampleExport::FromConsole(path), exported);

        OpenFile(path);
        const mTDeclaration& d = Decl();
        QCOMPARE(d.IncomeSources13.Count(), 1);
        const mTThirteenPercent& s13 = *d.IncomeSources13.At(0);
        QCOMPARE(s13.SourceINN, OrgInn);
        QCOMPARE(s13.StandardDeductionSource, quint8(1));
        QCOMPARE(s13.LineCount(), 13);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(s13.Line(i)->Month, quint16(i + 1));
        QCOMPARE(s13.Line(12)->DeductionAmount, Rub(4000));
        QVERIFY(!s13.Line(0)->IncomeCodeName.isEmpty());
        QCOMPARE(s13.IncomeTotal, Rub(610000));
        QCOMPARE(s13.TaxableIncome, Rub(606000));
        QCOMPARE(s13.TaxComputed, Rub(78780));
        QCOMPARE(s13.TaxWithheld, Rub(78780));
        QCOMPARE(d.IncomeSources30.At(0)->IncomeCode, 1010);
        QCOMPARE(d.IncomeSources30.At(0)->TaxComputed, Rub(1800));
        QCOMPARE(d.IncomeSources35.At(0)->IncomeCode, 2740);
        QCOMPARE(d.IncomeSources35.At(0)->DeductionCode, 505);

        // What the entered income comes to (the standard deductions stay at their defaults, and
        // January's 50 000 already exceeds 40 000, so they give nothing).
        const auto sum = WorkedExampleExport::Computed(path);
        QVERIFY(sum);
        QCOMPARE(sum->List1.IncomeTotal, Rub(610000));
        QCOMPARE(sum->List1.TaxBase, Rub(606000));
        QCOMPARE(sum->List1.TaxComputed, Rub(78780));
        QCOMPARE(sum->List1.TaxWithheld, Rub(78780));
        QCOMPARE(sum->List3.IncomeTotal, Rub(10000));
        QCOMPARE(sum->List3.TaxBase, Rub(6000));
        QCOMPARE(sum->List3.TaxComputed, Rub(2100));
        QCOMPARE(sum->List3.Refundable, Rub(1400));
        QCOMPARE(sum->List4.TaxBase, Rub(20000));
        QCOMPARE(sum->List4.TaxComputed, Rub(1800));
        const QStringList rows = WorkedExampleExport::PaymentRows(*sum);
        QCOMPARE(rows, (QStringList{"3 18210102030011000110 28401000000 0",
                                    "2 18210102010011000110 28401000000 1400",
                                    "3 18210102030011000110 28401000000 0"}));

        ClickSection(Section::RussianIncome);
        QVERIFY(form->Saved());
        QCOMPARE(form->focusWidget(), Sources());
        QCOMPARE(Selected(Sources()), QStringLiteral("ООО \"Ромашка\""));
        QCOMPARE(RowTexts(Lines()).last(), QStringLiteral("12|2760|10 000,00|503|4 000,00"));
        QCOMPARE(Text("meTaxWithheld"), QStringLiteral("78780"));
        Click("fbDividends");
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("20 000,00"));
        Click("fb35Percent");
        QCOMPARE(Text("pnDeductionCode"), QStringLiteral("505"));
        QVERIFY(form->Saved());
        Click("fb13Percent");
        Type("meTaxWithheld", QStringLiteral("1"));
        QVERIFY(!form->Saved());
    }

    // A non-resident's return from "Создать": a highly qualified specialist's salary at 13 %, income at
    // 30 % and dividends at 15 %, each fully withheld; exported by the window and the console.
    void nonResidentWorkedExample() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        ModalScript modals;
        Click("rb3NDFLNonResident");
        modals.Then(ModalScript::Pick(QStringLiteral("7701")));
        Click("bnInspection");
        TaxpayerThroughScreens::Fill(*this, modals);
        ClickSection(Section::RussianIncome);
        QVERIFY(Screen());
        QVERIFY(!W("fb35Percent")->isVisible() && W("fbNonResident13")->isVisible());

        Click("fbNonResident13");
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(RussianIncomeSubScreen::NonResident13));
        modals.Then(Payer(QStringLiteral("ООО \"Наука\""), OrgInn, true));
        Click("fbAddSource");
        modals.Then(Line(QStringLiteral("2000"), QStringLiteral("200000"), QStringLiteral("1")));
        Click("fbAddIncome");
        for (int i = 0; i < 11; ++i)
            Click("fbRepeatIncome");
        QCOMPARE(RowCount(Lines()), 12);
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("2 400 000,00"));
        Type("meTaxableIncome", QStringLiteral("2400000"));
        Type("meTaxComputed", QStringLiteral("312000"));
        Type("meTaxWithheld", QStringLiteral("312000"));
        SaveShot(form.get(), QStringLiteral("income-nonresident-13-filled"));

        Click("fb13Percent");
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(RussianIncomeSubScreen::ThirteenPercent));
        modals.Then(Payer(QStringLiteral("ООО \"Консалт\""), OrgInn));
        Click("fbAddSource");
        // No deduction is offered for 2010 and no month asked: the line is stored for January.
        modals.Then(Line(QStringLiteral("2010"), QStringLiteral("100000"), QString()));
        Click("fbAddIncome");
        QCOMPARE(RowTexts(Lines()), QStringList{QStringLiteral("1|2010|100 000,00|Нет|-")});
        Type("meTaxableIncome", QStringLiteral("100000"));
        Type("meTaxComputed", QStringLiteral("30000"));
        Type("meTaxWithheld", QStringLiteral("30000"));
        SaveShot(form.get(), QStringLiteral("income-nonresident-30-filled"));

        Click("fbDividends");
        modals.Then(Dividends(QStringLiteral("ОАО \"Завод\""), QStringLiteral("50000"),
                              QStringLiteral("50000"), QStringLiteral("7500")));
        Click("fbAddSource");
        QCOMPARE(Text("pnTaxWithheld"), QStringLiteral("7 500,00"));
        QVERIFY(modals.Done());
        QCOMPARE(modals.unanswered, 0);

        const QString path = files.filePath(QStringLiteral("nonresident.kv0"));
        prompts->saveNames.enqueue(path);
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());
        const QByteArray exported = WorkedExampleExport::FromWindow(*form, services, *prompts);
        QVERIFY(!exported.isEmpty());
        QCOMPARE(exported,
                 WorkedExampleExport::Golden(QStringLiteral("endtoend-income-nonresident.xml"), exported));
        QCOMPARE(WorkedExampleExport::FromConsole(path), exported);

        const mTDeclaration& d = Decl();
        QCOMPARE(d.IncomeSources13NR.At(0)->IncomeTotal, Rub(2400000));
        QCOMPARE(d.IncomeSources13.At(0)->Line(0)->Month, quint16(1));
        const auto sum = WorkedExampleExport::Computed(path);
        QVERIFY(sum);
        QCOMPARE(sum->List1.TaxBase, Rub(2400000));
        QCOMPARE(sum->List1.TaxComputed, Rub(312000));
        QCOMPARE(sum->List1.TaxWithheld, Rub(312000));
        QCOMPARE(sum->List2.TaxBase, Rub(100000));
        QCOMPARE(sum->List2.TaxComputed, Rub(30000));
        QCOMPARE(sum->List2.TaxWithheld, Rub(30000));
        QCOMPARE(sum->List5.TaxBase, Rub(50000));
        QCOMPARE(sum->List5.TaxComputed, Rub(7500));
        QCOMPARE(sum->List5.TaxWithheld, Rub(7500));
        const QStringList rows = WorkedExampleExport::PaymentRows(*sum);
        QCOMPARE(rows,
                 (QStringList{"3 18210102030011000110 28401000000 0", "3 18210102030011000110 28401000000 0",
                              "3 18210102030011000110 28401000000 0"}));
    }

    // The container by kind of return: its buttons, the first button's caption, the sub-screen shown.
    void containerByKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("firstCaption");
        QTest::addColumn<bool>("has35");
        QTest::addColumn<bool>("hasNonResident13");
        QTest::addColumn<bool>("advance");
        QTest::addColumn<int>("subScreen");
        QTest::newRow("resident") << 0
                                  << "Доходы, облагаемые по ставке 13%, полученные от налоговых агентов или "
                                     "иных источников выплаты, в т.ч. от физических лиц"
                                  << true << false << true << 0;
        QTest::newRow("non-resident") << 1 << "Доходы нерезидента" << false << true << false << 0;
        QTest::newRow("4-NDFL") << 2 << "" << false << false << false << -1;
    }
    void containerByKind() {
        QFETCH(int, kind);
        QFETCH(QString, firstCaption);
        QFETCH(bool, has35);
        QFETCH(bool, hasNonResident13);
        QFETCH(bool, advance);
        QFETCH(int, subScreen);
        auto d = WithKind(quint8(kind));
        d->IncomeSources13.Add();
        d->IncomeSources13.At(0)->SourceName = QStringLiteral("Источник");
        d->IncomeSources13.At(0)->TaxWithheld = Rub(100); // no lines: the check must not fire for 4-NDFL
        OpenIncome(*d);
        QCOMPARE(Screen()->CurrentSubScreenKind(), subScreen);
        QCOMPARE(W<TFlashButton>("fb13Percent")->isVisible(), kind != 2);
        if (kind != 2) QCOMPARE(W<TFlashButton>("fb13Percent")->Caption(), firstCaption);
        QCOMPARE(W("fb35Percent")->isVisible(), has35);
        QCOMPARE(W("fbNonResident13")->isVisible(), hasNonResident13);
        QVERIFY(!W("fb30Percent")->isVisible() && !W("fb15Percent")->isVisible());
        if (kind != 2) QCOMPARE(W("gbAdvancePayments")->isVisible(), advance);
        SaveShot(form.get(), QStringLiteral("income-container-kind%1").arg(kind));
        if (kind == 2) {
            // Nothing to store or check: leaving never fails.
            ClickSection(Section::PersonData);
            QVERIFY(!Screen());
            return;
        }
        if (kind == 1) {
            ModalScript modals;
            modals.Then(ModalScript::Shot(QStringLiteral("income-nonresident-source-dialog"), [](QDialog* d) {
                QVERIFY(!d->findChild<QCheckBox*>(QStringLiteral("chbPrimaryWorkplase"))->isVisible());
                d->reject();
            }));
            Click("fbEditSource");
            QCOMPARE(modals.seen.size(), 1);
            RetypeIn(form.get(), QStringLiteral("meTaxWithheld"), QString());
            Click("fbNonResident13");
            QCOMPARE(Screen()->CurrentSubScreenKind(), int(RussianIncomeSubScreen::NonResident13));
            QVERIFY(W("gbAdvancePayments")->isVisible());
            SaveShot(form.get(), QStringLiteral("income-nonresident13"));
        }
    }

    // Leaving the section or the sub-screen with a source whose tax withheld exceeds its income keeps
    // the user there with that source selected.
    void leavingWithWithheldAboveIncome_data() {
        QTest::addColumn<bool>("bySubScreen");
        QTest::newRow("section") << false;
        QTest::newRow("sub-screen") << true;
    }
    void leavingWithWithheldAboveIncome() {
        QFETCH(bool, bySubScreen);
        auto d = ValidDeclaration().Source13(Rub(1000), Rub(100)).Source13(Rub(1000), Rub(100)).Take();
        d->IncomeSources13.At(0)->SourceName = QStringLiteral("Первый");
        d->IncomeSources13.At(1)->SourceName = QStringLiteral("Второй");
        OpenIncome(*d);
        ChooseRow(Sources(), 1);
        RetypeIn(form.get(), QStringLiteral("meTaxWithheld"), QStringLiteral("1001"));
        ChooseRow(Sources(), 0);
        ModalScript modals;
        modals.Then(ModalScript::Shot(QStringLiteral("income-13-check"),
                                      ModalScript::Click(QStringLiteral("bnFix"))));
        if (bySubScreen)
            Click("fbDividends");
        else
            ClickSection(Section::PersonData);
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(modals.seen[0].title, QStringLiteral("Проверка: Доходы, облагаемые ставкой 13%"));
        QCOMPARE(modals.seen[0].message,
                 QStringLiteral("По данному источнику выплаты общая сумма дохода меньше удержанной суммы"));
        QVERIFY(Screen());
        QCOMPARE(Screen()->CurrentSubScreenKind(), 0);
        QVERIFY(W<TFlashButton>("fb13Percent")->Down());
        QVERIFY(form->SectionButton(Section::RussianIncome)->Down());
        QCOMPARE(Selected(Sources()), QStringLiteral("Второй"));
        QCOMPARE(form->focusWidget(), Sources());
        // "Пропустить" lets the user go.
        modals.Then(ModalScript::Click(QStringLiteral("bnSkip")));
        ClickSection(Section::PersonData);
        QVERIFY(!Screen());
    }

    // Deleting never writes into the wrong record: after a deletion no source is current, and the totals
    // shown for the deleted source reach no other. The total shown is always the sum of the lines.
    void deletingSourcesAndLines() {
        auto d = ValidDeclaration()
                     .Source13(Rub(1000), Rub(130))
                     .Source13(Rub(2000), Rub(260))
                     .Source13(Rub(3000), Rub(390))
                     .Take();
        OpenIncome(*d);
        QCOMPARE(Text("meTaxWithheld"), QStringLiteral("130"));
        Type("meTaxWithheld", QStringLiteral("9")); // 1309, never stored: its source goes
        prompts->answers.enqueue(QMessageBox::Yes); // the source has a line: the user is asked
        Click("fbDeleteSource");
        QCOMPARE(prompts->Texts().last(),
                 QStringLiteral("Удалить источник вместе со всеми его строками (1)?"));
        QVERIFY(!form->Saved());
        QCOMPARE(RowCount(Sources()), 2);
        QVERIFY(SelectedRow(Sources()) < 0);
        QVERIFY(!W("meTaxWithheld")->isEnabled() && Text("meTaxWithheld").isEmpty());
        form->Action(QStringLiteral("acSave"))->trigger(); // stores the screen
        QCOMPARE(Decl().IncomeSources13.At(0)->TaxWithheld, Rub(260));
        QCOMPARE(Decl().IncomeSources13.At(1)->TaxWithheld, Rub(390));

        QTest::mouseClick(Sources()->viewport(), Qt::LeftButton, {}, RowRect(Sources(), 0).center());
        QCOMPARE(Text("meTaxWithheld"), QStringLiteral("260"));
        ModalScript modals;
        modals.Then(
            Line(QStringLiteral("2010"), QStringLiteral("500,5"), QStringLiteral("3"), QStringLiteral("0")));
        Click("fbAddIncome");
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("2 500,50"));
        Click("fbRepeatIncome");
        QCOMPARE(RowTexts(Lines()).last(), QStringLiteral("4|2010|500,50|Нет|-"));
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("3 001,00"));
        ChooseRow(Lines(), 0);
        Click("fbDeleteIncome");
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("1 001,00"));
        QVERIFY(SelectedRow(Lines()) < 0);
        Click("fbDeleteIncome"); // nothing current: nothing deleted
        QCOMPARE(RowCount(Lines()), 2);
        QCOMPARE(Decl().IncomeSources13.At(0)->IncomeTotal, Rub(1001));

        prompts->answers.enqueue(QMessageBox::No); // "Нет" keeps it
        Click("fbDeleteSource");
        QCOMPARE(RowCount(Sources()), 2);
        prompts->answers.enqueue(QMessageBox::Yes);
        Click("fbDeleteSource");
        ChooseRow(Sources(), 0);
        prompts->answers.enqueue(QMessageBox::Yes);
        Click("fbDeleteSource");
        QCOMPARE(RowCount(Sources()), 0);
        QVERIFY(!W("fbAddIncome")->isEnabled() && !W("meTaxableIncome")->isEnabled());
        Click("fbEditSource");
        QCOMPARE(modals.seen.size(), 1); // only the line dialog was ever shown
        form->Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(Decl().IncomeSources13.Count(), 0);
    }

    // An employer with two month lines entered, corrected and cut down with the keyboard alone: the
    // list takes the first Tab stop, Insert adds, F2 edits, Delete deletes, and Tab leads to the lines.
    void sourceWithLinesByKeysAlone() {
        OpenIncome(*ValidDeclaration().Take());
        QCOMPARE(RowCount(Sources()), 0);
        QWidget* first = Screen()->ShownSubScreen();
        QVERIFY(first);
        ModalScript modals;
        modals.Then(Payer(QStringLiteral("ООО \"Василёк\""), OrgInn))
            .Then(Line(QStringLiteral("2000"), QStringLiteral("30000"), QStringLiteral("1")))
            .Then(Line(QStringLiteral("2000"), QStringLiteral("31000"), QStringLiteral("2")))
            .Then(Line(QStringLiteral("2000"), QStringLiteral("32000"), QStringLiteral("2")));
        Sources()->setFocus();
        QTest::keyClick(Sources(), Qt::Key_Insert);
        QCOMPARE(RowTexts(Sources()), QStringList{"ООО \"Василёк\""});
        QApplication::setActiveWindow(form.get()); // as the window manager does when the dialog goes
        QCOMPARE(QApplication::focusWidget(), Sources());
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Lines());
        QTest::keyClick(Lines(), Qt::Key_Insert);
        QTest::keyClick(Lines(), Qt::Key_Insert);
        QCOMPARE(RowCount(Lines()), 2);
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(Lines(), Qt::Key_Home);
        QTest::keyClick(Lines(), Qt::Key_Down);
        QTest::keyClick(Lines(), Qt::Key_F2);
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("62 000,00"));
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(Lines(), Qt::Key_Home);
        QTest::keyClick(Lines(), Qt::Key_Delete);
        QCOMPARE(RowCount(Lines()), 1);
        QCOMPARE(Text("pnIncomeTotal"), QStringLiteral("32 000,00"));
        QVERIFY(modals.Done());
        QCOMPARE(prompts->messages.size(), 0); // a single line goes without a question

        // The source with its line asks, naming both; "Нет" keeps it.
        QTest::keyClick(Lines(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Sources());
        QTest::keyClick(Sources(), Qt::Key_Home);
        prompts->answers.enqueue(QMessageBox::No);
        QTest::keyClick(Sources(), Qt::Key_Delete);
        QCOMPARE(prompts->Texts().last(),
                 QStringLiteral("Удалить источник «ООО \"Василёк\"» вместе со всеми его строками (1)?"));
        QCOMPARE(RowCount(Sources()), 1);
        form->Action(QStringLiteral("acSave"))->trigger();
        const mTThirteenPercent& source = *Decl().IncomeSources13.At(0);
        QCOMPARE(source.LineCount(), 1);
        QCOMPARE(source.IncomeTotal, Rub(32000));
    }

    // An accepted dialog that changes a record marks the declaration modified, even when it only ticks
    // the standard-deduction box or picks another income at 35 %; a blank name adds nothing.
    void acceptedChangesMarkTheDeclaration() {
        auto d = ValidDeclaration().Source13(Rub(1000), Rub(130)).Take();
        d->IncomeSources13.At(0)->SourceName = QStringLiteral("ООО");
        d->IncomeSources13.At(0)->SourceINN = OrgInn;
        d->IncomeSources13.At(0)->SourceKPP = Kpp;
        d->IncomeSources13.At(0)->SourceOKATO = Okato;
        mTThirtyFivePercent* prize = d->IncomeSources35.At(d->IncomeSources35.Add());
        prize->SourceName = QStringLiteral("Лотерея");
        prize->SourceOKATO = Okato;
        prize->IncomeCode = 2740;
        prize->IncomeTotal = Rub(1000);
        OpenIncome(*d);
        QVERIFY(form->Saved());
        ModalScript modals;
        modals.Then([](QDialog* dialog) {
            ClickOn(dialog->findChild<QCheckBox*>(QStringLiteral("chbPrimaryWorkplase")));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTest::keyClick(Sources(), Qt::Key_Return);
        QVERIFY(modals.Done());
        QVERIFY(!form->Saved());
        QCOMPARE(Decl().IncomeSources13.At(0)->StandardDeductionSource, quint8(1));

        form->Action(QStringLiteral("acSave"))->trigger();
        Click("fb35Percent");
        QVERIFY(form->Saved());
        modals.Then([](QDialog* dialog) {
            PickWith(dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("3020")));
            RetypeIn(dialog, QStringLiteral("meIncomeSum"), QStringLiteral("1000"));
            Press(dialog, QStringLiteral("bnYes"));
        });
        Click("fbEditSource");
        QVERIFY(modals.Done());
        QCOMPARE(Decl().IncomeSources35.At(0)->IncomeCode, 3020);
        QCOMPARE(Text("pnIncomeCode"), QStringLiteral("3020"));
        QVERIFY(!form->Saved());

        // The name cannot be skipped, only the dialog closed; the source is then accepted without one.
        modals.Then(
            Payer(QStringLiteral("   "), OrgInn, false, {ModalScript::Click(QStringLiteral("bnSkip"))}));
        Click("fb13Percent");
        Click("fbAddSource");
        QCOMPARE(Decl().IncomeSources13.Count(), 1);
    }

    // Every dialog from the keyboard: Enter in the list opens it, Tab walks it top to bottom, the "..."
    // button is reached by Tab and pressed with Space, Escape means "Нет" and leaves the record alone,
    // Enter means "Да".
    void dialogsByKeyboard_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("subScreen");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("picker");
        const QStringList payer{"meSourseName", "meINN", "meKPP", "meOKATO"};
        QTest::newRow("payer at 13 %")
            << 0 << "fb13Percent"
            << "lvSources" << payer + QStringList{"chbPrimaryWorkplase", "bnYes", "bnNo"} << "";
        QTest::newRow("line at 13 %")
            << 0 << "fb13Percent"
            << "lvIncomes" << QStringList{"bnIncomeCode", "meIncomeSum", "bnDeductCode", "meSubtractSum",
                                          "mePropSale",   "bnYes",       "bnNo"}
            << "bnDeductCode";
        QTest::newRow("dividends") << 0 << "fbDividends"
                                   << "lvSources"
                                   << payer + QStringList{"meDividendSum", "meTaxableSum", "meTaxWithheld",
                                                          "bnYes", "bnNo"}
                                   << "";
        QTest::newRow("income at 35 %")
            << 0 << "fb35Percent"
            << "lvSources"
            << payer + QStringList{"bnIncomeCode",  "meIncomeSum", "bnDeductCode", "meSubtractSum",
                                   "meTaxWithheld", "bnYes",       "bnNo"}
            << "bnIncomeCode";
        // A non-resident's 2010 takes neither a deduction nor a month: Tab passes them by.
        QTest::newRow("non-resident's line at 30 %")
            << 1 << "fb13Percent"
            << "lvIncomes" << QStringList{"bnIncomeCode", "meIncomeSum", "bnYes", "bnNo"} << "bnIncomeCode";
        // Salary takes no deduction, but its month.
        QTest::newRow("non-resident's line at 13 %")
            << 1 << "fbNonResident13"
            << "lvIncomes" << QStringList{"bnIncomeCode", "meIncomeSum", "mePropSale", "bnYes", "bnNo"}
            << "bnIncomeCode";
    }
    void dialogsByKeyboard() {
        QFETCH(int, kind);
        QFETCH(QString, subScreen);
        QFETCH(QString, list);
        QFETCH(QStringList, order);
        QFETCH(QString, picker);
        auto d = WithKind(quint8(kind));
        const auto payer = [](mTSourseIncomeInfo& s, const QString& name) {
            s.SourceName = name;
            s.SourceINN = OrgInn;
            s.SourceKPP = Kpp;
            s.SourceOKATO = Okato;
        };
        mTSourseIncome line;
        line.IncomeCode = kind == 0 ? 2760 : 2010;
        line.IncomeAmount = Rub(10000);
        line.DeductionCode = kind == 0 ? 503 : 0;
        line.DeductionAmount = kind == 0 ? Rub(4000) : Money();
        line.Month = kind == 0 ? 12 : 1;
        mTThirteenPercent* s13 = d->IncomeSources13.At(d->IncomeSources13.Add());
        payer(*s13, QStringLiteral("ООО \"Ромашка\""));
        s13->AddLine(line);
        mTThirteenPercent* nr = d->IncomeSources13NR.At(d->IncomeSources13NR.Add());
        payer(*nr, QStringLiteral("ООО \"Наука\""));
        line.IncomeCode = 2000;
        line.Month = 3;
        nr->AddLine(line);
        mTThirtyPercent* dividends = d->IncomeSources30.At(d->IncomeSources30.Add());
        payer(*dividends, QStringLiteral("ОАО \"Завод\""));
        dividends->IncomeCode = 1010;
        dividends->IncomeTotal = dividends->TaxableIncome = Rub(20000);
        dividends->TaxWithheld = Rub(1800);
        if (kind == 0) {
            mTThirtyFivePercent* prize = d->IncomeSources35.At(d->IncomeSources35.Add());
            payer(*prize, QStringLiteral("ООО \"Реклама\""));
            prize->IncomeCode = 2740;
            prize->IncomeTotal = Rub(10000);
            prize->DeductionCode = 505;
            prize->DeductionAmount = Rub(4000);
            prize->TaxWithheld = Rub(3500);
        }
        OpenIncome(*d);
        Click(qPrintable(subScreen));
        auto* rows = W<QTreeView>(qPrintable(list));
        ChooseRow(rows, 0);
        const QStringList before = RowTexts(rows);

        QStringList walked;
        QString pickerSelected = QStringLiteral("not opened");
        int escaped = -1;
        ModalScript modals;
        modals.Then([&](QDialog* dialog) {
            QApplication::setActiveWindow(dialog); // as the window manager does on showing it
            QWidget* w = dialog->focusWidget();
            for (int i = 0; w && i < 20 && !walked.contains(w->objectName()); ++i) {
                walked << w->objectName();
                QTest::keyClick(w, Qt::Key_Tab);
                w = dialog->focusWidget();
            }
            if (!picker.isEmpty()) {
                for (int i = 0; i < 20 && w && w->objectName() != picker; ++i) {
                    QTest::keyClick(w, Qt::Key_Tab);
                    w = dialog->focusWidget();
                }
                ModalScript inner;
                inner.Then(ModalScript::Inspect(pickerSelected));
                if (w) QTest::keyClick(w, Qt::Key_Space);
            }
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
            escaped = dialog->result();
        });
        QTest::keyClick(rows, Qt::Key_Return);
        QVERIFY(modals.Done());
        QCOMPARE(walked, order);
        if (!picker.isEmpty()) QVERIFY(!pickerSelected.isEmpty() && pickerSelected != "not opened");
        QCOMPARE(escaped, int(QDialog::Rejected));
        QCOMPARE(RowTexts(rows), before);
        QVERIFY(form->Saved());

        int entered = -1;
        modals.Then([&](QDialog* dialog) {
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
            entered = dialog->result();
        });
        QTest::keyClick(rows, Qt::Key_Return);
        QVERIFY(modals.Done());
        QCOMPARE(entered, int(QDialog::Accepted));
        QCOMPARE(modals.unanswered, 0); // no check objected
        QCOMPARE(RowTexts(rows), before);
    }

    // Tab walks the 13 % sub-screen from the sources down to the advance payments.
    void screenTabOrder() {
        auto d = ValidDeclaration().Source13(Rub(1000), Rub(130)).Take();
        OpenIncome(*d);
        QStringList walked;
        QWidget* w = Sources();
        w->setFocus();
        for (int i = 0; i < 13; ++i) {
            walked << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            w = form->focusWidget();
        }
        QCOMPARE(walked, (QStringList{"lvSources", "fbAddSource", "fbDeleteSource", "fbEditSource",
                                      "lvIncomes", "fbAddIncome", "fbDeleteIncome", "fbEditIncome",
                                      "fbRepeatIncome", "meTaxableIncome", "meTaxComputed", "meTaxWithheld",
                                      "meFixedAdvancePayments"}));
    }

    // The income line dialog of a resident: proposals, limits, month and the line check.
    void residentLineDialog_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("newAmount");
        QTest::addColumn<QString>("followed");
        QTest::newRow("503 capped at 4 000, then the income") << "2760"
                                                              << "10000"
                                                              << "503"
                                                              << "4000"
                                                              << "3000"
                                                              << "3000";
        QTest::newRow("20 % of the income") << "2201"
                                            << "1234,56"
                                            << "405"
                                            << "246,91"
                                            << "100"
                                            << "20";
        QTest::newRow("typed amount: none proposed") << "2010"
                                                     << "100000"
                                                     << "403"
                                                     << ""
                                                     << "5"
                                                     << "";
    }
    void residentLineDialog() {
        QFETCH(QString, income);
        QFETCH(QString, amount);
        QFETCH(QString, deduction);
        QFETCH(QString, proposed);
        QFETCH(QString, newAmount);
        QFETCH(QString, followed);
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        TfmInput13Income dialog(form.get(), TfmInput13Income::Mode::Resident, mTIncomeDictionary::Embedded());
        QVERIFY(!Field(&dialog, "meIncomeSum")->isEnabled() && !Field(&dialog, "mePropSale")->isEnabled());
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(income));
        RetypeIn(&dialog, QStringLiteral("meIncomeSum"), amount);
        PickWith(&dialog, QStringLiteral("bnDeductCode"), ModalScript::Pick(deduction));
        QCOMPARE(Field(&dialog, "meSubtractSum")->text(), proposed);
        RetypeIn(&dialog, QStringLiteral("meIncomeSum"), newAmount);
        QCOMPARE(Field(&dialog, "meSubtractSum")->text(), followed);
        for (const auto& [typed, shown] : {std::pair{"15", "12"}, std::pair{"0", "1"}, std::pair{"7", "7"}}) {
            RetypeIn(&dialog, QStringLiteral("mePropSale"), QString::fromLatin1(typed));
            QCOMPARE(Field(&dialog, "mePropSale")->text(), QString::fromLatin1(shown));
        }
    }

    // The line check: caption, message, buttons, result and where the focus goes.
    void lineCheck_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("deduction");
        QTest::addColumn<QString>("deductionAmount");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("skipEnabled");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("focused");
        const QString above = QStringLiteral("Сумма вычета превышает сумму дохода");
        QTest::newRow("no income code") << ""
                                        << ""
                                        << ""
                                        << "" << QStringList{"Не выбран доход"} << "1" << 1 << "bnIncomeCode";
        QTest::newRow("no amount") << "2000"
                                   << ""
                                   << ""
                                   << "" << QStringList{"Не указана сумма дохода"} << "0" << 2
                                   << "meIncomeSum";
        QTest::newRow("no deduction") << "2010"
                                      << "100"
                                      << ""
                                      << "" << QStringList{"Не выбран вычет"} << "1" << 3 << "bnDeductCode";
        QTest::newRow("2010/403 above the income")
            << "2010"
            << "100000"
            << "403"
            << "150000" << QStringList{above} << "0" << 4 << "meSubtractSum";
        QTest::newRow("1530/201 may exceed") << "1530"
                                             << "100000"
                                             << "201"
                                             << "150000" << QStringList{} << "" << 0 << "";
    }
    void lineCheck() {
        QFETCH(QString, income);
        QFETCH(QString, amount);
        QFETCH(QString, deduction);
        QFETCH(QString, deductionAmount);
        QFETCH(QStringList, messages);
        QFETCH(QString, skipEnabled);
        QFETCH(int, result);
        QFETCH(QString, focused);
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        TfmInput13Income dialog(form.get(), TfmInput13Income::Mode::Resident, mTIncomeDictionary::Embedded());
        dialog.show();
        if (!income.isEmpty()) PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(income));
        if (!amount.isEmpty()) RetypeIn(&dialog, QStringLiteral("meIncomeSum"), amount);
        if (!deduction.isEmpty())
            PickWith(&dialog, QStringLiteral("bnDeductCode"), ModalScript::Pick(deduction));
        if (!deductionAmount.isEmpty()) RetypeIn(&dialog, QStringLiteral("meSubtractSum"), deductionAmount);
        ModalScript modals;
        modals.Then(ModalScript::Shot(QStringLiteral("income-line-check"),
                                      ModalScript::Click(QStringLiteral("bnFix"))));
        QCOMPARE(int(dialog.CheckLine()), result);
        QStringList seen;
        QString skips;
        for (const ModalScript::Seen& s : modals.seen) {
            if (s.dialog != QLatin1String("TfmCheckError")) continue;
            seen << s.message;
            skips += s.skipEnabled ? QLatin1Char('1') : QLatin1Char('0');
            QCOMPARE(s.title, QStringLiteral("Проверка: Доходы, облагаемые по ставке 13%"));
            QVERIFY(!s.skipAllEnabled);
        }
        QCOMPARE(seen, messages);
        QCOMPARE(skips, skipEnabled);
        if (result == 0) return;
        // "Да" shows the fault where it is: the field, or the picker of the code.
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QString pickerOpened;
        if (result == 1 || result == 3) modals.Then(ModalScript::Inspect(pickerOpened));
        Press(&dialog, QStringLiteral("bnYes"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget()->objectName(), focused);
        QCOMPARE(pickerOpened.isNull(), !(result == 1 || result == 3));
    }

    // A non-resident's income at 30 %: a deduction only against the fifteen codes, no month, and an
    // opened line keeps its stored deduction.
    void nonResidentLineDialog() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        TfmInput13Income dialog(form.get(), TfmInput13Income::Mode::NonResident,
                                mTIncomeDictionary::Embedded());
        QStringList all;
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ListCodes(all));
        QCOMPARE(all.size(), 71);
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("2010")));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("bnDeductCode"))->isEnabled());
        QVERIFY(!Field(&dialog, "mePropSale")->isEnabled());
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("1510")));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("bnDeductCode"))->isEnabled());
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("2760")));
        QStringList deductions;
        PickWith(&dialog, QStringLiteral("bnDeductCode"), ListCodes(deductions));
        QCOMPARE(deductions, (QStringList{"503", "0"}));

        mTSourseIncome stored;
        stored.IncomeCode = 2760;
        stored.IncomeCodeName = QStringLiteral("Материальная помощь");
        stored.IncomeAmount = Rub(10000);
        stored.DeductionCode = 503;
        stored.DeductionAmount = Rub(7000);
        stored.DeductionPercent = 0;
        stored.Month = 5;
        TfmInput13Income edit(form.get(), TfmInput13Income::Mode::NonResident,
                              mTIncomeDictionary::Embedded());
        edit.Open(stored);
        QCOMPARE(Field(&edit, "meSubtractSum")->text(), QStringLiteral("7000"));
        QVERIFY(Field(&edit, "meSubtractSum")->isEnabled() && !Field(&edit, "mePropSale")->isEnabled());
        RetypeIn(&edit, QStringLiteral("meIncomeSum"), QStringLiteral("5000"));
        const mTSourseIncome line = edit.Line();
        QCOMPARE(line.DeductionAmount, Rub(7000)); // unchecked and unchanged
        QCOMPARE(line.DeductionCode, 503);
        QCOMPARE(line.Month, quint16(1));
        QCOMPARE(line.IncomeCodeName, stored.IncomeCodeName);
        ModalScript none;
        QCOMPARE(int(edit.CheckLine()), 0);
        QVERIFY(none.seen.isEmpty());
    }

    // The 13 % income of a non-resident: only the codes a non-resident may declare at 13 %, no proposal,
    // and lines without the income's name or the deduction's percent.
    void nonResident13LineDialog() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        TfmInput13NRIncome dialog(form.get(), mTIncomeDictionary::Embedded());
        QStringList codes;
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ListCodes(codes));
        QCOMPARE(codes, (QStringList{"2000", "2001", "2010", "2012", "2300", "2530", "2791"}));
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("2791")));
        RetypeIn(&dialog, QStringLiteral("meIncomeSum"), QStringLiteral("10000"));
        PickWith(&dialog, QStringLiteral("bnDeductCode"), ModalScript::Pick(QStringLiteral("509")));
        QCOMPARE(Field(&dialog, "meSubtractSum")->text(), QString());
        QVERIFY(Field(&dialog, "mePropSale")->isEnabled());
        RetypeIn(&dialog, QStringLiteral("meSubtractSum"), QStringLiteral("2000"));
        const mTSourseIncome line = dialog.Line();
        QCOMPARE(line.IncomeCode, 2791);
        QVERIFY(line.IncomeCodeName.isEmpty());
        QCOMPARE(line.DeductionPercent, 0);
        QCOMPARE(line.DeductionAmount, Rub(2000));
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        RetypeIn(&dialog, QStringLiteral("meSubtractSum"), QStringLiteral("20000"));
        QCOMPARE(int(dialog.CheckLine()), 4);
        QCOMPARE(modals.seen.value(0).title,
                 QStringLiteral("Проверка: Доходы нерезедентов, облагаемые по ставке 13%"));
    }

    // The dividend dialog: the hidden 9 % tax, and dividends below the tax withheld.
    void dividendDialog() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        TfmInput30SourseIncome dialog(form.get());
        dialog.show();
        RetypeIn(&dialog, QStringLiteral("meTaxableSum"), QStringLiteral("5555"));
        QCOMPARE(Field(&dialog, "meTaxComputed")->text(), QStringLiteral("500"));
        QVERIFY(!Field(&dialog, "meTaxComputed")->isVisible());
        RetypeIn(&dialog, QStringLiteral("meSourseName"), QStringLiteral("ОАО"));
        RetypeIn(&dialog, QStringLiteral("meINN"), OrgInn + QStringLiteral("12")); // ten digits at most
        QCOMPARE(Field(&dialog, "meINN")->text(), OrgInn);
        RetypeIn(&dialog, QStringLiteral("meKPP"), Kpp);
        RetypeIn(&dialog, QStringLiteral("meOKATO"), Okato);
        RetypeIn(&dialog, QStringLiteral("meDividendSum"), QStringLiteral("900"));
        RetypeIn(&dialog, QStringLiteral("meTaxWithheld"), QStringLiteral("1000"));
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QVERIFY(!dialog.CheckSource());
        QCOMPARE(modals.seen.value(0).title, QStringLiteral("Проверка: Доходы, облагаемые по ставке 30%"));
        QCOMPARE(modals.seen.value(0).message,
                 QStringLiteral("Сумма дивидендов меньше суммы удержанного налога"));
        QCOMPARE(dialog.focusWidget(), Field(&dialog, "meTaxWithheld"));
        RetypeIn(&dialog, QStringLiteral("meDividendSum"), QString());
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QVERIFY(!dialog.CheckSource());
        QCOMPARE(dialog.focusWidget(), Field(&dialog, "meTaxableSum"));
        modals.Then(ModalScript::Click(QStringLiteral("bnSkip")));
        QVERIFY(dialog.CheckSource());
    }

    // The 35 % dialog: the proposal of 505, an income without deductions, and its rules in order.
    void thirtyFiveDialog() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        TfmInput35SourseIncome dialog(form.get(), mTIncomeDictionary::Embedded());
        dialog.show();
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lbOKATO"))->text(), QStringLiteral("OKATO"));
        QStringList codes;
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ListCodes(codes));
        QCOMPARE(codes, (QStringList{"2610", "2620", "2740", "3020"}));
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("2740")));
        RetypeIn(&dialog, QStringLiteral("meIncomeSum"), QStringLiteral("10000"));
        PickWith(&dialog, QStringLiteral("bnDeductCode"), ModalScript::Pick(QStringLiteral("505")));
        QCOMPARE(Field(&dialog, "meSubtractSum")->text(), QStringLiteral("4000"));
        RetypeIn(&dialog, QStringLiteral("meIncomeSum"), QStringLiteral("3000"));
        QCOMPARE(Field(&dialog, "meSubtractSum")->text(), QStringLiteral("3000"));
        RetypeIn(&dialog, QStringLiteral("meSubtractSum"), QStringLiteral("5000"));
        QCOMPARE(Field(&dialog, "meSubtractSum")->text(), QStringLiteral("4000"));

        RetypeIn(&dialog, QStringLiteral("meSourseName"), QStringLiteral("Лотерея"));
        RetypeIn(&dialog, QStringLiteral("meOKATO"), Okato);
        RetypeIn(&dialog, QStringLiteral("meTaxWithheld"), QStringLiteral("3500"));
        {
            ModalScript modals;
            modals.Then(
                ModalScript::Click(QStringLiteral("bnSkip"))); // "Сумма вычета превышает…" cannot be skipped
            modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
            QVERIFY(!dialog.CheckSource());
            QCOMPARE(modals.Messages(), (QStringList{"Сумма вычета превышает сумму дохода",
                                                     "Удержанная сумма превышает сумму дохода"}));
            QCOMPARE(modals.seen[0].title, QStringLiteral("Проверка: Доходы, облагаемые по ставке 35%"));
            QVERIFY(!modals.seen[0].skipEnabled && !modals.seen[1].skipEnabled);
            QCOMPARE(dialog.focusWidget(), Field(&dialog, "meTaxWithheld"));
        }
        PickWith(&dialog, QStringLiteral("bnIncomeCode"), ModalScript::Pick(QStringLiteral("3020")));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("bnDeductCode"))->isEnabled());
        QVERIFY(!Field(&dialog, "meSubtractSum")->isEnabled());
        RetypeIn(&dialog, QStringLiteral("meIncomeSum"), QStringLiteral("1000"));
        ModalScript clean;
        QVERIFY(dialog.CheckSource());
        QVERIFY(clean.seen.isEmpty());
    }

    // "Исправить" in the whole-declaration check leads to the 13 % sub-screen with the source selected,
    // from another section and from the dividends sub-screen.
    void wholeDeclarationCheckLeadsToTheSource_data() {
        QTest::addColumn<bool>("fromDividends");
        QTest::addColumn<bool>("withoutLines");
        QTest::newRow("withheld above income, from the taxpayer") << false << false;
        QTest::newRow("no lines, from the dividends") << true << true;
        QTest::newRow("withheld above income, from the dividends") << true << false;
    }
    void wholeDeclarationCheckLeadsToTheSource() {
        QFETCH(bool, fromDividends);
        QFETCH(bool, withoutLines);
        auto d = ValidDeclaration().Source13(Rub(1000), Rub(130)).Source13(Rub(1000), Rub(130)).Take();
        d->IncomeSources13.At(1)->SourceName = QStringLiteral("Второй");
        if (withoutLines) {
            d->IncomeSources13.At(1)->ReplaceLine(0, nullptr);
            d->IncomeSources13.At(1)->TaxWithheld = Money();
        } else {
            d->IncomeSources13.At(1)->TaxWithheld = Rub(1300);
        }
        OpenIncome(*d);
        ModalScript modals;
        if (fromDividends) {
            if (!withoutLines) modals.Then(ModalScript::Click(QStringLiteral("bnSkip")));
            Click("fbDividends");
            QCOMPARE(Screen()->CurrentSubScreenKind(), int(RussianIncomeSubScreen::Dividends));
        } else {
            modals.Then(ModalScript::Click(QStringLiteral("bnSkip")));
            ClickSection(Section::PersonData);
            QVERIFY(!Screen());
        }
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        form->Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(
            modals.seen.last().message,
            withoutLines
                ? QStringLiteral("По данному источнику не указаны доходы")
                : QStringLiteral("По данному источнику выплаты общая сумма дохода меньше удержанной суммы"));
        QVERIFY(Screen());
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(RussianIncomeSubScreen::ThirteenPercent));
        QVERIFY(W<TFlashButton>("fb13Percent")->Down() && !W<TFlashButton>("fbDividends")->Down());
        QVERIFY(form->SectionButton(Section::RussianIncome)->Down());
        QCOMPARE(Selected(Sources()), QStringLiteral("Второй"));
        QCOMPARE(form->focusWidget(), Sources());
    }
};

QTEST_MAIN(TestRussianIncomeScreens)
#include "tst_russianincome.moc"
