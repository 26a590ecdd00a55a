#include "records/Declaration.h"
#include "records/ListLimits.h"
#include "records/NewDeclaration.h"
#include "storage/FileLoader.h"
#include "storage/FileLock.h"
#include "support/FullDisk.h"
#include "support/Samples.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using TextField = std::function<QString&(mTDeclaration&)>;
Q_DECLARE_METATYPE(TextField)

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

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Runs body, which must raise mEBadStorage with the given code; returns its message.
    template <class Body> static QString BadStorage(quint16 code, Body&& body) {
        try {
            body();
        } catch (const mEBadStorage& e) {
            if (e.Code != code) qWarning("code %d, message %s", e.Code, qPrintable(e.Message()));
            return e.Code == code ? e.Message() : QString();
        }
        return {};
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

    // Texts that look like the file's own markers: whole stream names, forged length prefixes, names
    // inside longer texts. Each loads back as exactly that text, and nothing else of the declaration moves.
    void textsThatLookLikeStreams_data() {
        QTest::addColumn<TextField>("field");
        QTest::addColumn<QString>("text");
        const QList<std::pair<const char*, TextField>> fields = {
            {"street", [](mTDeclaration& d) -> QString& { return d.Person.Street; }},
            {"city", [](mTDeclaration& d) -> QString& { return d.Person.City; }},
            {"surname", [](mTDeclaration& d) -> QString& { return d.Person.SurName; }},
            {"representative", [](mTDeclaration& d) -> QString& { return d.RepresentativeName; }},
            {"source name", [](mTDeclaration& d) -> QString& { return d.IncomeSources13.At(0)->SourceName; }},
            {"currency income code name",
             [](mTDeclaration& d) -> QString& { return d.CurrencyIncomes.At(1)->IncomeCodeName; }},
            {"payment note", [](mTDeclaration& d) -> QString& { return d.TaxPayments.At(0)->PaymentNote; }},
            {"fund name",
             [](mTDeclaration& d) -> QString& { return d.SocialDeduction.PensionContract(0)->FundName; }},
            {"flat's street", [](mTDeclaration& d) -> QString& { return d.PropertyDeduction.ObjStreet; }},
        };
        const QStringList texts = {
            QStringLiteral("@DeclInfo"),
            QStringLiteral("@DeclInquiry"),
            QStringLiteral("@Nalog"),
            QStringLiteral("@NalogSub000"),
            QStringLiteral("@PersonName"),
            QStringLiteral("@PersonAddress"),
            QStringLiteral("@Foreigner"),
            QStringLiteral("@HomePhone"),
            QStringLiteral("@ThirteenPercent000"),
            QStringLiteral("@SourseIncome000000"),
            QStringLiteral("@SourseIncoNR001002"),
            QStringLiteral("@StandartDeduct"),
            QStringLiteral("@SocialDeduct"),
            QStringLiteral("@PensSub000"),
            QStringLiteral("@CBDeduct"),
            QStringLiteral("0012@NalogSub0000004EVIL00031820007999999"),
            QStringLiteral("0006@Nalog00013"),
            QStringLiteral("0011@PersonName0003abc"),
            QStringLiteral("0012@DeclInquiry00010000100001000010"),
            QStringLiteral("0009@DeclInfo"),
            QStringLiteral("ул. @DeclInquiry"),
            QStringLiteral("@Foreigner, дом 5"),
            QStringLiteral("x@NalogSub001"),
            QStringLiteral("0000"),
            QStringLiteral("9999"),
            QStringLiteral("a"),
            QStringLiteral("@"),
            QStringLiteral("0004@PersonAddress0001"),
            QStringLiteral("@ConstructionDeduct0001"),
            QStringLiteral("@DeclForeign@DeclBusiness@DeclRepetit"),
            QStringLiteral("@CurrencyIncome000 @BusinessIncome001"),
            QStringLiteral("00"),
        };
        // Every text in a field of its own, in turn, so that each field meets every kind of text.
        for (qsizetype i = 0; i < texts.size(); ++i) {
            for (int k = 0; k < 2; ++k) {
                const auto& [name, field] = fields[(i * 2 + k) % fields.size()];
                QTest::addRow("%s: %s", name, qPrintable(texts[i])) << field << texts[i];
            }
        }
    }

    void textsThatLookLikeStreams() {
        QFETCH(TextField, field);
        QFETCH(QString, text);
        // What the declaration loads as with a plain text in the field, and then with the text.
        mTDeclaration d;
        Samples::FillEverything(d);
        const QString path = Path(QStringLiteral("hostile.kv0"));
        field(d) = QStringLiteral("x");
        d.SaveToFile(path);
        mTDeclaration expected;
        expected.LoadFromFile(path);
        field(expected) = text;

        field(d) = text;
        d.SaveToFile(path);
        mTDeclaration loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(field(loaded), text);
        QCOMPARE(loaded.DumpJson(), expected.DumpJson());
    }

    // The file of a list beyond what the format can name or count could not be loaded again: the
    // save refuses it, names the list and its limit, and leaves the previous file as it was.
    void listsBeyondTheirLimitsAreNotSaved_data() {
        QTest::addColumn<int>("payments");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("65 536 payments")
            << 65536 << 0 << "В списке «Уплата по уведомлениям» может быть не более 65535 записей.";
        QTest::newRow("1 001 lines of one source")
            << 0 << 1001 << "В списке «Доходы по источнику выплат» может быть не более 1000 записей.";
    }

    void listsBeyondTheirLimitsAreNotSaved() {
        QFETCH(int, payments);
        QFETCH(int, lines);
        QFETCH(QString, message);
        const QString path = Path(QStringLiteral("limits.kv0"));
        auto d = CreateNewDeclaration();
        d->SaveToFile(path);
        const QByteArray before = ReadAll(path);
        for (int i = 0; i < payments; ++i)
            d->TaxPayments.Add();
        mTThirteenPercent* source = d->IncomeSources13.At(d->IncomeSources13.Add());
        for (int j = 0; j < lines; ++j)
            source->AddLine(mTSourseIncome());
        try {
            d->SaveToFile(path);
            QFAIL("no error");
        } catch (const mEBadStorage& e) {
            QCOMPARE(e.Message(), QStringLiteral("Декларация не сохранена. ") + message);
            QCOMPARE(e.Code, quint16(28));
            QCOMPARE(e.Place, quint16(389));
        }
        QCOMPARE(ReadAll(path), before);
        // The screens refuse the record beyond the limit with the same words.
        const auto list = payments ? ListLimits::List::TaxPayments : ListLimits::List::IncomeLines;
        QCOMPARE(ListLimits::RefusalToAdd(list, ListLimits::MaxCount(list), ReturnKind3NDFL), message);
        QCOMPARE(ListLimits::RefusalToAdd(list, ListLimits::MaxCount(list) - 1, ReturnKind3NDFL), QString());
    }

    // At the limits themselves every record comes back, the last one included.
    void listsAtTheirLimitsLoadBack() {
        auto d = CreateNewDeclaration();
        for (int i = 0; i < 65535; ++i)
            d->TaxPayments.Add();
        d->TaxPayments.At(65534)->PaymentNote = QStringLiteral("последний");
        mTThirteenPercent* source = d->IncomeSources13.At(d->IncomeSources13.Add());
        for (int j = 0; j < 1000; ++j) {
            mTSourseIncome line;
            line.Month = quint16(j % 12 + 1);
            source->AddLine(line);
        }
        const QString path = Path(QStringLiteral("atlimits.kv0"));
        d->SaveToFile(path);
        mTDeclaration loaded;
        loaded.LoadFromFile(path);
        QCOMPARE(loaded.TaxPayments.Count(), 65535);
        QCOMPARE(loaded.TaxPayments.At(65534)->PaymentNote, QStringLiteral("последний"));
        QCOMPARE(loaded.IncomeSources13.At(0)->LineCount(), 1000);
        QCOMPARE(loaded.IncomeSources13.At(0)->Line(999)->Month, quint16(4));
    }

    void aTextWithAZeroCharacterIsNotSaved() {
        const QString path = Path(QStringLiteral("zero.kv0"));
        mTDeclaration d;
        d.SaveToFile(path);
        const QByteArray before = ReadAll(path);
        d.Person.City = QStringLiteral("Мо") + QChar(0) + QStringLiteral("сква");
        QVERIFY(!BadStorage(150, [&] { d.SaveToFile(path); }).isEmpty());
        QCOMPARE(ReadAll(path), before);
    }

    // A folder, a FIFO or a file far larger than any declaration is refused at once, before reading.
    void filesThatAreNoDeclarationAreRefusedAtOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("folder") << "folder" << 23;
        QTest::newRow("FIFO") << "fifo" << 23;
        QTest::newRow("larger than any declaration") << "huge" << 24;
    }

    void filesThatAreNoDeclarationAreRefusedAtOnce() {
        QFETCH(QString, kind);
        QFETCH(int, code);
        const QString path = Path(QStringLiteral("odd-") + kind);
        if (kind == QLatin1String("folder")) QVERIFY(QDir().mkpath(path));
        if (kind == QLatin1String("fifo")) QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == QLatin1String("huge")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(mTFileLoader::MaxFileSize + 1)); // sparse: takes no room
        }
        QElapsedTimer timer;
        timer.start();
        const QString message = BadStorage(quint16(code), [&] {
            mTDeclaration d;
            d.LoadFromFile(path);
        });
        QVERIFY(message.startsWith(QStringLiteral("Ошибка чтения файла: ") + path + QLatin1Char('\r')));
        if (kind != QLatin1String("huge")) {
            // Saving over it is refused as well, and it stays what it was.
            const QString saveMessage = BadStorage(quint16(code), [&] {
                mTDeclaration d;
                d.SaveToFile(path);
            });
            QVERIFY(
                saveMessage.startsWith(QStringLiteral("Ошибка записи файла: ") + path + QLatin1Char('\r')));
            QVERIFY(!QFileInfo(path).isFile());
        }
        QVERIFY(timer.elapsed() < 1000);
    }

    // A holder keeps the file locked across its saves: a second program is refused while it holds it,
    // "Сохранить как" moves the lock to the new name, and releasing it lets the others in.
    void aKeptLockHoldsTheFileAcrossSaves() {
        const QString path = Path(QStringLiteral("kept.kv0"));
        const QString other = Path(QStringLiteral("kept-as.kv0"));
        auto d = CreateNewDeclaration();
        d->SaveToFile(path);
        FileLock lock;
        mTDeclaration opened;
        opened.LoadFromFile(path, &lock);
        QVERIFY(lock.IsHeld());
        const auto busy = [](const QString& file) {
            return !BadStorage(21,
                               [&] {
                                   mTDeclaration second;
                                   second.LoadFromFile(file);
                               })
                        .isEmpty() &&
                   !BadStorage(21, [&] { CreateNewDeclaration()->SaveToFile(file); }).isEmpty();
        };
        QVERIFY(busy(path));

        opened.Person.SurName = QStringLiteral("Первый");
        opened.SaveToFile(path, &lock); // saved under the lock; the new file is held in its turn
        QVERIFY(busy(path));
        opened.Person.SurName = QStringLiteral("Второй");
        opened.SaveToFile(other, &lock); // "Сохранить как"
        QVERIFY(busy(other));
        mTDeclaration first;
        first.LoadFromFile(path);
        QCOMPARE(first.Person.SurName, QStringLiteral("Первый"));

        lock.Release();
        mTDeclaration second;
        second.LoadFromFile(other);
        QCOMPARE(second.Person.SurName, QStringLiteral("Второй"));
    }

    // A full disk: the save fails with a write error naming the file, the previous file stays byte for
    // byte, and no temporary file is left.
    void aFullDiskKeepsThePreviousFile() {
        FullDisk disk;
        DUROVID_NEEDS_FULL_DISK(disk);
        const QString path = disk.Path(QStringLiteral("full.kv0"));
        auto small = CreateNewDeclaration();
        small->SaveToFile(path);
        const QByteArray before = ReadAll(path);
        disk.Fill();
        mTDeclaration big;
        Samples::FillEverything(big);
        const QString message = BadStorage(22, [&] { big.SaveToFile(path); });
        QVERIFY2(message.startsWith(QStringLiteral("Ошибка записи файла: ") + path + QLatin1Char('\r')),
                 qPrintable(message));
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(disk.Files(), QStringList{QStringLiteral("full.kv0")});
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
        const QString message =
            QStringLiteral("Файл ") + path + QStringLiteral(" уже открыт в другой программе");
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
