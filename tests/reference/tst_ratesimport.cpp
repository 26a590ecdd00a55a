#include "reference/CurrencyRates.h"
#include "reference/RateInput.h"
#include "reference/RatesImport.h"
#include "storage/CodePage.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The rates file every case starts from.
const char* const kStart = R"(<?xml version="1.0" encoding="windows-1251"?>
<CurrencyRates>
	<!-- kept as it is -->
	<Currency Code="840" Name="Доллар США" Quantity="1" Id="R01235">
		<Rate Date="31.12.2009" Rate="30.2442"/>
		<Rate Date="12.01.2010" Rate="29.4283"/>
	</Currency>
	<Currency Code="392" Name="Японских иен" Quantity="100" Id="R01820">
		<Rate Date="31.12.2009" Rate="32.8260"/>
	</Currency>
</CurrencyRates>
)";

struct Valute {
    const char* code;
    const char* nominal;
    const char* name;
    const char* value;
};

// The bank's daily rates, decimal comma; the text as it stands, declared in encoding.
QString DailyText(const char* date, std::initializer_list<Valute> valutes,
                  const char* encoding = "windows-1251") {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%2\"?>\n"
                                  "<ValCurs Date=\"%1\" name=\"Foreign Currency Market\">\n")
                       .arg(QLatin1String(date), QLatin1String(encoding));
    for (const Valute& v : valutes)
        text += QStringLiteral("<Valute ID=\"R0%1\">\n<NumCode>%1</NumCode>\n<CharCode>XXX</CharCode>\n"
                               "<Nominal>%2</Nominal>\n<Name>%3</Name>\n<Value>%4</Value>\n</Valute>\n")
                    .arg(QLatin1String(v.code), QLatin1String(v.nominal), QString::fromUtf8(v.name),
                         QLatin1String(v.value));
    return text + QStringLiteral("</ValCurs>\n");
}

// The bank's daily rates as it sends them: windows-1251.
QByteArray Daily(const char* date, std::initializer_list<Valute> valutes) {
    return CodePage::ToCp1251(DailyText(date, valutes));
}

// The bank's history of one currency.
QByteArray History(const char* id, std::initializer_list<std::pair<const char*, const char*>> records,
                   const char* nominal = "1") {
    QByteArray text = QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<ValCurs ID=\"") + id +
                      "\" DateRange1=\"01.01.2010\" DateRange2=\"31.12.2010\" name=\"Foreign Currency Market "
                      "Dynamic\">\n";
    for (const auto& [date, value] : records)
        text += QByteArray("<Record Date=\"") + date + "\" Id=\"" + id + "\">\n<Nominal>" + nominal +
                "</Nominal>\n<Value>" + value + "</Value>\n</Record>\n";
    return text + "</ValCurs>\n";
}

QByteArray Table(std::initializer_list<const char*> rows) {
    QByteArray text = "code;letter;quantity;name;date;rate\n";
    for (const char* row : rows)
        text += QByteArray(row) + '\n';
    return text;
}

} // namespace

// Importing rates into a rates file: the three forms of input, the merge rules, and every failure
// leaving the old file as it was.
class TestRatesImport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int counter = 0;

    QString Write(const QByteArray& bytes) {
        return TestFiles::Write(dir, QStringLiteral("in%1").arg(++counter), bytes);
    }
    static QByteArray Read(const QString& path) { return TestFiles::Read(path); }
    // The rates file's entries of a currency: "date=rate" in document order, and its quantity.
    static QStringList Entries(const QString& path, const QString& code) {
        mTCurrencyRates rates;
        if (!rates.Load(path)) return {QStringLiteral("unreadable")};
        const CurrencyEntry* c = rates.FindCurrency(code);
        if (!c) return {};
        QStringList out{QStringLiteral("x") + c->Quantity + QLatin1Char(' ') + c->Name};
        for (const CurrencyRateEntry& e : c->Rates)
            out << e.Day.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char('=') + e.Rate.ToText();
        return out;
    }

private Q_SLOTS:
    void import_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("outcome"); // the report, or the error
        QTest::addColumn<QString>("code");    // whose entries are looked at afterwards
        QTest::addColumn<QStringList>("entries");

        const QStringList usd = {"x1 Доллар США", "31.12.2009=30.2442", "12.01.2010=29.4283"};

        // The bank's daily rates.
        QTest::newRow("daily: a new currency") << Daily("12.01.2010", {{"978", "1", "Евро", "42,4511"}}) << ""
                                               << "Добавлена валюта 978 «Евро», курс за 1 ед.|Добавлено "
                                                  "курсов: 1, заменено: 0, без изменений: 0."
                                               << "978" << QStringList{"x1 Евро", "12.01.2010=42.4511"};
        QTest::newRow("daily: a new date goes among the others in date order")
            << Daily("01.01.2010", {{"840", "1", "Доллар США", "30,1851"}}) << ""
            << "Добавлено курсов: 1, заменено: 0, без изменений: 0."
            << "840"
            << QStringList{"x1 Доллар США", "31.12.2009=30.2442", "01.01.2010=30.1851", "12.01.2010=29.4283"};
        QTest::newRow("daily: a changed value replaces the old one")
            << Daily("12.01.2010", {{"840", "1", "Другое имя", "29,5"}, {"392", "100", "Иены", "32,826"}})
            << ""
            << "Курс валюты 840 на 12.01.2010 заменён: 29.4283 → 29.5000|"
               "Добавлено курсов: 1, заменено: 1, без изменений: 0."
            << "840" << QStringList{"x1 Доллар США", "31.12.2009=30.2442", "12.01.2010=29.5"};
        QTest::newRow("daily: the same value changes nothing")
            << Daily("31.12.2009", {{"840", "1", "Доллар США", "30,2442"}}) << ""
            << "Добавлено курсов: 0, заменено: 0, без изменений: 1."
            << "840" << usd;
        QTest::newRow("daily: a value per another nominal is converted")
            << Daily("12.01.2010", {{"392", "1", "Иена", "0,318626"}}) << ""
            << "Добавлено курсов: 1, заменено: 0, без изменений: 0."
            << "392" << QStringList{"x100 Японских иен", "31.12.2009=32.826", "12.01.2010=31.8626"};
        QTest::newRow("daily: five decimals raise the quantity")
            << Daily("12.01.2010", {{"840", "1", "", "29,42835"}}) << ""
            << "Курсы валюты 840 пересчитаны с 1 на 10 ед., чтобы курс не округлялся|"
               "Курс валюты 840 на 12.01.2010 заменён: 294.2830 → 294.2835|"
               "Добавлено курсов: 0, заменено: 1, без изменений: 0."
            << "840" << QStringList{"x10 Доллар США", "31.12.2009=302.442", "12.01.2010=294.2835"};
        QTest::newRow("daily: malformed value refused with its line")
            << Daily("12.01.2010", {{"978", "1", "Евро", "42,45"}, {"840", "1", "Доллар", "abc"}}) << ""
            << "строка 10: неверный курс (Value): «abc»"
            << "840" << usd;
        QTest::newRow("daily: new currency without a name")
            << Daily("12.01.2010", {{"978", "1", "", "42,45"}}) << ""
            << "строка 3: валюты 978 нет в справочнике, а у курса нет её названия"
            << "978" << QStringList{};
        QTest::newRow("daily: no date") << Daily("", {{"978", "1", "Евро", "42,45"}}) << ""
                                        << "строка 2: у <ValCurs> нет даты курсов"
                                        << "840" << usd;

        // The bank's history of one currency.
        QTest::newRow("history: currency by its Id, a new date and a changed value")
            << History("R01235", {{"01.01.2010", "30,1851"}, {"12.01.2010", "29,4"}}) << ""
            << "Курс валюты 840 на 12.01.2010 заменён: 29.4283 → 29.4000|"
               "Добавлено курсов: 1, заменено: 1, без изменений: 0."
            << "840"
            << QStringList{"x1 Доллар США", "31.12.2009=30.2442", "01.01.2010=30.1851", "12.01.2010=29.4"};
        QTest::newRow("history: an unknown Id with the currency given")
            << History("R01239", {{"12.01.2010", "42,4511"}}) << "392"
            << "Добавлено курсов: 1, заменено: 0, без изменений: 0."
            << "392" << QStringList{"x100 Японских иен", "31.12.2009=32.826", "12.01.2010=4245.11"};
        QTest::newRow("history: an unknown Id and no currency")
            << History("R01239", {{"12.01.2010", "42,4511"}}) << ""
            << "строка 3: валюта не указана, а код Банка России «R01239» в справочнике не найден"
            << "840" << usd;
        QTest::newRow("history: the currency given is not the file's")
            << History("R01235", {{"12.01.2010", "42,4511"}}) << "392"
            << "строка 3: курсы валюты 840 (код Банка России R01235), а указана валюта 392"
            << "840" << usd;
        QTest::newRow("history: a new currency has no name")
            << History("R01239", {{"12.01.2010", "42,4511"}}) << "978"
            << "строка 3: валюты 978 нет в справочнике, а у курса нет её названия"
            << "840" << usd;
        QTest::newRow("history: malformed date refused with its line")
            << History("R01235", {{"01.01.2010", "30,1851"}, {"32.01.2010", "29,4"}}) << ""
            << "строка 7: неверная дата (Date): «32.01.2010»"
            << "840" << usd;
        QTest::newRow("history: a zero nominal") << History("R01235", {{"01.01.2010", "30,1851"}}, "0") << ""
                                                 << "строка 3: неверный номинал (Nominal): «0»"
                                                 << "840" << usd;

        // Our table.
        QTest::newRow("table: a new currency, a new date, a changed value, in one go")
            << Table({"978;EUR;1;Евро;12.01.2010;42.4511", "840;USD;1;Доллар США;11.01.2010;30.1851",
                      "840;USD;1;Доллар США;12.01.2010;29.43"})
            << ""
            << "Добавлена валюта 978 «Евро», курс за 1 ед.|Курс валюты 840 на 12.01.2010 заменён: 29.4283 → "
               "29.4300|Добавлено курсов: 2, заменено: 1, без изменений: 0."
            << "840"
            << QStringList{"x1 Доллар США", "31.12.2009=30.2442", "11.01.2010=30.1851", "12.01.2010=29.43"};
        QTest::newRow("table: the same date twice, the later value wins and is reported")
            << Table({"840;USD;1;Доллар США;13.01.2010;29.3", "840;USD;1;Доллар США;13.01.2010;29.3774"})
            << ""
            << "Курс валюты 840 на 13.01.2010 заменён: 29.3000 → 29.3774|"
               "Добавлено курсов: 1, заменено: 1, без изменений: 0."
            << "840"
            << QStringList{"x1 Доллар США", "31.12.2009=30.2442", "12.01.2010=29.4283", "13.01.2010=29.3774"};
        QTest::newRow("table: malformed date refused with its line")
            << Table({"840;USD;1;Доллар США;13.01.2010;29.3", "840;USD;1;Доллар США;2010-01-14;29.3"}) << ""
            << "строка 3: неверная дата: «2010-01-14»"
            << "840" << usd;
        QTest::newRow("table: a missing field") << Table({"840;USD;1;Доллар США;13.01.2010"}) << ""
                                                << "строка 2: 5 полей вместо 6"
                                                << "840" << usd;
        QTest::newRow("table: a name holding a quoted separator")
            << Table({"999;XYZ;10;\"Валюта; новая\";13.01.2010;1.5"}) << ""
            << "Добавлена валюта 999 «Валюта; новая», курс за 10 ед.|"
               "Добавлено курсов: 1, заменено: 0, без изменений: 0."
            << "999" << QStringList{"x10 Валюта; новая", "13.01.2010=1.5"};

        // Neither.
        QTest::newRow("not XML and not our table")
            << QByteArray("Курс доллара 30,18\n") << ""
            << "строка 1: это не XML-файл курсов Банка России и не таблица курсов"
            << "840" << usd;
        QTest::newRow("broken XML") << QByteArray("<ValCurs Date=\"12.01.2010\">\n<Valute>\n</ValCurs>") << ""
                                    << "строка 3: ошибка XML"
                                    << "840" << usd;
        QTest::newRow("another XML file") << CodePage::ToCp1251(QString::fromUtf8(kStart)) << ""
                                          << "строка 2: это не файл курсов Банка России"
                                          << "840" << usd;
        QTest::newRow("empty file") << QByteArray() << ""
                                    << "строка 1:"
                                    << "840" << usd;

        // The encoding the file declares.
        const std::initializer_list<Valute> euro{{"978", "1", "Евро", "42,4511"}};
        QTest::newRow("encoding: KOI8-R as declared")
            << QByteArray(QStringEncoder("KOI8-R").encode(DailyText("12.01.2010", euro, "KOI8-R"))) << ""
            << "Добавлена валюта 978 «Евро», курс за 1 ед.|Добавлено курсов: 1, заменено: 0, без изменений: "
               "0."
            << "978" << QStringList{"x1 Евро", "12.01.2010=42.4511"};
        QTest::newRow("encoding: one no converter knows")
            << CodePage::ToCp1251(DailyText("12.01.2010", euro, "x-unknown-42")) << ""
            << "строка 1: неизвестная кодировка «x-unknown-42»"
            << "978" << QStringList{};
        QTest::newRow("encoding: UTF-8 text declared windows-1251")
            << DailyText("12.01.2010", euro).toUtf8() << ""
            << "строка 1: текст файла записан в кодировке UTF-8, а в его заголовке указана windows-1251"
            << "978" << QStringList{};
        QTest::newRow("nothing imported from an empty daily file") << Daily("12.01.2010", {}) << ""
                                                                   << "строка 2: в файле нет ни одного курса"
                                                                   << "840" << usd;
    }

    void import() {
        QFETCH(QByteArray, input);
        QFETCH(QString, currency);
        QFETCH(QString, outcome);
        QFETCH(QString, code);
        QFETCH(QStringList, entries);
        const QString target = Write(CodePage::ToCp1251(QString::fromUtf8(kStart)));
        const QByteArray before = Read(target);
        const QString inputFile = Write(input);

        RatesImport import;
        import.SetCurrency(currency);
        const bool ok = import.Run({inputFile}, target);
        if (ok) {
            QCOMPARE(import.Report().join(QLatin1Char('|')), outcome);
        } else {
            QVERIFY2(import.ErrorString().startsWith(inputFile + ": " + outcome),
                     qPrintable(import.ErrorString()));
            QCOMPARE(Read(target), before); // the old file kept
        }
        QCOMPARE(Entries(target, code), entries);
        if (ok) QVERIFY(Read(target).contains("<!-- kept as it is -->"));
    }

    // Several files at once: a failure in the last one keeps the file as it was.
    void severalInputsAllOrNothing() {
        const QString target = Write(CodePage::ToCp1251(QString::fromUtf8(kStart)));
        const QByteArray before = Read(target);
        RatesImport import;
        QVERIFY(!import.Run({Write(Daily("13.01.2010", {{"840", "1", "Доллар США", "29,3774"}})),
                             Write(History("R01235", {{"bad", "1"}}))},
                            target));
        QCOMPARE(Read(target), before);
        QVERIFY(import.Report().isEmpty());

        // The daily file teaches the Id of a new currency to a history file of the same import.
        QVERIFY2(import.Run({Write(History("R0978", {{"13.01.2010", "42,1"}})),
                             Write(Daily("12.01.2010", {{"978", "1", "Евро", "42,4511"}}))},
                            target),
                 qPrintable(import.ErrorString()));
        QCOMPARE(Entries(target, "978"), (QStringList{"x1 Евро", "12.01.2010=42.4511", "13.01.2010=42.1"}));
    }

    // A first import into the per-user folder starts from the delivered file; a missing input or a damaged
    // rates file is reported and nothing is written.
    void baseAndFailures() {
        const QString base = Write(CodePage::ToCp1251(QString::fromUtf8(kStart)));
        const QString target = dir.filePath("user/CurrencyRates.xml");
        QDir().mkpath(dir.filePath("user"));
        RatesImport import;
        QVERIFY(
            import.Run({Write(Daily("13.01.2010", {{"840", "1", "Доллар США", "29,3774"}}))}, target, base));
        QCOMPARE(Entries(target, "840").size(), 4);
        QCOMPARE(Entries(base, "840").size(), 3);

        QVERIFY(!import.Run({dir.filePath("absent.xml")}, target));
        QVERIFY(import.ErrorString().contains("absent.xml"));
        const QString damaged = Write("<CurrencyRates><Currency Code=\"840\">");
        QVERIFY(!import.Run({Write(Daily("13.01.2010", {{"840", "1", "Доллар США", "29,3774"}}))}, damaged));
        QVERIFY(import.ErrorString().startsWith("Файл " + damaged + " поврежден: ошибка XML"));
        QCOMPARE(Read(damaged), QByteArray("<CurrencyRates><Currency Code=\"840\">"));
    }

    // A rates file of another kind, or nested deeper than rates are, is refused before anything is
    // written back.
    void refusedRatesFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("the tax offices")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Inspections Version=\"00\">"
                          "<Inspection Code=\"7701\">x</Inspection></Inspections>")
            << "это не справочник курсов валют: корневой элемент <Inspections> вместо <CurrencyRates>";
        QTest::newRow("elements nested 20 000 deep")
            << "<CurrencyRates>" + QByteArray("<a>").repeated(20000) + QByteArray("</a>").repeated(20000) +
                   "</CurrencyRates>"
            << "элемент <a> вложен в запись курса <a>";
        QTest::newRow("an element inside a rate")
            << QByteArray("<CurrencyRates><Currency Code=\"840\" Name=\"USD\" Quantity=\"1\">"
                          "<Rate Date=\"31.12.2009\" Rate=\"30\"><Rate/></Rate></Currency></CurrencyRates>")
            << "элемент <Rate> вложен в запись курса <Rate>";
    }
    void refusedRatesFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const QString target = Write(file);
        RatesImport import;
        QVERIFY(!import.Run({Write(Daily("13.01.2010", {{"840", "1", "Доллар США", "29,3774"}}))}, target));
        QVERIFY2(import.ErrorString().startsWith("Файл " + target + " поврежден: " + message),
                 qPrintable(import.ErrorString()));
        QCOMPARE(Read(target), file);
    }

    void values_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // 0: refused
        QTest::newRow("comma") << "30,1851" << qint64(3018510000);
        QTest::newRow("point") << "30.1851" << qint64(3018510000);
        QTest::newRow("whole") << "30" << qint64(3000000000);
        QTest::newRow("eight decimals") << "0,00000001" << qint64(1);
        QTest::newRow("nine decimals") << "0,000000001" << qint64(0);
        QTest::newRow("zero") << "0,0000" << qint64(0);
        QTest::newRow("negative") << "-1" << qint64(0);
        QTest::newRow("two separators") << "1,2.3" << qint64(0);
        QTest::newRow("a billion") << "1000000000" << qint64(0);
        QTest::newRow("blank") << " " << qint64(0);
    }
    void values() {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        qint64 parsed = 0;
        QCOMPARE(RateInput::ParseValue(text, parsed), value != 0);
        if (value) QCOMPARE(parsed, value);
    }
};

QTEST_GUILESS_MAIN(TestRatesImport)
#include "tst_ratesimport.moc"
