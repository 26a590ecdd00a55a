#include "cli/CliRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <memory>
#include <vector>

// durovid-cli import-rates and generate-reference, as a user runs them.
class TestImportRatesCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) { return TestFiles::Write(dir, name, bytes); }

private Q_SLOTS:
    void importsAndReports() {
        const QString into = dir.filePath("CurrencyRates.xml");
        const QString table = Write("usd.csv", "code;letter;quantity;name;date;rate\n"
                                               "840;USD;1;Доллар США;01.01.2010;30.1851\n");
        const QString history =
            Write("usd.xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                             "<ValCurs ID=\"R01235\"><Record Date=\"01.01.2010\" Id=\"R01235\">"
                             "<Nominal>1</Nominal><Value>30,1900</Value></Record></ValCurs>\n");
        CliRun run = RunCli({"import-rates", table, "--into", into});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("Добавлена валюта 840 «Доллар США», курс за 1 ед."), qPrintable(run.out));
        QVERIFY(run.out.contains("Курсы загружены в файл " + into));
        QVERIFY(TestFiles::Read(into).contains("<Rate Date=\"01.01.2010\" Rate=\"30.1851\" />"));

        run = RunCli({"import-rates", "--currency", "840", history, "--into", into});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("Курс валюты 840 на 01.01.2010 заменён: 30.1851 → 30.1900"),
                 qPrintable(run.out));
    }

    void failuresKeepTheFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QStringList into{"--into", "keep.xml"};
        QTest::newRow("no input") << QStringList{"import-rates"} + into
                                  << "Использование: durovid-cli import-rates";
        QTest::newRow("--into without a file")
            << QStringList{"import-rates", "bad.csv", "--into"} << "Использование: durovid-cli import-rates";
        QTest::newRow("unknown option") << QStringList{"import-rates", "bad.csv", "--force"} + into
                                        << "Использование: durovid-cli import-rates";
        QTest::newRow("a currency that is no code")
            << QStringList{"import-rates", "bad.csv", "--currency", "USD"} + into
            << "Код валюты должен состоять из трёх цифр";
        QTest::newRow("a missing input")
            << QStringList{"import-rates", "absent.xml"} + into << "Загрузить курсы не удалось, файл ";
        QTest::newRow("a malformed table")
            << QStringList{"import-rates", "bad.csv"} + into << "bad.csv: строка 2: неверный курс";
    }
    void failuresKeepTheFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        Write("bad.csv", "code;letter;quantity;name;date;rate\n840;USD;1;Доллар США;01.01.2010;-1\n");
        const QString into = Write("keep.xml", "<CurrencyRates/>");
        for (QString& a : args)
            if (a.endsWith(".xml") || a.endsWith(".csv")) a = dir.filePath(a);
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(TestFiles::Read(into), QByteArray("<CurrencyRates/>"));
    }

    // Imports into one file at the same time each land whole: none is lost, none reports a success it
    // did not have.
    void concurrentImportsAllLand() {
        const QString into = dir.filePath("shared.xml");
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < 20; ++i) {
            const QString table =
                Write(QStringLiteral("c%1.csv").arg(i), QStringLiteral("code;letter;quantity;name;date;rate\n"
                                                                       "%1;X%2;1;Валюта %2;01.01.2010;1.5\n")
                                                            .arg(901 + i)
                                                            .arg(i)
                                                            .toUtf8());
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->start(QStringLiteral(DUROVID_CLI), {"import-rates", table, "--into", into});
        }
        for (const auto& run : runs) {
            QVERIFY(run->waitForFinished(120000));
            QCOMPARE(run->exitCode(), 0);
        }
        const QByteArray file = TestFiles::Read(into);
        for (int i = 0; i < 20; ++i)
            QVERIFY2(file.contains(QStringLiteral("Code=\"%1\"").arg(901 + i).toLatin1()), file.constData());
    }

    void generatesTheDeliveredFiles() {
        const QString out = dir.filePath("generated");
        QDir().mkpath(out);
        QCOMPARE(RunCli({"generate-reference", DUROVID_SOURCE_DIR "/data/sources", out}).exitCode, 0);
        for (const char* file : {"InspectionNumbers.xml", "Sp_OKVED2.xml", "CurrencyRates.xml"})
            QVERIFY2(TestFiles::Read(QDir(out).filePath(file)) ==
                         TestFiles::Read(DUROVID_SOURCE_DIR "/data/" + QString(file)),
                     file);
        QCOMPARE(RunCli({"generate-reference", dir.filePath("absent"), out}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestImportRatesCommand)
#include "tst_importratescommand.moc"
