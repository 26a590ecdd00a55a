#include "checks/CheckResult.h"
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
        QCOMPARE(r.out, QStringLiteral("Задание условий: Не введен номер инспекции (position 1)\n"
                                       "Предупреждения:\n"
                                       "Сведения о декларанте: Дата рождения 01.01.1977 осталась той, что "
                                       "программа ставит сама. Проверьте её. (position 11)\n"));
    }

    // Warnings follow the faults and never change the exit code.
    void warningsKeepTheExitCode() {
        auto d = ValidDeclaration::Clean();
        d->Person.DocIssueDate = DateValue::FromYmd(1990, 1, 1);
        const Run r = Cli({"check", "--all", Save("warned.kv0", *d)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out,
                 QStringLiteral("Ошибок не найдено\n"
                                "Предупреждения:\n"
                                "Сведения о декларанте: Дата выдачи документа, удостоверяющего личность, "
                                "01.01.1990 осталась той, что программа ставит сама. Проверьте её. "
                                "(position 7)\n"));
    }

    // After "Отмена" the conditions section goes on with its next rule.
    void everyShownFaultIsPrinted() {
        auto d = CreateNewDeclaration();
        d->SignerKind = 2;
        const Run r = Cli({"check", Save("representative.kv0", *d)});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.startsWith(
            QStringLiteral("Задание условий: Не введен номер инспекции (position 1)\n"
                           "Задание условий: Не указаны ФИО подписанта-представителя (position 3)\n"
                           "Задание условий: Не указан документ, подтверждающий полномочия "
                           "представителя (position 4)\n"
                           "Задание условий: Не указано наименование Юр.лица-представителя (position 5)\n"
                           "Предупреждения:\n")));
    }

    void cleanDeclarationSaysSo_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("check") << QStringList{};
        QTest::newRow("check --all") << QStringList{"--all"};
    }
    void cleanDeclarationSaysSo() {
        QFETCH(QStringList, options);
        auto d = ValidDeclaration::Clean();
        const Run r = Cli(QStringList{"check", Save("clean.kv0", *d)} + options);
        QCOMPARE(r.out, QStringLiteral("Ошибок не найдено\n"));
        QCOMPARE(r.exitCode, 0);
    }

    // Faults in three sections: the check stops at the first section, --all lists every one.
    void allListsEveryFault() {
        auto d = ValidDeclaration()
                     .Inspection(QString())
                     .Name(QString(), QStringLiteral("Иван"), QStringLiteral("Иванович"))
                     .Source13(Money::FromUnits(1000), Money::FromUnits(13000))
                     .Take();
        const QString file = Save("three.kv0", *d);
        const QString first = QStringLiteral("Задание условий: Не введен номер инспекции (position 1)\n");
        Run r = Cli({"check", file});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.startsWith(first));
        r = Cli({"check", "--all", file});
        QCOMPARE(r.exitCode, 1);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0] + '\n', first);
        QVERIFY2(lines[1].startsWith(QStringLiteral("Сведения о декларанте: ")), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith(CheckTitle::Income13 + QStringLiteral(": ")), qPrintable(lines[2]));
    }

    void fileErrorsExitTwo() {
        Run r = Cli({"check", dir.filePath("absent.kv0")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
        r = Cli({"check"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("durovid-cli check FILE… [--all]"));
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
