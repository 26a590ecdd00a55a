#include "support/ChildProgram.h"
#include "support/ScreenTestSupport.h"

#include "records/RecoveryCopy.h"
#include "shell/Autosave.h"
#include "storage/StorageErrors.h"
#include "support/DeclarationFiles.h"

#include <QAction>
#include <QMessageBox>
#include <QSpinBox>
#include <cstdio>

namespace {

void Say(const QString& line) {
    std::puts(line.toUtf8().constData());
    std::fflush(stdout);
}

// Roles of the second program: "edit USERDIR PROGRAMDIR [FILE]" opens the file, changes it on the
// screen and in its records, and says "written" once the recovery copy holds every change; "offer
// USERDIR PROGRAMDIR" starts, restores whatever it is offered and says how many offers it saw. Both
// then run until they are killed.
int RunChild(const QStringList& args) {
    PrepareChild(args);
    ScriptedPrompts prompts;
    TFormMain window(args.mid(3));
    window.Autosave().SetTiming({50, 400});
    window.show();
    QTimer poll;
    if (args.value(0) == QLatin1String("edit")) {
        // Typed on the screen and not stored yet, and changes the other screens make in the records.
        auto* correction = window.findChild<QWidget*>(QStringLiteral("meCorrectionNumber"));
        correction->setFocus();
        QTest::keyClick(correction, Qt::Key_Up);
        QTest::keyClick(correction, Qt::Key_Up);
        mTDeclaration& d = window.Declaration();
        d.Person.SurName = QStringLiteral("Восстановленная");
        d.IncomeSources13.At(d.IncomeSources13.Add())->SourceName = QStringLiteral("ООО «Ромашка»");
        window.NotifyModified();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (window.Autosave().Copy().Exists() && !window.Autosave().Pending()) {
                poll.stop();
                Say(QStringLiteral("written"));
            }
        });
        poll.start(20);
    } else {
        ModalScript script;
        script.Then(ModalScript::Click(QStringLiteral("bnRestore")));
        window.OfferRecovery();
        Say(QStringLiteral("offered %1").arg(script.seen.size()));
    }
    return QApplication::exec();
}

} // namespace

// Autosave and recovery: a program killed hard loses nothing that was in its recovery copy, and the
// copy never stands in for the user's own file.
class TestRecovery : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    FakeCoreServices services;
    std::unique_ptr<ScriptedPrompts> prompts;
    QTemporaryDir files;

    QString RecoveryFolder() const { return env.UserFile(QStringLiteral("recovery")); }
    QStringList Copies() const {
        return QDir(RecoveryFolder()).entryList({QStringLiteral("*.kv0")}, QDir::Files);
    }
    QStringList RecoveryFiles() const { return QDir(RecoveryFolder()).entryList(QDir::Files); }
    QString SavedDeclaration(const QString& name) { return SaveNewDeclaration(files.filePath(name)); }
    // What a file holds, read past the lock of the window that has it open.
    std::unique_ptr<mTDeclaration> Snapshot(const QString& path) {
        const QString copy = files.filePath(QStringLiteral("snapshot.kv0"));
        QFile::remove(copy);
        QFile::copy(path, copy);
        auto d = std::make_unique<mTDeclaration>();
        d->LoadFromFile(copy);
        return d;
    }
    // Starts a program on file that changes it, waits for its recovery copy and kills it hard.
    bool Crash(const QString& file) {
        ChildProgram child({QStringLiteral("edit"), env.user.path(), env.program.path(), file});
        if (!child.WaitForLine(QStringLiteral("written"))) return false;
        child.KillHard();
        return true;
    }
    static bool Busy(const QString& file) {
        mTDeclaration other;
        try {
            other.LoadFromFile(file);
        } catch (const mEBadStorage& e) {
            return e.Code == 21;
        }
        return false;
    }

private slots:
    void initTestCase() { RegisterProgramScreens(); }
    void init() {
        QDir(RecoveryFolder()).removeRecursively();
        prompts = std::make_unique<ScriptedPrompts>();
    }
    void cleanup() { prompts.reset(); }

    void crashThenStart_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("restore") << QStringLiteral("bnRestore");
        QTest::newRow("open the saved file") << QStringLiteral("bnOpenSaved");
        QTest::newRow("delete the copy") << QStringLiteral("bnDelete");
    }
    void crashThenStart() {
        QFETCH(QString, button);
        const QString file = SavedDeclaration(QStringLiteral("mine.kv0"));
        const QByteArray before = FileBytes(file);
        QVERIFY(Crash(file));
        QCOMPARE(FileBytes(file), before);
        QCOMPARE(Copies().size(), 1);

        TFormMain window({}, &services);
        {
            ModalScript script;
            script.Then(ModalScript::Shot(QStringLiteral("recovery-offer"), ModalScript::Click(button)));
            window.OfferRecovery();
            QCOMPARE(script.seen.size(), 1);
            QCOMPARE(script.seen[0].title, QStringLiteral("Durovid 2010"));
        }
        mTDeclaration& d = window.Declaration();
        if (button == QLatin1String("bnRestore")) {
            // Every change is back, unsaved, under the file's name, and the file is held again.
            QCOMPARE(d.CorrectionNumber, 2);
            QCOMPARE(d.Person.SurName, QStringLiteral("Восстановленная"));
            QCOMPARE(d.IncomeSources13.Count(), 1);
            QCOMPARE(d.IncomeSources13.At(0)->SourceName, QStringLiteral("ООО «Ромашка»"));
            QCOMPARE(window.DocumentFileName(), file);
            QVERIFY(window.windowTitle().startsWith(QStringLiteral("mine.kv0")));
            QVERIFY(!window.Saved());
            QVERIFY(Busy(file));
            QCOMPARE(Copies().size(), 1);

            window.Action(QStringLiteral("acSave"))->trigger();
            QVERIFY(prompts->messages.isEmpty());
            QVERIFY(window.Saved());
            QCOMPARE(Snapshot(file)->Person.SurName, QStringLiteral("Восстановленная"));
            QCOMPARE(Copies(), QStringList());
        } else if (button == QLatin1String("bnOpenSaved")) {
            QCOMPARE(d.InspectionCode, QStringLiteral("7701"));
            QCOMPARE(window.DocumentFileName(), file);
            QVERIFY(window.Saved());
            QVERIFY(Busy(file));
            QCOMPARE(Copies(), QStringList());
        } else {
            QCOMPARE(d.InspectionCode, QString());
            QCOMPARE(window.windowTitle(), QStringLiteral("Без имени - Durovid 2010"));
            QCOMPARE(Copies(), QStringList());
        }
        QCOMPARE(FileBytes(file) == before, button != QLatin1String("bnRestore"));

        // Nothing is offered a second time.
        ModalScript again;
        window.OfferRecovery();
        QCOMPARE(again.seen.size(), 0);
    }

    // The offer says whose return the copy holds. A copy whose file changed since it was written comes
    // back without a name: "Сохранить" asks where, and the changed file stays as it is.
    void aChangedFileIsNeverOverwritten() {
        const QString file = SavedDeclaration(QStringLiteral("theirs.kv0"));
        QVERIFY(Crash(file));
        auto changed = CreateNewDeclaration();
        changed->InspectionCode = QStringLiteral("7702");
        changed->SaveToFile(file);
        const QByteArray before = FileBytes(file);

        TFormMain window({}, &services);
        QString offer;
        {
            ModalScript script;
            script.Then([&, restore = ModalScript::Click(QStringLiteral("bnRestore"))](QDialog* dialog) {
                offer = static_cast<QMessageBox*>(dialog)->text();
                restore(dialog);
            });
            window.OfferRecovery();
        }
        QVERIFY2(offer.contains(QStringLiteral("(налогоплательщик Восстановленная, ИНН не указан)")),
                 qPrintable(offer));
        QCOMPARE(window.Declaration().Person.SurName, QStringLiteral("Восстановленная"));
        QCOMPARE(window.DocumentFileName(), QString());
        QVERIFY(!window.Saved());
        QVERIFY(!Busy(file));

        const QString elsewhere = files.filePath(QStringLiteral("elsewhere.kv0"));
        prompts->saveNames.enqueue(elsewhere);
        window.Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(window.Saved());
        QCOMPARE(FileBytes(file), before);
        QCOMPARE(Snapshot(elsewhere)->Person.SurName, QStringLiteral("Восстановленная"));
    }

    void twoProgramsNeverTakeTheSameCopy() {
        QVERIFY(Crash(QString()));
        ChildProgram first({QStringLiteral("offer"), env.user.path(), env.program.path()});
        ChildProgram second({QStringLiteral("offer"), env.user.path(), env.program.path()});
        const std::optional<QString> a = first.WaitForLine(QStringLiteral("offered"));
        const std::optional<QString> b = second.WaitForLine(QStringLiteral("offered"));
        QVERIFY(a && b);
        QCOMPARE(a->toInt() + b->toInt(), 1);

        // The program that restored the copy owns it: killed in turn, it leaves the copy for the next.
        first.KillHard();
        second.KillHard();
        TFormMain window({}, &services);
        ModalScript script;
        script.Then(ModalScript::Click(QStringLiteral("bnDelete")));
        window.OfferRecovery();
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(Copies(), QStringList());
    }

    void autosaveLeavesTheUserFileAlone() {
        const QString file = SavedDeclaration(QStringLiteral("kept.kv0"));
        const QByteArray before = FileBytes(file);
        {
            TFormMain window({file}, &services);
            window.Autosave().SetTiming({20, 200});
            window.Declaration().InspectionCode = QStringLiteral("5005");
            window.NotifyModified();
            const QString title = window.windowTitle();
            QTRY_VERIFY(window.Autosave().Copy().Exists());
            QVERIFY(!window.Autosave().Pending());
            QCOMPARE(window.windowTitle(), title);
            QVERIFY(!window.Saved());
            QCOMPARE(FileBytes(file), before);
            QVERIFY(Busy(file));
            QCOMPARE(window.DocumentFileName(), file);

            // Closed with "Нет": nothing is left behind.
            prompts->answers.enqueue(QMessageBox::No);
            QVERIFY(window.close());
            QCOMPARE(RecoveryFiles(), QStringList());
            QVERIFY(!Busy(file));
        }
        QCOMPARE(FileBytes(file), before);

        // Saved: the copy goes.
        TFormMain window({file}, &services);
        window.Autosave().SetTiming({20, 200});
        window.NotifyModified();
        QTRY_COMPARE(Copies().size(), 1);
        window.Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(Copies(), QStringList());
        // Created or opened another after the question: the copy goes too.
        window.NotifyModified();
        QTRY_COMPARE(Copies().size(), 1);
        prompts->answers.enqueue(QMessageBox::No);
        window.Action(QStringLiteral("acNew"))->trigger();
        QCOMPARE(Copies(), QStringList());
        window.NotifyModified();
        QTRY_COMPARE(Copies().size(), 1);
        // The open dialog cancelled: nothing was given up, and the copy stays.
        prompts->answers.enqueue(QMessageBox::No);
        window.Action(QStringLiteral("acOpen"))->trigger();
        QCOMPARE(Copies().size(), 1);
        prompts->answers.enqueue(QMessageBox::No);
        prompts->openNames.enqueue(file);
        window.Action(QStringLiteral("acOpen"))->trigger();
        QCOMPARE(Copies(), QStringList());
    }

    // Every way of backing out of a command that would give the work up keeps the work, the open
    // file's lock and the recovery copy.
    void cancelKeepsTheWork_data() {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::newRow("new, cancel") << true << "acNew" << int(QMessageBox::Cancel);
        QTest::newRow("new, yes, save dialog cancelled") << false << "acNew" << int(QMessageBox::Yes);
        QTest::newRow("open, cancel") << true << "acOpen" << int(QMessageBox::Cancel);
        QTest::newRow("open, no, open dialog cancelled") << true << "acOpen" << int(QMessageBox::No);
        QTest::newRow("open, yes, save dialog cancelled") << false << "acOpen" << int(QMessageBox::Yes);
        QTest::newRow("close, cancel") << true << "close" << int(QMessageBox::Cancel);
        QTest::newRow("close, yes, save dialog cancelled") << false << "close" << int(QMessageBox::Yes);
    }
    void cancelKeepsTheWork() {
        QFETCH(bool, named);
        QFETCH(QString, command);
        QFETCH(int, answer);
        const QString file = named ? SavedDeclaration(QStringLiteral("held.kv0")) : QString();
        TFormMain window(named ? QStringList{file} : QStringList{}, &services);
        window.Autosave().SetTiming({20, 200});
        // Typed on the screen, as the user's work is.
        QVERIFY(ShowActive(&window));
        auto* correction = window.findChild<QSpinBox*>(QStringLiteral("meCorrectionNumber"));
        correction->setFocus();
        QTest::keyClick(correction, Qt::Key_Up);
        QTest::keyClick(correction, Qt::Key_Up);
        QTRY_COMPARE(Copies().size(), 1);

        prompts->answers.enqueue(QMessageBox::StandardButton(answer));
        if (command == QLatin1String("close"))
            QVERIFY(!window.close());
        else
            window.Action(command)->trigger();

        QCOMPARE(correction->value(), 2);
        QVERIFY(!window.Saved());
        QCOMPARE(window.DocumentFileName(), file);
        QCOMPARE(Copies().size(), 1);
        if (named) QVERIFY(Busy(file));
    }

    void typingWithoutPauseIsCoveredOncePerInterval() {
        TFormMain window({}, &services);
        const int interval = 400;
        window.Autosave().SetTiming({100, interval});
        QList<QDateTime> writes;
        QElapsedTimer typing;
        typing.start();
        while (typing.elapsed() < 2000) {
            window.NotifyModified();
            QTest::qWait(20);
            const QDateTime written = window.Autosave().Copy().Written();
            if (written.isValid() && (writes.isEmpty() || writes.last() != written)) writes << written;
        }
        QVERIFY2(writes.size() >= 2, qPrintable(QString::number(writes.size())));
        // Writes start an interval apart; the time written is taken a moment into each write.
        for (int i = 1; i < writes.size(); ++i)
            QVERIFY(writes[i - 1].msecsTo(writes[i]) >= interval - 50);
        // A pause writes the last changes a moment later.
        QTRY_VERIFY(!window.Autosave().Pending());
    }

    void damagedCopyIsKeptAside() {
        QVERIFY(QDir().mkpath(RecoveryFolder()));
        QFile damaged(QDir(RecoveryFolder()).filePath(QStringLiteral("damaged-one.kv0")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(300, '\0'));
        damaged.close();
        TFormMain window({}, &services);
        ModalScript script;
        script.Then(ModalScript::Click(QStringLiteral("bnRestore")));
        window.OfferRecovery();
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);
        QVERIFY(prompts->messages[0].text.startsWith(StorageText::DamagedFile));
        QCOMPARE(window.windowTitle(), QStringLiteral("Без имени - Durovid 2010"));
        QVERIFY(window.Saved());
        QCOMPARE(RecoveryFiles(), QStringList());
        QVERIFY(QFile::exists(RecoveryFolder() + QStringLiteral("/damaged/damaged-one.kv0")));
    }
};

DUROVID_TEST_MAIN_WITH_CHILDREN(TestRecovery, RunChild)
#include "tst_recovery.moc"
