// The console over many returns: a folder of good, faulty, damaged and held declarations through every
// command, each file with its own result, in the order of the files, and the count of the results.
#include "cli/CliRun.h"
#include "records/NewDeclaration.h"
#include "storage/FileLock.h"
#include "storage/StorageErrors.h"
#include "support/TestFiles.h"
#include "support/ValidDeclaration.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <pty.h>
#include <unistd.h>

namespace {

// The blocks of standard output, each under its "==> FILE <==", by file name, in the order shown.
struct Blocks {
    QStringList Order;
    QMap<QString, QString> Text;
};

Blocks SplitBlocks(const QString& out) {
    Blocks blocks;
    QString current;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("==> ")) && line.endsWith(QLatin1String(" <=="))) {
            current = QFileInfo(line.mid(4, line.size() - 8)).fileName();
            blocks.Order << current;
            continue;
        }
        blocks.Text[current] += line + QLatin1Char('\n');
    }
    for (QString& text : blocks.Text)
        text = text.trimmed();
    return blocks;
}

QString Count(int files, int ok, int faults, int failed) {
    return QStringLiteral(
               "Итого файлов: %1; успешно: %2; с ошибками в декларации: %3; не удалось обработать: %4")
        .arg(files)
        .arg(ok)
        .arg(faults)
        .arg(failed);
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString returns;
    FileLock held;

    QString Save(const QString& name, mTDeclaration& d) {
        const QString path = QDir(returns).filePath(name);
        d.SaveToFile(path);
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        returns = dir.filePath(QStringLiteral("returns"));
        QDir().mkpath(returns + QStringLiteral("/sub"));
        Save(QStringLiteral("good.kv0"), *ValidDeclaration::Clean());
        Save(QStringLiteral("faulty.kv0"), *CreateNewDeclaration());
        TestFiles::Write(dir, QStringLiteral("returns/damaged.kv0"),
                         QByteArray("DLSG") + QByteArray(200, '\x7f'));
        // Held as the desktop program holds the declaration it has open.
        QVERIFY(held.Take(Save(QStringLiteral("held.kv0"), *ValidDeclaration::Clean())));
        Save(QStringLiteral("sub/deep.kv0"), *ValidDeclaration::Clean());
        TestFiles::Write(dir, QStringLiteral("returns/notes.txt"), "not a declaration");
    }

    // Every command over the folder: its own result for each file and the count of all.
    void eachFileOnItsOwn_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("good");   // the start of the good file's output
        QTest::addColumn<QString>("faulty"); // of the faulty one's output; empty: nothing on stdout
        QTest::addColumn<QString>("faultyMessage");
        QTest::addColumn<QString>("count");
        const QString fault = QStringLiteral("Задание условий: Не введен номер инспекции");
        QTest::newRow("check") << QStringList{"check"} << "Ошибок не найдено" << fault + " (position 1)"
                               << QString() << Count(4, 1, 1, 2);
        QTest::newRow("check --all") << QStringList{"check", "--all"} << "Ошибок не найдено"
                                     << fault + " (position 1)\n"
                                     << QString() << Count(4, 1, 1, 2);
        QTest::newRow("compute") << QStringList{"compute"} << "{"
                                 << "{" << QString() << Count(4, 2, 0, 2);
        QTest::newRow("explain") << QStringList{"explain", "--jobs", "1"}
                                 << "Расчёт налога на доходы физических лиц за 2010 год"
                                 << "Расчёт налога на доходы физических лиц за 2010 год" << QString()
                                 << Count(4, 2, 0, 2);
        QTest::newRow("export") << QStringList{"export", "--out", dir.filePath("xml"), "--date", "15.03.2011"}
                                << "NO_NDFL3_7701_7701_500100732259_20110315_"
                                << "NO_NDFL3___000000000000_20110315_" << QString() << Count(4, 2, 0, 2);
        // A return with faults is not printed.
        QTest::newRow("print") << QStringList{"print", "--out", dir.filePath("pdf")}
                               << QDir(dir.filePath("pdf")).filePath("good.pdf: страниц ") << QString()
                               << fault + " (position 1)" << Count(4, 1, 1, 2);
        QTest::newRow("summary") << QStringList{"summary"} << QString() << QString() << QString()
                                 << Count(4, 1, 1, 2);
    }
    void eachFileOnItsOwn() {
        QFETCH(QStringList, args);
        QFETCH(QString, good);
        QFETCH(QString, faulty);
        QFETCH(QString, faultyMessage);
        QFETCH(QString, count);
        QDir().mkpath(dir.filePath("xml"));
        QDir().mkpath(dir.filePath("pdf"));
        const CliRun r = RunCli(args + QStringList{returns});
        QCOMPARE(r.exitCode, 2);

        const QStringList err = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(err.last(), count);
        const QString damaged = QDir(returns).filePath("damaged.kv0: ");
        const QString held = QDir(returns).filePath("held.kv0");
        QVERIFY2(err.contains(damaged + StorageText::DamagedFile), qPrintable(r.err));
        QVERIFY2(err.contains(held + QStringLiteral(": ") + StorageText::HeldElsewhere(held)),
                 qPrintable(r.err));
        if (!faultyMessage.isEmpty())
            QVERIFY2(err.contains(QDir(returns).filePath("faulty.kv0: ") + faultyMessage), qPrintable(r.err));
        // Standard error is no terminal here: no progress line.
        QVERIFY(!r.err.contains(QStringLiteral("обработано")));

        if (args[0] == QLatin1String("summary")) {
            const QStringList lines = r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 3);
            QVERIFY(lines[1].startsWith(QDir(returns).filePath("faulty.kv0;")));
            QVERIFY(lines[2].startsWith(QDir(returns).filePath("good.kv0;")));
            return;
        }
        const Blocks blocks = SplitBlocks(r.out);
        const QStringList withOutput =
            faulty.isEmpty() ? QStringList{"good.kv0"} : QStringList{"faulty.kv0", "good.kv0"};
        QCOMPARE(blocks.Order, withOutput);
        QVERIFY2(blocks.Text["good.kv0"].startsWith(good), qPrintable(r.out));
        if (!faulty.isEmpty())
            QVERIFY2(blocks.Text["faulty.kv0"].startsWith(faulty.trimmed()), qPrintable(r.out));
    }

    // Subfolders only when asked; a folder without declarations is said to be one.
    void foldersAndFiles() {
        CliRun r = RunCli({"check", "--recursive", returns});
        QVERIFY2(r.err.endsWith(Count(5, 2, 1, 2) + '\n'), qPrintable(r.err));
        QVERIFY(SplitBlocks(r.out).Order.contains("deep.kv0"));

        // One file named alone is worked on as it always was: no heading, no count.
        r = RunCli({"check", QDir(returns).filePath("good.kv0")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("Ошибок не найдено\n"));
        QVERIFY(r.err.isEmpty());

        // Named twice, worked on once.
        const QString good = QDir(returns).filePath("good.kv0");
        r = RunCli({"check", good, good, QDir(returns).filePath("sub/../good.kv0")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.endsWith(Count(1, 1, 0, 0) + '\n'), qPrintable(r.err));

        const QString empty = dir.filePath("empty");
        QDir().mkpath(empty);
        r = RunCli({"compute", empty});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("В папке %1 нет файлов деклараций (.kv0)").arg(empty)),
                 qPrintable(r.err));
    }

    // Many files over several threads: each file's output is whole and in the order of the files.
    void inputOrderOverThreads() {
        const QString many = dir.filePath("many");
        QDir().mkpath(many);
        const QByteArray good = TestFiles::Read(QDir(returns).filePath("good.kv0"));
        const QByteArray faulty = TestFiles::Read(QDir(returns).filePath("faulty.kv0"));
        QStringList expected;
        for (int i = 0; i < 40; ++i) {
            const QString name = QStringLiteral("%1.kv0").arg(i, 3, 10, QLatin1Char('0'));
            TestFiles::Write(dir, "many/" + name, i % 3 == 0 ? faulty : good);
            expected << name;
        }
        const CliRun r = RunCli({"check", "--jobs", "4", many});
        QCOMPARE(r.exitCode, 1);
        const Blocks blocks = SplitBlocks(r.out);
        QCOMPARE(blocks.Order, expected);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(blocks.Text[expected[i]].startsWith(QStringLiteral("Ошибок не найдено")), i % 3 != 0);
        QVERIFY2(r.err.endsWith(Count(40, 26, 14, 0) + '\n'), qPrintable(r.err));
    }

    // Two returns of one taxpayer to one tax office on one day: two files, neither replacing the other.
    void outputNamesNeverCollide() {
        const QString twins = dir.filePath("twins");
        QDir().mkpath(twins + "/a");
        QDir().mkpath(twins + "/b");
        ValidDeclaration::Clean()->SaveToFile(twins + "/a/ivanov.kv0");
        ValidDeclaration::Clean()->SaveToFile(twins + "/b/ivanov.kv0");
        const QString xml = dir.filePath("twins-xml");
        QDir().mkpath(xml);
        CliRun r = RunCli({"export", "--recursive", twins, "--out", xml, "--date", "15.03.2011"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QDir(xml).entryList(QDir::Files).size(), 2);

        const QString pdf = dir.filePath("twins-pdf");
        QDir().mkpath(pdf);
        r = RunCli({"print", "--recursive", twins, "--out", pdf});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QDir(pdf).entryList(QDir::Files), (QStringList{"ivanov.pdf", "ivanov_2.pdf"}));

        // A fixed GUID or one output would give several returns one name.
        r = RunCli({"export", "--recursive", twins, "--out", xml, "--guid",
                    "{0f8fad5b-d9cb-469f-a165-70867728950e}"});
        QCOMPARE(r.exitCode, 2);
        r = RunCli({"print", "--recursive", twins, "--pdf", dir.filePath("one.pdf")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!QFile::exists(dir.filePath("one.pdf")));
    }

    // On a terminal, standard error shows how far the run has come, and the line goes when it ends.
    void progressOnATerminal() {
        const QString many = dir.filePath("thousand");
        QDir().mkpath(many);
        const QByteArray faulty = TestFiles::Read(QDir(returns).filePath("faulty.kv0"));
        for (int i = 0; i < 1000; ++i)
            TestFiles::Write(dir, QStringLiteral("thousand/%1.kv0").arg(i), faulty);
        int terminal = -1, child = -1;
        QVERIFY(openpty(&terminal, &child, nullptr, nullptr, nullptr) == 0);
        QProcess p;
        p.setChildProcessModifier([child] { dup2(child, STDERR_FILENO); });
        p.start(QStringLiteral(DUROVID_CLI), {"check", many});
        QVERIFY(p.waitForFinished(120000));
        ::close(child);
        QByteArray shown;
        char buffer[4096];
        for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
            shown.append(buffer, n);
        ::close(terminal);
        QCOMPARE(p.exitCode(), 1);
        const QString text = QString::fromUtf8(shown);
        QVERIFY2(text.contains(QStringLiteral("обработано 1\u00A0000 из 1\u00A0000")), qPrintable(text));
        QVERIFY(text.trimmed().endsWith(Count(1000, 0, 1000, 0)));
        QVERIFY(!p.readAllStandardOutput().contains("обработано"));
    }

    void badJobs_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("zero") << QStringList{"--jobs", "0"};
        QTest::newRow("not a number") << QStringList{"--jobs", "many"};
        QTest::newRow("missing") << QStringList{"--jobs"};
    }
    void badJobs() {
        QFETCH(QStringList, args);
        const CliRun r = RunCli(QStringList{"check", returns} + args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("После --jobs нужно число потоков")), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBatch)
#include "tst_batch.moc"
