#include "support/GuiTestSupport.h"

#include "desktop/HelpWindow.h"
#include "screens/ProgramScreens.h"
#include "shell/Main.h"

#include <QListWidget>
#include <QTest>

// The program installed under a prefix (DUROVID_INSTALLED_PREFIX) finds its reference files and its help
// where it looks for them from its bin/ folder. Run by install-test.sh after the install.
class TestInstalled : public QObject {
    Q_OBJECT

private slots:
    void findsItsData() {
        const QString prefix = qEnvironmentVariable("DUROVID_INSTALLED_PREFIX");
        if (prefix.isEmpty()) QSKIP("DUROVID_INSTALLED_PREFIX is not set: run through install-test.sh");
        const QString dir = ProgramDirOf(prefix + QStringLiteral("/bin"));
        QCOMPARE(QDir(dir).canonicalPath(), QDir(prefix + QStringLiteral("/share/durovid")).canonicalPath());

        IsolatedEnvironment env;
        SetProgramDir(dir);
        ScriptedPrompts prompts;
        FakeCoreServices services;
        RegisterProgramScreens();
        TFormMain window({}, &services);
        QVERIFY(!window.StartFailed());
        QVERIFY(window.InspectionPicker());
        QVERIFY(window.CountryPicker());
        QVERIFY(window.OkvedClassifier());
        QVERIFY(window.CurrencyRates());
        window.Action(QStringLiteral("acHelp"))->trigger();
        QCOMPARE(prompts.Texts(), QStringList());
        auto* help = window.findChild<THelpWindow*>(QStringLiteral("helpMain"));
        QVERIFY(help);
        QCOMPARE(help->CurrentTopic(), QStringLiteral("runprogramm.htm"));
        QVERIFY(help->findChild<QListWidget*>(QStringLiteral("lvContents"))->count() > 30);
    }
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
