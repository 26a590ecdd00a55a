#include "reference/CodeNameList.h"
#include "reference/SounImport.h"
#include "storage/CodePage.h"
#include "support/FullDisk.h"
#include "support/SounTable.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

namespace {

using SounTable::Record;
using SounTable::Table;

// A table whose header gives another length than its field descriptors take.
QByteArray WithHeaderLength(QByteArray table, quint16 length) {
    qToLittleEndian<quint16>(length, table.data() + 8);
    return table;
}

QByteArray Expected(const QStringList& inspections) {
    if (inspections.isEmpty())
        return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Inspections Version=\"00\" "
               "Date=\"01.02.2011\" />\n";
    QString text = QStringLiteral("<Inspections Version=\"00\" Date=\"01.02.2011\">\n");
    for (const QString& i : inspections)
        text += QLatin1Char('\t') + i + QLatin1Char('\n');
    text += QStringLiteral("</Inspections>\n");
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n" + CodePage::ToCp1251(text);
}

} // namespace

// The import of the tax-office directory table into "InspectionNumbers.xml".
class TestSounImport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write a fixture");
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static QByteArray Build(const QByteArray& table) {
        QBuffer buffer;
        buffer.setData(table);
        buffer.open(QIODevice::ReadOnly);
        QByteArray document;
        SounImport import;
        if (!import.BuildDocument(buffer, QStringLiteral("soun1.dbf"), QStringLiteral("01.02.2011"),
                                  QStringLiteral("00"), document))
            return "<failed: " + import.ErrorString().toUtf8() + ">";
        return document;
    }

private Q_SLOTS:
    void acceptedAndSkippedRecords() {
        const QByteArray table = Table({
            Record("7700", "Управление ФНС России по г.Москве"),                 // regional office
            Record("7701", "   Инспекция ФНС России № 1 по г.Москве   "),        // accepted, trimmed
            Record("7702", "Инспекция ФНС России № 2 по г.Москве", '2'),         // not an office record
            Record("7703", "Инспекция ФНС России № 3 по г.Москве", '1', "9965"), // bytes 7..36 not blank
            Record("7704", "Инспекция ФНС России № 4 по г.Москве", '1', {}, "01.01.2005"), // closed
            Record(" 503", "Инспекция № 3 с \"кавычками\" & <скобками>"), // code trimmed, text escaped
            Record("7705", "Инспекция ФНС России № 5 по г.Москве"),       // the last counted record
        });
        QCOMPARE(Build(table),
                 Expected({
                     "<Inspection Code=\"7701\">Инспекция ФНС России № 1 по г.Москве</Inspection>",
                     "<Inspection Code=\"503\">Инспекция № 3 с \"кавычками\" &amp; "
                     "&lt;скобками&gt;</Inspection>",
                     "<Inspection Code=\"7705\">Инспекция ФНС России № 5 по г.Москве</Inspection>",
                 }));
    }

    // The name bytes are code page 866; the output holds the same letters in windows-1251.
    void namesAreConverted() {
        QByteArray record = Record("0101", QString());
        const QByteArray cp866 = "\x88\xad\xe1\xaf\xa5\xaa\xe6\xa8\xef \xf0\xf1"; // "Инспекция Ёё"
        record.replace(161, cp866.size(), cp866);
        record[161 + cp866.size()] = '\0'; // NUL padding counts as blank
        record[161 + 3] = '\x01';          // a control character inside becomes a blank
        const QByteArray out = Build(Table({record}));
        QVERIFY2(out.contains(">\xc8\xed\xf1 \xe5\xea\xf6\xe8\xff \xa8\xb8</Inspection>"), out.constData());
    }

    // The end-of-file mark dBASE writes after the last record is no record.
    void importReplacesTheOutputFile() {
        const QString table = Write("soun1.dbf", Table({Record("7701", "Инспекция № 1")}) + "\x1a");
        const QString out = Write("InspectionNumbers.xml", "old");
        SounImport import;
        QVERIFY(import.Import(table, out, QStringLiteral("01.02.2011"), QStringLiteral("00")));
        QVERIFY(import.ErrorString().isEmpty());
        QCOMPARE(ReadAll(out), Expected({"<Inspection Code=\"7701\">Инспекция № 1</Inspection>"}));
        mTCodeNameList list; // and the program reads it back
        QVERIFY(list.Load(out));
        QCOMPARE(list.Rows(), (QList<CodeNameRow>{{"7701", "Инспекция № 1"}}));
    }

    // Every failure names its cause and leaves the previous output file whole.
    void failuresKeepTheOldFile_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("message"); // "%1" stands for the table's path
        QTest::newRow("short last record")
            << Table({Record("7701", "Инспекция № 1"), Record("7702", "Инспекция № 2").left(1000)})
            << "Error read file:%1";
        QTest::newRow("end-of-file mark after the counted records")
            << Table({Record("7701", "x")}, 2) + "\x1a"
            << "Error read file:%1";
        QTest::newRow("header shorter than 32 bytes") << QByteArray(20, '\0') << "Error read file:%1";
        QTest::newRow("header length past the end") << Table({}).left(40) << "Error read file:%1";
        // A table without a single office would replace the list with an empty one.
        QTest::newRow("only regional offices")
            << Table({Record("7700", "Управление"), Record("5000", "Управление")})
            << "В таблице %1 нет ни одной инспекции, справочник не изменён";
        QTest::newRow("no records") << Table({})
                                    << "В таблице %1 нет ни одной инспекции, справочник не изменён";
        // A count that disagrees with the records the file holds is damage, whichever way it is wrong.
        const QString countDisagrees = QStringLiteral(
            "Таблица %1 повреждена: число записей в заголовке (%2) не соответствует размеру файла");
        const QList<QByteArray> two{Record("7701", "Инспекция № 1"), Record("7702", "Инспекция № 2")};
        QTest::newRow("count smaller than the records") << Table(two, 1) << countDisagrees.arg("%1", "1");
        QTest::newRow("count beyond the records") << Table(two, 10) << countDisagrees.arg("%1", "10");
        QTest::newRow("count of four billion")
            << Table(two, 0xFFFFFFFFLL) << countDisagrees.arg("%1", "4294967295");
        QByteArray otherLength = Table(two);
        qToLittleEndian<quint16>(1000, otherLength.data() + 10);
        QTest::newRow("record length not 1194")
            << otherLength << "Таблица %1 повреждена: длина записи в заголовке 1000 байт вместо 1194";
        for (const quint16 length : {0, 31, 66, 98})
            QTest::addRow("header length %d", length)
                << WithHeaderLength(Table({Record("7701", "Инспекция № 1")}), length)
                << QStringLiteral("Таблица %1 повреждена: длина заголовка (") + QString::number(length) +
                       QStringLiteral(") не соответствует описанию полей");
    }

    void failuresKeepTheOldFile() {
        QFETCH(QByteArray, table);
        QFETCH(QString, message);
        const QString tablePath = Write("bad.dbf", table);
        const QString out = Write("InspectionNumbers.xml", "the old file");
        SounImport import;
        QVERIFY(!import.Import(tablePath, out, QStringLiteral("01.02.2011"), QStringLiteral("00")));
        QCOMPARE(import.ErrorString(), message.arg(tablePath));
        QCOMPARE(ReadAll(out), QByteArray("the old file"));
    }

    void unreadableTableAndUnwritableOutput() {
        const QString out = Write("InspectionNumbers.xml", "the old file");
        SounImport import;
        QVERIFY(!import.Import(dir.filePath("absent.dbf"), out, "01.02.2011", "00"));
        QVERIFY(import.ErrorString().startsWith(QStringLiteral("Не удалось открыть файл ")));
        const QString table = Write("soun1.dbf", Table({Record("7701", "Инспекция № 1")}));
        QVERIFY(!import.Import(table, dir.filePath("no/such/dir/x.xml"), "01.02.2011", "00"));
        QVERIFY(import.ErrorString().startsWith(QStringLiteral("Не удалось записать файл ")));
        QCOMPARE(ReadAll(out), QByteArray("the old file"));
    }

    // A FIFO or a folder named as the table is refused at once instead of waiting for a writer.
    void aTableThatIsNoFileIsRefusedAtOnce() {
        const QString fifo = dir.filePath(QStringLiteral("fifo.dbf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString out = Write("InspectionNumbers.xml", "the old file");
        QElapsedTimer timer;
        timer.start();
        for (const QString& table : {fifo, dir.path()}) {
            SounImport import;
            QVERIFY(!import.Import(table, out, QStringLiteral("01.02.2011"), QStringLiteral("00")));
            QCOMPARE(import.ErrorString(),
                     QStringLiteral("Не удалось открыть файл %1: это не обычный файл (папка, канал или "
                                    "устройство)")
                         .arg(table));
        }
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(ReadAll(out), QByteArray("the old file"));
    }

    void aFullDiskKeepsTheOldFile() {
        FullDisk disk;
        DUROVID_NEEDS_FULL_DISK(disk);
        const QString table = Write("soun1.dbf", Table({Record("7701", QString(200, QChar(0x0418)))}));
        const QString out = disk.Path(QStringLiteral("InspectionNumbers.xml"));
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old file");
        old.close();
        disk.Fill();
        SounImport import;
        QVERIFY(!import.Import(table, out, QStringLiteral("01.02.2011"), QStringLiteral("00")));
        QVERIFY2(import.ErrorString().startsWith(QStringLiteral("Не удалось записать файл ") + out),
                 qPrintable(import.ErrorString()));
        QCOMPARE(ReadAll(out), QByteArray("the old file"));
        QCOMPARE(disk.Files(), QStringList{QStringLiteral("InspectionNumbers.xml")});
    }
};

QTEST_GUILESS_MAIN(TestSounImport)
#include "tst_sounimport.moc"
