// Presence rules, attribute orders and value forms of each element group, one declaration change at a
// time. A row changes a plain resident's declaration or results and names the elements it expects
// under an XPath, each written as "Name attribute=value …" in document order.
#include "export/GoldenReturns.h"
#include "support/ExportProbe.h"

#include <QtTest>
#include <functional>

using GoldenReturns::AddDividends;
using GoldenReturns::AddSource13;
using GoldenReturns::AddSource35;
using GoldenReturns::D;
using Samples::M;
using Setup = std::function<void(mTDeclaration&, kTSvodSum&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

// A resident with an INN, income in the Russian Federation ticked and nothing else.
void PlainResident(mTDeclaration& d) {
    GoldenReturns::Taxpayer(d);
    d.PayerCategory = 5;
    d.SetIncomeKinds(IncomeRussia);
    d.StandardDeduction.GrantStandard = 0;
}

void AddRow(const char* name, Setup setup, const char* xpath, const QStringList& expected) {
    QTest::newRow(name) << setup << QString::fromUtf8(xpath) << expected;
}

void Columns() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("xpath");
    QTest::addColumn<QStringList>("expected");
}

void Run() {
    QFETCH(Setup, setup);
    QFETCH(QString, xpath);
    QFETCH(QStringList, expected);
    mTDeclaration d;
    kTSvodSum s;
    PlainResident(d);
    setup(d, s);
    const ExportProbe::Exported e(d, s);
    QVERIFY2(e.parsed, e.parsed.description());
    QCOMPARE(e.messages, QStringList());
    QCOMPARE(e.All(xpath.toUtf8().constData()), expected);
}

kTSvodSumPrilBRow ForeignRow(const char* roubles, const char* tax, const char* computed, const char* credit) {
    kTSvodSumPrilBRow row;
    row.CountryCode = QStringLiteral("36");
    row.CurrencyCode = QStringLiteral("840");
    row.SourceName = QStringLiteral("Acme Inc.");
    row.IncomeDate = D(2010, 3, 15);
    row.RateAtIncomeText = QStringLiteral("30.1234");
    row.IncomeCurrencyText = QStringLiteral("1000,5");
    row.IncomeRoubles = M(roubles);
    row.TaxPaidDate = D(2010, 4, 1);
    row.RateAtTaxText = QStringLiteral("29.5");
    row.TaxCurrencyText = QStringLiteral("100,05");
    row.TaxRoubles = M(tax);
    row.TaxComputedRF = M(computed);
    row.Credit = M(credit);
    return row;
}

mTBusinessNew& AddActivity(mTDeclaration& d, const char* kind, bool documented) {
    mTBusinessNew* b = d.BusinessIncomes.At(d.BusinessIncomes.Add());
    b->ActivityKind = QString::fromLatin1(kind);
    b->OKVED = QStringLiteral("52.11");
    b->HasDocumentedExpenses = documented;
    b->Income = M("500000");
    return *b;
}

} // namespace

class TestExportGroups : public QObject {
    Q_OBJECT

private slots:
    void header_data();
    void header() { Run(); }
    void categoryCodes_data();
    void categoryCodes();
    void totals_data();
    void totals() { Run(); }
    void detailsPresence_data();
    void detailsPresence();
    void russianIncome_data();
    void russianIncome() { Run(); }
    void foreignIncome_data();
    void foreignIncome() { Run(); }
    void businessIncome_data();
    void businessIncome() { Run(); }
    void exemptIncome_data();
    void exemptIncome() { Run(); }
    void deductions_data();
    void deductions() { Run(); }
    void securitiesAndHousing_data();
    void securitiesAndHousing() { Run(); }
};

void TestExportGroups::header_data() {
    Columns();
    AddRow("document of a return of income", [](mTDeclaration& d, kTSvodSum&) { d.CorrectionNumber = 2; },
           "/Файл/Документ",
           {"Документ КНД=1151020 ДатаДок=15.03.2011 Период=34 ОтчетГод=2010 КодНО=7701 НомКорр=2"});
    AddRow("lower-case name in capitals, blank patronymic left out",
           [](mTDeclaration& d, kTSvodSum&) {
               d.Person.SurName = QStringLiteral("петрова-водкина");
               d.Person.FirstName = QStringLiteral("ёлена");
               d.Person.Patronymic = QStringLiteral("  ");
           },
           "//ФИОФЛ", {"ФИОФЛ Фамилия=ПЕТРОВА-ВОДКИНА Имя=ЁЛЕНА"});
    AddRow("taxpayer without phone and foreign address",
           [](mTDeclaration& d, kTSvodSum&) {
               d.Person.HomePhone.clear();
               d.Person.ForeignAddress = QStringLiteral("   ");
           },
           "//НПФЛ3", {"НПФЛ3 ОКАТО=45286552000 ДокПредст=760 Статус=1"});
    AddRow("non-resident taxpayer with foreign address",
           [](mTDeclaration& d, kTSvodSum&) {
               d.ReturnKind = ReturnKind3NDFLNonResident;
               d.Person.ForeignAddress = QStringLiteral("Минск, ул. Ленина, 1");
           },
           "//НПФЛ3",
           {"НПФЛ3 ОКАТО=45286552000 Тлф=1234567 ДокПредст=760 Статус=2 АдрИно=МИНСК, УЛ. ЛЕНИНА, 1"});
    AddRow("place of stay, region 7, blank parts left out",
           [](mTDeclaration& d, kTSvodSum&) {
               mTPersonInformation& p = d.Person;
               p.StayAddress = 1;
               p.RegionCode = 7;
               p.PostIndex = QStringLiteral(" ");
               p.District = QStringLiteral("Чегемский р-н");
               p.City.clear();
               p.Locality = QStringLiteral("с. Хушто-Сырт");
               p.Building = QStringLiteral("  ");
           },
           "//СвАдрРФ|//АдрРФ",
           {"СвАдрРФ ПрАдр=2",
            "АдрРФ КодРегион=07 Район=ЧЕГЕМСКИЙ Р-Н НаселПункт=С. ХУШТО-СЫРТ Улица=АРБАТ Дом=10 "
            "Кварт=15"});
    AddRow("INN without identity document, blank country",
           [](mTDeclaration& d, kTSvodSum&) {
               d.Person.DocTypeCode = 0;
               d.Person.BirthPlace = QStringLiteral(" ");
               d.Person.CountryCode.clear();
           },
           "//СведФЛ1|//СведФЛ2|//УдЛичн",
           {"СведФЛ1 ИННФЛ=500100732259 ДатаРожд=28.02.1970 ПрГражд=1 ОКСМ=643"});
    AddRow("no INN: birth place and identity document always, country 40",
           [](mTDeclaration& d, kTSvodSum&) {
               d.Person.INN = QStringLiteral("   ");
               d.Person.DocTypeCode = 0;
               d.Person.BirthPlace.clear();
               d.Person.CountryCode = QStringLiteral("40");
           },
           "//СведФЛ1|//СведФЛ2|//УдЛичн",
           {"СведФЛ2 ДатаРожд=28.02.1970 МестоРожд= ПрГражд=1 ОКСМ=040",
            "УдЛичн КодВидДок=00 СерНомДок=45 03 123456 ДатаДок=17.05.2003 ВыдДок=ОВД «АРБАТ» Г. МОСКВЫ"});
    AddRow("signed by the taxpayer",
           [](mTDeclaration& d, kTSvodSum&) { d.RepresentativeName = QStringLiteral("X Y"); },
           "//Подписант|//Подписант/*", {"Подписант ПрПодп=1"});
    AddRow("signed by a representative of two words, no organisation",
           [](mTDeclaration& d, kTSvodSum&) {
               d.SignerKind = 1;
               d.RepresentativeName = QStringLiteral("петров пётр");
               d.RepresentativeDocument = QStringLiteral("доверенность");
               d.RepresentativeOrg = QStringLiteral("  ");
           },
           "//Подписант|//Подписант/*",
           {"Подписант ПрПодп=2", "ФИО Фамилия=ПЕТРОВ Имя=ПЁТР", "СвПред НаимДок=ДОВЕРЕННОСТЬ"});
    AddRow("representative of one word, empty document",
           [](mTDeclaration& d, kTSvodSum&) {
               d.SignerKind = 2;
               d.RepresentativeName = QStringLiteral("Петров");
           },
           "//Подписант/*", {"ФИО Фамилия=ПЕТРОВ Имя= ", "СвПред НаимДок="});
    AddRow("estimated income: whole document",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.ReturnKind = ReturnKind4NDFL;
               d.PayerCategory = 1;
               d.Person.Patronymic.clear();
               d.Person.HomePhone = QStringLiteral("   ");
               d.EstimatedIncome = M("150000.5");
               d.StandardDeduction.GrantStandard = 1;
               s.List1.IncomeTotal = M("1000");
           },
           "/Файл|/Файл/Документ|//Документ/*|//НПФЛ/*",
           {"Файл ИдФайл=NO_NDFL4_7701_7701_500100732259_20110315_0F8FAD5B-D9CB-469F-A165-70867728950E "
            "ВерсПрог=1.0.2 "
            "ВерсФорм=5.01",
            "Документ КНД=1151021 ДатаДок=15.03.2011 ОтчетГод=2011 КодНО=7701 НомКорр=0", "СвНП",
            "ФИО Фамилия=ИВАНОВ Имя=ИВАН", "Подписант ПрПодп=1", "НДФЛ4 ПредДоход=150000.5"});
    AddRow("estimated income: taxpayer",
           [](mTDeclaration& d, kTSvodSum&) {
               d.ReturnKind = ReturnKind4NDFL;
               d.Person.INN.clear();
           },
           "//НПФЛ", {"НПФЛ ДокПредст=000 ИННФЛ= ОКАТО=45286552000 Тлф=1234567"});
}

void TestExportGroups::categoryCodes_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("estimated");
    QTest::newRow("entrepreneur") << 0 << "720"
                                  << "720";
    QTest::newRow("farm head") << 1 << "770"
                               << "770";
    QTest::newRow("notary") << 2 << "730"
                            << "730";
    QTest::newRow("lawyer") << 3 << "740"
                            << "740";
    QTest::newRow("category 4") << 4 << "750"
                                << "000";
    QTest::newRow("other individual") << 5 << "760"
                                      << "000";
}

void TestExportGroups::categoryCodes() {
    QFETCH(int, category);
    QFETCH(QString, income);
    QFETCH(QString, estimated);
    mTDeclaration d;
    kTSvodSum s;
    PlainResident(d);
    d.PayerCategory = quint8(category);
    QCOMPARE(ExportProbe::Exported(d, s).Attribute("//НПФЛ3", "ДокПредст"), income);
    d.ReturnKind = ReturnKind4NDFL;
    QCOMPARE(ExportProbe::Exported(d, s).Attribute("//НПФЛ", "ДокПредст"), estimated);
}

void TestExportGroups::totals_data() {
    Columns();
    AddRow("13 % with only an amount payable is left out",
           [](mTDeclaration&, kTSvodSum& s) { s.List1.Payable = M("1000"); }, "//ИтогУплВозв/*", {});
    AddRow("amounts that cancel leave the block out",
           [](mTDeclaration&, kTSvodSum& s) {
               s.List3.IncomeTotal = M("100");
               s.List3.Refundable = M("-100");
           },
           "//ИтогУплВозв/*", {});
    AddRow("9 % alone", [](mTDeclaration&, kTSvodSum& s) { s.List4.ForeignTaxCredit = M("0.01"); },
           "//ИтогУплВозв/*",
           {"НалБаза9 ДоходОбщ=0.00 НалБаза=0.00 Исчисл=0 УдержОбщ=0 УплУвед=0 УплИно=0.01 ПодлВозв=0 "
            "ПодлУпл=0"});
    AddRow(
        "blocks in rate order 13, 30, 35, 9, 15",
        [](mTDeclaration&, kTSvodSum& s) {
            s.List5.Payable = M("5");
            s.List4.Payable = M("4");
            s.List3.Payable = M("3");
            s.List2.Payable = M("2");
            s.List1.TaxWithheld = M("1");
            s.List1.Payable = M("-1");
        },
        "//ИтогУплВозв/*",
        {"НалБаза13 ДоходОбщ=0.00 ДоходОбщНеНал=0.00 ДоходОбщНал=0.00 РасхВычОбщ=0.00 НалБаза=0.00 Исчисл=0 "
         "УдержОбщ=1 УплФактАв=0 УплФиксирАв=0 УплУвед=0 УплИно=0 ПодлВозв=0 ПодлУпл=-1",
         "НалБаза30 ДоходОбщ=0.00 ДоходОбщНеНал=0.00 ДоходОбщНал=0.00 РасхОбщ=0.00 НалБаза=0.00 Исчисл=0 "
         "УдержОбщ=0 УплУвед=0 ПодлВозв=0 ПодлУпл=2",
         "НалБаза35 ДоходОбщ=0.00 ДоходОбщНеНал=0.00 НалБаза=0.00 Исчисл=0 УдержОбщ=0 УдержОбщЛиш=0 "
         "УплУвед=0 "
         "УплИно=0 ПодлВозв=0 ПодлУпл=3",
         "НалБаза9 ДоходОбщ=0.00 НалБаза=0.00 Исчисл=0 УдержОбщ=0 УплУвед=0 УплИно=0 ПодлВозв=0 ПодлУпл=4",
         "НалБаза15 ДоходОбщ=0.00 НалБаза=0.00 Исчисл=0 УдержОбщ=0 УплУвед=0 ПодлВозв=0 ПодлУпл=5"});
    AddRow("payment lines after the totals, in the result's order",
           [](mTDeclaration&, kTSvodSum& s) {
               s.List6.Rows = {GoldenReturns::Payment("18210102030011000110", "45286552000", "1", "1500"),
                               GoldenReturns::Payment("18210102010011000110", "45293554000", "2", "700.5"),
                               GoldenReturns::Payment("18210102030011000110", "45286552000", "3", "0"),
                               GoldenReturns::Payment("18210102030011000110", "45286552000", "7", "12")};
           },
           "/Файл/Документ/НДФЛ3/*",
           {"ИтогУплВозв",
            "ПодлУплВозв ПрУплВозв=1 КБК=18210102030011000110 ОКАТО=45286552000 ПодлУпл=1500 ПодлВозв=0",
            "ПодлУплВозв ПрУплВозв=2 КБК=18210102010011000110 ОКАТО=45293554000 ПодлУпл=0 ПодлВозв=700.5",
            "ПодлУплВозв ПрУплВозв=3 КБК=18210102030011000110 ОКАТО=45286552000 ПодлУпл=0 ПодлВозв=0",
            "ПодлУплВозв ПрУплВозв=7 КБК=18210102030011000110 ОКАТО=45286552000 ПодлУпл=0 ПодлВозв=0"});
    AddRow("non-resident with only the standard grant: empty details",
           [](mTDeclaration& d, kTSvodSum&) {
               d.ReturnKind = ReturnKind3NDFLNonResident;
               d.StandardDeduction.GrantStandard = 1;
           },
           "//ИтогУплВозв/*|//СведДохВыч/*", {"СведДохВыч"});
}

void TestExportGroups::detailsPresence_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("present");
    const auto row = [](const char* name, Setup setup, bool present) {
        QTest::newRow(name) << setup << present;
    };
    row(
        "nothing to detail", [](mTDeclaration&, kTSvodSum&) {}, false);
    row(
        "standard granted", [](mTDeclaration& d, kTSvodSum&) { d.StandardDeduction.GrantStandard = 1; },
        true);
    row(
        "social granted", [](mTDeclaration& d, kTSvodSum&) { d.SocialDeduction.GrantSocial = 1; }, true);
    row(
        "property granted", [](mTDeclaration& d, kTSvodSum&) { d.PropertyDeduction.GrantProperty = 1; },
        true);
    row(
        "13 % source", [](mTDeclaration& d, kTSvodSum&) { d.IncomeSources13.Add(); }, true);
    row(
        "non-resident 13 % source", [](mTDeclaration& d, kTSvodSum&) { d.IncomeSources13NR.Add(); }, true);
    row(
        "dividend source", [](mTDeclaration& d, kTSvodSum&) { d.IncomeSources30.Add(); }, true);
    row(
        "35 % source", [](mTDeclaration& d, kTSvodSum&) { d.IncomeSources35.Add(); }, true);
    row(
        "foreign income kind", [](mTDeclaration& d, kTSvodSum&) { d.SetIncomeKinds(IncomeForeign); }, true);
    row(
        "business kind",
        [](mTDeclaration& d, kTSvodSum&) { d.SetIncomeKinds(IncomeRussia | IncomeBusiness); }, true);
    row(
        "practice kind",
        [](mTDeclaration& d, kTSvodSum&) { d.SetIncomeKinds(IncomeRussia | IncomePractice); }, true);
    row(
        "exempt income", [](mTDeclaration&, kTSvodSum& s) { s.PrilM.ExemptTotal = M("0.01"); }, true);
    row(
        "prizes", [](mTDeclaration&, kTSvodSum& s) { s.PrilM2.ExemptTotal = M("0.01"); }, true);
    row(
        "exempt income and prizes that cancel",
        [](mTDeclaration&, kTSvodSum& s) {
            s.PrilM.ExemptTotal = M("5");
            s.PrilM2.ExemptTotal = M("-5");
        },
        false);
    row(
        "material benefit", [](mTDeclaration&, kTSvodSum& s) { s.PrilM3.TaxWithheldTotal = M("1"); }, true);
    row(
        "professional deductions", [](mTDeclaration&, kTSvodSum& s) { s.PrilG.ExpensesTotal = M("1"); },
        true);
    row(
        "foreign professional deductions",
        [](mTDeclaration&, kTSvodSum& s) { s.PrilG_In.ExpensesTotal = M("1"); }, true);
    row(
        "property sale", [](mTDeclaration&, kTSvodSum& s) { s.PrilH1.DeductionTotal = M("1"); }, true);
    row(
        "securities expenses", [](mTDeclaration&, kTSvodSum& s) { s.PrilJ.ExpensesApplied = M("1"); }, true);
    row(
        "rate totals alone", [](mTDeclaration&, kTSvodSum& s) { s.List1.IncomeTotal = M("1000"); }, false);
}

void TestExportGroups::detailsPresence() {
    QFETCH(Setup, setup);
    QFETCH(bool, present);
    mTDeclaration d;
    kTSvodSum s;
    PlainResident(d);
    setup(d, s);
    QCOMPARE(ExportProbe::Exported(d, s).Count("//ИтогУплВозв/СведДохВыч"), present ? 1 : 0);
}

void TestExportGroups::russianIncome_data() {
    Columns();
    AddRow(
        "resident dividends at 9 %",
        [](mTDeclaration& d, kTSvodSum& s) {
            AddDividends(d.IncomeSources30, QStringLiteral("7736050003"), QStringLiteral("773601001"),
                         QStringLiteral("ОАО «Газпром»"), "1000.99", "90", "90");
            s.PrilA6.IncomeTotal = M("1000.99");
            s.PrilA6.TaxableTotal = M("1000.99");
            s.PrilA6.TaxComputedTotal = M("90");
            s.PrilA6.TaxWithheldTotal = M("90");
            s.PrilA13.FixedAdvancePaid = M("700");
        },
        "//ДоходИстРФ|//ДоходИстРФ//*",
        {"ДоходИстРФ Ставка=09 ДоходОбщ=1000.99 ДоходОблОбщ=1000.99 НалИсчислИт=90 НалУдержИт=90 НалУплФАП=0",
         "РасчДохНал Доход=1000.99 ДоходОбл=1000.99 НалИсчисл=90 НалУдерж=90 ОКАТО=45293554000",
         "ИстЮЛ Наим=ОАО «ГАЗПРОМ» ИННЮЛ=7736050003 КПП=773601001"});
    AddRow("non-resident dividends at 15 %: tax recomputed, halves up",
           [](mTDeclaration& d, kTSvodSum&) {
               d.ReturnKind = ReturnKind3NDFLNonResident;
               for (const char* taxable : {"1001", "1003", "1010"})
                   AddDividends(d.IncomeSources30, QStringLiteral("7736050003"), QStringLiteral("773601001"),
                                QStringLiteral("Газпром"), taxable, "1", "2");
           },
           "//ДоходИстРФ[@Ставка='15']/РасчДохНал",
           {"РасчДохНал Доход=1001.00 ДоходОбл=1001.00 НалИсчисл=150 НалУдерж=2 ОКАТО=45293554000",
            "РасчДохНал Доход=1003.00 ДоходОбл=1003.00 НалИсчисл=150 НалУдерж=2 ОКАТО=45293554000",
            "РасчДохНал Доход=1010.00 ДоходОбл=1010.00 НалИсчисл=152 НалУдерж=2 ОКАТО=45293554000"});
    AddRow("non-resident: 13 % from its own list before 30 %",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.ReturnKind = ReturnKind3NDFLNonResident;
               AddSource13(d.IncomeSources13, QStringLiteral("7802345678"), QStringLiteral("780201001"),
                           QString(), QStringLiteral("Балтика"), {{2000, "100", 0, "0", 1}}, "100", "30",
                           "30");
               AddSource13(d.IncomeSources13NR, QStringLiteral("7801234567"), QStringLiteral("780101001"),
                           QString(), QStringLiteral("Нева"), {{2000, "200", 0, "0", 1}}, "200", "26", "26");
               s.PrilA13.FixedAdvancePaid = M("700");
           },
           "//ДоходИстРФ|//РасчДохНал",
           {"ДоходИстРФ Ставка=13 ДоходОбщ=0.00 ДоходОблОбщ=0.00 НалИсчислИт=0 НалУдержИт=0 НалУплФАП=700",
            "РасчДохНал Доход=200.00 ДоходОбл=200.00 НалИсчисл=26 НалУдерж=26",
            "ДоходИстРФ Ставка=30 ДоходОбщ=0.00 ДоходОблОбщ=0.00 НалИсчислИт=0 НалУдержИт=0 НалУплФАП=0",
            "РасчДохНал Доход=100.00 ДоходОбл=100.00 НалИсчисл=30 НалУдерж=30"});
    AddRow("35 %: material benefit skipped, prize from the prize result",
           [](mTDeclaration& d, kTSvodSum& s) {
               AddSource35(d, 2620, 0, QString(), QString(), QString(), QStringLiteral("Банк"), "5000",
                           "1750");
               AddSource35(d, 2740, 501, QString(), QString(), QString(), QStringLiteral("Реклама"), "10000",
                           "2100");
               AddSource35(d, 3010, 0, QString(), QString(), QString(), QStringLiteral("Вклад"), "10000",
                           "3500");
               AddSource35(d, 2740, 0, QString(), QString(), QString(), QStringLiteral("Лотерея"), "1001",
                           "350");
               s.PrilM2.Rows = {{QString(), QString(), QStringLiteral("Реклама"), M("10000"), M("4000"), 1}};
               s.PrilA35.IncomeTotal = M("21001");
           },
           "//ДоходИстРФ[@Ставка='35']/РасчДохНал",
           {"РасчДохНал Доход=10000.00 ДоходОбл=6000.00 НалИсчисл=2100 НалУдерж=2100",
            "РасчДохНал Доход=10000.00 ДоходОбл=10000.00 НалИсчисл=3500 НалУдерж=3500",
            "РасчДохНал Доход=1001.00 ДоходОбл=1001.00 НалИсчисл=350 НалУдерж=350"});
    AddRow("35 % with only the material benefit: block without lines",
           [](mTDeclaration& d, kTSvodSum& s) {
               AddSource35(d, 2620, 0, QString(), QString(), QString(), QStringLiteral("Банк"), "5000",
                           "1750");
               s.PrilA35.IncomeTotal = M("0.01");
           },
           "//ДоходИстРФ|//ДоходИстРФ/*",
           {"ДоходИстРФ Ставка=35 ДоходОбщ=0.01 ДоходОблОбщ=0.00 НалИсчислИт=0 НалУдержИт=0 НалУплФАП=0"});
    AddRow("35 % sources without income in the result",
           [](mTDeclaration& d, kTSvodSum&) {
               AddSource35(d, 3010, 0, QString(), QString(), QString(), QStringLiteral("Вклад"), "10000",
                           "3500");
           },
           "//ДоходИстРФ", {});
    AddRow("source naming by INN and KPP",
           [](mTDeclaration& d, kTSvodSum&) {
               const auto add = [&](const char* inn, const char* kpp, const char* okato) {
                   AddSource13(d.IncomeSources13, QString::fromLatin1(inn), QString::fromLatin1(kpp),
                               QString::fromLatin1(okato), QStringLiteral("Петров"), {}, "0", "0", "0");
               };
               add("500100732259", "", "45293554000");
               add("500100732259", "773601001", " ");
               add("7707083893", "  ", "");
               add("", "", "");
               add(" 12345 ", "", "");
           },
           "//РасчДохНал/*",
           {"ИстФЛИн ФИОИн=ПЕТРОВ ИННФЛ=500100732259", "ИстЮЛ Наим=ПЕТРОВ ИННЮЛ=500100732259 КПП=773601001",
            "ИстЮЛ Наим=ПЕТРОВ ИННЮЛ=7707083893 КПП=  ", "ИстФЛИн ФИОИн=ПЕТРОВ",
            "ИстФЛИн ФИОИн=ПЕТРОВ ИННФЛ= 12345 "});
    AddRow("OKATO of a source only when not blank",
           [](mTDeclaration& d, kTSvodSum&) {
               AddSource13(d.IncomeSources13, QString(), QString(), QStringLiteral("  "), QStringLiteral("A"),
                           {}, "0", "0", "0");
           },
           "//РасчДохНал", {"РасчДохНал Доход=0.00 ДоходОбл=0.00 НалИсчисл=0 НалУдерж=0"});
}

void TestExportGroups::foreignIncome_data() {
    Columns();
    AddRow("not written without the foreign income kind",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilB13.Rows = {ForeignRow("30138.46", "0", "3918", "0")};
               s.PrilB13.IncomeRoublesTotal = M("30138.46");
           },
           "//ДоходИстИно", {});
    AddRow(
        "13 % only; no tax paid abroad",
        [](mTDeclaration& d, kTSvodSum& s) {
            d.SetIncomeKinds(IncomeRussia | IncomeForeign);
            s.PrilB13.Rows = {ForeignRow("30138.46", "0", "3918", "0")};
            s.PrilB13.IncomeRoublesTotal = M("30138.46");
            s.PrilB13.TaxComputedTotal = M("3918");
        },
        "//ДоходИстИно|//РасчДохНалИно",
        {"ДоходИстИно Ставка=13 ДоходИноРубОбщ=30138.46 НалУплИноРубОбщ=0.00 НалИсчислРФОбщ=3918 "
         "НалЗачРФОбщ=0",
         "РасчДохНалИно ОКСМ=036 НаимИстДох=ACME INC. КодВалют=840 ДатаДох=15.03.2010 КурсВалютДох=30.1234 "
         "ДоходИноВал=1000.5 ДоходИноРуб=30138.46 НалЗачРФОбщ=3918"});
    AddRow(
        "tax paid abroad: the four payment attributes and the credit",
        [](mTDeclaration& d, kTSvodSum& s) {
            d.SetIncomeKinds(IncomeForeign);
            s.PrilB35.Rows = {ForeignRow("30138.46", "2951.75", "10548", "2952")};
            s.PrilB35.IncomeRoublesTotal = M("30138.46");
        },
        "//РасчДохНалИно",
        {"РасчДохНалИно ОКСМ=036 НаимИстДох=ACME INC. КодВалют=840 ДатаДох=15.03.2010 КурсВалютДох=30.1234 "
         "ДоходИноВал=1000.5 ДоходИноРуб=30138.46 ДатаУплНал=01.04.2010 КурсВалютНал=29.5 "
         "НалУплИноВал=100.05 "
         "НалУплИноРуб=2951.75 НалЗачРФОбщ=10548 НалогЗачРФОбщ=2952"});
    AddRow("rates in order 9, 13, 35; a rate without income left out",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.SetIncomeKinds(IncomeForeign);
               s.PrilB35.IncomeRoublesTotal = M("3");
               s.PrilB13.IncomeRoublesTotal = M("-1");
               s.PrilB9.IncomeRoublesTotal = M("1");
           },
           "//ДоходИстИно/@Ставка/..",
           {"ДоходИстИно Ставка=09 ДоходИноРубОбщ=1.00 НалУплИноРубОбщ=0.00 НалИсчислРФОбщ=0 НалЗачРФОбщ=0",
            "ДоходИстИно Ставка=35 ДоходИноРубОбщ=3.00 НалУплИноРубОбщ=0.00 НалИсчислРФОбщ=0 НалЗачРФОбщ=0"});
}

void TestExportGroups::businessIncome_data() {
    Columns();
    AddRow("business kind without an activity: nothing, not even the farm",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.SetIncomeKinds(IncomeBusiness);
               d.IsFarm = 1;
               s.PrilV1.IncomeTotal = M("1");
           },
           "//ДоходПредпр", {});
    AddRow("activities without the business kind: nothing",
           [](mTDeclaration& d, kTSvodSum&) { AddActivity(d, "1", true); }, "//ДоходПредпр", {});
    AddRow("totals; advances paid left out when zero",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.SetIncomeKinds(IncomeBusiness);
               AddActivity(d, "1", false);
               s.PrilV1.IncomeTotal = M("500000");
               s.PrilV1.ProfessionalDeduction = M("100000.5");
           },
           "//ДоходПредпр", {"ДоходПредпр ДоходИт=500000.00 ВычПрофИт=100000.50 НачислАванИт=0"});
    AddRow("documented expenses: only those not zero, a negative one as 0.00",
           [](mTDeclaration& d, kTSvodSum&) {
               d.SetIncomeKinds(IncomeBusiness);
               mTBusinessNew& b = AddActivity(d, "1", true);
               b.ExpensesMaterial = M("1000");
               b.ExpensesOther = M("-5");
               b.NormativeExpenses = M("7");
           },
           "//РасчВидДеят",
           {"РасчВидДеят КодВД=1 ОКВЭД=52.11 Доход=500000.00 РасхФМат=1000.00 РасхФПроч=0.00"});
    AddRow("notary never has an activity code; normative expenses",
           [](mTDeclaration& d, kTSvodSum&) {
               d.SetIncomeKinds(IncomeBusiness);
               AddActivity(d, "2", false).NormativeExpenses = M("100000");
               AddActivity(d, "1", false).ExpensesTotal = M("3");
           },
           "//РасчВидДеят",
           {"РасчВидДеят КодВД=2 Доход=500000.00 РасхПредНорм=100000.00",
            "РасчВидДеят КодВД=1 ОКВЭД=52.11 Доход=500000.00"});
    AddRow("farm household after the activities; advances paid",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.SetIncomeKinds(IncomeBusiness);
               AddActivity(d, "3", true);
               d.IsFarm = 1;
               d.FarmStartDate = D(2005, 9, 1);
               d.FarmIncome = M("3000.019");
               s.PrilV1.AdvancePaid = M("10000");
               s.PrilV1.AdvanceAccrued = M("12000");
           },
           "//ДоходПредпр|//ДоходПредпр/*",
           {"ДоходПредпр ДоходИт=0.00 ВычПрофИт=0.00 НачислАванИт=12000 УплАванИт=10000",
            "РасчВидДеят КодВД=3 Доход=500000.00", "СведКФХ ГодРегКФХ=2005 ДоходНеНал=3000.01"});
}

void TestExportGroups::exemptIncome_data() {
    Columns();
    AddRow("employer's material aid of 3 000 fully exempt",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilM.EmployerAidIncome = M("3000");
               s.PrilM.EmployerAidExempt = M("3000");
               s.PrilM.GiftIncome = M("3000");
               s.PrilM.ExemptTotal = M("3000");
           },
           "//ДоходОсвПрев|//ДоходОсвПрев/*",
           {"ДоходОсвПрев ДохНеНалОбщ=3000.00 ДохНеНалОплСХ=0.00",
            "МатПомРаб ДоходВсИст=3000.00 ДоходНеНал=3000.00"});
    AddRow("farm payer entries need the farm total",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilM.ExemptTotal = M("1");
               s.PrilM.FarmEmployers.resize(1);
           },
           "//ДохОплСХ", {});
    AddRow("farm payer: twelve months, then a person without KPP",
           [](mTDeclaration&, kTSvodSum& s) {
               kTSvodSumPrilMFarmRow row;
               row.SourceINN = QStringLiteral("071234567890");
               for (size_t m = 0; m < 12; ++m)
                   row.MonthExempt[m] = Money::FromUnits(qint64(m + 1));
               s.PrilM.FarmEmployers = {row};
               s.PrilM.FarmPayExempt = M("1");
               s.PrilM.ExemptTotal = M("1");
           },
           "//ДохОплСХ/*[position() = 1 or position() > 11]",
           {"СумДохМес Месяц=01 ОплТрудОбщ=0.00 ОплТрудНатур=0.00 ДоходНеНалМ=1.00 ДохНеНалПослед=0.00",
            "СумДохМес Месяц=12 ОплТрудОбщ=0.00 ОплТрудНатур=0.00 ДохНеНалПред=0.00 ДоходНеНалМ=12.00",
            "СвФЛ ИННФЛ=071234567890"});
    AddRow("prize from a person with a 12-digit INN",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilM2.Rows = {{QStringLiteral("500100732259"), QString(), QStringLiteral("Петров"),
                                 M("5000"), M("4000"), 0}};
               s.PrilM2.ExemptTotal = M("4000");
           },
           "//ДоходИгрПриз|//ДоходИгрПриз//*",
           {"ДоходИгрПриз ДоходНеНалОбщ=4000.00", "СвДоход Доход=5000.00 ДоходНеНал=4000.00",
            "ИстФЛИн ФИОИн=ПЕТРОВ ИННФЛ=500100732259"});
    AddRow("material benefit: OKATO only with 11 characters",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilM3.Rows = {{QStringLiteral("7744000302"), QString(), QStringLiteral("4526359100"),
                                 QStringLiteral("Банк"), M("5000"), M("1750.4"), 0},
                                {QStringLiteral("7744000302"), QString(), QStringLiteral("45263591000"),
                                 QStringLiteral("Банк"), M("100"), M("35"), 1}};
               s.PrilM3.TaxWithheldTotal = M("1785.4");
           },
           "//ДоходМатВыг|//РасчНалогУдЛ",
           {"ДоходМатВыг НалогУдЛОбщ=1785.4", "РасчНалогУдЛ Доход=5000.00 НалогУдЛ=1750.4",
            "РасчНалогУдЛ Доход=100.00 НалогУдЛ=35 ОКАТО=45263591000"});
    AddRow("professional deductions of foreign income only",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilG.ContractIncome = M("100");
               s.PrilG_In.ShareSaleIncome = M("50000");
               s.PrilG_In.ShareSaleExpenses = M("40000");
               s.PrilG_In.ExpensesTotal = M("40000");
           },
           "//ВычПрофВозн|//ВычПрофВозн/*",
           {"ВычПрофВозн ПрИст=2 РасходОбщИт=40000.00",
            "РасхФактУстКап СумДохУстКап=50000.00 СумРасхВыч=40000.00"});
}

void TestExportGroups::deductions_data() {
    Columns();
    AddRow("non-resident: no standard or social deductions, pension contracts still",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.ReturnKind = ReturnKind3NDFLNonResident;
               d.StandardDeduction.GrantStandard = 1;
               d.SocialDeduction.GrantSocial = 1;
               s.PrilE2.SocialTotal = M("100");
               s.PrilE3.InsuranceItems.resize(1);
           },
           "//СведДохВыч/*", {"ВычДогНПО_ДПС СумВычОбщ=0.00"});
    AddRow(
        "standard granted without income",
        [](mTDeclaration& d, kTSvodSum&) { d.StandardDeduction.GrantStandard = 1; },
        "//ВычСтанд|//ВычСтанд/*",
        {"ВычСтанд ИтогВычСтанд=0",
         "ДохМес ИтогЯнв=0.00 ИтогЯнвФевр=0.00 ИтогЯнвМарт=0.00 ИтогЯнвАпр=0.00 ИтогЯнвМай=0.00 "
         "ИтогЯнвИюн=0.00 "
         "ИтогЯнвИюл=0.00 ИтогЯнвАвг=0.00 ИтогЯнвСент=0.00 ИтогЯнвОкт=0.00 ИтогЯнвНояб=0.00 ИтогЯнвДек=0.00 "
         "КолМес40000=0 КолМес280000=0",
         "РасчВычСтанд"});
    AddRow("standard amounts in whole form, every kind",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.StandardDeduction.GrantStandard = 1;
               kTSvodSumPrilE1& e = s.PrilE1;
               e.Deduction3000 = M("36000");
               e.Deduction500 = M("6000");
               e.Deduction400 = M("800");
               e.ChildDeduction = M("12000");
               e.ChildDeductionDouble = M("24000");
               e.DisabledChildDeduction = M("2000.5");
               e.DisabledChildDeductionDouble = M("-4000");
           },
           "//РасчВычСтанд",
           {"РасчВычСтанд ВычСтанд218.1.1=36000 ВычСтанд218.1.2=6000 ВычСтанд218.1.3=800 ВычСтандРеб=12000 "
            "ВычСтРебОпек=24000 ВычСтРебИнв=2000.5"});
    AddRow("social not granted: nothing, whatever the results",
           [](mTDeclaration&, kTSvodSum& s) {
               s.PrilE2.SocialTotal = M("100");
               s.PrilH1.DeductionTotal = M("-1");
               s.PrilJ.ExpensesApplied = M("1");
           },
           "//СведДохВыч/*", {});
    AddRow("only pension insurance for relatives, with a zero total",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.SocialDeduction.GrantSocial = 1;
               s.PrilE2.PensionInsurance = M("5000");
           },
           "//ВычСоциал|//ВычСоциал/*",
           {"ВычСоциал ИтогВычСоциал=0.00", "РасчВычСоц219.2 СумПенсСтрахДр=5000.00 ИтогВычСоциал=0.00"});
    AddRow("social deductions of both parts",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.SocialDeduction.GrantSocial = 1;
               s.PrilE2.ExpensiveTreatment = M("250000");
               s.PrilE2.UnlimitedSubtotal = M("250000");
               s.PrilE2.PensionProvision = M("7000");
               s.PrilE2.ExtraPension = M("1000");
               s.PrilE2.LimitedSubtotal = M("8000");
               s.PrilE2.SocialTotal = M("258000");
           },
           "//ВычСоциал/*",
           {"РасчВычСоцБез219.2 СумЛечен=250000.00 ИтогВычСоциал=250000.00",
            "РасчВычСоц219.2 СумНгПенсСтрахДр=7000.00 СумДопСтрахФЗ=1000.00 ИтогВычСоциал=8000.00"});
    AddRow("a flat held under three years sold for 1 500 000",
           [](mTDeclaration&, kTSvodSum& s) {
               kTSvodSumPrilH1& h = s.PrilH1;
               h.HousingSaleIncome = h.HousingLimitedIncome = h.HousingIncomeTotal = M("1500000");
               h.HousingSaleDeduction = h.HousingLimitedDeduction = h.HousingDeductionTotal = M("1000000");
               h.DeductionTotal = M("1000000");
               h.OtherIncomeTotal = M("5");
               h.RedemptionIncome = M("5");
           },
           "//ВычПродИмущ|//ВычПродИмущ//*",
           {"ВычПродИмущ ВычетОбщ=1000000.00", "ВычЖилИмущ ДохИстИтог=1500000.00 ВычИмущИтог=1000000.00",
            "СумИмущ ДохВсехИст=1500000.00 НалВычет=1000000.00",
            "СумИмущОбщ ДохВсехИст=1500000.00 НалВычет=1000000.00"});
    AddRow("shares of housing with documents, other property, redemption",
           [](mTDeclaration&, kTSvodSum& s) {
               kTSvodSumPrilH1& h = s.PrilH1;
               h.HousingShareIncome = M("600000");
               h.HousingShareDeduction = M("600000");
               h.HousingDocIncome = M("2000000");
               h.HousingDocExpenses = M("2000000");
               h.HousingDeductionTotal = M("2600000");
               h.OtherDocIncome = M("1");
               h.OtherDocExpenses = M("1");
               h.OtherDeductionTotal = M("1");
               h.RedemptionDeduction = M("3");
               h.DeductionTotal = M("2600004");
           },
           "//ВычПродИмущ//*",
           {"ВычЖилИмущ ДохИстИтог=0.00 ВычИмущИтог=2600000.00",
            "СумДолИмущ ДохВсехИст=600000.00 НалВычет=600000.00",
            "СумИмущДок ДохВсехИст=2000000.00 РасхДок=2000000.00",
            "ВычИноеИмущ ДохИстИтог=0.00 ВычИнИмущИтог=1.00", "СумИнИмущДок ДохВсехИст=1.00 РасхДок=1.00",
            "ВычИзтИмущ", "СумИзтИмущ ДохВсехИст=0.00 НалВычет=3.00"});
    AddRow(
        "two pension-fund contracts and one insurance contract",
        [](mTDeclaration& d, kTSvodSum& s) {
            using GoldenReturns::Pension;
            d.SocialDeduction.GrantSocial = 1;
            s.PrilE3.ProvisionItems = {Pension(1, QStringLiteral("НПФ А"), "7707099940", "770701001",
                                               QStringLiteral("а-1"), D(2009, 1, 2), "1000", "100"),
                                       Pension(2, QStringLiteral("НПФ Б"), "7707099941", "770701002",
                                               QStringLiteral("б-2"), D(2010, 3, 4), "2000", "0")};
            s.PrilE3.InsuranceItems = {Pension(1, QStringLiteral("СК В"), "7707099942", "770701003",
                                               QStringLiteral("в-3"), D(2008, 5, 6), "3000", "300")};
            s.PrilE3.ProvisionDeductTotal = M("2900");
            s.PrilE3.InsuranceDeductTotal = M("2700");
            s.PrilE3.AgentTotal = M("400");
        },
        "//ВычДогНПО_ДПС|//ВычДогНПО_ДПС//*",
        {"ВычДогНПО_ДПС СумВычОбщ=400.00", "РасчВычДогНПО СумПВВычОбщ=2900.00",
         "РасчСумПВВыч ПрДогНПО=1 ДатаДогНПО=02.01.2009 НомДогНПО=А-1 СумПВОбщПер=1000.00 СумПВВыч=900.00 "
         "СумВычПВПерНА=100.00",
         "СведИст Наим=НПФ А ИННЮЛ=7707099940 КПП=770701001",
         "РасчСумПВВыч ПрДогНПО=2 ДатаДогНПО=04.03.2010 НомДогНПО=Б-2 СумПВОбщПер=2000.00 СумПВВыч=2000.00 "
         "СумВычПВПерНА=0.00",
         "СведИст Наим=НПФ Б ИННЮЛ=7707099941 КПП=770701002", "РасчВычДогДПС СумСВВычОбщ=2700.00",
         "РасчСумСВВыч ПрДогНПО=1 ДатаДогДПС=06.05.2008 НомДогДПС=В-3 СумСВОбщПер=3000.00 СумСВВыч=2700.00 "
         "СумВычСВПерНА=300.00",
         "СведИст Наим=СК В ИННЮЛ=7707099942 КПП=770701003"});
}

void TestExportGroups::securitiesAndHousing_data() {
    Columns();
    AddRow("securities income without expenses or losses",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.IncomeSources13.Add();
               s.PrilJ.SecUnorgIncome = s.PrilJ.SecUnorgBase = M("100000");
               s.PrilJ.IncomeTotal = s.PrilJ.TaxableTotal = M("100000");
           },
           "//ДохОперЦБ|//ДохОперЦБ/*",
           {"ДохОперЦБ", "ДохОперЦБНеОрг ДохСовОпер=100000.00 РасхСовОпер=0.00 НалДохРезОпер=100000.00",
            "ИтогСовОпер ОбщПолучДох=100000.00 ОбщНалогДох=100000.00 РасхПрмВыч=0.00"});
    AddRow("every kind of operation in table order; cancelling ones left out",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.IncomeSources13.Add();
               kTSvodSumPrilJ& j = s.PrilJ;
               j.SecFormerOrgIncome = M("1");
               j.SecFormerOrgLoss = M("2");
               j.SecOrgIncome = M("5");
               j.SecOrgExpenses = M("-5");
               j.FutOrgOtherIncome = M("3");
               j.FutOrgOtherLoss = M("4");
               j.FutOrgOtherLossUsed = M("5");
               j.FutOrgOtherPriorApplied = M("6");
               j.FutOrgOtherBase = M("7");
               j.FutUnorgExpenses = M("8");
               j.PriorSecLoss = M("1");
               j.PriorFutLoss = M("1");
               j.CarriedFutLoss = M("9");
           },
           "//ДохОперЦБ/*",
           {"ДохОперЦБОргНеОрг ДохСовОпер=1.00 РасхСовОпер=0.00 УбытУчРасчДох=2.00 НалДохРезОпер=0.00",
            "ДохФИССОргНеЦБ ДохСовОпер=3.00 РасхСовОпер=0.00 УбытРезСовОпер=4.00 УбытУчРасчДох=5.00 "
            "УбытПрмВыч=6.00 "
            "НалДохРезОпер=7.00",
            "ДохФИССНеОрг ДохСовОпер=0.00 РасхСовОпер=8.00 НалДохРезОпер=0.00",
            "УбытПредПер УбытОперЦБ=1.00 УбытФинИнсСС=1.00", "УбытПрхПер УбытОперЦБ=0.00 УбытФинИнсСС=9.00"});
    AddRow("no operations without total income or earlier losses",
           [](mTDeclaration& d, kTSvodSum& s) {
               d.IncomeSources13.Add();
               s.PrilJ.SecOrgIncome = M("100");
               s.PrilJ.ExpensesApplied = M("1");
           },
           "//ДохОперЦБ", {});
    AddRow("kind 7 by investment: act date, application date, share 1/2, region 5",
           [](mTDeclaration& d, kTSvodSum&) {
               mTConstructionDeduct& p = d.PropertyDeduction;
               p.GrantProperty = 1;
               p.ObjectKind = 7;
               p.ByInvestment = 1;
               p.OwnershipKind = 3;
               p.TaxpayerSign = 1;
               p.ActDate = D(2010, 5, 20);
               p.ApplicationDate = D(2011, 2, 1);
               p.ShareNumerator = 1;
               p.ShareDenominator = 2;
               p.FirstUseYear = D(2010, 1, 1);
               p.ObjRegionCode = QStringLiteral("5");
               p.ObjPostIndex = QStringLiteral("  ");
               p.ObjLocality = QStringLiteral("пос. Лесной");
           },
           "//СвОбъектРасх|//АдрОбъект",
           {"СвОбъектРасх КодНаимОб=4 ВидСобствОб=3 ПризнакНП=1 ДатаАкт=20.05.2010 ДатаЗаявВыч=01.02.2011 "
            "ДолСобств=1/2 ГодНачИспВыч=2010",
            "АдрОбъект КодРегион=05 НаселПункт=ПОС. ЛЕСНОЙ"});
    AddRow("kind 5 registered: both registration dates and the amounts",
           [](mTDeclaration& d, kTSvodSum& s) {
               mTConstructionDeduct& p = d.PropertyDeduction;
               p.GrantProperty = 1;
               p.ObjectKind = 5;
               p.OwnershipKind = 1;
               p.TaxpayerSign = 1;
               p.DwellingRegDate = D(2010, 6, 1);
               p.LandRegDate = D(2009, 9, 9);
               p.ShareNumerator = 1;
               p.ShareDenominator = 1;
               p.FirstUseYear = D(2009, 1, 1);
               p.ObjRegionCode = QStringLiteral("71");
               s.PrilZ.CostActual = M("2000000");
               s.PrilZ.InterestActual = M("-1");
           },
           "//СвОбъектРасх",
           {"СвОбъектРасх КодНаимОб=5 ВидСобствОб=1 ПризнакНП=1 ДатаРегЖил=01.06.2010 ДатаРегЗем=09.09.2009 "
            "ДолСобств=1/1 ГодНачИспВыч=2009 СумРасхФакт=2000000.00"});
    AddRow("computation of the deduction always complete",
           [](mTDeclaration& d, kTSvodSum&) { d.PropertyDeduction.GrantProperty = 1; }, "//РасчИмущВыч",
           {"РасчИмущВыч ВычНовЗачПред=0.00 ВычНовЗачПредНД=0.00 ВычНовЗачПредУп=0.00 ВычПроцЗачПред=0.00 "
            "ВычПроцЗачПредНД=0.00 ВычПроцЗачПредУп=0.00 ОстВычПршПред=0.00 ПроцПршПред=0.00 ВычНАУвед=0.00 "
            "ПроцНАУвед=0.00 НалБаз13БезВыч=0.00 РасхНовВычНД=0.00 ПроцВычНД=0.00 ОстВычПрхСлед=0.00 "
            "ПроцПрхСлед=0.00"});
    AddRow("a non-resident's property deduction is not written",
           [](mTDeclaration& d, kTSvodSum&) {
               d.ReturnKind = ReturnKind3NDFLNonResident;
               d.PropertyDeduction.GrantProperty = 1;
           },
           "//ВычИмущНов", {});
}

QTEST_GUILESS_MAIN(TestExportGroups)
#include "tst_exportgroups.moc"
