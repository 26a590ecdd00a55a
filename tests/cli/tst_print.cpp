#include "cli/CliRun.h"
#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "support/ValidDeclaration.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// durovid-cli print: the return on the form's pages into a PDF, without a display, after the
// whole-declaration check.
class TestPrintCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    static inline QTemporaryDir runtime; // the session folder a desktop would give; Qt warns without one

    using Run = CliRun;
    static Run Cli(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY")); // as on a server
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        return RunCli(args, env);
    }

    QString Save(const QString& name, mTDeclaration& d) {
        const QString path = dir.filePath(name);
        d.SaveToFile(path);
        return path;
    }

    static QString PdfText(const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
    }

private Q_SLOTS:
    void initTestCase() {
        // A build without the desktop program has no print command.
        if (!Cli({QStringLiteral("--help")}).out.contains(QStringLiteral("  print ")))
            QSKIP("durovid-cli is built without the print command");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: install poppler-utils (scripts/deps.sh)");
    }

    void cleanDeclarationIsPrinted() {
        auto d = ValidDeclaration::Clean();
        const QString pdf = dir.filePath(QStringLiteral("clean.pdf"));
        const Run r = Cli({"print", Save("clean.kv0", *d), "--pdf", pdf, "--date", "20.04.2011"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, pdf + QStringLiteral(": страниц 6\n"));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        // The document date is the one asked for; the taxpayer's ИНН and tax office are on the pages.
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("20.04.2011")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("500100732259")));
        QVERIFY(text.contains(QStringLiteral("7701")));
        QVERIFY(text.contains(QStringLiteral("ИВАНОВ")));
    }

    // Like the desktop program, the console prints no return that fails the check.
    void faultsRefuseThePrint() {
        auto d = CreateNewDeclaration();
        const QString file = Save("faulty.kv0", *d);
        const QString pdf = dir.filePath(QStringLiteral("faulty.pdf"));
        Run r = Cli({"print", file, "--pdf", pdf});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Задание условий: Не введен номер инспекции (position 1)\n"));
        QVERIFY(!QFile::exists(pdf));

        r = Cli({"print", file, "--pdf", pdf, "--no-check"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(pdf));
    }

    void usageAndFileErrorsExitTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString file = dir.filePath(QStringLiteral("any.kv0"));
        const QString usage = QStringLiteral("durovid-cli print FILE… (--pdf OUT.pdf | --out DIR)");
        QTest::newRow("no PDF") << QStringList{"print", file} << usage;
        QTest::newRow("no file") << QStringList{"print", "--pdf", "x.pdf"} << usage;
        QTest::newRow("bad date") << QStringList{"print", file, "--pdf", "x.pdf", "--date", "2011-04-20"}
                                  << QStringLiteral("Неправильная дата: 2011-04-20");
        QTest::newRow("missing file")
            << QStringList{"print", dir.filePath("absent.kv0"), "--pdf", "x.pdf"} << QString();
        QTest::newRow("folder not there")
            << QStringList{"print", "--no-check", "CLEAN", "--pdf", dir.filePath("no/such/dir/x.pdf")}
            << QStringLiteral("Не удалось записать файл");
    }
    void usageAndFileErrorsExitTwo() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        if (args.contains(QStringLiteral("CLEAN"))) {
            auto d = ValidDeclaration::Clean();
            args.replace(args.indexOf(QStringLiteral("CLEAN")), Save("clean2.kv0", *d));
        }
        const Run r = Cli(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message) && !r.err.isEmpty(), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestPrintCommand)
#include "tst_print.moc"
