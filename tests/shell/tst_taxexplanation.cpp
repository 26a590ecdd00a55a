// "Расчёт налога" in the desktop program: opened from the menu on worked examples, the tree, copying,
// printing, and a double-click on a value leading to the screen where it was entered.

#include "support/EntryDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"

#include "computation/SvodSum.h"
#include "computation/WorkedExamples.h"
#include "dialogs/ExplanationModel.h"
#include "dialogs/TaxExplanation.h"
#include "explain/ExplainText.h"
#include "explain/ExplanationText.h"
#include "explain/TaxExplanation.h"
#include "screens/SectionScreens.h"
#include "shell/ResultPanel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeView>

namespace {

using Builder = std::function<void(mTDeclaration&)>;

// The worked examples on the valid taxpayer of a new declaration.
std::unique_ptr<mTDeclaration> Example(const Builder& build) {
    auto declaration = ValidDeclaration().Take();
    build(*declaration);
    return declaration;
}

void EmployeeWithFlat(mTDeclaration& d) {
    WorkedExample::Employee(d);
    WorkedExample::FlatBoughtIn2010(d);
}

// The first row of the tree, depth first, that matches.
QModelIndex FindRow(const QAbstractItemModel& model, const std::function<bool(const QModelIndex&)>& matches,
                    const QModelIndex& parent = {}) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        if (matches(index)) return index;
        if (const QModelIndex found = FindRow(model, matches, index); found.isValid()) return found;
    }
    return {};
}

QModelIndex StepTitled(const TExplanationModel& model, const QString& title) {
    return FindRow(model, [&](const QModelIndex& i) {
        return !model.RecordOf(i).IsSet() && i.data().toString() == title;
    });
}

void DoubleClick(QTreeView* tree, const QModelIndex& index) {
    tree->scrollTo(index);
    const QPoint at = tree->visualRect(index).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestTaxExplanation : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    MainWindowProbe probe;
    std::unique_ptr<ScriptedPrompts> prompts;
    QTemporaryDir files;

    TFormMain& Window(std::unique_ptr<mTDeclaration> declaration) {
        probe.form = std::make_unique<TFormMain>(QStringList(), &probe.services);
        probe.form->ShowDeclaration(std::move(declaration));
        return *probe.form;
    }
    // Opens the window from the menu and lets act work on it; closes it if act left it open.
    static bool ExplainFromMenu(TFormMain& window, const std::function<void(TfmTaxExplanation&)>& act) {
        bool shown = false;
        ModalScript script;
        script.Then([&](QDialog* dialog) {
            auto* explanation = qobject_cast<TfmTaxExplanation*>(dialog);
            shown = explanation != nullptr;
            if (explanation) act(*explanation);
            if (dialog->isVisible()) dialog->reject();
        });
        window.Action(QStringLiteral("acExplain"))->trigger();
        return shown;
    }

private slots:
    void initTestCase() {
        WriteScreenReferences(env);
        RegisterProgramScreens();
    }
    void init() { prompts = std::make_unique<ScriptedPrompts>(); }
    void cleanup() {
        probe.form.reset();
        prompts.reset();
    }

    void commandInMenuAndToolbar() {
        TFormMain& window = Window(ValidDeclaration::Clean());
        QAction* command = window.Action(QStringLiteral("acExplain"));
        QVERIFY(command);
        QCOMPARE(command->text(), QStringLiteral("Рас&чёт налога"));
        auto* menu = window.menuBar()->findChild<QMenu*>(QStringLiteral("mnDeclaration"));
        QVERIFY(menu && menu->actions().contains(command));
        QVERIFY(window.Action(QStringLiteral("tbExplain")));
        QVERIFY(window.ToolBar()->actions().contains(window.Action(QStringLiteral("tbExplain"))));
    }

    // An employee with a flat: the tree, its amounts, expanding, copying and printing.
    void windowShowsTheExplanation() {
        // The text "durovid-cli explain" prints of the same declaration.
        const QString expectedText = ExplanationText(ExplainDeclaration(*Example(EmployeeWithFlat)));
        auto declaration = Example(EmployeeWithFlat);
        const QString pdf = files.filePath(QStringLiteral("explanation.pdf"));
        prompts->pdfFile = pdf;
        TFormMain& window = Window(std::move(declaration));
        const bool shown = ExplainFromMenu(window, [&](TfmTaxExplanation& dialog) {
            dialog.layout()->activate();
            QTreeView* tree = dialog.Tree();
            const TExplanationModel& model = *dialog.Model();
            QVERIFY(model.rowCount() > 0);
            SaveShot(&dialog, QStringLiteral("explanation-opened"));

            // Amounts stand in their own column, right-aligned, as computed.
            const QModelIndex income = StepTitled(model, QStringLiteral("Общая сумма дохода"));
            QVERIFY(income.isValid());
            const QModelIndex amount = income.siblingAtColumn(TExplanationModel::AmountColumn);
            QCOMPARE(amount.data().toString(), QStringLiteral("600 000,00"));
            QVERIFY(amount.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
            QVERIFY(!income.data(Qt::ToolTipRole).toString().isEmpty()); // the rule
            const QModelIndex base = StepTitled(model, QStringLiteral("Налоговая база"));
            QCOMPARE(base.siblingAtColumn(TExplanationModel::AmountColumn).data().toString(),
                     QStringLiteral("0,00"));
            QVERIFY(base.siblingAtColumn(TExplanationModel::FormulaColumn)
                        .data()
                        .toString()
                        .startsWith(QStringLiteral("доход 600 000,00 − вычеты 600 000,00")));
            QVERIFY(tree->columnWidth(TExplanationModel::AmountColumn) >=
                    tree->fontMetrics().horizontalAdvance(QStringLiteral("3 000 000,00")));

            // Expanding shows every value the taxpayer entered; collapsing keeps the rates open.
            const QModelIndex january = FindRow(model, [&](const QModelIndex& i) {
                return model.RecordOf(i).Section == RecordSection::IncomeSources13 &&
                       i.data().toString() == QStringLiteral("январь");
            });
            QVERIFY(january.isValid());
            QVERIFY(!tree->isExpanded(january.parent()));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bnExpand")), Qt::LeftButton);
            QVERIFY(tree->isExpanded(january.parent()));
            tree->setCurrentIndex(base);
            SaveShot(&dialog, QStringLiteral("explanation-expanded"));
            auto* side = dialog.findChild<QTextBrowser*>(QStringLiteral("txStep"));
            QVERIFY(side->toPlainText().contains(QStringLiteral("Правило:")));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bnCollapse")), Qt::LeftButton);
            QVERIFY(!tree->isExpanded(january.parent()));
            QVERIFY(tree->isExpanded(model.index(0, 0)));

            // A double-click on a step opens it and leaves the window open.
            DoubleClick(tree, base.parent());
            QVERIFY(dialog.isVisible());

            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bnCopy")), Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), expectedText);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bnPrint")), Qt::LeftButton);
        });
        QVERIFY(shown);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(prompts->printDialogs, 1);
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(5) == "%PDF-");
        QVERIFY(printed.size() > 1000);
        QVERIFY(prompts->messages.isEmpty());
    }

    void keysCloseTheWindow_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void keysCloseTheWindow() {
        QFETCH(int, key);
        TFormMain& window = Window(Example(EmployeeWithFlat));
        bool closed = false;
        ExplainFromMenu(window, [&](TfmTaxExplanation& dialog) {
            QTest::keyClick(dialog.Tree(), Qt::Key(key));
            closed = !dialog.isVisible() && dialog.result() == QDialog::Rejected;
        });
        QVERIFY(closed);
        QCOMPARE(int(SectionScreens::SectionOf(window.CurrentFrame())), int(Section::InitialData));
    }

    // A double-click on a value closes the window and shows where the value was entered.
    void valueLeadsToItsScreen_data() {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("focused");
        // The refund of a car sale goes to the taxpayer's OKATO: it leads to the address page.
        QTest::newRow("taxpayer's OKATO")
            << Builder(WorkedExample::CarSoldWithinThreeYears) << int(RecordSection::Person) << "OKATO"
            << int(Section::PersonData) << "meOKATO";
        // The income screens register later; the section's screen opens all the same.
        QTest::newRow("a month's salary") << Builder(EmployeeWithFlat) << int(RecordSection::IncomeSources13)
                                          << "IncomeAmount" << int(Section::RussianIncome) << "";
    }
    void valueLeadsToItsScreen() {
        QFETCH(Builder, build);
        QFETCH(int, section);
        QFETCH(QString, field);
        QFETCH(int, screen);
        QFETCH(QString, focused);
        TFormMain& window = Window(Example(build));
        RecordRef chosen;
        ExplainFromMenu(window, [&](TfmTaxExplanation& dialog) {
            const TExplanationModel& model = *dialog.Model();
            const QModelIndex value = FindRow(model, [&](const QModelIndex& i) {
                const RecordRef ref = model.RecordOf(i);
                return int(ref.Section) == section && QLatin1String(ref.Field) == field;
            });
            QVERIFY(value.isValid());
            dialog.Tree()->expandAll();
            DoubleClick(dialog.Tree(), value);
            QVERIFY(!dialog.isVisible());
            chosen = dialog.ChosenRecord();
        });
        QCOMPARE(int(chosen.Section), section);
        QCOMPARE(int(SectionScreens::SectionOf(window.CurrentFrame())), screen);
        QVERIFY(window.SectionButton(Section(screen))->Down());
        if (!focused.isEmpty()) {
            SaveShot(&window, QStringLiteral("explanation-led-to-") + focused);
            QWidget* field = window.CurrentFrame()->focusWidget();
            QVERIFY(field && field->isVisibleTo(&window));
            QCOMPARE(field->objectName(), focused);
        }
        QVERIFY(prompts->messages.isEmpty());
    }

    // A month of a second source leads to that source and that line, not to the first ones.
    void monthLeadsToItsSourceAndLine() {
        TFormMain& window = Window(Example([](mTDeclaration& d) {
            WorkedExample::Employee(d);
            AddSource13(d.IncomeSources13, WorkedExample::kEmployer,
                        {{2000, "10000", 0, "0", 1}, {2000, "10000", 0, "0", 2}, {2000, "12000", 0, "0", 3}},
                        "4160");
        }));
        ExplainFromMenu(window, [&](TfmTaxExplanation& dialog) {
            const TExplanationModel& model = *dialog.Model();
            const QModelIndex value = FindRow(model, [&](const QModelIndex& i) {
                const RecordRef ref = model.RecordOf(i);
                return ref.Section == RecordSection::IncomeSources13 && ref.Record == 2 && ref.Line == 3 &&
                       QLatin1String(ref.Field) == QLatin1String("IncomeAmount");
            });
            QVERIFY(value.isValid());
            dialog.Tree()->expandAll();
            DoubleClick(dialog.Tree(), value);
        });
        QCOMPARE(int(SectionScreens::SectionOf(window.CurrentFrame())), int(Section::RussianIncome));
        QCOMPARE(SelectedRow(probe.W<QTreeView>("lvSources")), 1);
        auto* lines = probe.W<QTreeView>("lvIncomes");
        QCOMPARE(SelectedRow(lines), 2);
        QCOMPARE(RowText(lines, 2, 2), QStringLiteral("12 000,00"));
        SaveShot(&window, QStringLiteral("explanation-led-to-a-line"));
    }

    void computationErrorIsShown() {
        // A share of 1/0 stops the computation: its message, and no window.
        auto declaration = Example(EmployeeWithFlat);
        declaration->PropertyDeduction.ShareDenominator = 0;
        TFormMain& window = Window(std::move(declaration));
        QVERIFY(!ExplainFromMenu(window, [](TfmTaxExplanation&) {}));
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);
        QCOMPARE(prompts->messages[0].text, kTSvodSum::FailureMessage);
    }
    // The result under the section buttons follows every accepted change: a source added on its screen,
    // the step undone and redone; a click on the amount opens "Расчёт налога" at the amount's line.
    void resultPanelFollowsTheChanges() {
        TFormMain& window = Window(ValidDeclaration().Take());
        QVERIFY(ShowActive(&window));
        QLabel* result = window.ResultPanel()->Label();
        const auto shown = [&] { return QTextDocumentFragment::fromHtml(result->text()).toPlainText(); };
        QCOMPARE(shown(), QStringLiteral("К уплате в бюджет: 0,00 руб."));

        // A prize of 10 000 at 35 %, 4 000 of it exempt, nothing withheld: 35 % of 6 000 is due.
        probe.Click("fbRussianIncome");
        probe.Click("fb35Percent");
        {
            ModalScript modals;
            modals.Then(EntryDialogs::Income35(QStringLiteral("ООО \"Реклама\""), QStringLiteral("2740"),
                                               QStringLiteral("10000"), QStringLiteral("505"),
                                               QStringLiteral("0")));
            probe.Click("fbAddSource");
            QVERIFY(modals.Done());
        }
        QCOMPARE(shown(), QStringLiteral("К уплате в бюджет: 2 100,00 руб."));
        QCOMPARE(result->toolTip().split(QLatin1Char('\n')).value(1),
                 QStringLiteral("35 %: к уплате 2 100,00 руб."));
        SaveShot(&window, QStringLiteral("result-panel-pays"));

        window.Action(QStringLiteral("acUndo"))->trigger();
        QCOMPARE(shown(), QStringLiteral("К уплате в бюджет: 0,00 руб."));
        window.Action(QStringLiteral("acRedo"))->trigger();
        QCOMPARE(shown(), QStringLiteral("К уплате в бюджет: 2 100,00 руб."));

        QString current;
        ModalScript explanation;
        explanation.Then([&](QDialog* dialog) {
            if (auto* window = qobject_cast<TfmTaxExplanation*>(dialog)) {
                const QModelIndex index = window->Tree()->currentIndex();
                current = index.data().toString() + QLatin1Char(' ') +
                          index.siblingAtColumn(TExplanationModel::AmountColumn).data().toString() +
                          QStringLiteral(" / ") + index.parent().data().toString();
                SaveShot(dialog, QStringLiteral("result-panel-explained"));
            }
            dialog->reject();
        });
        // The amount follows its caption.
        QTest::mouseClick(
            result, Qt::LeftButton, {},
            QPoint(result->fontMetrics().horizontalAdvance(QStringLiteral("К уплате в бюджет: ")) + 15,
                   result->height() / 2));
        QVERIFY(explanation.Done());
        QCOMPARE(current, QStringLiteral("К уплате в бюджет 2 100,00 / Налог по ставке 35 %"));
    }

    // A refund and, for a return that pays at one rate and gets a refund at another, both amounts.
    void resultPanelShowsRefunds() {
        auto declaration = Example(EmployeeWithFlat);
        TFormMain& window = Window(std::move(declaration));
        QLabel* result = window.ResultPanel()->Label();
        QCOMPARE(QTextDocumentFragment::fromHtml(result->text()).toPlainText(),
                 QStringLiteral("К возврату из бюджета: 78 000,00 руб."));
        QVERIFY(result->toolTip().contains(QStringLiteral("13 %: к возврату 78 000,00 руб.")));
        auto both = Example(EmployeeWithFlat);
        AddSource35(*both, WorkedExample::kEmployer, 2610, "10000");
        window.ShowDeclaration(std::move(both));
        QCOMPARE(QTextDocumentFragment::fromHtml(result->text()).toPlainText(),
                 QStringLiteral("К уплате в бюджет: 3 500,00 руб.    К возврату из бюджета: 78 000,00 руб."));
    }
};

QTEST_MAIN(TestTaxExplanation)
#include "tst_taxexplanation.moc"
