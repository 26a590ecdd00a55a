#include "computation/SvodSum.h"
#include "computation/WorkedExamples.h"
#include "records/NewDeclaration.h"
#include "cli/CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The console's output as text.
// The employee with a flat: all of the 78 000 withheld comes back.
QString SavedFlat(const QTemporaryDir& dir, quint32 shareDenominator = 1) {
    const QString file = dir.filePath(QStringLiteral("flat.kv0"));
    auto declaration = CreateNewDeclaration();
    WorkedExample::Employee(*declaration);
    WorkedExample::FlatBoughtIn2010(*declaration);
    declaration->PropertyDeduction.ShareDenominator = qint32(shareDenominator);
    declaration->SaveToFile(file);
    return file;
}

// Depth first, the first step whose results name the field.
QJsonObject StepWithResult(const QJsonObject& step, const QString& result) {
    if (step[QStringLiteral("results")].toArray().contains(result)) return step;
    for (const QJsonValue& child : step[QStringLiteral("steps")].toArray()) {
        const QJsonObject found = StepWithResult(child.toObject(), result);
        if (!found.isEmpty()) return found;
    }
    return {};
}

} // namespace

class TestExplainCommand : public QObject {
    Q_OBJECT

private slots:
    void textForTheTaxpayer();
    void jsonWithStableKeys();
    void usageAndFileErrors();
    void failedComputationExitsWithFaults();
};

void TestExplainCommand::textForTheTaxpayer() {
    QTemporaryDir dir;
    const CliRun run = RunCli({QStringLiteral("explain"), SavedFlat(dir)});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Налог по ставке 13 %")));
    // The refund, its reason and where it goes.
    QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("  К возврату из бюджета .")) &&
               line.endsWith(QStringLiteral(" 78 000,00"));
    }));
    QVERIFY(run.out.contains(QStringLiteral("= уплачено 78 000,00 − налог 0,00 = 78 000,00")));
    QVERIFY(run.out.contains(
        QStringLiteral("= меньшее из: стоимость 3 000 000,00 и предел 2 000 000,00 = 2 000 000,00")));
    QVERIFY(run.out.contains(QStringLiteral("К возврату: КБК 18210102010011000110, ОКАТО 45293594000")));
}

void TestExplainCommand::jsonWithStableKeys() {
    QTemporaryDir dir;
    const CliRun run = RunCli({QStringLiteral("explain"), SavedFlat(dir), QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(json[QStringLiteral("computed")].toBool(), true);
    QCOMPARE(json[QStringLiteral("error")].toString(), QString());
    const QJsonObject root = json[QStringLiteral("root")].toObject();
    QCOMPARE(root[QStringLiteral("title")].toString(),
             QStringLiteral("Расчёт налога на доходы физических лиц за 2010 год"));
    QVERIFY(root[QStringLiteral("amount")].isNull());

    // Amounts are decimal text; a record is named by section, record, line and field.
    const QJsonObject refund = StepWithResult(root, QStringLiteral("List1.Refundable"));
    QCOMPARE(refund[QStringLiteral("amount")].toString(), QStringLiteral("78000"));
    QCOMPARE(refund[QStringLiteral("operation")].toString(), QStringLiteral("sum"));
    QVERIFY(refund[QStringLiteral("rule")].toString().contains(QStringLiteral("ст. 78")));
    const QJsonObject income = StepWithResult(root, QStringLiteral("PrilA13.IncomeTotal"));
    const QJsonObject source = income[QStringLiteral("steps")].toArray().first().toObject();
    const QJsonObject january = source[QStringLiteral("inputs")].toArray().first().toObject();
    QCOMPARE(january[QStringLiteral("label")].toString(), QStringLiteral("январь"));
    QCOMPARE(january[QStringLiteral("amount")].toString(), QStringLiteral("50000"));
    const QJsonObject record = january[QStringLiteral("record")].toObject();
    QCOMPARE(record[QStringLiteral("section")].toString(), QStringLiteral("IncomeSources13"));
    QCOMPARE(record[QStringLiteral("record")].toInt(), 1);
    QCOMPARE(record[QStringLiteral("line")].toInt(), 1);
    QCOMPARE(record[QStringLiteral("field")].toString(), QStringLiteral("IncomeAmount"));
    // An input taken from another step names that step's id.
    const QJsonObject base = StepWithResult(root, QStringLiteral("List1.TaxBase"));
    const QJsonArray inputs = base[QStringLiteral("inputs")].toArray();
    QCOMPARE(inputs.size(), 2);
    QVERIFY(inputs[1].toObject()[QStringLiteral("minus")].toBool());
    QVERIFY(inputs[1].toObject()[QStringLiteral("step")].toInt() > 0);
}

void TestExplainCommand::usageAndFileErrors() {
    QTemporaryDir dir;
    QCOMPARE(RunCli({QStringLiteral("explain")}).exitCode, 2);
    QCOMPARE(RunCli({QStringLiteral("explain"), SavedFlat(dir), QStringLiteral("--xml")}).exitCode, 2);
    const CliRun missing = RunCli({QStringLiteral("explain"), QStringLiteral("/nonexistent/decl.kv0")});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(!missing.err.isEmpty());
}

void TestExplainCommand::failedComputationExitsWithFaults() {
    // A damaged file with a share of 1/0 stops the computation: the message goes to stderr and what
    // was computed before the failure is still explained.
    QTemporaryDir dir;
    const CliRun run = RunCli({QStringLiteral("explain"), SavedFlat(dir, 0)});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.trimmed(), kTSvodSum::FailureMessage);
    QVERIFY(run.out.startsWith(QStringLiteral("Расчёт налога на доходы физических лиц за 2010 год")));
}

QTEST_GUILESS_MAIN(TestExplainCommand)
#include "tst_explaincommand.moc"
