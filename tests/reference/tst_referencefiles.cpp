#include "reference/CodeNameList.h"
#include "reference/CodeNameTableModel.h"
#include "reference/CurrencyRates.h"
#include "reference/OkvedChoice.h"
#include "reference/RowSearch.h"
#include "storage/CodePage.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

QByteArray Cp1251Xml(const QString& body) {
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + CodePage::ToCp1251(body);
}

// A small classifier: two sections, the first with a class, subclasses and a group.
const char* const kOkved =
    "<Root>"
    "<E GRUP='1' Kod='A' OKVED='A' Name='СЕЛЬСКОЕ ХОЗЯЙСТВО'/>"
    "<E GRUP='2' Kod='A01' OKVED='01' Name='Сельское хозяйство'/>"
    "<E GRUP='3' Kod='A01.1' OKVED='01.1' Name='Растениеводство'/>"
    "<E GRUP='4' Kod='A01.11' OKVED='01.11' Name='Выращивание зерновых'/>"
    "<E GRUP='3' Kod='A01.2' OKVED='01.2' Name='Животноводство'/>"
    "<E GRUP='4' Kod='A01.21' OKVED='01.21' Name='Разведение крупного рогатого скота'/>"
    "<E GRUP='2' Kod='A02' OKVED='02' Name='Лесное хозяйство'/>"
    "<E GRUP='1' Kod='F' OKVED='F' Name='СТРОИТЕЛЬСТВО'/>"
    "<E GRUP='2' Kod='F45' OKVED='45' Name='Строительство'/>"
    "</Root>";

const char* const kRates =
    "<R>"
    "<C Code='978' Name='Евро' Quantity='1'><D Date='31.12.2009' Rate='43.3883'/></C>"
    "<C Code='840' Name='Доллар США' Quantity='1'>"
    "<D Date='01.01.2010' Rate='30.1851'/>"
    "<D Date='13.01.2010' Rate='29.8800'/>"
    "<D Date='05.01.2010' Rate='30.5'/>" // out of order: a later entry still replaces
    "<D Date='garbage' Rate='1'/>"
    "</C>"
    "<C Code='392' Name='Японских иен' Quantity='100'><D Date='01.01.2010' Rate='32,6'/></C>"
    "<C Code='001' Name='Плохая' Quantity='x'><D Date='01.01.2010' Rate='1'/></C>"
    "</R>";

} // namespace

// The reference files beside the program: readers, lookups, the activity-code choice and bad input.
class TestReferenceFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void codeNameRowsInDocumentOrder() {
        mTCodeNameList list;
        QVERIFY(list.LoadFromBytes(Cp1251Xml(
            "<Anything Version='00'>\n  <Inspection Code='7701'>  ИФНС № 1 по г.Москве </Inspection>\n"
            "  <!-- a comment --><Other Code='0101'>Межрайонная <b>ИФНС</b> № 1</Other>\n"
            "  <X Code='7702'/></Anything>")));
        QCOMPARE(list.Count(), 3);
        QCOMPARE(list.Rows()[0], (CodeNameRow{"7701", "ИФНС № 1 по г.Москве"}));
        QCOMPARE(list.Rows()[1], (CodeNameRow{"0101", "Межрайонная ИФНС № 1"}));
        QCOMPARE(list.Rows()[2], (CodeNameRow{"7702", ""}));
        QCOMPARE(list.IndexOfCode("0101"), 1);
        QCOMPARE(list.IndexOfCode("010"), -1); // exact codes only
    }

    // A character reference beside windows-1251 bytes: both come out as the same letters.
    void characterReferencesAmongWindows1251() {
        mTCodeNameList list;
        QVERIFY(list.LoadFromBytes(Cp1251Xml("<C><c Code='643'>&#1056;ОССИЯ &amp; &#x421;НГ</c></C>")));
        QCOMPARE(list.Rows()[0].Name, QStringLiteral("РОССИЯ & СНГ"));
    }

    // The encoding a file is read in: the one it names, else UTF-8 when its text is valid UTF-8.
    void encodingOfTheFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray body = "<C><c Code='643'>" + QStringLiteral("РОССИЯ").toUtf8() + "</c></C>";
        QTest::newRow("declaration naming UTF-8") << "<?xml version='1.0' encoding='UTF-8'?>" + body;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + body;
        QTest::newRow("UTF-8 without a declaration") << body;
        QTest::newRow("UTF-8, declaration without encoding") << "<?xml version='1.0'?>" + body;
        QTest::newRow("windows-1251 without a declaration")
            << CodePage::ToCp1251(QStringLiteral("<C><c Code='643'>РОССИЯ</c></C>"));
        QTest::newRow("windows-1251, declaration without encoding")
            << CodePage::ToCp1251(QStringLiteral("<?xml version='1.0'?><C><c Code='643'>РОССИЯ</c></C>"));
    }
    void encodingOfTheFile() {
        QFETCH(QByteArray, bytes);
        mTCodeNameList list;
        QVERIFY(list.LoadFromBytes(bytes));
        QCOMPARE(list.Rows().value(0).Name, QStringLiteral("РОССИЯ"));
    }

    void shippedFilesLoad() {
        const QDir data(QStringLiteral(DUROVID_SOURCE_DIR "/data"));
        mTCodeNameList inspections, countries;
        mTOkvedClassifier okved;
        mTCurrencyRates rates;
        QVERIFY2(inspections.Load(data.filePath(ReferenceFileName::Inspections)),
                 qPrintable(inspections.ErrorString()));
        QVERIFY2(countries.Load(data.filePath(ReferenceFileName::Countries)),
                 qPrintable(countries.ErrorString()));
        QVERIFY2(okved.Load(data.filePath(ReferenceFileName::Okved)), qPrintable(okved.ErrorString()));
        QVERIFY2(rates.Load(data.filePath(ReferenceFileName::CurrencyRates)),
                 qPrintable(rates.ErrorString()));

        QCOMPARE(inspections.Rows()[inspections.IndexOfCode("7701")].Name,
                 QStringLiteral("Инспекция Федеральной налоговой службы № 1 по г.Москве"));
        QCOMPARE(countries.Rows()[countries.IndexOfCode("643")].Name, QStringLiteral("РОССИЯ"));
        QVERIFY(countries.Count() > 240);
        QCOMPARE(inspections.Count(), 2790);
        QCOMPARE(
            inspections.Rows()[inspections.IndexOfCode("7801")].Name,
            QStringLiteral("Межрайонная инспекция Федеральной налоговой службы №16 по Санкт-Петербургу"));
        QCOMPARE(okved.Entries().size(), 1875);
        // The 17 sections and the 16 subsections of sections C and D.
        QCOMPARE(okved.Names(1).size(), 33);
        for (const OkvedEntry& e : okved.Entries()) {
            const int level = e.Grup.toInt();
            QVERIFY2(level >= 1 && level <= 6 && !e.Name.isEmpty(), qPrintable(e.Kod));
            // Every entry below level 1 lies under one entry of the level above; a class lies under its
            // section and, in the sections that have them, its subsection too.
            if (level > 1) {
                int parents = 0;
                for (const OkvedEntry& p : okved.Entries())
                    if (p.Grup.toInt() == level - 1 && e.Kod.startsWith(p.Kod)) ++parents;
                QVERIFY2(parents == (level == 2 && QStringLiteral("CD").contains(e.Kod[0]) ? 2 : 1),
                         qPrintable(e.Kod));
            }
        }
        QCOMPARE(rates.Currencies().size(), 32);
    }

    // Finding a tax office of the delivered directory by what is typed.
    void officeSearch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found"); // the codes answering it; a leading "+" lists only some
        QTest::newRow("a code") << "7801" << QStringList{"7801"};
        QTest::newRow("number and city, in any case and order") << "петербургу №16" << QStringList{"7801"};
        QTest::newRow("a blank after №") << "№ 16 по Санкт" << QStringList{"7801"};
        QTest::newRow("part of a name") << "кировскому новосибирск" << QStringList{"5403"};
        QTest::newRow("nothing typed: every office") << "  " << QStringList{"+0000", "0100", "0101"};
        QTest::newRow("nothing answers") << "Атлантида" << QStringList{};
    }
    void officeSearch() {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        static mTCodeNameList offices;
        if (offices.Count() == 0)
            QVERIFY(
                offices.Load(QStringLiteral(DUROVID_SOURCE_DIR "/data/") + ReferenceFileName::Inspections));
        const RowSearch search(typed);
        QStringList codes;
        for (const CodeNameRow& row : offices.Rows())
            if (search.Matches(row)) codes << row.Code;
        if (!found.isEmpty() && found[0].startsWith('+')) {
            QCOMPARE(codes.size(), offices.Count());
            found[0].remove(0, 1);
            QCOMPARE(codes.mid(0, found.size()), found);
        } else {
            QCOMPARE(codes, found);
        }
    }

    // Every position of the delivered classifier is reached by choosing the positions above it.
    void okvedWholeTreeReachable() {
        mTOkvedClassifier okved;
        QVERIFY(okved.Load(QStringLiteral(DUROVID_SOURCE_DIR "/data/") + ReferenceFileName::Okved));
        mTOkvedChoice choice(okved);
        QSet<QString> reached;
        const std::function<void(int)> walk = [&](int level) {
            const QStringList items = choice.Items(level);
            for (int i = 1; i < items.size(); ++i) {
                choice.Choose(level, i);
                reached.insert(choice.ChosenKod());
                if (level < mTOkvedClassifier::Levels) walk(level + 1);
            }
        };
        walk(1);
        QCOMPARE(reached.size(), okved.Entries().size());
    }

    // Rates of the delivered file: the entry of the day, else the last one before it.
    void shippedRates_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("units"); // 0: no rate
        QTest::addColumn<QString>("rate");
        QTest::newRow("USD on 31.12.2009") << "840" << QDate(2009, 12, 31) << 1 << "30.2442";
        QTest::newRow("USD on 01.01.2010") << "840" << QDate(2010, 1, 1) << 1 << "30.1851";
        QTest::newRow("USD on 11.01.2010, the holidays") << "840" << QDate(2010, 1, 11) << 1 << "30.1851";
        QTest::newRow("USD on 20.10.2010") << "840" << QDate(2010, 10, 20) << 1 << "30.4151";
        QTest::newRow("USD on 31.12.2010") << "840" << QDate(2010, 12, 31) << 1 << "30.4769";
        QTest::newRow("USD on 01.01.2011") << "840" << QDate(2011, 1, 1) << 1 << "30.3505";
        QTest::newRow("USD after the last entry") << "840" << QDate(2011, 3, 1) << 1 << "30.3505";
        QTest::newRow("USD before the first entry") << "840" << QDate(2009, 12, 30) << 0 << "";
        QTest::newRow("JPY per 100 units") << "392" << QDate(2010, 1, 12) << 100 << "31.8626";
        QTest::newRow("EUR on a Monday takes Saturday's") << "978" << QDate(2010, 1, 18) << 1 << "42.5905";
        QTest::newRow("AMD without an entry on 01.01.2010")
            << "051" << QDate(2010, 1, 5) << 1000 << "79.2805";
        QTest::newRow("PLN, published in five decimals, per 10 units")
            << "985" << QDate(2010, 4, 24) << 10 << "99.8475";
        QTest::newRow("PLN in four decimals, per 10 units") << "985" << QDate(2010, 1, 16) << 10 << "105.204";
        QTest::newRow("a currency not in the file") << "974" << QDate(2010, 1, 16) << 0 << "";
    }
    void shippedRates() {
        QFETCH(QString, code);
        QFETCH(QDate, day);
        QFETCH(int, units);
        QFETCH(QString, rate);
        static mTCurrencyRates rates;
        if (rates.Currencies().isEmpty())
            QVERIFY(
                rates.Load(QStringLiteral(DUROVID_SOURCE_DIR "/data/") + ReferenceFileName::CurrencyRates));
        CurrencyRate found;
        QCOMPARE(rates.Lookup(code, DateValue::FromQDate(day), found), units != 0);
        if (units) {
            QCOMPARE(found.Units, units);
            QCOMPARE(found.Rate.ToText(), rate);
        }
    }

    // The lookup halves a list in date order and walks any other; both follow the same rule.
    void lookupOfAListInDateOrder() {
        const QString sorted = "<R><C Code='840' Quantity='1'><D Date='01.01.2010' Rate='1'/>"
                               "<D Date='05.01.2010' Rate='2'/><D Date='09.01.2010' Rate='3'/></C>"
                               "<C Code='978' Quantity='1'><D Date='01.01.2010' Rate='1'/>"
                               "<D Date='09.01.2010' Rate='3'/><D Date='05.01.2010' Rate='2'/></C></R>";
        mTCurrencyRates rates;
        QVERIFY(rates.LoadFromBytes(Cp1251Xml(sorted)));
        QVERIFY(rates.FindCurrency("840")->InDateOrder);
        QVERIFY(!rates.FindCurrency("978")->InDateOrder);
        const QList<QPair<QDate, QString>> expected840 = {{QDate(2009, 12, 31), ""}, {QDate(2010, 1, 1), "1"},
                                                          {QDate(2010, 1, 4), "1"},  {QDate(2010, 1, 5), "2"},
                                                          {QDate(2010, 1, 8), "2"},  {QDate(2010, 1, 9), "3"},
                                                          {QDate(2010, 2, 1), "3"}};
        for (const auto& [day, rate] : expected840) {
            CurrencyRate r;
            QCOMPARE(rates.Lookup("840", DateValue::FromQDate(day), r) ? r.Rate.ToText() : QString(), rate);
        }
        // Out of order: after every entry the last one in document order counts, not the latest.
        CurrencyRate r;
        QVERIFY(rates.Lookup("978", DateValue::FromYmd(2010, 2, 1), r));
        QCOMPARE(r.Rate.ToText(), QStringLiteral("2"));
    }

    // A file kept for the whole run is read when its rows are first asked for, as Load would read it.
    void readWhenUsed() {
        const QString good = dir.filePath("rates.xml"), damaged = dir.filePath("damaged.xml");
        QFile f(good);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Cp1251Xml(QString::fromUtf8(kRates)));
        f.close();
        mTCurrencyRates rates;
        rates.LoadWhenUsed(good);
        QFile::remove(good); // not read yet: the file is gone when it is first used
        QVERIFY(rates.Currencies().isEmpty());
        QVERIFY(rates.ErrorString().contains("rates.xml"));

        f.setFileName(good);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Cp1251Xml(QString::fromUtf8(kRates)));
        f.close();
        rates.LoadWhenUsed(good);
        CurrencyRate r;
        QVERIFY(rates.Lookup("840", DateValue::FromYmd(2010, 1, 13), r));
        QCOMPARE(rates.PickerRows().size(), 4);

        QFile d(damaged);
        QVERIFY(d.open(QIODevice::WriteOnly));
        d.write("<OKVED><Item GRUP='1'");
        d.close();
        mTOkvedClassifier okved;
        okved.LoadWhenUsed(damaged);
        QVERIFY(okved.Names(1).isEmpty());
        QVERIFY(okved.ErrorString().startsWith("Файл " + damaged + " поврежден"));
        mTCodeNameList offices;
        offices.LoadWhenUsed(good);
        QCOMPARE(offices.Count(), 4);

        // Load parses at once and makes the rows when asked: a copy taken before that keeps what was
        // parsed after the original and the file are gone.
        auto loaded = std::make_unique<mTCodeNameList>();
        QVERIFY(loaded->Load(good));
        const mTCodeNameList copy = *loaded;
        loaded.reset();
        QFile::remove(good);
        QCOMPARE(copy.Count(), 4);
        QCOMPARE(copy.IndexOfCode("840"), 1);
        QVERIFY(copy.ErrorString().isEmpty());
    }

    void missingFileIsReported() {
        mTCurrencyRates rates;
        QVERIFY(!rates.Load(dir.filePath("absent.xml")));
        QVERIFY(rates.ErrorString().contains("absent.xml"));
        QVERIFY(rates.Currencies().isEmpty());
    }

    void badInput_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only the declaration")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>");
        QTest::newRow("not XML") << QByteArray("Code;Name\n7701;ИФНС\n");
        QTest::newRow("unclosed root") << QByteArray("<R><C Code='1'>name</C>");
        QTest::newRow("mismatched tags") << QByteArray("<R><C Code='1'>name</D></R>");
        QTest::newRow("bad attribute") << QByteArray("<R><C Code=1>name</C></R>");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01\x02>\x1a", 8);
    }

    // Damaged files give an error for every reader, never a crash.
    void badInput() {
        QFETCH(QByteArray, bytes);
        mTCodeNameList list;
        mTOkvedClassifier okved;
        mTCurrencyRates rates;
        mTReferenceFile* readers[] = {&list, &okved, &rates};
        for (mTReferenceFile* r : readers) {
            QVERIFY(!r->LoadFromBytes(bytes));
            QVERIFY(!r->ErrorString().isEmpty());
        }
        QCOMPARE(list.Count(), 0);
    }

    // Hostile but well-formed files: they load, and nothing in them is taken for what it is not.
    void hostileButWellFormed() {
        mTCodeNameList list;
        // Entities are not expanded: a "billion laughs" document stays small.
        QVERIFY(
            list.LoadFromBytes("<!DOCTYPE R [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;'>]>"
                               "<R><C Code='1'>&b;&b;&b;</C></R>"));
        QVERIFY(list.Rows()[0].Name.size() < 100);
        // Very deep nesting inside an entry is walked without recursion.
        const int depth = 200000;
        QByteArray deep = "<R><C Code='1'>" + QByteArray("<x>").repeated(depth) + "t" +
                          QByteArray("</x>").repeated(depth) + "</C></R>";
        QVERIFY(list.LoadFromBytes(deep));
        QCOMPARE(list.Rows()[0].Name, QStringLiteral("t"));
        // A root without children, and children without the attributes looked for.
        mTCurrencyRates rates;
        QVERIFY(rates.LoadFromBytes("<R/>"));
        QCOMPARE(rates.Currencies().size(), 0);
        QVERIFY(rates.LoadFromBytes("<R><C><D/></C></R>"));
        CurrencyRate r;
        QVERIFY(!rates.Lookup(QString(), DateValue::FromYmd(2010, 1, 1), r));
    }

    void rateLookup_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("date"); // the entry found, empty for none
        QTest::newRow("exact date") << "840" << QDate(2010, 1, 13) << "13.01.2010";
        QTest::newRow("between entries: last one before in document order")
            << "840" << QDate(2010, 1, 12) << "05.01.2010";
        QTest::newRow("before the out-of-order entry") << "840" << QDate(2010, 1, 4) << "01.01.2010";
        QTest::newRow("after all entries") << "840" << QDate(2010, 6, 1) << "05.01.2010";
        QTest::newRow("before every entry") << "840" << QDate(2009, 12, 31) << "";
        QTest::newRow("on the first entry's day") << "840" << QDate(2010, 1, 1) << "01.01.2010";
        QTest::newRow("unknown currency") << "999" << QDate(2010, 1, 13) << "";
        QTest::newRow("first currency of the code") << "978" << QDate(2010, 1, 13) << "31.12.2009";
    }

    void rateLookup() {
        QFETCH(QString, code);
        QFETCH(QDate, day);
        QFETCH(QString, date);
        mTCurrencyRates rates;
        QVERIFY(rates.LoadFromBytes(Cp1251Xml(QString::fromUtf8(kRates))));
        const CurrencyEntry* currency = rates.FindCurrency(code);
        const CurrencyRateEntry* entry =
            currency ? mTCurrencyRates::FindRateEntry(*currency, DateValue::FromQDate(day)) : nullptr;
        QCOMPARE(entry ? entry->Day.toString(QStringLiteral("dd.MM.yyyy")) : QString(), date);
    }

    void rateConversion() {
        mTCurrencyRates rates;
        QVERIFY(rates.LoadFromBytes(Cp1251Xml(QString::fromUtf8(kRates))));
        CurrencyRate r;
        QVERIFY(rates.Lookup("840", DateValue::FromYmd(2010, 1, 1), r));
        QCOMPARE(r.Units, 1);
        QCOMPARE(r.Rate, Money::FromLongDouble(30.1851L));
        QVERIFY(rates.Lookup("392", DateValue::FromYmd(2010, 2, 1), r));
        QCOMPARE(r.Units, 100);
        QCOMPARE(r.Rate, Money::FromLongDouble(32.6L));
        QVERIFY(!rates.Lookup("001", DateValue::FromYmd(2010, 2, 1), r)); // quantity not a number
        QCOMPARE(rates.PickerRows().value(1), (CodeNameRow{"840", "Доллар США", "USD"}));
    }

    // Rate texts: the common form read from the bytes, anything else as every amount is read.
    void rateTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("rate"); // empty: not a number
        QTest::newRow("four decimals") << QByteArray("30.1851") << "30.1851";
        QTest::newRow("whole") << QByteArray("30") << "30";
        QTest::newRow("a comma") << QByteArray("30,1851") << "30.1851";
        QTest::newRow("five decimals, rounded half to even") << QByteArray("30.18515") << "30.1852";
        QTest::newRow("blanks around") << QByteArray(" 30.1 ") << "30.1";
        QTest::newRow("fourteen digits") << QByteArray("99999999999999") << "99999999999999";
        QTest::newRow("fifteen digits, the most an amount holds")
            << QByteArray("922337203685477") << "922337203685477";
        QTest::newRow("too many digits") << QByteArray("999999999999999") << "";
        QTest::newRow("empty") << QByteArray("") << "";
        QTest::newRow("exponent") << QByteArray("1e3") << "";
    }
    void rateTexts() {
        QFETCH(QByteArray, text);
        QFETCH(QString, rate);
        const CurrencyRateEntry entry = mTCurrencyRates::ReadEntry("01.01.2010", text.constData());
        QCOMPARE(entry.RateValid ? entry.Rate.ToText() : QString(), rate);
        QVERIFY(entry.DayExact);
    }

    void okvedChoice() {
        mTOkvedClassifier okved;
        QVERIFY(okved.LoadFromBytes(Cp1251Xml(QString::fromUtf8(kOkved))));
        mTOkvedChoice choice(okved);
        const QString none = mTOkvedChoice::None;
        QCOMPARE(choice.Items(1), (QStringList{none, "СЕЛЬСКОЕ ХОЗЯЙСТВО", "СТРОИТЕЛЬСТВО"}));
        for (int level = 2; level <= 6; ++level)
            QCOMPARE(choice.Items(level), QStringList{none});
        QCOMPARE(choice.Shown(), none);
        QVERIFY(choice.ChosenKod().isEmpty());

        // A level-1 group fills every deeper list with its own entries of that level.
        choice.Choose(1, 1);
        QCOMPARE(choice.ChosenKod(), QStringLiteral("A"));
        QCOMPARE(choice.Shown(), QStringLiteral("A"));
        QCOMPARE(choice.Items(2), (QStringList{none, "Сельское хозяйство", "Лесное хозяйство"}));
        QCOMPARE(choice.Items(3), (QStringList{none, "Растениеводство", "Животноводство"}));
        QCOMPARE(choice.Items(4),
                 (QStringList{none, "Выращивание зерновых", "Разведение крупного рогатого скота"}));
        QCOMPARE(choice.Items(5), QStringList{none});
        QVERIFY(!choice.CodeLongEnough());

        // A level-3 entry narrows the lists below it.
        choice.Choose(3, 2);
        QCOMPARE(choice.ChosenKod(), QStringLiteral("A01.2"));
        QCOMPARE(choice.Shown(), QStringLiteral("01.2"));
        QCOMPARE(choice.Items(4), (QStringList{none, "Разведение крупного рогатого скота"}));
        QCOMPARE(choice.Current(4), 0);
        QCOMPARE(choice.Items(2).size(), 3); // shallower lists keep what they hold
        QVERIFY(choice.CodeLongEnough());

        // "нет" empties the deeper lists and keeps the code.
        choice.Choose(2, 0);
        QCOMPARE(choice.Items(3), QStringList{none});
        QCOMPARE(choice.Items(4), QStringList{none});
        QCOMPARE(choice.ChosenKod(), QStringLiteral("A01.2"));
        QCOMPARE(choice.Shown(), QStringLiteral("01.2"));

        // Another section replaces everything below it.
        choice.Choose(1, 2);
        QCOMPARE(choice.Items(2), (QStringList{none, "Строительство"}));
        QCOMPARE(choice.ChosenKod(), QStringLiteral("F"));
        choice.Choose(2, 1);
        QCOMPARE(choice.Shown(), QStringLiteral("45"));
        QVERIFY(!choice.CodeLongEnough()); // "F45": three characters
        choice.Choose(7, 1);               // no such level: ignored
        choice.Choose(2, 9);               // no such item: ignored
        QCOMPARE(choice.ChosenKod(), QStringLiteral("F45"));

        // Under a subsection a class's Kod has four characters, yet its code is as short as any class's.
        mTOkvedClassifier subsections;
        QVERIFY(subsections.LoadFromBytes(
            Cp1251Xml("<R><E GRUP='1' Kod='C' OKVED='C' Name='ДОБЫЧА'/>"
                      "<E GRUP='1' Kod='CA' OKVED='CA' Name='ТОПЛИВО'/>"
                      "<E GRUP='2' Kod='CA10' OKVED='10' Name='Уголь'/>"
                      "<E GRUP='3' Kod='CA10.1' OKVED='10.1' Name='Каменный'/></R>")));
        mTOkvedChoice mining(subsections);
        QCOMPARE(mining.Items(1), (QStringList{none, "ДОБЫЧА", "ТОПЛИВО"}));
        mining.Choose(1, 2);
        QVERIFY(!mining.CodeLongEnough());
        mining.Choose(2, 1);
        QCOMPARE(mining.ChosenKod(), QStringLiteral("CA10"));
        QVERIFY(!mining.CodeLongEnough());
        mining.Choose(3, 1);
        QVERIFY(mining.CodeLongEnough());
    }

    void pickerModel() {
        CodeNameTableModel model(QStringLiteral("Код"), QStringLiteral("Наименование государства"));
        model.SetRows({{"643", "РОССИЯ"}, {"804", "УКРАИНА"}});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("804"));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("УКРАИНА"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Наименование государства"));
        QVERIFY(!model.data(model.index(5, 0)).isValid());
    }
};

QTEST_GUILESS_MAIN(TestReferenceFiles)
#include "tst_referencefiles.moc"
