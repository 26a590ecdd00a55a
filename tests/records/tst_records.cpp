#include "records/CurrencyIncome.h"
#include "records/Declaration.h"
#include "records/SocialDeduct.h"
#include "records/StandartDeduct.h"
#include "records/ThirteenPercent.h"
#include "storage/FileLoader.h"
#include "support/Samples.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Samples::M;

// Record behaviour that the declaration round trip does not show by itself.
class TestRecords : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Saves records through a container of the given version and returns the storage to read them back.
    struct Container {
        std::unique_ptr<mTFileLoader> loader;
        std::unique_ptr<mTDocumentStorage> storage;
    };

    template <class Write>
    Container RoundTrip(const QString& name, Write&& write, const char* version = nullptr) {
        const QString path = dir.filePath(name);
        QFile::remove(path);
        {
            mTFileLoader loader(path, 100000, false);
            mTDocumentStorage s(loader);
            s.CreateNew(QStringLiteral("Zizo2010"));
            write(s);
            loader.Commit();
        }
        if (version) { // rewrite the header's version field
            QFile f(path);
            f.open(QIODevice::ReadWrite);
            f.seek(24);
            f.write(version, 4);
        }
        Container c;
        c.loader = std::make_unique<mTFileLoader>(path, 0, true);
        c.storage = std::make_unique<mTDocumentStorage>(*c.loader);
        c.storage->OpenExisting();
        return c;
    }

    static std::unique_ptr<mTSourseIncome> Line(const char* amount) {
        auto line = std::make_unique<mTSourseIncome>();
        line->IncomeAmount = M(amount);
        return line;
    }

private Q_SLOTS:
    void thirteenPercentLinesKeepTheTotal() {
        mTThirteenPercent src;
        src.AddLine(Line("100.5"));
        src.AddLine(Line("200"));
        QCOMPARE(src.IncomeTotal, M("300.5"));
        src.ReplaceLine(0, Line("50"));
        QCOMPARE(src.IncomeTotal, M("250"));
        src.ReplaceLine(1, nullptr);
        src.ReplaceLine(0, nullptr);
        QCOMPARE(src.LineCount(), 0);
        QCOMPARE(src.IncomeTotal, Money());
    }

    void thirteenPercentStreamsAndLoading() {
        mTThirteenPercent src;
        src.AddLine(Line("10"));
        src.AddLine(Line("20"));
        src.SetMonthValue(3, Money::FromUnits(-1)); // cannot be present
        src.SetMonthValue(4, M("7"));
        src.IncomeTotal = M("999"); // a stale total is never stored
        src.StandardDeductionSource = 1;
        auto c = RoundTrip(QStringLiteral("nr.kv0"), [&](mTDocumentStorage& s) {
            src.SaveToStorage(s, 0, true);
            QCOMPARE(s.Position(), 60 + src.StoredSize(0, true));
        });
        const QByteArray bytes = QByteArray(c.loader->Data(), c.loader->Size);
        for (const char* name : {"@ThirteenPerceNR000", "@SourseIncoNR000000", "@SourseIncoNR000001"})
            QVERIFY2(bytes.contains(name), name);
        mTThirteenPercent loaded;
        loaded.LoadFromStorage(*c.storage, 0, true);
        QCOMPARE(loaded.IncomeTotal, M("30"));
        QVERIFY(!loaded.MonthPresent(3));
        QVERIFY(loaded.MonthPresent(4));
        QCOMPARE(loaded.MonthValues[4], M("7"));
        QCOMPARE(loaded.StandardDeductionSource, quint8(1));
    }

    void version10FilesHaveNoStandardDeductionFlag() {
        auto c = RoundTrip(
            QStringLiteral("v10.kv0"),
            [](mTDocumentStorage& s) {
                s.CreateStream(QStringLiteral("@ThirteenPercent000"));
                s.WriteString(QStringLiteral("7707083893")); // no flag in front of the INN
                for (int i = 0; i < 3; ++i)
                    s.WriteString(QString());
                for (int i = 0; i < 4; ++i)
                    s.WriteMoney(Money());
                for (int i = 0; i < 12; ++i)
                    s.WriteString(QStringLiteral("a"));
                s.WriteInteger(0);
            },
            "0100");
        mTThirteenPercent loaded;
        loaded.LoadFromStorage(*c.storage, 0, false);
        QCOMPARE(loaded.StandardDeductionSource, quint8(0));
        QCOMPARE(loaded.SourceINN, QStringLiteral("7707083893"));
    }

    void currencyRoublesFollowTheRate_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("roubles");
        QTest::newRow("quoted per 100 units") << "1000" << 100 << "3500"
                                              << "35000";
        QTest::newRow("no units") << "1000" << 0 << "3500"
                                  << "0";
        QTest::newRow("half a kopeck rounds up") << "0.125" << 1 << "1"
                                                 << "0.13";
        QTest::newRow("negative is cut") << "-0.125" << 1 << "1"
                                         << "-0.12";
        QTest::newRow("extended precision") << "1000" << 1 << "30.1234"
                                            << "30123.4";
    }
    void currencyRoublesFollowTheRate() {
        QFETCH(QString, amount);
        QFETCH(int, units);
        QFETCH(QString, rate);
        QFETCH(QString, roubles);
        mTCurrencyIncome c;
        c.RateUnitsAtIncome = c.RateUnitsAtTax = units;
        c.RateAtIncome = c.RateAtTax = M(rate.toLatin1().constData());
        c.SetIncomeCurrency(M(amount.toLatin1().constData()));
        c.SetTaxCurrency(M(amount.toLatin1().constData()));
        QCOMPARE(c.IncomeRoubles.ToText(), roubles);
        QCOMPARE(c.TaxRoubles.ToText(), roubles);
    }

    void businessWithoutDocumentsHasNoExpenseStream() {
        mTBusinessNew b;
        b.HasDocumentedExpenses = 0;
        b.NormativeExpenses = M("20");
        auto c = RoundTrip(QStringLiteral("biz.kv0"), [&](mTDocumentStorage& s) { b.SaveToStorage(s, 0); });
        QVERIFY(!QByteArray(c.loader->Data(), c.loader->Size).contains("@BusinessExpense"));
        mTBusinessNew loaded;
        loaded.ExpensesTotal = M("5"); // the other branch keeps what it held
        loaded.LoadFromStorage(*c.storage, 0);
        QCOMPARE(loaded.NormativeExpenses, M("20"));
        QCOMPARE(loaded.ExpensesTotal, M("5"));
    }

    void standardDeductionNotClaimedOrFromAnOlderFile() {
        mTStandartDeduct notClaimed;
        notClaimed.GrantStandard = 0;
        notClaimed.PersonalCode = 105;
        QCOMPARE(notClaimed.StoredSize(), quint32(4 + 15 + 5));
        auto c =
            RoundTrip(QStringLiteral("std.kv0"), [&](mTDocumentStorage& s) { notClaimed.SaveToStorage(s); });
        mTStandartDeduct loaded;
        loaded.LoadFromStorage(*c.storage);
        QCOMPARE(loaded.GrantStandard, quint8(0));
        QCOMPARE(loaded.PersonalCode, 103);
        QCOMPARE(loaded.ChildKind, 101);

        // An older layout: the stream ends after the disabled-children count.
        auto old = RoundTrip(QStringLiteral("stdold.kv0"), [](mTDocumentStorage& s) {
            s.CreateStream(QStringLiteral("@StandartDeduct"));
            s.WriteByte(1);
            s.WriteInteger(104);
            s.WriteInteger(102);
            s.WriteByte(1);
            s.WriteInteger(2);
            s.WriteByte(1);
            s.WriteInteger(1);
            s.CreateStream(QStringLiteral("@SocialDeduct"));
        });
        mTStandartDeduct older;
        older.MonthlyBusiness = older.PersonalCombination = older.ChildCombination = 1;
        older.LoadFromStorage(*old.storage);
        QCOMPARE(older.MonthlyBusiness + older.PersonalCombination + older.ChildCombination, 0);
        QCOMPARE(older.PersonalCode, 104);
        QCOMPARE(older.DisabledCount, 1);
    }

    void socialDeductionLists() {
        mTSocialDeduct s;
        try {
            s.ChildEducationAmount(0);
            QFAIL("no error");
        } catch (const mEMemoryAllocate& e) {
            QCOMPARE(e.Code, quint16(310));
            QCOMPARE(e.Message(), QStringLiteral("Не выделена память."));
        }
        s.AddChildEducation(M("1"));
        s.AddChildEducation(M("2"));
        try {
            s.SetChildEducationAmount(2, M("3"));
            QFAIL("no error");
        } catch (const mEMemoryAllocate& e) {
            QCOMPARE(e.Code, quint16(321));
        }
        try {
            s.DeleteChildEducation(-1);
            QFAIL("no error");
        } catch (const mEMemoryAllocate& e) {
            QCOMPARE(e.Code, quint16(331));
        }

        s.GrantSocial = 1;
        for (int i = 0; i < 3; ++i)
            s.PensionContract(s.AddPensionContract())->ContractNumber = QString::number(i);
        s.ReplacePensionContract(0, nullptr);
        QCOMPARE(s.PensionContractCount(), 2);
        auto c = RoundTrip(QStringLiteral("social.kv0"), [&](mTDocumentStorage& st) { s.SaveToStorage(st); });
        const QByteArray bytes(c.loader->Data(), c.loader->Size);
        QVERIFY(bytes.contains("@PensSub0010001"));
        QVERIFY(!bytes.contains("@PensSub002"));
        QVERIFY(bytes.contains("0001"
                               "2"
                               "00011"
                               "00012")); // count, then the amounts in entry order
        mTSocialDeduct loaded;
        loaded.LoadFromStorage(*c.storage);
        QCOMPARE(loaded.ChildEducationCount(), 2);
        QCOMPARE(loaded.PensionContract(0)->ContractNumber, QStringLiteral("1"));
        QCOMPARE(loaded.PensionContract(1)->ContractNumber, QStringLiteral("2"));
    }

    void propertyNotClaimedStoresOnlyItsFlag() {
        mTConstructionDeduct p;
        p.ObjectCost = M("100");
        QCOMPARE(p.StoredSize(), quint32(4 + 19 + 5));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
