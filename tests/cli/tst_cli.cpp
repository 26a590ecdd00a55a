#include "support/Samples.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

// durovid-cli as a user runs it.
class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    struct Run {
        int exitCode;
        QByteArray out, err;
    };

    static Run Cli(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(DUROVID_CLI), args);
        p.waitForFinished(60000);
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

private Q_SLOTS:
    void newThenDump() {
        const QString path = dir.filePath(QStringLiteral("new.kv0"));
        QCOMPARE(Cli({QStringLiteral("new"), path}).exitCode, 0);
        const Run dump = Cli({QStringLiteral("dump"), path});
        QCOMPARE(dump.exitCode, 0);
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(dump.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(json[QStringLiteral("IncomeKinds")].toInt(), 1);
        QCOMPARE(json[QStringLiteral("AutoSheetCount")].toInt(), 1);
        QCOMPARE(json[QStringLiteral("SignDate")].toString(),
                 QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        QCOMPARE(json[QStringLiteral("Person")].toObject()[QStringLiteral("CountryName")].toString(),
                 QStringLiteral("РОССИЯ"));
    }

    // A declaration is never replaced by an empty one unless the user says so.
    void newKeepsAnExistingFile() {
        const QString path = dir.filePath(QStringLiteral("kept.kv0"));
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("filled");
        existing.close();
        Run run = Cli({QStringLiteral("new"), path});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(QStringLiteral("уже существует")), run.err.constData());
        QVERIFY(QString::fromUtf8(run.err).contains(QStringLiteral("--force")));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("filled"));
        existing.close();
        run = Cli({QStringLiteral("new"), path, QStringLiteral("--force")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(Cli({QStringLiteral("dump"), path}).exitCode, 0);
    }

    void version() {
        const Run run = Cli({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^durovid-cli \\(Durovid 2010\\) \\d+\\.\\d+\\.\\d+\n$"))
                     .match(QString::fromUtf8(run.out))
                     .hasMatch(),
                 run.out.constData());
    }

    void dumpShowsEveryRecord() {
        const QString path = dir.filePath(QStringLiteral("full.kv0"));
        mTDeclaration d;
        Samples::FillEverything(d);
        d.SaveToFile(path);
        const Run dump = Cli({QStringLiteral("dump"), path});
        QCOMPARE(dump.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(dump.out).object();
        QCOMPARE(json[QStringLiteral("SignDate")].toString(), QStringLiteral("01.01.2011 10:50:57"));
        QCOMPARE(json[QStringLiteral("FixedAdvancePayments")].toString(), QStringLiteral("-12.3456"));
        const QJsonObject source = json[QStringLiteral("IncomeSources13NR")].toArray()[1].toObject();
        QCOMPARE(source[QStringLiteral("IncomeTotal")].toString(), QStringLiteral("99999.9999"));
        QCOMPARE(source[QStringLiteral("Lines")].toArray().size(), 3);
        QCOMPARE(source[QStringLiteral("MonthValues")].toArray()[1], QJsonValue());
        QCOMPARE(json[QStringLiteral("TaxPayments")]
                     .toArray()[2]
                     .toObject()[QStringLiteral("PaymentKBK")]
                     .toString(),
                 QStringLiteral("18210102021011000110"));
        QCOMPARE(json[QStringLiteral("SocialDeduction")]
                     .toObject()[QStringLiteral("PensionContracts")]
                     .toArray()
                     .size(),
                 2);
    }

    void errors_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged") << QByteArray("XLSG0000")
                                 << "Неправильный формат файла декларации, возможно он поврежден.\n";
        QTest::newRow("bad value")
            << QByteArray("DLSG            "
                          "Zizo20100102FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0009@DeclInfo0000000000010001x")
            << "Неправильный формат файла декларации, возможно он поврежден.\n";
    }
    void errors() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = dir.filePath(QStringLiteral("bad.kv0"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const Run dump = Cli({QStringLiteral("dump"), path});
        QCOMPARE(dump.exitCode, 2);
        QCOMPARE(QString::fromUtf8(dump.err), message);
        QVERIFY(dump.out.isEmpty());
        QCOMPARE(Cli({QStringLiteral("dump")}).exitCode, 2);
        QCOMPARE(Cli({QStringLiteral("nonsense")}).exitCode, 2);
    }

    // A FIFO named as a declaration or a table: every command ends at once with a message.
    void aFifoIsRefusedByEveryCommand_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString notAFile = QStringLiteral("это не обычный файл (папка, канал или устройство)");
        QTest::newRow("dump") << QStringList{"dump", "FIFO"} << "Ошибка чтения файла: FIFO\n" + notAFile;
        QTest::newRow("export") << QStringList{"export", "FIFO", "--stdout"}
                                << "Ошибка чтения файла: FIFO\n" + notAFile;
        QTest::newRow("new over it") << QStringList{"new", "FIFO", "--force"}
                                     << "Ошибка записи файла: FIFO\n" + notAFile;
        QTest::newRow("import-soun") << QStringList{"import-soun", "FIFO", "out.xml"}
                                     << "Не удалось открыть файл FIFO: " + notAFile;
    }

    void aFifoIsRefusedByEveryCommand() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        if (!QFileInfo::exists(fifo)) QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        args.replaceInStrings(QStringLiteral("FIFO"), fifo);
        args.replaceInStrings(QStringLiteral("out.xml"), dir.filePath(QStringLiteral("out.xml")));
        QElapsedTimer timer;
        timer.start();
        const Run run = Cli(args);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(QString::fromUtf8(run.err).startsWith(message.replace(QStringLiteral("FIFO"), fifo)),
                 run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
