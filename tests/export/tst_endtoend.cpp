// A declaration file loaded, computed and exported as a user's "Экспорт в xml" does it, against a
// checked-in document. The amounts are those of the worked example of an employee buying a flat:
// income 600 000, withheld 78 000, a flat for 3 000 000 registered in 2010 (ceiling 2 000 000):
// 600 000 deducted now, 1 400 000 carried over, base 0, tax 0, refund 78 000.
#include "computation/WorkedExamples.h"
#include "export/XmlExport.h"
#include "records/NewDeclaration.h"
#include "storage/CodePage.h"
#include "support/ValidDeclaration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The worked example's employee and flat, with the taxpayer's and the employer's particulars that the
// document carries.
void EmployeeWithAFlat(mTDeclaration& d) {
    ValidDeclaration(d)
        .Inspection(QStringLiteral("7705"))
        .Name(QStringLiteral("Смирнова"), QStringLiteral("Анна"), QStringLiteral("Сергеевна"))
        .Birth(DateValue::FromYmd(1980, 7, 9), QStringLiteral("г. Москва"))
        .Passport(QStringLiteral("45 06 123456"), DateValue::FromYmd(2006, 2, 1),
                  QStringLiteral("ОВД Замоскворечье г. Москвы"),
                  QStringLiteral("Паспорт гражданина Российской Федерации"))
        .Address(QStringLiteral("115054"), 77, QStringLiteral("Москва"), QStringLiteral("Дубининская ул"),
                 QStringLiteral("11"), QString(), QStringLiteral("42"))
        .Phone(QStringLiteral("4951234567"));
    WorkedExample::Employee(d);
    WorkedExample::FlatBoughtIn2010(d);
    d.SignDate = DateValue::FromYmd(2011, 3, 15);

    mTThirteenPercent* employer = d.IncomeSources13.At(0);
    employer->SourceINN = QStringLiteral("7705034202");
    employer->SourceKPP = QStringLiteral("770501001");
    employer->SourceName = QStringLiteral("ООО \"Вектор\"");

    mTConstructionDeduct& flat = d.PropertyDeduction;
    flat.ObjPostIndex = QStringLiteral("115054");
    flat.ObjRegionCode = QStringLiteral("77");
    flat.ObjCity = QStringLiteral("Москва");
    flat.ObjStreet = QStringLiteral("Дубининская ул");
    flat.ObjHouse = QStringLiteral("11");
    flat.ObjFlat = QStringLiteral("42");
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
        exporter.SetFixedDate(QDate(2011, 3, 15));
        exporter.SetFixedGuid(QUuid(QStringLiteral("{6f1c3a2e-9b7d-4e21-8a5f-0c2d4b6e8f10}")));
        QVERIFY(exporter.Export(dir.path() + QDir::separator(), loaded, ExportToFile));
        QVERIFY(exporter.Warnings().isEmpty());
        const QString name = exporter.Result();
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
