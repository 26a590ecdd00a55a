#include "records/Declaration.h"
#include "cli/CliRun.h"
#include "support/Samples.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestComputeCommand : public QObject {
    Q_OBJECT

private slots:
    void printsEveryResultObject();
    void usageAndFileErrors();
};

void TestComputeCommand::printsEveryResultObject() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("decl.kv0"));
    {
        mTDeclaration declaration;
        declaration.SetIncomeKinds(IncomeRussia);
        declaration.Person.OKATO = QStringLiteral("45000000000");
        mTThirteenPercent& source = *declaration.IncomeSources13.At(declaration.IncomeSources13.Add());
        source.SourceOKATO = QStringLiteral("46000000000");
        source.SourceName = QStringLiteral("ООО «Ромашка»");
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = Samples::M("150000.25");
        source.AddLine(line);
        declaration.SocialDeduction.GrantSocial = 1;
        declaration.SocialDeduction.AddChildEducation(Samples::M("60000"));
        declaration.SaveToFile(file);
    }
    const CliRun run = RunCli({QStringLiteral("compute"), file});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(run.out));
    QCOMPARE(json["Compute"].toBool(false), true);
    QCOMPARE(json["Okato13"].toString(), QStringLiteral("46000000000"));
    QCOMPARE(json["Okato35"].toString(), QStringLiteral("45000000000"));
    QCOMPARE(json["PrilA13"]["IncomeTotal"].toString(), QStringLiteral("150000.25"));
    QCOMPARE(json["PrilE2"]["ChildEducationTotal"].toString(), QStringLiteral("50000"));
    QVERIFY(json["List6"]["Rows"].isArray());
    QVERIFY(json["PrilJ"].isObject());
}

void TestComputeCommand::usageAndFileErrors() {
    QCOMPARE(RunCli({QStringLiteral("compute")}).exitCode, 2);
    const CliRun missing = RunCli({QStringLiteral("compute"), QStringLiteral("/nonexistent/decl.kv0")});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(!missing.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestComputeCommand)
#include "tst_compute.moc"
