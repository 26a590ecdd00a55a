#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "storage/FileLoader.h"
#include "support/Samples.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The declaration root: its layout on disk, save/load round trips, files of earlier years, failures.
class TestDeclaration : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }

    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    // A stored value: four-digit length, then the windows-1251 text.
    static QByteArray V(const QByteArray& text) {
        return QByteArray::number(text.size()).rightJustified(4, '0') + text;
    }

private Q_SLOTS:
    void newDeclarationLayout() {
        auto d = CreateNewDeclaration();
        d->SignDate = 40544;
        const QString path = Path(QStringLiteral("new.kv0"));
        d->SaveToFile(path);

        QByteArray expected =
            QByteArray("DLSG") + QByteArray(12, ' ') + "Zizo2010" + "0102" + QByteArray(32, 'F');
        expected += V("@DeclInfo") + V("") + V("") + V("0") + V("0") + V("40544") + V("0") + V("5") + V("0") +
                    V("1") + V("1") + V("0") + V("0");
        for (int i = 0; i < 8; ++i)
            expected += V("0");
        expected += V("") + V("0") + V("") + V("") + V("0");
        expected += V("@PersonName") + V("") + V("") + V("") + V("") + V("") + V("0");
        expected +=
            V("@PersonDocument") + V("0") + V("") + V("") + V("32874") + V("28126") + V("") + V("") + V("0");
        expected += V("@Foreigner") + V("") + V("\xD0\xCE\xD1\xD1\xC8\xDF") + V("") + V("643");
        expected += V("@PhoneForeignerHome") + V("") + V("") + V("@PhoneForeignerWork") + V("") + V("");
        expected += V("@PersonAddress") + V("0") + V("") + V("0");
        for (int i = 0; i < 9; ++i)
            expected += V("");
        expected += V("@HomePhone") + V("") + V("") + V("@WorkPhone") + V("") + V("");
        expected += V("@DeclInquiry") + V("0") + V("0") + V("0") + V("0");
        expected += V("@StandartDeduct") + V("1") + V("103") + V("101") + V("1") + V("0") + V("1") + V("0") +
                    V("0") + V("0") + V("0");
        expected += V("@SocialDeduct") + V("0");
        expected += V("@ConstructionDeduct") + V("0");
        expected += V("@CBDeduct") + V("0") + V("0");
        expected += V("@Nalog") + V("0");
        expected += QByteArray(3, '\0');

        QCOMPARE(ReadAll(path), expected);
        QCOMPARE(d->StoredSize(), quint32(expected.size()));
    }

    void noIncomeKindsSavesNeitherSourcesNorDeductions() {
        mTDeclaration d;
        const QString path = Path(QStringLiteral("nokinds.kv0"));
        d.SaveToFile(path);
        const QByteArray bytes = ReadAll(path);
        QVERIFY(!bytes.contains("@DeclInquiry"));
        QVERIFY(!bytes.contains("@StandartDeduct"));
        QVERIFY(bytes.endsWith(V("@Nalog") + V("0") + QByteArray(3, '\0')));
        mTDeclaration loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.IncomeKinds, quint8(0));
    }

    void saveLoadSaveGivesIdenticalBytes() {
        mTDeclaration d;
        Samples::FillEverything(d);
        const QString first = Path(QStringLiteral("full1.kv0"));
        const QString second = Path(QStringLiteral("full2.kv0"));
        d.SaveToFile(first);
        QCOMPARE(QFileInfo(first).size(), qint64(d.StoredSize()));

        mTDeclaration loaded;
        loaded.LoadFromFile(first);
        loaded.SaveToFile(second);
        QCOMPARE(ReadAll(second), ReadAll(first));
        mTDeclaration reloaded;
        reloaded.LoadFromFile(second);
        QCOMPARE(reloaded.DumpJson(), loaded.DumpJson());

        // Spot checks that the values themselves came back, not only the bytes.
        QCOMPARE(loaded.SignDate, 40544.4520557986);
        QCOMPARE(loaded.Person.SurName, QStringLiteral("Иванов"));
        QCOMPARE(loaded.Counters[7], 107);
        QCOMPARE(loaded.PracticeIncomes.Count(), 2);
        QCOMPARE(loaded.IncomeSources13NR.At(1)->LineCount(), 3);
        QCOMPARE(loaded.IncomeSources13NR.At(1)->IncomeTotal, Samples::M("99999.9999"));
        QCOMPARE(loaded.FixedAdvancePayments, Samples::M("-12.3456"));
        QVERIFY(!loaded.IncomeSources13.At(0)->MonthPresent(1));
        QVERIFY(loaded.IncomeSources13.At(0)->MonthPresent(5));
        QCOMPARE(loaded.BusinessIncomes.At(1)->NormativeExpenses, Samples::M("100000"));
        QCOMPARE(loaded.BusinessIncomes.At(1)->ExpensesTotal, Money()); // not stored without documents
    }

    // Index 1000 makes four-digit stream names whose first characters equal an earlier name.
    void listsOfMoreThanAThousandRecords() {
        mTDeclaration d;
        Samples::FillWithSources(d, 1002);
        d.IncomeSources13.At(1000)->SourceName = QStringLiteral("тысячный");
        const QString path = Path(QStringLiteral("thousand.kv0"));
        d.SaveToFile(path);
        mTDeclaration loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.IncomeSources13.Count(), 1002);
        QCOMPARE(loaded.IncomeSources13.At(1000)->SourceName, QStringLiteral("тысячный"));
        QCOMPARE(loaded.IncomeSources13.At(1001)->LineCount(), 10);
        QCOMPARE(loaded.TaxPayments.Count(), 1002);
    }

    void incomeKindsCreateAndFreeLists() {
        mTDeclaration d;
        d.SetIncomeKinds(IncomeRussia | IncomeForeign);
        d.IncomeSources13.Add();
        d.IncomeSources35.Add();
        d.CurrencyIncomes.Add();
        d.AdvancePaid = Samples::M("5");
        d.SetIncomeKinds(IncomeForeign | IncomeBusiness);
        QCOMPARE(d.IncomeKinds, quint8(IncomeForeign | IncomeBusiness));
        QCOMPARE(d.IncomeSources13.Count() + d.IncomeSources35.Count(), 0);
        QCOMPARE(d.CurrencyIncomes.Count(), 1); // a kind that stays keeps its records
        QCOMPARE(d.AdvancePaid, Samples::M("5"));
        d.SetIncomeKinds(IncomeRussia);
        QCOMPARE(d.CurrencyIncomes.Count(), 0);
    }

    void sheetCount() {
        mTDeclaration d;
        d.AutoSheetCount = 1;
        d.SheetCount = 10;
        d.ExpenseDocCount = 1;
        d.AddToSheetCount(3);
        QCOMPARE(d.SheetCount, 12);
        QCOMPARE(d.ExpenseDocCount, 3);
        d.SetSheetCount(40); // ignored while counted automatically
        QCOMPARE(d.SheetCount, 12);
        d.AutoSheetCount = 0;
        d.AddToSheetCount(5);
        QCOMPARE(d.SheetCount, 12);
        QCOMPARE(d.ExpenseDocCount, 5);
        d.SetSheetCount(40);
        QCOMPARE(d.SheetCount, 40);
    }

    void filesOfEarlierYears_data() {
        QTest::addColumn<QString>("signature");
        QTest::addColumn<bool>("hasYear2004Values");
        QTest::addColumn<bool>("hasCurrentValues");
        QTest::newRow("Kvir2003") << "Kvir2003" << false << false;
        QTest::newRow("Kvir2004") << "Kvir2004" << true << false;
        for (int year = 2005; year <= 2009; ++year)
            QTest::newRow(qPrintable(QStringLiteral("Kvir%1").arg(year)))
                << QStringLiteral("Kvir%1").arg(year) << true << true;
    }

    // Writes a taxpayer in the layout of the given year, then loads it as a declaration.
    void filesOfEarlierYears() {
        QFETCH(QString, signature);
        QFETCH(bool, hasYear2004Values);
        QFETCH(bool, hasCurrentValues);
        const QString path = Path(signature + QStringLiteral(".kv9"));
        QFile::remove(path);
        {
            mTFileLoader loader(path, 4000, false);
            mTDocumentStorage s(loader);
            s.CreateNew(signature);
            s.CreateStream(QStringLiteral("@DeclInfo"));
            s.WriteString(QStringLiteral("7701")); // a root value that must not be taken over
            s.CreateStream(QStringLiteral("@PersonName"));
            for (const char* v : {"Петров", "Пётр", "Петрович", "771234567890"})
                s.WriteString(QString::fromUtf8(v));
            if (hasYear2004Values) {
                s.WriteString(QStringLiteral("r1"));
                s.WriteString(QStringLiteral("r2"));
            }
            s.CreateStream(QStringLiteral("@PersonDocument"));
            s.WriteWord(21);
            s.WriteString(QStringLiteral("Паспорт"));
            s.WriteString(QStringLiteral("45 00 000001"));
            s.WriteDate(DateValue::FromYmd(2001, 1, 2));
            s.WriteDate(DateValue::FromYmd(1960, 3, 4));
            if (hasYear2004Values) {
                s.WriteString(QStringLiteral("ОВД"));
                s.WriteString(QStringLiteral("Тверь"));
            }
            if (hasCurrentValues) s.WriteByte(1);
            s.CreateStream(QStringLiteral("@Foreigner"));
            s.WriteString(QStringLiteral("1"));
            s.WriteString(QStringLiteral("УКРАИНА"));
            if (hasYear2004Values) {
                s.WriteString(QStringLiteral("Киев"));
                s.WriteString(QStringLiteral("804"));
            }
            if (hasCurrentValues) {
                s.CreateStream(QStringLiteral("@PhoneForeignerHome"));
                s.WriteString(QStringLiteral("380"));
                s.WriteString(QStringLiteral("11"));
                s.CreateStream(QStringLiteral("@PhoneForeignerWork"));
                s.WriteString(QStringLiteral("380"));
                s.WriteString(QStringLiteral("22"));
            }
            s.CreateStream(QStringLiteral("@PersonAddress"));
            if (hasCurrentValues) s.WriteByte(1);
            s.WriteString(QStringLiteral("170000"));
            s.WriteWord(69);
            for (int i = 0; i < 8; ++i)
                s.WriteString(QStringLiteral("a%1").arg(i));
            if (hasCurrentValues) {
                s.WriteString(QStringLiteral("28401000000"));
                s.CreateStream(QStringLiteral("@HomePhone"));
                s.WriteString(QStringLiteral("4822"));
                s.WriteString(QStringLiteral("333"));
                s.CreateStream(QStringLiteral("@WorkPhone"));
                s.WriteString(QStringLiteral("4822"));
                s.WriteString(QStringLiteral("444"));
            }
            loader.Commit();
        }
        mTDeclaration d;
        d.LoadFromFile(path);
        QCOMPARE(d.IncomeKinds, quint8(0));
        QCOMPARE(d.InspectionCode, QString());
        const mTPersonInformation& p = d.Person;
        QCOMPARE(p.SurName, QStringLiteral("Петров"));
        QCOMPARE(p.INN, QStringLiteral("771234567890"));
        QCOMPARE(p.DocTypeCode, quint16(21));
        QCOMPARE(p.BirthDate, DateValue::FromYmd(1960, 3, 4));
        QCOMPARE(p.CountryName, QStringLiteral("УКРАИНА"));
        QCOMPARE(p.RegionCode, quint16(69));
        QCOMPARE(p.Flat, QStringLiteral("a7"));
        QCOMPARE(p.NameReserve2, hasYear2004Values ? QStringLiteral("r2") : QStringLiteral("0"));
        QCOMPARE(p.BirthPlace, hasYear2004Values ? QStringLiteral("Тверь") : QString());
        QCOMPARE(p.CountryCode, hasYear2004Values ? QStringLiteral("804") : QStringLiteral("643"));
        QCOMPARE(p.StayAddress, quint8(hasCurrentValues ? 1 : 0));
        QCOMPARE(p.OKATO, hasCurrentValues ? QStringLiteral("28401000000") : QString());
        QCOMPARE(p.HomePhone, hasCurrentValues ? QStringLiteral("333") : QString());
        QCOMPARE(p.ForeignWorkPhone, hasCurrentValues ? QStringLiteral("22") : QString());
    }

    void missingForeignerBlockIsNotAnError() {
        const QString path = Path(QStringLiteral("noforeigner.kv0"));
        mTDeclaration d;
        d.Person.SurName = QStringLiteral("Сидоров");
        d.SaveToFile(path);
        QByteArray bytes = ReadAll(path);
        bytes.replace("@Foreigner", "@Xoreigner");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        mTDeclaration loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.Person.SurName, QStringLiteral("Сидоров"));
        QCOMPARE(loaded.Person.CitizenshipSign, QString());
        QCOMPARE(loaded.Person.CountryName, QStringLiteral("РОССИЯ"));
        QCOMPARE(loaded.Person.CountryCode, QStringLiteral("643"));
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("place");
        QTest::newRow("no @DeclInfo") << QByteArray("@DeclInfo") << QByteArray("@DeclInfX") << "open" << 0;
        QTest::newRow("missing line stream")
            << QByteArray("@SourseIncome000001") << QByteArray("@SourseIncome000009") << "open" << 372;
        QTest::newRow("bad version digits")
            << QByteArray("Zizo20100102") << QByteArray("Zizo20100x02") << "bad" << 0;
        QTest::newRow("number that is not a number")
            << QByteArray("0004ABCD") << QByteArray("0004ABCD") << "none" << 0;
    }

    void damagedFiles() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, type);
        QFETCH(int, place);
        mTDeclaration d;
        Samples::FillEverything(d);
        const QString path = Path(QStringLiteral("damaged.kv0"));
        d.SaveToFile(path);
        QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.contains(from) || type == QLatin1String("none"));
        bytes.replace(from, to);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        mTDeclaration loaded;
        if (type == QLatin1String("open")) {
            try {
                loaded.LoadFromFile(path);
                QFAIL("no error");
            } catch (const mEOpenStream& e) {
                QCOMPARE(int(e.Place), place);
            }
        } else if (type == QLatin1String("bad")) {
            try {
                loaded.LoadFromFile(path);
                QFAIL("no error");
            } catch (const mEBadStorage& e) {
                QCOMPARE(e.Code, quint16(392));
                QCOMPARE(e.Message(),
                         QStringLiteral("Неправильный формат файла декларации, возможно он поврежден."));
            }
        } else {
            loaded.LoadFromFile(path); // the sample has no such text: loads cleanly
        }
    }

    void aConversionErrorInAValue() {
        mTDeclaration d;
        d.SetIncomeKinds(IncomeRussia);
        d.CorrectionNumber = 7;
        const QString path = Path(QStringLiteral("conv.kv0"));
        d.SaveToFile(path);
        QByteArray bytes = ReadAll(path);
        bytes.replace(V("0") + V("7"), V("0") + V("x")); // IsPensioner, CorrectionNumber
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        mTDeclaration loaded;
        QVERIFY_THROWS_EXCEPTION(EConvertError, loaded.LoadFromFile(path));
    }

    void aHeldFileCannotBeSavedOrLoaded() {
        const QString path = Path(QStringLiteral("held.kv0"));
        mTDeclaration d;
        d.SaveToFile(path);
        const QByteArray before = ReadAll(path);
        mTFileLoader holder(path, 0, true);
        const QString message = QStringLiteral("Ошибка чтения файла: ") + path +
                                QStringLiteral("\rВозможно он занят, или с признаком 'read only'");
        try {
            d.SaveToFile(path);
            QFAIL("no error");
        } catch (const mEBadStorage& e) {
            QCOMPARE(e.Code, quint16(21));
            QCOMPARE(e.Place, quint16(389));
            QCOMPARE(e.Message(), message);
        }
        try {
            mTDeclaration other;
            other.LoadFromFile(path);
            QFAIL("no error");
        } catch (const mEBadStorage& e) {
            QCOMPARE(e.Code, quint16(21));
            QCOMPARE(e.Place, quint16(390));
        }
        QCOMPARE(ReadAll(path), before);
    }

    void aFailedSaveKeepsThePreviousFile() {
        const QString path = Path(QStringLiteral("keep.kv0"));
        mTDeclaration d;
        Samples::FillEverything(d);
        d.SaveToFile(path);
        const QByteArray before = ReadAll(path);
        d.Person.BirthPlace = QString(10000, QLatin1Char('x')); // cannot be stored
        try {
            d.SaveToFile(path);
            QFAIL("no error");
        } catch (const mEBadStorage& e) {
            QCOMPARE(e.Place, quint16(370));
        }
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QStringList(QStringLiteral("keep.kv0*"))).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDeclaration)
#include "tst_declaration.moc"
