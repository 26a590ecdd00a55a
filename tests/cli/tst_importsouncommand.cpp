#include "reference/SounImport.h"

#include "cli/CliRun.h"
#include "support/SounTable.h"
#include "support/TestFiles.h"
#include <QDate>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// durovid-cli import-soun TABLE OUT: the directory import from the console.
class TestImportSounCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static int Cli(const QStringList& args, QString* err = nullptr) {
        const CliRun run = RunCli(args);
        if (err) *err = run.err;
        return run.exitCode;
    }
    QString Write(const QString& name, const QByteArray& bytes) { return TestFiles::Write(dir, name, bytes); }

    static QByteArray Table(int records, int lastLength = SounImport::RecordLength) {
        QList<QByteArray> rows;
        for (int i = 0; i < records; ++i)
            rows << SounTable::Record(QString::number(7701 + i), QStringLiteral("Инспекция"))
                        .left(i + 1 == records ? lastLength : SounImport::RecordLength);
        return SounTable::Table(rows);
    }

private Q_SLOTS:
    void importsWithTodaysDate() {
        const QString out = dir.filePath("InspectionNumbers.xml");
        QCOMPARE(Cli({"import-soun", Write("soun1.dbf", Table(2)), out}), 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const QByteArray date = QDate::currentDate().toString("dd.MM.yyyy").toLatin1();
        QVERIFY(bytes.contains("<Inspections Version=\"00\" Date=\"" + date + "\">"));
        QVERIFY(
            bytes.contains("<Inspection Code=\"7702\">\xc8\xed\xf1\xef\xe5\xea\xf6\xe8\xff</Inspection>"));
    }

    void shortRecordFailsAndKeepsTheOldFile() {
        const QString out = Write("keep.xml", "old");
        const QString table = Write("short.dbf", Table(2, 100));
        QString err;
        QCOMPARE(Cli({"import-soun", table, out}, &err), 2);
        QVERIFY(err.contains("Error read file:" + table));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestImportSounCommand)
#include "tst_importsouncommand.moc"
