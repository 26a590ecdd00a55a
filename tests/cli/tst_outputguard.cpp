#include "cli/CliRun.h"
#include "storage/FileLock.h"
#include "storage/SaveFile.h"
#include "support/DeclarationFiles.h"
#include "support/SounTable.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// No command writes its result over its own input, through a symbolic link, or over a declaration
// another program holds open: it says why and leaves the file as it was.
class TestOutputGuard : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QTemporaryDir runtime; // the session folder a desktop would give; Qt warns without one

    static CliRun Cli(const QStringList& args, const QTemporaryDir& runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        return RunCli(args, env);
    }

private Q_SLOTS:
    void refusedOutputs_data() {
        QTest::addColumn<QStringList>("args"); // DECL: a declaration, TABLE: a tax-office table
        QTest::addColumn<QString>("victim");   // the file that must stay as it was
        QTest::addColumn<bool>("held");        // a program holds the victim, as the desktop holds its file
        QTest::addColumn<QString>("reason");
        const QString input = SaveFile::InputReason();
        const QString link = SaveFile::SymbolicLinkReason();
        const QString held = SaveFile::HeldReason();
        QTest::newRow("print over its declaration")
            << QStringList{"print", "DECL", "--no-check", "--pdf", "DECL"} << "DECL" << false << input;
        QTest::newRow("print over its declaration by another path")
            << QStringList{"print", "DECL", "--no-check", "--pdf", "./DECL"} << "DECL" << false << input;
        QTest::newRow("print through a link to its declaration")
            << QStringList{"print", "DECL", "--no-check", "--pdf", "link.pdf"} << "DECL" << false << link;
        QTest::newRow("print over a held declaration")
            << QStringList{"print", "DECL", "--no-check", "--pdf", "held.kv0"} << "held.kv0" << true << held;
        QTest::newRow("import-soun over a held declaration")
            << QStringList{"import-soun", "TABLE", "held.kv0"} << "held.kv0" << true << held;
        QTest::newRow("import-soun over its table")
            << QStringList{"import-soun", "TABLE", "TABLE"} << "TABLE" << false << input;
        QTest::newRow("summary over its declaration")
            << QStringList{"summary", "DECL", "--csv", "DECL"} << "DECL" << false << input;
        QTest::newRow("summary over a held declaration")
            << QStringList{"summary", "DECL", "--csv", "held.kv0"} << "held.kv0" << true << held;
        QTest::newRow("import-soun through a link")
            << QStringList{"import-soun", "TABLE", "link.pdf"} << "DECL" << false << link;
    }
    void refusedOutputs() {
        QFETCH(QStringList, args);
        QFETCH(QString, victim);
        QFETCH(bool, held);
        QFETCH(QString, reason);
        if (args.first() == QLatin1String("print") &&
            !Cli({QStringLiteral("--help")}, runtime).out.contains(QStringLiteral("  print ")))
            QSKIP("durovid-cli is built without the print command");
        const QString declaration = SaveNewDeclaration(dir.filePath(QStringLiteral("decl.kv0")));
        SaveNewDeclaration(dir.filePath(QStringLiteral("held.kv0")));
        const QString table = TestFiles::Write(
            dir, QStringLiteral("soun1.dbf"),
            SounTable::Table({SounTable::Record(QStringLiteral("7701"), QStringLiteral("Инспекция"))}));
        QFile::remove(dir.filePath(QStringLiteral("link.pdf")));
        QVERIFY(QFile::link(declaration, dir.filePath(QStringLiteral("link.pdf"))));
        const auto path = [&](const QString& a) {
            if (a == QLatin1String("DECL")) return declaration;
            if (a == QLatin1String("./DECL")) return dir.path() + QStringLiteral("/./decl.kv0");
            if (a == QLatin1String("TABLE")) return table;
            return a.contains(QLatin1Char('.')) ? dir.filePath(a) : a;
        };
        for (QString& a : args)
            if (!a.startsWith(QLatin1String("--")) && &a != &args.first()) a = path(a);
        victim = path(victim);
        FileLock lock;
        if (held) QVERIFY(lock.Take(victim));
        const QByteArray before = FileBytes(victim);

        const CliRun run = Cli(args, runtime);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QCOMPARE(FileBytes(victim), before);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link.pdf"))).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestOutputGuard)
#include "tst_outputguard.moc"
