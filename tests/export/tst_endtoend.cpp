// A declaration file loaded, computed and exported as a user's "Экспорт в xml" does it, against a
// checked-in document. The amounts are those of the worked example of an employee buying a flat:
// income 600 000, withheld 78 000, a flat for 3 000 000 registered in 2010 (ceiling 2 000 000):
// 600 000 deducted now, 1 400 000 carried over, base 0, tax 0, refund 78 000.
#include "export/XmlExport.h"
#include "storage/CodePage.h"
#include "storage/NewDeclaration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Money Rub(const char* text) {
    Money m;
    Money::FromText(QString::fromLatin1(text), QLatin1Char('.'), m);
    return m;
}

void EmployeeWithAFlat(mTDeclaration& d) {
    d.InspectionCode = QStringLiteral("7705");
    d.SignDate = DateValue::FromYmd(2011, 3, 15);
    mTPersonInformation& p = d.Person;
    p.SurName = QStringLiteral("Смирнова");
    p.FirstName = QStringLiteral("Анна");
    p.Patronymic = QStringLiteral("Сергеевна");
    p.INN = QStringLiteral("500100732259");
    p.DocTypeCode = 21;
    p.DocTypeName = QStringLiteral("Паспорт гражданина Российской Федерации");
    p.DocSerial = QStringLiteral("45 06 123456");
    p.DocIssueDate = DateValue::FromYmd(2006, 2, 1);
    p.BirthDate = DateValue::FromYmd(1980, 7, 9);
    p.DocIssuedBy = QStringLiteral("ОВД Замоскворечье г. Москвы");
    p.BirthPlace = QStringLiteral("г. Москва");
    p.CitizenshipSign = QStringLiteral("1");
    p.PostIndex = QStringLiteral("115054");
    p.RegionCode = 77;
    p.City = QStringLiteral("Москва");
    p.Street = QStringLiteral("Дубининская ул");
    p.House = QStringLiteral("11");
    p.Flat = QStringLiteral("42");
    p.OKATO = QStringLiteral("45286555000");
    p.HomePhone = QStringLiteral("4951234567");

    d.StandardDeduction.GrantStandard = 0;
    mTThirteenPercent* employer = d.IncomeSources13.At(d.IncomeSources13.Add());
    employer->SourceINN = QStringLiteral("7705034202");
    employer->SourceKPP = QStringLiteral("770501001");
    employer->SourceOKATO = QStringLiteral("45293594000");
    employer->SourceName = QStringLiteral("ООО \"Вектор\"");
    employer->TaxWithheld = Rub("78000");
    employer->TaxableIncome = Rub("600000");
    employer->TaxComputed = Rub("78000");
    for (quint16 month = 1; month <= 12; ++month) {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = Rub("50000");
        line.Month = month;
        employer->AddLine(line);
    }

    mTConstructionDeduct& flat = d.PropertyDeduction;
    flat.GrantProperty = 1;
    flat.ObjectKind = 2;
    flat.OwnershipKind = 1;
    flat.TaxpayerSign = 1;
    flat.ObjPostIndex = QStringLiteral("115054");
    flat.ObjRegionCode = QStringLiteral("77");
    flat.ObjCity = QStringLiteral("Москва");
    flat.ObjStreet = QStringLiteral("Дубининская ул");
    flat.ObjHouse = QStringLiteral("11");
    flat.ObjFlat = QStringLiteral("42");
    flat.DwellingRegDate = DateValue::FromYmd(2010, 4, 20);
    flat.ActDate = DateValue::FromYmd(2010, 3, 30);
    flat.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
    flat.ObjectCost = Rub("3000000");
    flat.ShareNumerator = 1;
    flat.ShareDenominator = 1;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void employeeWithAFlat() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("smirnova.kv0"));
        {
            auto d = CreateNewDeclaration();
            EmployeeWithAFlat(*d);
            d->SaveToFile(file);
        }
        mTDeclaration loaded;
        loaded.LoadFromFile(file);

        XmlExport exporter;
        QStringList messages;
        exporter.SetMessageSink([&messages](const QString& m) { messages << m; });
        exporter.SetFixedDate(QDate(2011, 3, 15));
        exporter.SetFixedGuid(QUuid(QStringLiteral("{6f1c3a2e-9b7d-4e21-8a5f-0c2d4b6e8f10}")));
        const QString name = exporter.Export(dir.path() + QDir::separator(), loaded, ExportToFile);
        QVERIFY(messages.isEmpty());
        QCOMPARE(name,
                 QStringLiteral(
                     "NO_NDFL3_7705_7705_500100732259_20110315_6F1C3A2E-9B7D-4E21-8A5F-0C2D4B6E8F10.xml"));

        QFile written(dir.filePath(name));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        const QString golden = QStringLiteral(DUROVID_FIXTURES "/export/endtoend-employee-flat.xml");
        if (qEnvironmentVariableIsSet("DUROVID_WRITE_GOLDEN")) {
            QFile out(golden);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        QFile expected(golden);
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(bytes, expected.readAll());
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
