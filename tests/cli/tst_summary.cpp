// durovid-cli summary: one line per return with the columns an accountant sums up, for the worked
// examples; the table read back as a spreadsheet program reads it.
#include "cli/CliRun.h"
#include "computation/WorkedExamples.h"
#include "reference/SemicolonCsv.h"
#include "storage/CodePage.h"
#include "support/TestFiles.h"
#include "support/ValidDeclaration.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Columns{"Файл",
                          "Вид декларации",
                          "Номер корректировки",
                          "Фамилия и инициалы",
                          "ИНН",
                          "Налоговый орган",
                          "Доход по ставке 13 %",
                          "Доход по ставке 30 %",
                          "Доход по ставке 35 %",
                          "Доход по ставке 9 %",
                          "Доход по ставке 15 %",
                          "Налог исчисленный",
                          "Налог удержанный",
                          "К уплате",
                          "К возврату",
                          "Ошибок проверки",
                          "Первая ошибка"};

} // namespace

class TestSummary : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString returns;
    QMap<QString, QStringList> lines; // the table's cells from the kind on, by file

    void Save(const QString& name, mTDeclaration& d) { d.SaveToFile(QDir(returns).filePath(name)); }

private Q_SLOTS:
    void initTestCase() {
        returns = dir.filePath(QStringLiteral("returns"));
        QDir().mkpath(returns);
        {
            auto d =
                ValidDeclaration()
                    .Inspection(QStringLiteral("7705"))
                    .Name(QStringLiteral("Смирнова"), QStringLiteral("Анна"), QStringLiteral("Сергеевна"))
                    .Take();
            WorkedExample::Employee(*d);
            WorkedExample::FlatBoughtIn2010(*d);
            Save(QStringLiteral("1-flat.kv0"), *d);
        }
        {
            auto d = ValidDeclaration().Take();
            WorkedExample::CarSoldWithinThreeYears(*d);
            d->CorrectionNumber = 2;
            Save(QStringLiteral("2-car.kv0"), *d);
        }
        {
            auto d = ValidDeclaration().Inn(QString()).Take();
            WorkedExample::NonResident(*d);
            Save(QStringLiteral("3-nonresident.kv0"), *d);
        }
        {
            auto d = ValidDeclaration().Take();
            WorkedExample::Entrepreneur(*d);
            Save(QStringLiteral("4-entrepreneur.kv0"), *d);
        }
        {
            auto d = ValidDeclaration().Take();
            d->ReturnKind = ReturnKind4NDFL;
            d->EstimatedIncome = Money::FromUnits(150000);
            Save(QStringLiteral("5-estimated.kv0"), *d);
        }
        {
            // A name from outside that a spreadsheet program would take for a formula.
            auto d = ValidDeclaration()
                         .Name(QStringLiteral("=HYPERLINK(\"http://x\";\"Иванов\")"), QStringLiteral("Иван"),
                               QString())
                         .Take();
            Save(QStringLiteral("6-formula.kv0"), *d);
        }

        const QString csv = dir.filePath(QStringLiteral("summary.csv"));
        const CliRun r = RunCli({"summary", returns, "--csv", csv});
        QCOMPARE(r.exitCode, 1); // the flat's return has a fault
        QVERIFY(r.out.isEmpty());
        const QByteArray bytes = TestFiles::Read(csv);
        QVERIFY(bytes.startsWith(CodePage::ToCp1251(QStringLiteral("Файл;"))));
        SemicolonCsv table;
        QVERIFY2(table.Parse(CodePage::FromCp1251(bytes).toUtf8(), Columns), qPrintable(table.ErrorString()));
        QCOMPARE(table.Rows().size(), 6);
        for (const SemicolonCsv::Row& row : table.Rows())
            lines[row.Fields[0]] = row.Fields.mid(1);
    }

    // The table as a spreadsheet program opens it (windows-1251, ";" between the cells), line by line.
    void workedExamples_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("cells"); // from the kind on
        const auto row = [](const char* file, const QString& cells) {
            QTest::newRow(file) << QString::fromUtf8(file) << cells.split(QLatin1Char('|'));
        };
        // All of the tax withheld comes back: the flat takes the whole base.
        row("1-flat.kv0",
            "3-НДФЛ резидента|0|Смирнова А. С.|500100732259|7705|600000,00|0,00|0,00|0,00|0,00|"
            "0,00|78000,00|0,00|78000,00|1|Имущественный налоговый вычет: Не введен почтовый индекс");
        row("2-car.kv0", "3-НДФЛ резидента|2|Иванов И. И.|500100732259|7701|400000,00|0,00|0,00|0,00|0,00|"
                         "19500,00|0,00|19500,00|0,00|0|");
        // 30 % of 240 000 and 15 % of 10 000, of which 31 200 and 1 500 withheld.
        row("3-nonresident.kv0", "3-НДФЛ нерезидента|0|Иванов И. И.||7701|0,00|240000,00|0,00|0,00|10000,00|"
                                 "73500,00|32700,00|40800,00|0,00|0|");
        row("4-entrepreneur.kv0",
            "3-НДФЛ резидента|0|Иванов И. И.|500100732259|7701|1000000,00|0,00|0,00|0,00|"
            "0,00|104000,00|0,00|14000,00|0,00|0|");
        row("5-estimated.kv0", "4-НДФЛ|0|Иванов И. И.|500100732259|7701|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"
                               "0,00|0,00|0|");
        // Kept as text: never run as a formula.
        row("6-formula.kv0", "3-НДФЛ резидента|0|'=HYPERLINK(\"http://x\";\"Иванов\") И.|500100732259|7701|"
                             "0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0|");
    }
    void workedExamples() {
        QFETCH(QString, file);
        QFETCH(QStringList, cells);
        QCOMPARE(lines.value(QDir(returns).filePath(file)), cells);
    }

    // The same table in UTF-8 with its mark for spreadsheet programs, and the same lines as JSON.
    void otherForms() {
        const QString cp1251 = dir.filePath(QStringLiteral("cp1251.csv"));
        const QString utf8 = dir.filePath(QStringLiteral("utf8.csv"));
        QCOMPARE(RunCli({"summary", returns, "--csv", cp1251, "--jobs", "1"}).exitCode, 1);
        QCOMPARE(RunCli({"summary", returns, "--csv", utf8, "--encoding", "utf-8"}).exitCode, 1);
        const QByteArray text = TestFiles::Read(utf8);
        QVERIFY(text.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(text.mid(3)), CodePage::FromCp1251(TestFiles::Read(cp1251)));

        const CliRun r = RunCli({"summary", returns, "--json"});
        QCOMPARE(r.exitCode, 1);
        const QJsonArray lines = QJsonDocument::fromJson(r.out.toUtf8()).object()["returns"].toArray();
        QCOMPARE(lines.size(), 6);
        const QJsonObject flat = lines[0].toObject();
        QCOMPARE(flat["file"].toString(), QDir(returns).filePath("1-flat.kv0"));
        QCOMPARE(flat["refundable"].toString(), QStringLiteral("78000"));
        QCOMPARE(flat["income"].toObject()["13"].toString(), QStringLiteral("600000"));
        QCOMPARE(flat["faults"].toInt(), 1);
        QCOMPARE(lines[2].toObject()["kind"].toString(), QStringLiteral("3-НДФЛ нерезидента"));
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no file") << QStringList{"--json"};
        QTest::newRow("csv and json") << QStringList{"x.kv0", "--json", "--csv", "x.csv"};
        QTest::newRow("unknown encoding") << QStringList{"x.kv0", "--csv", "x.csv", "--encoding", "koi8-r"};
        QTest::newRow("unknown option") << QStringList{"x.kv0", "--xml"};
    }
    void badArguments() {
        QFETCH(QStringList, args);
        const CliRun r = RunCli(QStringList{"summary"} + args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.isEmpty());
    }

    // The table never takes the place of a declaration it sums up.
    void neverOverAReturn() {
        const QString target = QDir(returns).filePath("2-car.kv0");
        const QByteArray before = TestFiles::Read(target);
        const CliRun r = RunCli({"summary", returns, "--csv", target});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(TestFiles::Read(target), before);
    }
};

QTEST_GUILESS_MAIN(TestSummary)
#include "tst_summary.moc"
