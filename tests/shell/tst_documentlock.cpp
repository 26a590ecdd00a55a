#include "support/ChildProgram.h"
#include "support/GuiTestSupport.h"

#include "cli/CliRun.h"
#include "screens/ProgramScreens.h"
#include "shell/Main.h"
#include "storage/StorageErrors.h"
#include "support/DeclarationFiles.h"

#include <QAction>
#include <cstdio>

namespace {

// The second desktop program: "open USERDIR PROGRAMDIR FILE" starts on the file, then tries
// "Сохранить как..." over it, and prints every message it showed and its title.
int RunChild(const QStringList& args) {
    PrepareChild(args);
    ScriptedPrompts prompts;
    TFormMain window({args.value(3)});
    prompts.saveNames.enqueue(args.value(3));
    window.Action(QStringLiteral("acSaveAs"))->trigger();
    for (const QString& text : prompts.Texts())
        std::printf("message %s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '))));
    std::printf("title %s\n", qPrintable(window.windowTitle()));
    return 0;
}

} // namespace

// A declaration is held while it is open: no second program, desktop or console, opens or overwrites
// it until the window lets it go.
class TestDocumentLock : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    FakeCoreServices services;
    std::unique_ptr<ScriptedPrompts> prompts;
    QTemporaryDir files;

    QString SavedDeclaration(const QString& name) { return SaveNewDeclaration(files.filePath(name)); }
    // The console program reads the file: exit 0, or 2 with the busy-file message.
    static bool ConsoleRefused(const QString& file) {
        const CliRun run = RunCli({QStringLiteral("dump"), file});
        if (run.exitCode == 0) return false;
        if (!run.err.contains(StorageText::HeldElsewhere(file))) qWarning("%s", qPrintable(run.err));
        return run.exitCode == 2 && run.err.contains(StorageText::HeldElsewhere(file));
    }

private slots:
    void initTestCase() { RegisterProgramScreens(); }
    void init() { prompts = std::make_unique<ScriptedPrompts>(); }
    void cleanup() { prompts.reset(); }

    void secondProgramsAreRefused() {
        const QString file = SavedDeclaration(QStringLiteral("held.kv0"));
        const QByteArray before = FileBytes(file);
        TFormMain window({file}, &services);
        QVERIFY(window.DocumentLock().IsHeld());

        // The console program neither reads nor overwrites it.
        QVERIFY(ConsoleRefused(file));
        const CliRun overwrite = RunCli({QStringLiteral("new"), QStringLiteral("--force"), file});
        QCOMPARE(overwrite.exitCode, 2);
        QVERIFY(overwrite.err.contains(StorageText::HeldElsewhere(file)));
        QCOMPARE(FileBytes(file), before);

        // A second desktop program is told on opening and on saving, and works on without the file.
        ChildProgram second({QStringLiteral("open"), env.user.path(), env.program.path(), file});
        const QStringList lines = second.Finish();
        QCOMPARE(lines.filter(QStringLiteral("message ")).size(), 2);
        for (const QString& line : lines.filter(QStringLiteral("message ")))
            QVERIFY2(line.contains(StorageText::HeldElsewhere(file)), qPrintable(line));
        QVERIFY(lines.contains(QStringLiteral("title Без имени - Durovid 2010")));
        QCOMPARE(FileBytes(file), before);

        // "Сохранить" in the first window still writes the file.
        window.Declaration().InspectionCode = QStringLiteral("7728");
        window.NotifyModified();
        window.Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(prompts->messages.isEmpty());
        QVERIFY(window.Saved());
        QVERIFY(ConsoleRefused(file));
    }

    void theLockFollowsTheDocument() {
        const QString file = SavedDeclaration(QStringLiteral("first.kv0"));
        const QString other = files.filePath(QStringLiteral("second.kv0"));
        QFile::remove(other);
        TFormMain window({file}, &services);
        window.show();

        // "Сохранить как..." takes the lock to the new file.
        prompts->saveNames.enqueue(other);
        window.Action(QStringLiteral("acSaveAs"))->trigger();
        QVERIFY(!ConsoleRefused(file));
        QVERIFY(ConsoleRefused(other));

        // "Создать" lets it go; "Открыть" holds the file it opened, and keeps it when another fails to open
        // (the declaration shown stays open).
        window.Action(QStringLiteral("acNew"))->trigger();
        QVERIFY(!ConsoleRefused(other));
        prompts->openNames.enqueue(file);
        window.Action(QStringLiteral("acOpen"))->trigger();
        QVERIFY(ConsoleRefused(file));
        prompts->openNames.enqueue(files.filePath(QStringLiteral("missing.kv0")));
        window.Action(QStringLiteral("acOpen"))->trigger();
        QVERIFY(ConsoleRefused(file));
        QCOMPARE(window.DocumentFileName(), file);

        // Closing lets go of it.
        QVERIFY(window.close());
        QVERIFY(!ConsoleRefused(file));
    }
};

DUROVID_TEST_MAIN_WITH_CHILDREN(TestDocumentLock, RunChild)
#include "tst_documentlock.moc"
