// Income certificates read from their XML files, matched to the taxpayer, planned and applied.

#include "certificates/CertificateFile.h"
#include "certificates/CertificateHolders.h"
#include "certificates/CertificateImport.h"
#include "computation/SvodSum.h"
#include "export/XmlExport.h"
#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "storage/CodePage.h"
#include "storage/Date.h"
#include "support/TestFiles.h"

#include <QTest>

namespace {

QString Fixture(const QString& name) {
    return QStringLiteral(DUROVID_FIXTURES "/certificates/") + name;
}

// Imports every certificate of the person the declaration's taxpayer is; false with the message when it
// cannot, the declaration then untouched.
bool Import(const QString& path, mTDeclaration& d, bool applyStandard, QString& error) {
    TIncomeCertificateFile file;
    if (!file.Load(path)) {
        error = file.ErrorString();
        return false;
    }
    const CertificateHolders holders = FindHolders(file, d.Person);
    if (holders.Chosen < 0) {
        error = QStringLiteral("whose?");
        return false;
    }
    TCertificateImport import;
    if (!import.Plan(file, holders.People[holders.Chosen].Certificates, d)) {
        error = import.ErrorString();
        return false;
    }
    import.Apply(d, applyStandard);
    return true;
}

// A certificate of one line for the damaged cases; the placeholders are replaced by each case.
QByteArray OneCertificate(const QString& prolog, const QString& year, const QString& recipient,
                          const QString& line) {
    return QStringLiteral(
               "%1<Файл><Документ НомСпр=\"5\" ОтчетГод=\"%2\"><СвНА ОКАТО=\"45286555000\"><СвНАЮЛ "
               "НаимОрг=\"ООО «Альфа»\" ИННЮЛ=\"7701234567\" КПП=\"770101001\"/></СвНА>%3"
               "<СведДох Ставка=\"13\"><ДохВыч>%4</ДохВыч><СумИтНалПер СумДохОбщ=\"1000.00\" "
               "НалБаза=\"1000.00\" НалИсчисл=\"130\" НалУдерж=\"130\"/></СведДох></Документ></Файл>")
        .arg(prolog, year, recipient, line)
        .toUtf8();
}

const QString Utf8Prolog = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
const QString Recipient = QStringLiteral(
    "<ПолучДох ИННФЛ=\"500100732259\" Статус=\"1\"><ФИО Фамилия=\"Петрова\" Имя=\"Анна\"/></ПолучДох>");
const QString Line = QStringLiteral("<СвСумДох Месяц=\"01\" КодДоход=\"2000\" СумДоход=\"1000.00\"/>");

} // namespace

class tst_CertificateImport : public QObject {
    Q_OBJECT

private slots:
    // The worked example of the 13 % screens, imported from its certificates instead of typed: the return
    // exported is the one typed through the screens (the header aside, whose taxpayer is typed there).
    void workedExampleExportsAsTyped() {
        auto d = CreateNewDeclaration();
        d->Person.INN = QStringLiteral("695012345651");
        d->Person.OKATO = QStringLiteral("28401000000"); // where the payment lines without an agent go
        QString error;
        QVERIFY2(Import(Fixture(QStringLiteral("worked-example.xml")), *d, false, error), qPrintable(error));
        QCOMPARE(d->IncomeSources13.Count(), 1);
        const mTThirteenPercent& employer = *d->IncomeSources13.At(0);
        QCOMPARE(employer.SourceName, QStringLiteral("ООО \"Ромашка\""));
        QCOMPARE(employer.LineCount(), 13);
        QCOMPARE(employer.Line(12)->DeductionCode, 503);
        QVERIFY(!employer.Line(0)->IncomeCodeName.isEmpty());
        // The certificate grants no standard deduction; in the example the user ticks the source.
        QCOMPARE(employer.StandardDeductionSource, quint8(0));
        d->IncomeSources13.At(0)->StandardDeductionSource = 1;

        XmlExport exporter;
        exporter.SetFixedDate(QDate(2011, 3, 15));
        exporter.SetFixedGuid(QUuid::fromString(QStringLiteral("6f1c3a2e-9b7d-4e21-8a5f-0c2d4b6e8f10")));
        QVERIFY2(exporter.Export(QString(), *d, ExportToText), qPrintable(exporter.ErrorString()));
        const QString golden = CodePage::FromCp1251(
            TestFiles::Read(QStringLiteral(DUROVID_FIXTURES "/export/endtoend-income-resident.xml")));
        const auto income = [](const QString& document) {
            return document.mid(document.indexOf(QStringLiteral("<НДФЛ3>")));
        };
        QVERIFY(golden.contains(QStringLiteral("<НДФЛ3>")));
        QCOMPARE(income(exporter.Result()), income(golden));
    }

    // An employee of two employers, one of which granted the personal and a child's deduction: the two
    // sources, the summary, and the standard deductions that compute to what the employer granted.
    void twoEmployersWithChild() {
        auto d = CreateNewDeclaration();
        TIncomeCertificateFile file;
        QVERIFY(file.Load(Fixture(QStringLiteral("two-employers.xml"))));
        const CertificateHolders holders = FindHolders(file, d->Person);
        QCOMPARE(holders.Chosen, 0); // a new declaration names nobody; the file holds one person
        TCertificateImport import;
        QVERIFY2(import.Plan(file, holders.People[0].Certificates, *d), qPrintable(import.ErrorString()));
        QCOMPARE(import.Sources().size(), 2);
        QCOMPARE(
            import.Sources()[0].Summary(),
            QStringLiteral("ООО «Альфа» (ИНН 7701234567), ставка 13 %, 12 строк, доход 360 000,00, налог "
                           "удержан 45 578"));
        QCOMPARE(import.Sources()[1].Summary(),
                 QStringLiteral("ЗАО «Бета» (ИНН 7702345678), ставка 13 %, 2 строки, доход 30 000,00, налог "
                                "удержан 3 900"));
        QVERIFY(!import.HasDuplicates());
        QCOMPARE(import.Standard().Texts(),
                 QStringList({QStringLiteral("Код 103 - 400 в месяц"),
                              QStringLiteral("Вычет на ребенка (детей)"), QStringLiteral("Число детей: 1")}));

        import.Apply(*d, true);
        QVERIFY(d->IncomeKinds & IncomeRussia);
        QCOMPARE(d->IncomeSources13.Count(), 2);
        QCOMPARE(d->IncomeSources13.At(0)->StandardDeductionSource, quint8(1));
        QCOMPARE(d->IncomeSources13.At(1)->StandardDeductionSource, quint8(0));
        QCOMPARE(d->IncomeSources13.At(0)->SourceOKATO, QStringLiteral("45286555000"));
        QCOMPARE(d->IncomeSources13.At(0)->TaxableIncome, Money::FromUnits(350600));
        QCOMPARE(d->StandardDeduction.ChildrenCount, 1);
        kTSvodSum sum;
        sum.Compute(*d);
        QCOMPARE(sum.PrilE1.StandardTotal, Money::FromUnits(400 + 9000));

        // The same certificates again: the sources of the same agents are replaced, not doubled.
        TCertificateImport again;
        QVERIFY(again.Plan(file, holders.People[0].Certificates, *d));
        QVERIFY(again.HasDuplicates());
        d->IncomeSources13.At(1)->SourceName = QStringLiteral("переименован");
        again.Apply(*d, false);
        QCOMPARE(d->IncomeSources13.Count(), 2);
        QCOMPARE(d->IncomeSources13.At(0)->LineCount(), 12);
        QCOMPARE(d->IncomeSources13.At(1)->SourceName, QStringLiteral("ЗАО «Бета»"));
    }

    void whoseCertificates_data() {
        QTest::addColumn<QString>("inn");
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("chosen"); // surname and birth date of the person taken; empty: none
        QTest::addColumn<int>("matching");
        QTest::newRow("by INN") << "695098765432"
                                << ""
                                << ""
                                << "Сидоров 01.01.1970" << 1;
        QTest::newRow("by name and birth date") << ""
                                                << "кузнецов"
                                                << "07.08.1990"
                                                << "Кузнецов 07.08.1990" << 1;
        QTest::newRow("namesakes without a birth date") << ""
                                                        << "Кузнецов"
                                                        << ""
                                                        << "" << 0;
        QTest::newRow("nobody named, several people") << ""
                                                      << ""
                                                      << ""
                                                      << "" << 0;
        QTest::newRow("another INN with the same name") << "695000000000"
                                                        << "Сидорова"
                                                        << "10.10.1988"
                                                        << "" << 0;
    }
    void whoseCertificates() {
        QFETCH(QString, inn);
        QFETCH(QString, surname);
        QFETCH(QString, birth);
        QFETCH(QString, chosen);
        QFETCH(int, matching);
        TIncomeCertificateFile file;
        QVERIFY2(file.Load(Fixture(QStringLiteral("several-people.xml"))), qPrintable(file.ErrorString()));
        QCOMPARE(file.Count(), 4);
        mTPersonInformation taxpayer;
        taxpayer.INN = inn;
        taxpayer.SurName = surname;
        if (!surname.isEmpty()) {
            taxpayer.FirstName = QStringLiteral("Олег");
            taxpayer.Patronymic = QStringLiteral("Петрович");
        }
        if (surname == QStringLiteral("Сидорова")) {
            taxpayer.FirstName = QStringLiteral("Мария");
            taxpayer.Patronymic = QStringLiteral("Ивановна");
        }
        if (!birth.isEmpty())
            taxpayer.BirthDate = DateValue::FromQDate(QDate::fromString(birth, QStringLiteral("dd.MM.yyyy")));
        const CertificateHolders holders = FindHolders(file, taxpayer);
        QCOMPARE(holders.People.size(), 4);
        QCOMPARE(holders.Matching.size(), matching);
        if (chosen.isEmpty()) {
            QCOMPARE(holders.Chosen, -1);
            return;
        }
        QVERIFY(holders.Chosen >= 0);
        const CertificatePerson& p = holders.People[holders.Chosen].Person;
        QCOMPARE(p.Surname + QLatin1Char(' ') + p.BirthDateText, chosen);
    }

    // A non-resident's income at 30 % goes to the first list and the dividends at 15 % to the dividends;
    // a resident's return has no place for either.
    void nonResident() {
        auto d = CreateNewDeclaration();
        d->ReturnKind = ReturnKind3NDFLNonResident;
        QString error;
        QVERIFY2(Import(Fixture(QStringLiteral("non-resident.xml")), *d, true, error), qPrintable(error));
        QCOMPARE(d->IncomeSources13.Count(), 1);
        QCOMPARE(d->IncomeSources13.At(0)->IncomeTotal, Money::FromUnits(300000));
        QCOMPARE(d->IncomeSources13.At(0)->TaxWithheld, Money::FromUnits(90000));
        QCOMPARE(d->IncomeSources30.Count(), 1);
        QCOMPARE(d->IncomeSources30.At(0)->IncomeCode, 1010);
        QCOMPARE(d->IncomeSources30.At(0)->TaxWithheld, Money::FromUnits(7500));

        auto resident = CreateNewDeclaration();
        const QByteArray before = resident->SaveToBytes();
        QVERIFY(!Import(Fixture(QStringLiteral("non-resident.xml")), *resident, true, error));
        QVERIFY2(error.contains(QStringLiteral("ставке 30 %")), qPrintable(error));
        QCOMPARE(resident->SaveToBytes(), before);
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString manyLines = Line.repeated(1001);
        QTest::newRow("not XML") << QByteArray("Справка о доходах\n") << "не является XML";
        QTest::newRow("truncated") << TestFiles::Read(Fixture(QStringLiteral("two-employers.xml"))).left(900)
                                   << "поврежден";
        QTest::newRow("unknown encoding")
            << OneCertificate(QStringLiteral("<?xml version=\"1.0\" encoding=\"KOI8-R\"?>"), "2010",
                              Recipient, Line)
            << "Неизвестная кодировка";
        QTest::newRow("declared UTF-8, written in windows-1251")
            << CodePage::ToCp1251(QString::fromUtf8(OneCertificate(Utf8Prolog, "2010", Recipient, Line)))
            << "не в кодировке UTF-8";
        QTest::newRow("no recipient") << OneCertificate(Utf8Prolog, "2010", "", Line) << "ПолучДох";
        QTest::newRow("month 13") << OneCertificate(Utf8Prolog, "2010", Recipient,
                                                    QString(Line).replace("\"01\"", "\"13\""))
                                  << "месяц «13» вне диапазона 1–12";
        QTest::newRow("negative amount") << OneCertificate(Utf8Prolog, "2010", Recipient,
                                                           QString(Line).replace("\"1000.00\"", "\"-5.00\""))
                                         << "сумма «-5.00» (СумДоход) не является неотрицательным числом";
        QTest::newRow("not a number") << OneCertificate(Utf8Prolog, "2010", Recipient,
                                                        QString(Line).replace("\"1000.00\"", "\"1 000\""))
                                      << "не является неотрицательным числом";
        QTest::newRow("another year") << OneCertificate(Utf8Prolog, "2011", Recipient, Line) << "за 2011 год";
        QTest::newRow("more lines than a source holds")
            << OneCertificate(Utf8Prolog, "2010", Recipient, manyLines) << "не более 1000 записей";
        QTest::newRow("external entity")
            << OneCertificate(QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE Файл [<!ENTITY x SYSTEM "
                                             "\"file:///etc/passwd\">]>"),
                              "2010", Recipient, QString(Line).replace("\"2000\"", "\"&x;\""))
            << "DOCTYPE";
    }
    void refused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        auto d = CreateNewDeclaration();
        const QByteArray before = d->SaveToBytes();
        QString error;
        QVERIFY(!Import(TestFiles::Write(dir, QStringLiteral("cert.xml"), bytes), *d, true, error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(d->SaveToBytes(), before);
    }

    // A code the dictionary does not know is imported as it stands, without a name.
    void unknownIncomeCode() {
        QTemporaryDir dir;
        auto d = CreateNewDeclaration();
        QString error;
        const QByteArray bytes =
            OneCertificate(Utf8Prolog, "2010", Recipient, QString(Line).replace("\"2000\"", "\"2999\""));
        QVERIFY2(Import(TestFiles::Write(dir, QStringLiteral("cert.xml"), bytes), *d, true, error),
                 qPrintable(error));
        QCOMPARE(d->IncomeSources13.At(0)->Line(0)->IncomeCode, 2999);
        QVERIFY(d->IncomeSources13.At(0)->Line(0)->IncomeCodeName.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_CertificateImport)
#include "tst_certificateimport.moc"
