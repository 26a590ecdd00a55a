// The printed return as a model of pages and cells: which pages a return gets and what stands in
// the cells of chosen lines, for the worked examples of the tests; the filling rules; a sheet А
// whose sources do not fit one page; and the PDF's text.

#include "computation/WorkedExamples.h"
#include "export/XmlExport.h"
#include "form/CellFill.h"
#include "form/ReturnLayout.h"
#include "form/ReturnPainter.h"
#include "storage/CodePage.h"
#include "support/Samples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

Q_DECLARE_METATYPE(FormField)

namespace {

QString Fixture(const QString& name) {
    QFile file(QStringLiteral(DUROVID_FIXTURES "/export/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("no fixture %s", qPrintable(name));
    return CodePage::FromCp1251(file.readAll());
}

QString Exported(mTDeclaration& declaration) {
    XmlExport exporter;
    exporter.SetFixedDate(QDate(2011, 4, 20));
    exporter.SetFixedGuid(QUuid(QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}")));
    if (!exporter.Export(QString(), declaration, ExportToText)) qFatal("export failed");
    return exporter.Result();
}

QString CarSale() {
    mTDeclaration d;
    WorkedExample::CarSoldWithinThreeYears(d);
    d.InspectionCode = QStringLiteral("7712");
    d.Person.SurName = QStringLiteral("Кузнецов");
    d.Person.FirstName = QStringLiteral("Пётр");
    d.Person.INN = QStringLiteral("771234567890");
    return Exported(d);
}

// The worked examples: the employee with a flat, the car sale, the non-resident, the 4-NDFL and the
// entrepreneur with every kind of income and deduction.
QString Example(const QString& name) {
    if (name == QLatin1String("flat")) return Fixture(QStringLiteral("endtoend-employee-flat.xml"));
    if (name == QLatin1String("car")) return CarSale();
    if (name == QLatin1String("non-resident")) return Fixture(QStringLiteral("nonresident.xml"));
    if (name == QLatin1String("4-NDFL")) return Fixture(QStringLiteral("estimated.xml"));
    if (name == QLatin1String("entrepreneur")) return Fixture(QStringLiteral("resident.xml"));
    qFatal("no example %s", qPrintable(name));
}

std::vector<ReturnPage> Pages(const QString& xml) {
    ReturnLayout layout;
    if (!layout.Lay(xml)) qFatal("not laid out: %s", qPrintable(layout.ErrorString()));
    return layout.Pages();
}

// The pages of an example, laid out once for all the rows that look at them.
const std::vector<ReturnPage>& ExamplePages(const QString& name) {
    static std::map<QString, std::vector<ReturnPage>> laid;
    auto it = laid.find(name);
    if (it == laid.end()) it = laid.emplace(name, Pages(Example(name))).first;
    return it->second;
}

QString PageList(const std::vector<ReturnPage>& pages) {
    QStringList list;
    for (const ReturnPage& p : pages)
        list << p.Number + QLatin1Char(' ') + p.Sheet;
    return list.join(QLatin1Char('|'));
}

QByteArray Pdf(const std::vector<ReturnPage>& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        if (!ReturnPainter::Paint(writer, pages)) qFatal("not painted");
    }
    return buffer.data();
}

// The characters of a value under the filling rules, as a page shows them.
QString Filled(const FormField& field, const QString& value) {
    PageField f;
    f.Separator = CellFill::Separator(field.Format);
    for (const CellGroup& g : CellFill::Groups(field, value))
        f.Groups.push_back({QPointF(), g});
    return f.Text();
}

// The Лист А pages of a return with `count` sources of income at 13 %.
std::vector<ReturnPage> SheetAPages(int count, const QString& firstName = QString()) {
    mTDeclaration d;
    Samples::FillWithSources(d, count);
    d.InspectionCode = QStringLiteral("7701");
    if (!firstName.isNull()) d.IncomeSources13.At(0)->SourceName = firstName;
    std::vector<ReturnPage> sheetA;
    for (const ReturnPage& page : Pages(Exported(d)))
        if (page.Sheet == QStringLiteral("Лист А")) sheetA.push_back(page);
    return sheetA;
}

// The text of a page as laid out; with `bare`, without any blank, as one character per cell comes
// out with blanks between the cells.
QString Pdftotext(const QString& pdf, const QString& page, bool bare = true) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), page,
                                          QStringLiteral("-l"), page, pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    return bare ? QString(text).remove(QRegularExpression(QStringLiteral("\\s"))) : text;
}

void WritePdf(const std::vector<ReturnPage>& pages, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Pdf(pages)) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

// "001,010-130" as the line codes 001, 010, 020, …, 130.
QStringList LineCodes(const QString& spec) {
    QStringList codes;
    for (const QString& part : spec.split(u',', Qt::SkipEmptyParts)) {
        const QStringList range = part.split(u'-');
        for (int code = range.first().toInt(); code <= range.last().toInt(); code += 10)
            codes << QString::number(code).rightJustified(3, u'0');
    }
    return codes;
}

} // namespace

class TestReturnLayout : public QObject {
    Q_OBJECT

private slots:
    void fillingRules_data();
    void fillingRules();
    void pagesOfTheExamples_data();
    void pagesOfTheExamples();
    void cellsOfChosenLines_data();
    void cellsOfChosenLines();
    void sourcesContinueOnTheNextPage();
    void longSourceNameIsNeverCut();
    void notAReturn();
    void pdfTextHasTheReturnsNumbers_data();
    void pdfTextHasTheReturnsNumbers();
    void sheetsAsTheApprovedPages_data();
    void sheetsAsTheApprovedPages();

private:
    QTemporaryDir pdfs_;
};

void TestReturnLayout::fillingRules_data() {
    using namespace FormFields;
    QTest::addColumn<FormField>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("cells");
    QTest::newRow("kopecks") << Kopecks("", "", "") << "1234.5"
                             << "1234--------.50";
    QTest::newRow("whole kopecks") << Kopecks("", "", "") << "600000"
                                   << "600000------.00";
    QTest::newRow("no value struck through") << Kopecks("", "", "") << ""
                                             << "------------.--";
    QTest::newRow("no date struck through") << Date("", "", "") << ""
                                            << "--.--.----";
    QTest::newRow("tax office's cells left blank") << ForOffice(Code("", "", "", 2)) << ""
                                                   << "";
    QTest::newRow("zero amount") << Roubles("", "", "") << "0"
                                 << "0-----------";
    QTest::newRow("zero of a line that does not apply") << UnlessZero(Roubles("", "", "")) << "0"
                                                        << "------------";
    QTest::newRow("non-zero of such a line") << UnlessZero(Roubles("", "", "")) << "17000"
                                             << "17000-------";
    QTest::newRow("roubles") << Roubles("", "", "") << "78000"
                             << "78000-------";
    QTest::newRow("roubles wider than the cells") << Roubles("", "", "", false, 3) << "150000"
                                                  << "150000";
    QTest::newRow("date") << Date("", "", "") << "15.03.2011"
                          << "15.03.2011";
    QTest::newRow("region zero-filled") << CodeZ("", "", "", 2) << "7"
                                        << "07";
    QTest::newRow("country full") << CodeZ("", "", "", 3) << "643"
                                  << "643";
    QTest::newRow("letters not zero-filled") << CodeZ("", "", "", 3) << "A1"
                                             << "A1-";
    QTest::newRow("text in capitals") << Text("", "", "", 10) << " Иванов "
                                      << "ИВАНОВ----";
    QTest::newRow("text over two rows") << Text("", "", "", 5, 3) << "ООО Ромашка"
                                        << "ООО Р\nОМАШК\nА----";
    QTest::newRow("text longer than its rows") << Text("", "", "", 4, 1) << "1234567890"
                                               << "1234\n5678\n90--";
    QTest::newRow("empty rows struck through") << Text("", "", "", 4, 2) << "АБ"
                                               << "АБ--\n----";
    QTest::newRow("share") << Share("", "", "") << "1/2"
                           << "1--/2--";
    QTest::newRow("currency rate") << Rate("", "", "") << "29.5"
                                   << "29--.5000";
    QTest::newRow("year") << Year("", "", "") << "2010"
                          << "2010";
}

void TestReturnLayout::fillingRules() {
    QFETCH(FormField, field);
    QFETCH(QString, value);
    QTEST(Filled(field, value), "cells");
}

void TestReturnLayout::pagesOfTheExamples_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("pages");
    QTest::newRow("employee with a flat")
        << "flat"
        << "001 Титульный лист|002 Титульный лист|003 Раздел 1|004 Раздел 6|005 Лист А|006 Лист И|007 Лист И";
    QTest::newRow("car sale") << "car"
                              << "001 Титульный лист|002 Титульный лист|003 Раздел 1|004 Раздел 6|005 Лист А|"
                                 "006 Лист Е";
    QTest::newRow("non-resident")
        << "non-resident"
        << "001 Титульный лист|002 Титульный лист|003 Раздел 1|004 Раздел 2|"
           "005 Раздел 5|006 Раздел 6|007 Раздел 6|008 Раздел 6|009 Лист А|010 Лист А|"
           "011 Лист А|012 Лист Д|013 Лист Ж3";
    QTest::newRow("4-NDFL") << "4-NDFL"
                            << "001 Титульный лист";
    QTest::newRow("entrepreneur")
        << "entrepreneur"
        << "001 Титульный лист|002 Титульный лист|003 Раздел 1|004 Раздел 3|005 Раздел 4|006 Раздел 6|"
           "007 Раздел 6|008 Раздел 6|009 Лист А|010 Лист А|011 Лист А|012 Лист Б|013 Лист Б|014 Лист В|"
           "015 Лист Г1|016 Лист Г1|017 Лист Г1|018 Лист Г2|019 Лист Г3|020 Лист Д|021 Лист Д|022 Лист Е|"
           "023 Лист Ж1|024 Лист Ж2|025 Лист Ж3|026 Лист З|027 Лист З|028 Лист И|029 Лист И";
}

void TestReturnLayout::pagesOfTheExamples() {
    QFETCH(QString, example);
    const std::vector<ReturnPage>& pages = ExamplePages(example);
    QTEST(PageList(pages), "pages");
    // Every page carries the taxpayer's ИНН and its own number.
    for (const ReturnPage& page : pages) {
        QCOMPARE(page.Cells(QStringLiteral("ИНН")), example == QLatin1String("car")
                                                        ? QStringLiteral("771234567890")
                                                        : QStringLiteral("500100732259"));
        QCOMPARE(page.Cells(QStringLiteral("Стр.")), page.Number);
    }
}

void TestReturnLayout::cellsOfChosenLines_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<QString>("cells");
    auto row = [](const char* example, const char* page, const char* line, int occurrence,
                  const QString& cells) {
        QTest::addRow("%s %s %s/%d", example, page, line, occurrence)
            << QString::fromUtf8(example) << QString::fromUtf8(page) << QString::fromUtf8(line) << occurrence
            << cells;
    };
    const QString struck40(40, u'-');
    // Title pages: codes, the number of pages, the document's date, the address.
    row("flat", "001", "КодНО", 0, "7705");
    row("flat", "001", "НомКорр", 0, "0--");
    row("flat", "001", "Период", 0, "34");
    row("flat", "001", "ОтчетГод", 0, "2010");
    row("flat", "001", "ОКАТО", 0, "45286555000");
    row("flat", "001", "Страниц", 0, "7--");
    row("flat", "001", "Дата", 0, "15.03.2011");
    row("flat", "002", "ДатаРожд", 0, "09.07.1980");
    row("flat", "002", "КодРегион", 0, "77");
    row("flat", "002", "Статус", 0, "1");
    // Section 1 in kopecks and whole roubles, section 6, the source on sheet А, the flat on sheet З.
    row("flat", "003", "010", 0, "600000------.00");
    row("flat", "003", "050", 0, "0-----------.00");
    row("flat", "003", "120", 0, "78000-------");
    row("flat", "004", "010", 0, "2");
    row("flat", "004", "020", 0, "18210102010011000110");
    row("flat", "004", "030", 0, "45293594000");
    row("flat", "004", "050", 0, "78000----------");
    row("flat", "005", "001", 0, "13");
    row("flat", "005", "010", 0, "7705034202--");
    row("flat", "005", "020", 0, "770501001");
    row("flat", "005", "040", 0, "ООО \"ВЕКТОР\"" + QString(28, u'-') + "\n" + struck40);
    row("flat", "005", "070", 0, "78000-------");
    row("flat", "006", "050", 0, "20.04.2010");
    row("flat", "006", "080", 0, "1--/1--");
    row("flat", "006", "100", 0, "2000000-----.00");
    row("flat", "007", "250", 0, "1400000-----.00");
    // The car sale: the tax due and the fixed deduction for other property.
    row("car", "001", "КодНО", 0, "7712");
    row("car", "003", "050", 0, "150000------.00");
    row("car", "003", "130", 0, "19500-------");
    row("car", "004", "010", 0, "1");
    row("car", "004", "040", 0, "19500----------");
    row("car", "006", "110", 0, "400000------.00");
    row("car", "006", "120", 0, "250000------.00");
    row("car", "006", "190", 0, "250000------.00");
    // The non-resident: status, correction, the 15 % sheet with two payments from one source.
    row("non-resident", "001", "НомКорр", 0, "1--");
    row("non-resident", "002", "Статус", 0, "2");
    row("non-resident", "002", "ОКСМ", 0, "826");
    row("non-resident", "002", "ПрАдр", 0, "2");
    row("non-resident", "005", "030", 0, "302---------");
    row("non-resident", "007", "040", 0, "17000----------");
    row("non-resident", "010", "001", 0, "15");
    row("non-resident", "010", "050", 1, "1010--------.00");
    row("non-resident", "012", "001", 0, "1");
    row("non-resident", "013", "020", 0, "12.04.2010");
    // 4-NDFL: one page.
    row("4-NDFL", "001", "ПредДоход", 0, "150000---------");
    row("4-NDFL", "001", "ДокПредст", 0, "000");
    row("4-NDFL", "001", "ОтчетГод", 0, "2011");
    row("4-NDFL", "001", "Страниц", 0, "1--");
    // The entrepreneur: persons as sources, business, standard deductions, securities.
    row("entrepreneur", "001", "ДокПредст", 0, "720");
    row("entrepreneur", "010", "010", 1, "771234567890");
    row("entrepreneur", "010", "010", 2, "------------");
    row("entrepreneur", "010", "040", 2, "СИДОРОВА АННА ПАВЛОВНА" + QString(18, u'-') + "\n" + struck40);
    row("entrepreneur", "012", "010", 0, "840");
    row("entrepreneur", "012", "050", 0, "29--.5012");
    row("entrepreneur", "012", "060", 0, "500---------.50");
    row("entrepreneur", "014", "010", 1, "4");
    row("entrepreneur", "014", "020", 0, "52.11---");
    row("entrepreneur", "014", "150", 0, "2005");
    row("entrepreneur", "023", "130", 0, "1-");
    row("entrepreneur", "023", "210", 0, "44000-------");
    row("entrepreneur", "023", "150", 0, "------------");
    row("entrepreneur", "027", "340", 0, "130000------.75");
}

void TestReturnLayout::cellsOfChosenLines() {
    QFETCH(QString, example);
    QFETCH(QString, page);
    QFETCH(QString, line);
    QFETCH(int, occurrence);
    const std::vector<ReturnPage>& pages = ExamplePages(example);
    const int index = page.toInt() - 1;
    QVERIFY(index < int(pages.size()));
    const QString cells = pages[size_t(index)].Cells(line, occurrence);
    QVERIFY2(!cells.isNull(), "no such line on the page");
    QTEST(cells, "cells");
}

// Sources that do not fit one page go on the next page of sheet А, which repeats the rate; the
// totals follow the last source.
void TestReturnLayout::sourcesContinueOnTheNextPage() {
    const std::vector<ReturnPage> pages = SheetAPages(9);
    QVERIFY(pages.size() > 1);
    QStringList names;
    for (size_t i = 0; i < pages.size(); ++i) {
        const ReturnPage& page = pages[i];
        QCOMPARE(page.Cells(QStringLiteral("001")), QStringLiteral("13"));
        QVERIFY(!page.FieldsOf(QStringLiteral("010")).empty());
        for (const PageField* name : page.FieldsOf(QStringLiteral("040")))
            names << name->Text().section(u'-', 0, 0);
        QCOMPARE(page.FieldsOf(QStringLiteral("090")).size(), i + 1 == pages.size() ? 1u : 0u);
    }
    QStringList expected;
    for (int s = 0; s < 9; ++s)
        expected << QStringLiteral("ООО «ИСТОЧНИК %1»").arg(s);
    QCOMPARE(names, expected);
}

// A name as long as the format allows gets as many rows as it needs, its block moved whole to the
// next page.
void TestReturnLayout::longSourceNameIsNeverCut() {
    const QString name = QString(1000, u'Ж');
    const std::vector<ReturnPage> pages = SheetAPages(3, name);
    const PageField* field = pages.front().FieldsOf(QStringLiteral("040")).front();
    QCOMPARE(field->Text().remove(u'\n'), name);
    QCOMPARE(field->Groups.size(), 25u);
    QCOMPARE(pages.front().FieldsOf(QStringLiteral("040")).size(), 1u);
    QCOMPARE(pages[1].Cells(QStringLiteral("040")).section(u'-', 0, 0), QStringLiteral("ООО «ИСТОЧНИК 1»"));
}

void TestReturnLayout::notAReturn() {
    ReturnLayout layout;
    QVERIFY(!layout.Lay(QStringLiteral("ERROR")));
    QCOMPARE(layout.ErrorString(), QStringLiteral("Текст декларации не является документом XML."));
    QVERIFY(!layout.Lay(QStringLiteral("<Файл/>")));
    QCOMPARE(layout.ErrorString(), QStringLiteral("В тексте декларации нет документа."));
    QVERIFY(layout.Pages().empty());
}

void TestReturnLayout::pdfTextHasTheReturnsNumbers_data() {
    QTest::addColumn<QString>("example");
    QTest::newRow("employee with a flat") << "flat";
    QTest::newRow("car sale") << "car";
    QTest::newRow("non-resident") << "non-resident";
    QTest::newRow("4-NDFL") << "4-NDFL";
    QTest::newRow("entrepreneur") << "entrepreneur";
}

// The PDF carries real text: the taxpayer's ИНН, the tax office and every amount of section 6.
void TestReturnLayout::pdfTextHasTheReturnsNumbers() {
    QFETCH(QString, example);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext is missing: install poppler-utils (scripts/deps.sh)");
    const QString xml = Example(example);
    const std::vector<ReturnPage> pages = Pages(xml);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("return.pdf"));
    WritePdf(pages, pdf);
    // With DUROVID_SHOTS set the PDFs of the examples land there to be looked at.
    const QString shots = qEnvironmentVariable("DUROVID_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QFile::remove(QDir(shots).filePath("return-" + example + ".pdf"));
        QVERIFY(QFile::copy(pdf, QDir(shots).filePath("return-" + example + ".pdf")));
    }
    const QString first = Pdftotext(pdf, QStringLiteral("1"));
    QVERIFY2(first.contains(QStringLiteral("Налоговаядекларация")), qPrintable(first));
    const QRegularExpression inn(QStringLiteral("ИНН[^=]*=\"(\\d{12})\""));
    QVERIFY(first.contains(inn.match(xml).captured(1)));
    QVERIFY(first.contains(QRegularExpression(QStringLiteral("КодНО=\"(\\d{4})\"")).match(xml).captured(1)));

    // Each payment line of the document on its own page of section 6, in order.
    QRegularExpressionMatchIterator lines =
        QRegularExpression(
            QStringLiteral("<ПодлУплВозв [^>]*КБК=\"(\\d+)\"[^>]*ПодлУпл=\"(\\d+)\" ПодлВозв=\"(\\d+)\""))
            .globalMatch(xml);
    auto page = pages.begin();
    int checked = 0;
    while (lines.hasNext()) {
        const QRegularExpressionMatch line = lines.next();
        page = std::find_if(page, pages.end(),
                            [](const ReturnPage& p) { return p.Sheet == QStringLiteral("Раздел 6"); });
        QVERIFY(page != pages.end());
        const QString text = Pdftotext(pdf, QString::number(page->Number.toInt()));
        QVERIFY2(text.contains(QStringLiteral("Раздел6.Суммыналога")), qPrintable(text));
        QVERIFY(text.contains(line.captured(1)));
        for (int amount : {2, 3})
            if (line.captured(amount) != QLatin1String("0"))
                QVERIFY2(text.contains(line.captured(amount)),
                         qPrintable(line.captured(amount) + " in " + text));
        ++page;
        ++checked;
    }
    QCOMPARE(checked, int(xml.count(QStringLiteral("<ПодлУплВозв "))));
}

void TestReturnLayout::sheetsAsTheApprovedPages_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("unfilled"); // an absent value as its cells print it, blanks left out
    auto row = [](const char* example, const char* sheet, const char* title, const char* codes,
                  const char* unfilled) {
        QTest::addRow("%s %s", example, sheet)
            << QString::fromUtf8(example) << QString::fromUtf8(sheet) << QString::fromUtf8(title)
            << QString::fromUtf8(codes) << QString::fromUtf8(unfilled);
    };
    row("entrepreneur", "Титульный лист",
        "Налоговая декларация по налогу на доходы физических лиц (форма 3-НДФЛ)", "", "копийна---листах");
    row("4-NDFL", "Титульный лист",
        "Налоговая декларация о предполагаемом доходе физического лица (форма 4-НДФЛ)", "",
        "Отчество----------------------------------");
    row("entrepreneur", "Раздел 1",
        "Раздел 1. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 13%", "010-130", "");
    row("non-resident", "Раздел 2",
        "Раздел 2. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 30%", "010-100", "");
    row("entrepreneur", "Раздел 3",
        "Раздел 3. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 35%", "010-100", "");
    row("entrepreneur", "Раздел 4",
        "Раздел 4. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 9%", "010-080", "");
    row("non-resident", "Раздел 5",
        "Раздел 5. Расчет налоговой базы и суммы налога по доходам, облагаемым по ставке 15%", "010-070", "");
    row("flat", "Раздел 6",
        "Раздел 6. Суммы налога, подлежащие уплате (доплате) в бюджет/возврату из бюджета", "010-050",
        "040---------------");
    row("entrepreneur", "Лист А",
        "Лист А. Доходы от источников в Российской Федерации, облагаемые налогом по ставке", "001,010-130",
        "");
    row("entrepreneur", "Лист Б",
        "Лист Б. Доходы от источников за пределами Российской Федерации, облагаемые налогом по ставке",
        "001,010-170", "100------------.--");
    row("entrepreneur", "Лист В",
        "Лист В. Доходы, полученные от осуществления предпринимательской деятельности, адвокатской "
        "деятельности и частной практики",
        "010-160", "040------------.--");
    row("entrepreneur", "Лист Г1", "Лист Г1. Расчет суммы доходов, не подлежащих налогообложению", "010-250",
        "");
    row("entrepreneur", "Лист Г2",
        "Лист Г2. Расчет суммы доходов, не подлежащих налогообложению, в виде стоимости выигрышей и призов, "
        "получаемых в проводимых конкурсах, играх и других мероприятиях в целях рекламы товаров (работ, "
        "услуг)",
        "010-060", "");
    row("entrepreneur", "Лист Г3",
        "Лист Г3. Расчет суммы налога, удержанной налоговыми агентами с доходов в виде материальной выгоды",
        "010-070", "");
    row("entrepreneur", "Лист Д",
        "Лист Д. Расчет профессиональных налоговых вычетов, установленных пунктами 2 и 3 статьи 221 "
        "Налогового кодекса Российской Федерации",
        "001,010-110", "030------------.--");
    row("car", "Лист Е", "Лист Е. Расчет имущественных налоговых вычетов по доходам от продажи имущества",
        "010-190", "010------------.--");
    row("entrepreneur", "Лист Ж1", "Лист Ж1. Расчет стандартных налоговых вычетов", "010-220",
        "150------------");
    row("entrepreneur", "Лист Ж2",
        "Лист Ж2. Расчет социальных налоговых вычетов, установленных статьей 219 Налогового кодекса "
        "Российской Федерации",
        "010-120", "030------------.--");
    row("non-resident", "Лист Ж3",
        "Лист Ж3. Расчет социальных налоговых вычетов по договорам негосударственного пенсионного "
        "обеспечения и добровольного пенсионного страхования",
        "010-150", "110------------.--");
    row("entrepreneur", "Лист З",
        "Лист З. Расчет налоговой базы по операциям с ценными бумагами и операциям с финансовыми "
        "инструментами "
        "срочных сделок",
        "010-360", "080------------.--");
    row("flat", "Лист И",
        "Лист И. Расчет имущественных налоговых вычетов по расходам на новое строительство либо приобретение "
        "объектов недвижимого имущества",
        "010-260", "110------------.--");
}

// A return printed with the taxpayer's ИНН left out: each sheet under its letter and title, with every
// line code of its page, and the dash in every cell of a value it does not have.
void TestReturnLayout::sheetsAsTheApprovedPages() {
    QFETCH(QString, example);
    QFETCH(QString, sheet);
    QFETCH(QString, title);
    QFETCH(QString, codes);
    QFETCH(QString, unfilled);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext is missing: install poppler-utils (scripts/deps.sh)");
    static std::map<QString, std::vector<ReturnPage>> laid;
    const QString pdf = pdfs_.filePath(QStringLiteral("without-inn-") + example + QStringLiteral(".pdf"));
    if (!laid.count(example)) {
        static const QRegularExpression taxpayerInn(
            QStringLiteral("(<(?:СведФЛ1|НПФЛ)(?=\\s)[^>]*?) ИННФЛ=\"\\d+\""));
        QString xml = Example(example);
        xml.replace(taxpayerInn, QStringLiteral("\\1"));
        laid[example] = Pages(xml);
        WritePdf(laid[example], pdf);
    }
    QString text;
    for (const ReturnPage& page : laid[example])
        if (page.Sheet == sheet) text += Pdftotext(pdf, QString::number(page.Number.toInt()), false);
    QVERIFY2(!text.isEmpty(), "the sheet is not printed");
    const QString bare = QString(text).remove(QRegularExpression(QStringLiteral("\\s")));
    QVERIFY2(text.simplified().contains(title), qPrintable(text));
    for (const QString& code : LineCodes(codes))
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(code))),
                 qPrintable(code + QStringLiteral(" is not on ") + sheet));
    QVERIFY2(bare.contains(QStringLiteral("ИНН------------")), "the absent ИНН is not struck through");
    QVERIFY2(bare.contains(unfilled), qPrintable(unfilled + QStringLiteral(" is not in ") + bare));
}

QTEST_MAIN(TestReturnLayout)
#include "tst_returnlayout.moc"
