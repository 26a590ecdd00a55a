// durovid-cli import-2ndfl CERT DECL: the taxpayer's income certificates loaded from the console.

#include "cli/CliRun.h"
#include "records/Declaration.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QString Fixture(const QString& name) {
    return QStringLiteral(DUROVID_FIXTURES "/certificates/") + name;
}

} // namespace

class TestImportCertificateCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString NewDeclaration(const QString& name) {
        const QString path = dir.filePath(name);
        if (RunCli({"new", path, "--force"}).exitCode != 0) qFatal("durovid-cli new failed");
        return path;
    }
    static mTStandartDeduct StandardOf(const QString& path) {
        mTDeclaration d;
        d.LoadFromFile(path);
        return d.StandardDeduction;
    }

private Q_SLOTS:
    // Added, then refused while the sources are there already, then replaced with the standard deductions.
    void addsThenReplaces() {
        const QString decl = NewDeclaration(QStringLiteral("two.kv0"));
        const QString cert = Fixture(QStringLiteral("two-employers.xml"));
        CliRun run = RunCli({"import-2ndfl", cert, decl});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(
            run.out.contains(QStringLiteral("Добавлено: ООО «Альфа» (ИНН 7701234567), ставка 13 %, 12 строк, "
                                            "доход 360 000,00, налог удержан 45 578\n")),
            qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("не применены")));
        QVERIFY(run.out.contains(QStringLiteral("  Число детей: 1\n")));
        QCOMPARE(StandardOf(decl).ChildrenCount, 0);

        const QByteArray before = TestFiles::Read(decl);
        run = RunCli({"import-2ndfl", cert, decl});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("--replace")), qPrintable(run.err));
        QCOMPARE(TestFiles::Read(decl), before);

        run = RunCli({"import-2ndfl", cert, decl, "--replace", "--apply-standard"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Заменено: ЗАО «Бета»")));
        QCOMPARE(StandardOf(decl).ChildrenCount, 1);
        mTDeclaration d;
        d.LoadFromFile(decl);
        QCOMPARE(d.IncomeSources13.Count(), 2);
    }

    // A file of several people: without telling whose certificates, nothing changes; with --inn they load.
    void whoseCertificates() {
        const QString decl = NewDeclaration(QStringLiteral("people.kv0"));
        const QString cert = Fixture(QStringLiteral("several-people.xml"));
        const QByteArray before = TestFiles::Read(decl);
        CliRun run = RunCli({"import-2ndfl", cert, decl});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(
            run.err.contains(QStringLiteral("Кузнецов Олег Петрович, дата рождения 07.08.1990, без ИНН")),
            qPrintable(run.err));
        QCOMPARE(TestFiles::Read(decl), before);

        run = RunCli({"import-2ndfl", cert, decl, "--inn", "695011112222"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("Добавлено: ООО «Гамма»")), qPrintable(run.out));
        QCOMPARE(RunCli({"import-2ndfl", cert, decl, "--inn"}).exitCode, 2);
    }

    void badFileChangesNothing() {
        const QString decl = NewDeclaration(QStringLiteral("bad.kv0"));
        const QByteArray before = TestFiles::Read(decl);
        const CliRun run =
            RunCli({"import-2ndfl", TestFiles::Write(dir, "bad.xml", "<Файл><Документ>"), decl});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("поврежден")), qPrintable(run.err));
        QCOMPARE(TestFiles::Read(decl), before);
    }
};

QTEST_GUILESS_MAIN(TestImportCertificateCommand)
#include "tst_importcertificatecommand.moc"
