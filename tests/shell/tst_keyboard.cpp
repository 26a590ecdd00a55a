#include "support/ScreenTestSupport.h"

#include "controls/FlashButton.h"
#include "desktop/FirstInput.h"
#include "desktop/HelpWindow.h"
#include "pickers/CountryPicker.h"
#include "records/NewDeclaration.h"
#include "screens/EmptySection.h"
#include "screens/ProgramScreens.h"
#include "screens/SectionScreens.h"
#include "support/ValidDeclaration.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTreeView>
#include <functional>

namespace {

// A screen larger than the smallest window.
class LargeFrame : public TThinkingFrame {
public:
    LargeFrame(QWidget* owner, ScreenHost& host) : TThinkingFrame(owner, host) { setMinimumSize(1000, 900); }
    void Store() override {}
    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}
};

bool IsInputField(QWidget* w) {
    return w && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<TFlashButton*>(w) &&
           FirstInputField(w->window()) != nullptr && (w->focusPolicy() & Qt::TabFocus);
}

void CopyHelp(const IsolatedEnvironment& env) {
    const QDir source(QStringLiteral(DUROVID_SOURCE_DIR "/data/help"));
    QDir().mkpath(env.ProgramFile(QStringLiteral("help")));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), env.ProgramFile(QStringLiteral("help/") + name));
}

} // namespace

// The main window from the keyboard: shortcuts, accelerators, the section buttons, where the focus
// goes, F1, the title's mark of unsaved changes and scrolling.
class TestKeyboard : public QObject, MainWindowProbe {
    Q_OBJECT

    IsolatedEnvironment env;
    std::unique_ptr<ScriptedPrompts> prompts;
    int checks = 0;

    QWidget* Focused() const { return QApplication::focusWidget(); }
    // Opens a declaration with every section and list open, then shows each screen and sub-screen in
    // turn and hands it to visit with its section button and sub-screen kind.
    void VisitEveryScreen(const std::function<void(TFlashButton* button, int kind)>& visit) {
        auto d = ValidDeclaration::Clean();
        d->IncomeKinds = 1 | 2 | 4 | 8;
        d->SocialDeduction.GrantSocial = 1;
        d->PropertyDeduction.GrantProperty = 1;
        form->ShowDeclaration(std::move(d));
        for (int i = 0; i < SectionCount; ++i) {
            TFlashButton* button = form->SectionButton(Section(i));
            if (!button->isEnabled()) continue;
            ClickOn(button);
            const bool hasSubScreens = form->CurrentFrame()->ShownSubScreenKind() >= 0;
            for (int kind = 0; kind < (hasSubScreens ? 8 : 1); ++kind) {
                if (hasSubScreens) form->CurrentFrame()->OpenSubScreen(kind);
                visit(button, kind);
                if (QTest::currentTestFailed()) return;
            }
        }
    }
    THelpWindow* Help() const { return form->findChild<THelpWindow*>(QStringLiteral("helpMain")); }

private slots:
    void initTestCase() {
        WriteScreenReferences(env);
        CopyHelp(env);
        RegisterProgramScreens();
        services.check = [this](const mTDeclaration&, ICheckAnswerer&) {
            ++checks;
            return CheckResult{CheckSection::Conditions, CheckResult::CancelledPosition};
        };
    }
    void init() {
        checks = 0;
        prompts = std::make_unique<ScriptedPrompts>();
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        // A declaration that every screen lets go of.
        form->ShowDeclaration(ValidDeclaration::Clean());
    }
    void cleanup() {
        form.reset();
        prompts.reset();
    }

    void shortcutsRunTheirCommands_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("effect");
        QTest::newRow("new") << QKeySequence(QKeySequence::New) << "questions=1";
        QTest::newRow("open") << QKeySequence(QKeySequence::Open) << "questions=1 open=1";
        QTest::newRow("save") << QKeySequence(QKeySequence::Save) << "save=1";
        QTest::newRow("save as") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "save=1";
        QTest::newRow("print") << QKeySequence(QKeySequence::Print) << "checks=1";
        QTest::newRow("help") << QKeySequence(QKeySequence::HelpContents) << "help=TfrInitialData.htm";
    }
    void shortcutsRunTheirCommands() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, effect);
        QVERIFY(!keys.isEmpty());
        form->NotifyModified();
        prompts->answers.enqueue(QMessageBox::Cancel);
        if (effect.contains(QLatin1String("open"))) prompts->answers.replace(0, QMessageBox::No);
        QTest::keySequence(Focused(), keys);
        QStringList seen;
        if (!prompts->messages.isEmpty())
            seen << QStringLiteral("questions=%1").arg(prompts->messages.size());
        if (prompts->openDialogs) seen << QStringLiteral("open=%1").arg(prompts->openDialogs);
        if (prompts->saveDialogs) seen << QStringLiteral("save=%1").arg(prompts->saveDialogs);
        if (checks) seen << QStringLiteral("checks=%1").arg(checks);
        if (Help()) seen << QStringLiteral("help=") + Help()->CurrentTopic();
        QCOMPARE(seen.join(' '), effect);
    }

    // Every menu and item has an Alt accelerator of its own within its menu; F10 opens the menu bar.
    void menusHaveAccelerators() {
        const QList<QAction*> menus = form->menuBar()->actions();
        QCOMPARE(menus.size(), 5);
        QStringList menuKeys;
        for (QAction* menu : menus) {
            menuKeys << QKeySequence::mnemonic(menu->text()).toString();
            QStringList itemKeys;
            for (QAction* item : menu->menu()->actions()) {
                if (item->isSeparator()) continue;
                const QString key = QKeySequence::mnemonic(item->text()).toString();
                QVERIFY2(!key.isEmpty() && !itemKeys.contains(key), qPrintable(item->text()));
                itemKeys << key;
            }
        }
        QCOMPARE(QSet<QString>(menuKeys.begin(), menuKeys.end()).size(), 5);
        QVERIFY(!menuKeys.contains(QString()));

        QTest::keyClick(form.get(), Qt::Key_F10);
        QCOMPARE(form->menuBar()->activeAction(), menus[0]);
        QTRY_VERIFY(menus[0]->menu()->isVisible());
        QTest::keyClick(menus[0]->menu(), Qt::Key_Escape);
    }

    // Tab reaches the section buttons; Space and Ctrl+digit press them as a click does.
    void sectionButtonsFromTheKeyboard() {
        QVERIFY(IsInputField(Focused()));
        int tabs = 0;
        while (!qobject_cast<TFlashButton*>(Focused()) && tabs++ < 100)
            QTest::keyClick(Focused(), Qt::Key_Tab);
        QCOMPARE(Focused(), form->SectionButton(Section::InitialData));
        QTest::keyClick(Focused(), Qt::Key_Tab);
        QCOMPARE(Focused(), form->SectionButton(Section::PersonData));
        QTest::keyClick(Focused(), Qt::Key_Space);
        QCOMPARE(SectionScreens::SectionOf(form->CurrentFrame()), Section::PersonData);
        QVERIFY(form->SectionButton(Section::PersonData)->Down());
        QVERIFY(IsInputField(Focused()));
        QVERIFY(form->CurrentFrame()->isAncestorOf(Focused()));

        QTest::keyClick(Focused(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(SectionScreens::SectionOf(form->CurrentFrame()), Section::InitialData);
        QVERIFY(form->SectionButton(Section::InitialData)->Down());
        // A disabled section stays closed.
        QVERIFY(!form->SectionButton(Section::CurrencyIncome)->isEnabled());
        QTest::keyClick(Focused(), Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(SectionScreens::SectionOf(form->CurrentFrame()), Section::InitialData);
    }

    // Opening a screen puts the focus on its first input field, never on a choice that an arrow key
    // would change.
    void focusAfterOpening() {
        auto d = ValidDeclaration::Clean();
        d->IncomeKinds = 1 | 2 | 4 | 8;
        form->ShowDeclaration(std::move(d));
        QVERIFY(IsInputField(Focused()));
        for (int i = 0; i < SectionCount; ++i) {
            TFlashButton* button = form->SectionButton(Section(i));
            if (!button->isEnabled()) continue;
            ClickOn(button);
            QCOMPARE(SectionScreens::SectionOf(form->CurrentFrame()), Section(i));
            if (qobject_cast<TfrEmptySection*>(form->CurrentFrame())) continue;
            QVERIFY2(IsInputField(Focused()), qPrintable(button->Caption()));
            QVERIFY(form->CurrentFrame()->isAncestorOf(Focused()));
        }
        form->Action(QStringLiteral("acNew"))->trigger();
        QVERIFY(IsInputField(Focused()));
        QCOMPARE(Focused(), FirstInputField(form->CurrentFrame()));
    }

    // Every record list of every screen is reached by Tab, hands Tab on to its buttons and adds a record
    // with Insert, as its first button does.
    void everyListAnswersTheKeyboard() {
        QSet<QString> lists;
        VisitEveryScreen([&](TFlashButton*, int) {
            for (QTreeView* list : form->CurrentFrame()->findChildren<QTreeView*>()) {
                if (!list->isVisible() || !list->isEnabled()) continue;
                lists.insert(list->objectName());
                QVERIFY2(list->focusPolicy() & Qt::TabFocus, qPrintable(list->objectName()));
                QApplication::setActiveWindow(form.get()); // as after the last dialog closed
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Tab);
                QVERIFY2(qobject_cast<TFlashButton*>(Focused()),
                         qPrintable(list->objectName() + QStringLiteral(" → ") +
                                    (Focused() ? Focused()->objectName() : QStringLiteral("none"))));
                ModalScript script;
                script.Then(ModalScript::Close());
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Insert);
                QTRY_VERIFY2(script.Done(), qPrintable(list->objectName()));
            }
        });
        for (const char* name : {"lvSources", "lvSourseIncomeInfo", "lvBusinessIncome", "lvPayments",
                                 "lvChildEducation", "lvPensions"})
            QVERIFY2(lists.contains(QLatin1String(name)), name);
    }

    // F1 opens the page of the screen or dialog at hand; Escape closes the help window.
    void f1OpensThePageOfTheScreen() {
        QTest::keyClick(Focused(), Qt::Key_F1);
        QVERIFY(Help());
        QCOMPARE(Help()->CurrentTopic(), QStringLiteral("TfrInitialData.htm"));
        QTest::keyClick(Help(), Qt::Key_Escape);
        QTRY_VERIFY(!Help());
        QVERIFY(ShowActive(form.get()));

        ClickOn(form->SectionButton(Section::PersonData));
        QTest::keyClick(Focused(), Qt::Key_F1);
        QVERIFY(Help());
        QCOMPARE(Help()->CurrentTopic(), QStringLiteral("TfrPersonNaim.htm"));
        Help()->close();

        // The country picker has its part of the taxpayer's page.
        QTimer::singleShot(0, [this] {
            QWidget* picker = QApplication::activeModalWidget();
            QVERIFY(picker);
            QTest::keyClick(picker, Qt::Key_F1);
            auto* help = picker->findChild<THelpWindow*>(QStringLiteral("helpMain"));
            QVERIFY(help);
            QCOMPARE(help->CurrentTopic(), QStringLiteral("TfrPersonNaim.htm"));
            QCOMPARE(help->CurrentAnchor(), QStringLiteral("country"));
            help->close();
            static_cast<QDialog*>(picker)->reject();
        });
        form->CountryPicker()->exec();
    }

    void titleMarksUnsavedChanges() {
        const QString saved = QStringLiteral("Без имени - Durovid 2010");
        QCOMPARE(form->windowTitle(), saved);
        QVERIFY(!form->isWindowModified());
        form->NotifyModified();
        QVERIFY(form->isWindowModified());
        QCOMPARE(form->windowTitle(), QStringLiteral("Без имени[*] - Durovid 2010"));
        QTemporaryDir dir;
        prompts->saveNames.enqueue(dir.filePath(QStringLiteral("title.kv0")));
        form->Save();
        QCOMPARE(form->windowTitle(), QStringLiteral("title.kv0 - Durovid 2010"));
        QVERIFY(!form->isWindowModified());
    }

    // At the size a new window opens with on a 1366 × 768 screen, every screen and sub-screen shows
    // whole, without scroll bars.
    void everyScreenFitsTheDefaultWindow() {
        form->ShowPlaced(1366, 728);
        VisitEveryScreen([&](TFlashButton* button, int kind) {
            QApplication::processEvents();
            // The window's own scrolling and that of screens which scroll their parts.
            for (QScrollArea* scroll : form->findChildren<QScrollArea*>()) {
                if (!scroll->isVisible()) continue;
                const QString where = button->Caption() + QStringLiteral(" / %1 / ").arg(kind) +
                                      scroll->objectName() +
                                      QStringLiteral(": %1 × %2 в %3 × %4")
                                          .arg(scroll->widget()->minimumSizeHint().width())
                                          .arg(scroll->widget()->minimumSizeHint().height())
                                          .arg(scroll->viewport()->width())
                                          .arg(scroll->viewport()->height());
                QVERIFY2(!scroll->verticalScrollBar()->isVisible(), qPrintable(where));
                QVERIFY2(!scroll->horizontalScrollBar()->isVisible(), qPrintable(where));
            }
            if (kind == 0)
                SaveShot(form.get(), QStringLiteral("default-window-%1").arg(button->objectName()));
        });
    }

    // A screen larger than the window scrolls instead of being clipped.
    void smallWindowScrolls() {
        const SectionScreens::Maker previous = SectionScreens::Register(
            Section::Nalog, [](QWidget* owner, ScreenHost& host) { return new LargeFrame(owner, host); });
        form->resize(800, 571);
        ClickOn(form->SectionButton(Section::Nalog));
        auto* scroll = form->findChild<QScrollArea*>(QStringLiteral("sbContainer"));
        QVERIFY(scroll);
        QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
        QVERIFY(scroll->horizontalScrollBar()->isVisible());
        QVERIFY(form->CurrentFrame()->height() >= 900);
        SaveShot(form.get(), QStringLiteral("small-window"));
        SectionScreens::Register(Section::Nalog, previous);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
