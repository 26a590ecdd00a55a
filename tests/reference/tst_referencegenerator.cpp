#include "reference/OkvedClassifier.h"
#include "reference/ReferenceFile.h"
#include "reference/ReferenceGenerator.h"
#include "storage/CodePage.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSources = QStringLiteral(DUROVID_SOURCE_DIR "/data/sources");
const QString kData = QStringLiteral(DUROVID_SOURCE_DIR "/data");

using TestFiles::Read;

// The first line where two texts differ, for a readable failure.
QString FirstDifference(const QByteArray& a, const QByteArray& b) {
    const QList<QByteArray> la = a.split('\n'), lb = b.split('\n');
    for (qsizetype i = 0; i < std::max(la.size(), lb.size()); ++i)
        if (la.value(i) != lb.value(i))
            return QStringLiteral("line %1: generated «%2», committed «%3»")
                .arg(i + 1)
                .arg(CodePage::FromCp1251(la.value(i)), CodePage::FromCp1251(lb.value(i)));
    return {};
}

} // namespace

// The reference files delivered with the program are the generator's output from data/sources, byte for
// byte; and the generator refuses tables it cannot build a sound file from.
class TestReferenceGenerator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void committedFilesAreGenerated_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : ReferenceGenerator::Files())
            QTest::newRow(qPrintable(file)) << file;
    }
    void committedFilesAreGenerated() {
        QFETCH(QString, file);
        ReferenceGenerator generator;
        QByteArray bytes;
        QVERIFY2(generator.Build(kSources, file, bytes), qPrintable(generator.ErrorString()));
        const QByteArray committed = Read(QDir(kData).filePath(file));
        QVERIFY2(bytes == committed, qPrintable(FirstDifference(bytes, committed) +
                                                "; run: durovid-cli generate-reference data/sources data"));
    }

    void writeAll() {
        QTemporaryDir out;
        ReferenceGenerator generator;
        QVERIFY2(generator.WriteAll(kSources, out.path()), qPrintable(generator.ErrorString()));
        for (const QString& file : ReferenceGenerator::Files())
            QCOMPARE(Read(QDir(out.path()).filePath(file)), Read(QDir(kData).filePath(file)));
        QVERIFY(!generator.WriteAll(out.filePath("absent"), out.path()));
        QVERIFY(generator.ErrorString().contains(SourceFileName::TaxOffices));
    }

    // Sections and subsections are level 1; an entry's Kod carries the letters of the one it lies in.
    void okvedLevelsAndKods() {
        const QByteArray table =
            "code;name;section\n"
            "A;СЕЛЬСКОЕ ХОЗЯЙСТВО;A\n01;Сельское хозяйство;A\n01.1;Растениеводство;A\n"
            "01.11;Зерновые;A\n01.11.1;Зерновые и зернобобовые;A\n01.11.11;Зерновые культуры;A\n"
            "C;ДОБЫЧА;C\nCA;ТОПЛИВО;C\n10;Уголь;C\nCB;КРОМЕ ТОПЛИВА;C\n13;Руды;C\n"
            "13.1;\"Руды; железные\";C\n";
        ReferenceGenerator generator;
        QByteArray bytes;
        QVERIFY2(generator.BuildOkved(table, bytes), qPrintable(generator.ErrorString()));
        mTOkvedClassifier okved;
        QVERIFY(okved.LoadFromBytes(bytes));
        QStringList rows;
        for (const OkvedEntry& e : okved.Entries())
            rows << e.Grup + ' ' + e.Kod + ' ' + e.Okved;
        QCOMPARE(rows, (QStringList{"1 A A", "2 A01 01", "3 A01.1 01.1", "4 A01.11 01.11",
                                    "5 A01.11.1 01.11.1", "6 A01.11.11 01.11.11", "1 C C", "1 CA CA",
                                    "2 CA10 10", "1 CB CB", "2 CB13 13", "3 CB13.1 13.1"}));
        QCOMPARE(okved.Names(2, "C"), (QStringList{"Уголь", "Руды"}));
        QCOMPARE(okved.Names(2, "CB"), QStringList{"Руды"});
        QCOMPARE(okved.Entries().last().Name, QStringLiteral("Руды; железные"));
    }

    void badTables_data() {
        QTest::addColumn<QString>("builder");
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("error");
        QTest::newRow("office: code not of four digits")
            << "inspections" << QByteArray("code;name\n7701;ИФНС\n77O2;ИФНС\n")
            << "строка 3: код инспекции не из четырёх цифр: «77O2»";
        QTest::newRow("office: code twice")
            << "inspections" << QByteArray("code;name\n7701;ИФНС\n7701;ИФНС 2\n")
            << "строка 3: код 7701 уже был";
        QTest::newRow("office: a name windows-1251 cannot hold")
            << "inspections" << QByteArray("code;name\n7701;ИФНС \xe2\x82\xbf\n")
            << "строка 2: наименование пусто или не в windows-1251";
        QTest::newRow("office: wrong columns") << "inspections" << QByteArray("code,name\n7701,ИФНС\n")
                                               << "строка 1: ожидались столбцы code;name";
        QTest::newRow("office: open quote") << "inspections" << QByteArray("code;name\n7701;\"ИФНС\n")
                                            << "строка 2: незакрытые или лишние кавычки";
        QTest::newRow("okved: a class before any section")
            << "okved" << QByteArray("code;name;section\n01;Класс;A\n")
            << "строка 2: код 01 стоит не в своём разделе A";
        QTest::newRow("okved: a subsection of another section")
            << "okved" << QByteArray("code;name;section\nA;РАЗДЕЛ;A\nCA;ПОДРАЗДЕЛ;C\n")
            << "строка 3: подраздел CA стоит не после своего раздела";
        QTest::newRow("okved: a group without its subclass")
            << "okved" << QByteArray("code;name;section\nA;РАЗДЕЛ;A\n01;Класс;A\n01.11;Группа;A\n")
            << "строка 4: код 01.11 стоит не после кода 01.1";
        QTest::newRow("okved: a name twice on one level")
            << "okved" << QByteArray("code;name;section\nA;РАЗДЕЛ;A\n01;Класс;A\n02;Класс;A\n")
            << "строка 4: наименование уже было на уровне 2: «Класс»";
        QTest::newRow("okved: not a code")
            << "okved" << QByteArray("code;name;section\nA;РАЗДЕЛ;A\n1.2.3;Х;A\n")
            << "строка 3: код «1.2.3» не похож на код ОКВЭД";
        QTest::newRow("rates: a bad rate")
            << "rates"
            << QByteArray("code;letter;quantity;name;date;rate\n840;USD;1;Доллар США;01.01.2010;x\n")
            << "central-bank-rates-2010.csv: строка 2: неверный курс: «x»";
        QTest::newRow("rates: an Id for a currency without rates")
            << "rates"
            << QByteArray("code;letter;quantity;name;date;rate\n840;USD;1;Доллар США;01.01.2010;30\n")
            << "central-bank-currency-ids.csv: строка 3: валюты 978 нет в таблице курсов";
    }
    void badTables() {
        QFETCH(QString, builder);
        QFETCH(QByteArray, table);
        QFETCH(QString, error);
        ReferenceGenerator generator;
        QByteArray bytes;
        bool ok = false;
        if (builder == "inspections") ok = generator.BuildInspections(table, bytes);
        if (builder == "okved") ok = generator.BuildOkved(table, bytes);
        if (builder == "rates")
            ok = generator.BuildCurrencyRates(table, "code;letter;id\n840;USD;R01235\n978;EUR;R01239\n",
                                              bytes);
        QVERIFY(!ok);
        QCOMPARE(generator.ErrorString(), error);
    }
};

QTEST_GUILESS_MAIN(TestReferenceGenerator)
#include "tst_referencegenerator.moc"
