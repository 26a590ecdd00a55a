// Whole documents against the checked-in files, the two modes, and what a failed export leaves behind.
#include "export/GoldenReturns.h"
#include "storage/CodePage.h"
#include "support/ExportProbe.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using Build = std::function<void(mTDeclaration&, kTSvodSum&)>;
Q_DECLARE_METATYPE(Build)

namespace {

const QString kGoldenDir = QStringLiteral(DUROVID_FIXTURES "/export");

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// xmllint's complaints about a file; none when xmllint is not installed.
QString XmlLintErrors(const QString& path) {
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) {
        qWarning("xmllint is not installed: well-formedness not checked");
        return {};
    }
    QProcess p;
    p.start(xmllint, {QStringLiteral("--noout"), path});
    p.waitForFinished(30000);
    return p.exitCode() == 0 ? QString()
                             : QString::fromLocal8Bit(p.readAllStandardError()) + QStringLiteral(" ");
}

} // namespace

class TestXmlExport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Folder(const QString& name) {
        const QString path = dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }

private slots:
    void goldenDocuments_data();
    void goldenDocuments();
    void textModeWritesNothing();
    void existingFileIsReplaced();
    void failedSaveLeavesNoFile_data();
    void failedSaveLeavesNoFile();
    void computationFailureIsReportedAndExportGoesOn();
    void prizeWithoutComputedEntryFailsTheExport();
    void damagedTextStaysWellFormedAndInTheFolder();
    void newDateAndGuidForEveryExport();
};

void TestXmlExport::goldenDocuments_data() {
    QTest::addColumn<Build>("build");
    QTest::addColumn<QString>("golden");
    QTest::addColumn<QString>("fileName");
    const QString tail = QStringLiteral("_20110315_0F8FAD5B-D9CB-469F-A165-70867728950E.xml");
    QTest::newRow("resident") << Build(GoldenReturns::Resident) << "resident.xml"
                              << "NO_NDFL3_7701_7701_500100732259" + tail;
    QTest::newRow("non-resident") << Build(GoldenReturns::NonResident) << "nonresident.xml"
                                  << "NO_NDFL3_7701_7701_500100732259" + tail;
    QTest::newRow("estimated income") << Build(GoldenReturns::EstimatedIncome) << "estimated.xml"
                                      << "NO_NDFL4_7701_7701_500100732259" + tail;
    QTest::newRow("without INN") << Build(GoldenReturns::WithoutInn) << "withoutinn.xml"
                                 << "NO_NDFL3_7701_7701_000000000000" + tail;
    QTest::newRow("representative") << Build(GoldenReturns::Representative) << "representative.xml"
                                    << "NO_NDFL3_7701_7701_500100732259" + tail;
}

void TestXmlExport::goldenDocuments() {
    QFETCH(Build, build);
    QFETCH(QString, golden);
    QFETCH(QString, fileName);
    mTDeclaration d;
    kTSvodSum s;
    build(d, s);
    XmlExport exporter;
    ExportProbe::FixStamp(exporter);

    const QString folder = Folder(QStringLiteral("golden-") + golden);
    QVERIFY(exporter.Export(folder, d, s, ExportToFile));
    QCOMPARE(exporter.Result(), fileName);
    const QString written = QDir(folder).filePath(fileName);
    const QByteArray bytes = ReadAll(written);
    const QString goldenPath = kGoldenDir + QLatin1Char('/') + golden;
    if (qEnvironmentVariableIsSet("DUROVID_WRITE_GOLDEN")) {
        QFile out(goldenPath);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        qWarning("written %s", qPrintable(goldenPath));
    }
    QCOMPARE(bytes, ReadAll(goldenPath));
    QVERIFY(exporter.Export(folder, d, s, ExportToText));
    QCOMPARE(exporter.Result(), CodePage::FromCp1251(bytes));
    QVERIFY(exporter.Warnings().isEmpty());

    // The file is windows-1251, as its declaration says, and well-formed.
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?><"));
    QVERIFY(bytes.contains(CodePage::ToCp1251(QStringLiteral("<Файл ИдФайл="))));
    QVERIFY(!bytes.contains(QStringLiteral("Файл").toUtf8()));
    const QString errors = XmlLintErrors(written);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
}

void TestXmlExport::textModeWritesNothing() {
    mTDeclaration d;
    kTSvodSum s;
    GoldenReturns::Resident(d, s);
    XmlExport exporter;
    const QString folder = Folder(QStringLiteral("text-mode"));
    QVERIFY(exporter.Export(folder, d, s, ExportToText));
    const QString text = exporter.Result();
    QVERIFY(text.startsWith(
        QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Файл ИдФайл=\"NO_NDFL3_")));
    QVERIFY(text.endsWith(QStringLiteral("</Файл>")));
    QVERIFY(QDir(folder).isEmpty());
}

void TestXmlExport::existingFileIsReplaced() {
    mTDeclaration d;
    kTSvodSum s;
    GoldenReturns::Representative(d, s);
    XmlExport exporter;
    ExportProbe::FixStamp(exporter);
    const QString folder = Folder(QStringLiteral("replace"));
    QVERIFY(exporter.Export(folder, d, s, ExportToFile));
    const QString name = exporter.Result();
    QFile old(QDir(folder).filePath(name));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    QVERIFY(exporter.Export(folder, d, s, ExportToFile));
    QCOMPARE(exporter.Result(), name);
    QCOMPARE(ReadAll(QDir(folder).filePath(name)),
             ReadAll(kGoldenDir + QStringLiteral("/representative.xml")));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
}

void TestXmlExport::failedSaveLeavesNoFile_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("name taken by a folder") << "folder";
    QTest::newRow("symbolic link planted under the name") << "link";
    QTest::newRow("full disk") << "full";
}

// The message says which file could not be written and why; nothing is left under the name, and a
// link planted there is not followed.
void TestXmlExport::failedSaveLeavesNoFile() {
    QFETCH(QString, obstacle);
    mTDeclaration d;
    kTSvodSum s;
    GoldenReturns::Representative(d, s);
    XmlExport exporter;
    ExportProbe::FixStamp(exporter);
    const QString name =
        QStringLiteral("NO_NDFL3_7701_7701_500100732259_20110315_0F8FAD5B-D9CB-469F-A165-70867728950E.xml");
    QString folder = dir.filePath(QStringLiteral("missing/folder"));
    const QString outside = dir.filePath(QStringLiteral("outside.txt"));
    FullDisk disk;
    if (obstacle == QLatin1String("folder")) {
        folder = Folder(QStringLiteral("taken"));
        QVERIFY(QDir(folder).mkdir(name));
    } else if (obstacle == QLatin1String("link")) {
        folder = Folder(QStringLiteral("linked"));
        QFile target(outside);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write("outside the folder");
        target.close();
        QVERIFY(QFile::link(outside, QDir(folder).filePath(name)));
    } else if (obstacle == QLatin1String("full")) {
        DUROVID_NEEDS_FULL_DISK(disk);
        folder = disk.Path(QString());
        disk.Fill();
    }
    const QString path = QDir(folder).filePath(name);

    QVERIFY(!exporter.Export(folder, d, s, ExportToFile));
    QVERIFY(exporter.Result().isEmpty());
    QVERIFY2(exporter.ErrorString().startsWith(QStringLiteral("Не удалось записать файл %1: ").arg(path)),
             qPrintable(exporter.ErrorString()));
    QVERIFY(exporter.Warnings().isEmpty());
    QCOMPARE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink(), false);
    if (obstacle == QLatin1String("folder"))
        QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{name});
    if (obstacle == QLatin1String("link")) QCOMPARE(ReadAll(outside), QByteArray("outside the folder"));
    if (obstacle == QLatin1String("full")) QCOMPARE(disk.Files(), QStringList());
}

void TestXmlExport::computationFailureIsReportedAndExportGoesOn() {
    mTDeclaration d;
    kTSvodSum unused;
    GoldenReturns::Representative(d, unused);
    // A damaged file's housing share: the computation stops at the housing sheet.
    d.PropertyDeduction.GrantProperty = 1;
    d.PropertyDeduction.ShareDenominator = 0;
    XmlExport exporter;
    QVERIFY(exporter.Export(QString(), d, ExportToText));
    QCOMPARE(exporter.Warnings(), QStringList{XmlExport::ComputationFailed});
    QVERIFY(exporter.Result().contains(QStringLiteral("<Документ")));
}

void TestXmlExport::prizeWithoutComputedEntryFailsTheExport() {
    mTDeclaration d;
    kTSvodSum s;
    GoldenReturns::Resident(d, s);
    // The prize source has no entry in the prize computation: its taxable part is unknown.
    s.PrilM2.Rows.clear();
    XmlExport exporter;
    QVERIFY(!exporter.Export(QString(), d, s, ExportToText));
    QCOMPARE(exporter.ErrorString(), XmlExport::BuildFailed);
    QVERIFY(exporter.Result().isEmpty());
}

void TestXmlExport::damagedTextStaysWellFormedAndInTheFolder() {
    mTDeclaration d;
    kTSvodSum s;
    GoldenReturns::Resident(d, s);
    d.InspectionCode = QStringLiteral("../..");
    d.Person.SurName = QStringLiteral("О'Нил \"<&>\"\x01\x1f") + QChar(0x98) + QStringLiteral("✓");
    d.Person.City = QStringLiteral("Москва\tЦентр\r\n");
    d.IncomeSources13.At(0)->SourceName = QStringLiteral("]]> <!-- &amp;");
    XmlExport exporter;
    const QString folder = Folder(QStringLiteral("damaged"));
    QVERIFY(exporter.Export(folder, d, s, ExportToFile));
    const QString name = exporter.Result();
    QVERIFY(name.startsWith(QStringLiteral("NO_NDFL3_.._.._.._.._500100732259_")));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{name});

    const QByteArray bytes = ReadAll(QDir(folder).filePath(name));
    QVERIFY(!bytes.contains('\x98'));
    QVERIFY(bytes.contains(CodePage::ToCp1251(QStringLiteral("Фамилия=\"О'НИЛ &quot;&lt;&amp;>&quot;?\""))));
    pugi::xml_document parsed;
    QVERIFY(parsed.load_string(CodePage::FromCp1251(bytes).toUtf8().constData()));
    QCOMPARE(QString::fromUtf8(parsed.select_node("//АдрРФ").node().attribute("Город").value()),
             QStringLiteral("МОСКВА\tЦЕНТР\r\n"));
    const QString errors = XmlLintErrors(QDir(folder).filePath(name));
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
}

void TestXmlExport::newDateAndGuidForEveryExport() {
    mTDeclaration d;
    kTSvodSum s;
    GoldenReturns::Representative(d, s);
    XmlExport exporter;
    const QString folder = Folder(QStringLiteral("fresh"));
    QVERIFY(exporter.Export(folder, d, s, ExportToFile));
    const QString first = exporter.Result();
    QVERIFY(exporter.Export(folder, d, s, ExportToFile));
    const QString second = exporter.Result();
    QVERIFY(first != second);
    const QRegularExpression form(
        QStringLiteral("^NO_NDFL3_7701_7701_500100732259_(\\d{8})_"
                       "[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\.xml$"));
    const QRegularExpressionMatch match = form.match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first));
    QVERIFY(form.match(second).hasMatch());
    QCOMPARE(match.captured(1), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    const QByteArray text = ReadAll(QDir(folder).filePath(first));
    QVERIFY(text.contains(CodePage::ToCp1251(QStringLiteral("ДатаДок=\"") +
                                             QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")))));
}

QTEST_GUILESS_MAIN(TestXmlExport)
#include "tst_xmlexport.moc"
