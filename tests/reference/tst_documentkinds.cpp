#include "reference/DocumentKinds.h"
#include "reference/Regions.h"

#include <QTest>

// The tables the program carries and the number formats of the kinds of identity document.
class TestDocumentKinds : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberFormats_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("current"); // the field's format before a pick
        QTest::addColumn<int>("stored");  // the format of a stored document of the kind
        QTest::addColumn<int>("picked");  // the format after the user picks the kind
        QTest::newRow("passport of the Russian Federation") << 21 << 5 << 2 << 2;
        QTest::newRow("birth certificate") << 3 << 2 << 0 << 5;
        QTest::newRow("other documents") << 91 << 2 << 6 << 5;
        QTest::newRow("foreign passport") << 10 << 2 << 5 << 5;
        QTest::newRow("soldier's military card") << 7 << 5 << 4 << 4;
        QTest::newRow("serviceman's card") << 24 << 2 << 5 << 4;
        QTest::newRow("kind outside the table keeps the field") << 2 << 3 << 1 << 1;
        QTest::newRow("unknown kind keeps the field") << 55 << 3 << 5 << 3;
    }
    void numberFormats() {
        QFETCH(int, kind);
        QFETCH(int, current);
        QFETCH(int, stored);
        QFETCH(int, picked);
        QCOMPARE(DocumentNumberFormat(kind), stored);
        QCOMPARE(PickedDocumentNumberFormat(kind, current), picked);
    }

    void tablesAreInCodeOrder() {
        for (const std::span<const CodeTableRow> table : {Regions(), DocumentKinds()}) {
            QVERIFY(!table.empty());
            for (size_t i = 1; i < table.size(); ++i)
                QVERIFY(table[i - 1].Code < table[i].Code);
        }
        QCOMPARE(QString::fromUtf8(Regions().front().Name), QStringLiteral("Республика Адыгея (Адыгея)"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentKinds)
#include "tst_documentkinds.moc"
