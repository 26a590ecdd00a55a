#include "cli/CliRun.h"
#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "support/ValidDeclaration.h"

#include <QTemporaryDir>
#include <QTest>

// durovid-cli check: every fault the check shows, one per line, with the console answering "Отмена".
class TestCheckCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    using Run = CliRun;
    static Run Cli(const QStringList& args) { return RunCli(args); }

    QString Save(const QString& name, mTDeclaration& d) {
        const QString path = dir.filePath(name);
        d.SaveToFile(path);
        return path;
    }

private Q_SLOTS:
    void newDeclarationShowsTheInspection() {
        auto d = CreateNewDeclaration();
        const Run r = Cli({"check", Save("new.kv0", *d)});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringLiteral("Задание условий: Не введен номер инспекции (position 1)\n"));
    }

    // After "Отмена" the conditions section goes on with its next rule.
    void everyShownFaultIsPrinted() {
        auto d = CreateNewDeclaration();
        d->SignerKind = 2;
        const Run r = Cli({"check", Save("representative.kv0", *d)});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringLiteral(
                            "Задание условий: Не введен номер инспекции (position 1)\n"
                            "Задание условий: Не указаны ФИО подписанта-представителя (position 3)\n"
                            "Задание условий: Не указан документ, подтверждающий полномочия "
                            "представителя (position 4)\n"
                            "Задание условий: Не указано наименование Юр.лица-представителя (position 5)\n"));
    }

    void cleanDeclarationExitsZero() {
        auto d = ValidDeclaration::Clean();
        const Run r = Cli({"check", Save("clean.kv0", *d)});
        QCOMPARE(r.out, QString());
        QCOMPARE(r.exitCode, 0);
    }

    void fileErrorsExitTwo() {
        Run r = Cli({"check", dir.filePath("absent.kv0")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
        r = Cli({"check"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("durovid-cli check FILE"));
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
