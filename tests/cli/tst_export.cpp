// durovid-cli export as a user runs it.
#include "storage/CodePage.h"
#include "support/Samples.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCliExport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString declaration;

    struct Run {
        int exitCode;
        QByteArray out, err;
    };

    static Run Cli(const QStringList& args, const QString& workingDir = QString()) {
        QProcess p;
        if (!workingDir.isEmpty()) p.setWorkingDirectory(workingDir);
        p.start(QStringLiteral(DUROVID_CLI), QStringList{QStringLiteral("export")} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    const QStringList stamp{QStringLiteral("--date"), QStringLiteral("15.03.2011"), QStringLiteral("--guid"),
                            QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}")};
    const QString fileName =
        QStringLiteral("NO_NDFL3_7701_7701_500100732259_20110315_0F8FAD5B-D9CB-469F-A165-70867728950E.xml");

private slots:
    void initTestCase() {
        mTDeclaration d;
        Samples::FillWithSources(d, 3);
        d.InspectionCode = QStringLiteral("7701");
        d.Person.INN = QStringLiteral("500100732259");
        declaration = dir.filePath(QStringLiteral("return.kv0"));
        d.SaveToFile(declaration);
    }

    void fileInFolderAndTextAgree() {
        const QString out = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(out);
        const Run file = Cli(QStringList{declaration, QStringLiteral("--out"), out} + stamp);
        QCOMPARE(file.exitCode, 0);
        QCOMPARE(file.out, fileName.toUtf8() + '\n');
        QFile written(QDir(out).filePath(fileName));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();

        const Run text = Cli(QStringList{declaration, QStringLiteral("--stdout")} + stamp);
        QCOMPARE(text.exitCode, 0);
        QCOMPARE(text.out, bytes);
        QVERIFY(text.out.contains(CodePage::ToCp1251(QStringLiteral("Фамилия=\"СИДОРОВ\""))));
    }

    void currentFolderByDefault() {
        const QString here = dir.filePath(QStringLiteral("here"));
        QDir().mkpath(here);
        const Run run = Cli(QStringList{declaration} + stamp, here);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFile::exists(QDir(here).filePath(fileName)));
    }

    void failedWriteIsReported() {
        const Run run =
            Cli({declaration, QStringLiteral("--out"), dir.filePath(QStringLiteral("no/such/folder"))});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        // What happened and to which file, not a fault of the program.
        QVERIFY(run.err.contains(QStringLiteral("Не удалось записать файл %1/")
                                     .arg(dir.filePath(QStringLiteral("no/such/folder")))
                                     .toUtf8()));
        QVERIFY(!run.err.contains(QStringLiteral("свяжитесь с разработчиками").toUtf8()));
        QVERIFY(run.err.contains(QStringLiteral("Ошибка записи. Файл не сформирован.").toUtf8()));
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no file") << QStringList{QStringLiteral("--stdout")};
        QTest::newRow("folder and text") << QStringList{QStringLiteral("a.kv0"), QStringLiteral("--out"),
                                                        QStringLiteral("."), QStringLiteral("--stdout")};
        QTest::newRow("bad date") << QStringList{QStringLiteral("a.kv0"), QStringLiteral("--date"),
                                                 QStringLiteral("31.02.2011")};
        QTest::newRow("bad GUID") << QStringList{QStringLiteral("a.kv0"), QStringLiteral("--guid"),
                                                 QStringLiteral("not-a-guid")};
        QTest::newRow("missing value") << QStringList{QStringLiteral("a.kv0"), QStringLiteral("--out")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("a.kv0"), QStringLiteral("--xml")};
    }

    void badArguments() {
        QFETCH(QStringList, args);
        const Run run = Cli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("durovid-cli export"));
    }

    void missingDeclaration() {
        const Run run = Cli({dir.filePath(QStringLiteral("absent.kv0")), QStringLiteral("--stdout")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(run.out, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCliExport)
#include "tst_export.moc"
