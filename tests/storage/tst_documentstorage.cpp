#include "storage/DocumentStorage.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The container layer: header, value encodings, streams, errors and file access.
class TestDocumentStorage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }

    // Writes a container whose body is produced by fill, with exactly the given size.
    template <class Fill> QByteArray WriteContainer(const QString& name, quint32 size, Fill&& fill) {
        {
            mTFileLoader loader(Path(name), size, false);
            mTDocumentStorage storage(loader);
            storage.CreateNew(QStringLiteral("Zizo2010"));
            fill(storage);
            loader.Commit();
        }
        QFile f(Path(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray Header(const char* version = "0102") {
        return QByteArray("DLSG") + QByteArray(12, ' ') + "Zizo2010" + version + QByteArray(32, 'F');
    }

private Q_SLOTS:
    void newContainerIsExactlyTheHeader() {
        const QByteArray bytes = WriteContainer(QStringLiteral("empty.kv0"), 60, [](mTDocumentStorage&) {});
        QCOMPARE(bytes, Header());
    }

    void valueEncodings_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("string") << 0 << "abc" << QByteArray("0003abc");
        QTest::newRow("empty string") << 0 << "" << QByteArray("0000");
        QTest::newRow("cyrillic string is windows-1251") << 0 << "Ёж" << QByteArray("0002\xA8\xE6");
        QTest::newRow("integer 0") << 1 << "0" << QByteArray("00010");
        QTest::newRow("negative integer as unsigned") << 1 << "-1" << QByteArray("00104294967295");
        QTest::newRow("money 1234.5") << 2 << "1234.5" << QByteArray("00061234.5");
        QTest::newRow("money 1") << 2 << "1" << QByteArray("00011");
        QTest::newRow("money -3") << 2 << "-3" << QByteArray("0002-3");
        QTest::newRow("money 0.0001") << 2 << "0.0001" << QByteArray("00060.0001");
        QTest::newRow("money 0") << 2 << "0" << QByteArray("00010");
        QTest::newRow("money -0.05") << 2 << "-0.05" << QByteArray("0005-0.05");
        QTest::newRow("money 100.205") << 2 << "100.205" << QByteArray("0007100.205");
        QTest::newRow("money largest")
            << 2 << "922337203685477.5807" << QByteArray("0020922337203685477.5807");
        QTest::newRow("date 1 January 2011") << 3 << "40544" << QByteArray("000540544");
        QTest::newRow("date with time") << 3 << "40544.4520557986" << QByteArray("001640544.4520557986");
        QTest::newRow("word") << 4 << "65535" << QByteArray("000565535");
        QTest::newRow("byte") << 5 << "255" << QByteArray("0003255");
    }

    void valueEncodings() {
        QFETCH(int, kind);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        const QByteArray bytes = WriteContainer(
            QStringLiteral("value.kv0"), 60 + quint32(expected.size()), [&](mTDocumentStorage& s) {
                Money money;
                switch (kind) {
                case 0:
                    s.WriteString(value);
                    break;
                case 1:
                    s.WriteInteger(value.toInt());
                    break;
                case 2:
                    QVERIFY(Money::FromText(value, QLatin1Char('.'), money));
                    s.WriteMoney(money);
                    break;
                case 3:
                    s.WriteDate(value.toDouble());
                    break;
                case 4:
                    s.WriteWord(quint16(value.toUInt()));
                    break;
                case 5:
                    s.WriteByte(quint8(value.toUInt()));
                    break;
                }
            });
        QCOMPARE(bytes.mid(60), expected);

        // And back again.
        mTFileLoader loader(Path(QStringLiteral("value.kv0")), 0, true);
        mTDocumentStorage s(loader);
        s.OpenExisting();
        switch (kind) {
        case 0:
            QCOMPARE(s.ReadString(), value);
            break;
        case 1:
            QCOMPARE(s.ReadInteger(), value.toInt());
            break;
        case 2:
            QCOMPARE(s.ReadMoney().ToText(), value);
            break;
        case 3:
            QCOMPARE(s.ReadDate(), value.toDouble());
            break;
        case 4:
            QCOMPARE(s.ReadWord(), quint16(value.toUInt()));
            break;
        case 5:
            QCOMPARE(s.ReadByte(), quint8(value.toUInt()));
            break;
        }
        QCOMPARE(s.Position(), quint32(bytes.size()));
    }

    void readsOlderAndLenientForms_data() {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("money");
        QTest::addColumn<double>("date");
        QTest::newRow("money 'a' is -1")
            << QByteArray("0102") << QByteArray("0001a000540544") << "-1" << 40544.0;
        QTest::newRow("money with comma")
            << QByteArray("0102") << QByteArray("000412,5000540544") << "12.5" << 40544.0;
        QTest::newRow("date with comma")
            << QByteArray("0102") << QByteArray("00011000740544,5") << "1" << 40544.5;
        QTest::newRow("version 1.1 date text") << QByteArray("0101")
                                               << QByteArray("0001100100"
                                                             "1.01.2011")
                                               << "1" << 40544.0;
        QTest::newRow("version 1.1 date with commas") << QByteArray("0101")
                                                      << QByteArray("0001100100"
                                                                    "1,01,2011")
                                                      << "1" << 40544.0;
        QTest::newRow("zero length numeric reads one byte")
            << QByteArray("0102") << QByteArray("00007000540544") << "7" << 40544.0;
    }

    void readsOlderAndLenientForms() {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, body);
        QFETCH(QString, money);
        QFETCH(double, date);
        WriteFile(QStringLiteral("old.kv0"), Header(version.constData()) + body);
        mTFileLoader loader(Path(QStringLiteral("old.kv0")), 0, true);
        mTDocumentStorage s(loader);
        s.OpenExisting();
        QCOMPARE(s.ReadMoney().ToText(), money);
        QCOMPARE(s.ReadDate(), date);
    }

    void streamsAreFoundByName() {
        WriteContainer(QStringLiteral("streams.kv0"), 60 + 10 + 9 + 16 + 10, [](mTDocumentStorage& s) {
            s.CreateStream(QStringLiteral("@Nalog"));
            s.WriteString(QStringLiteral("first"));
            s.CreateStream(QStringLiteral("@NalogSub000"));
            s.WriteString(QStringLiteral("second"));
        });
        mTFileLoader loader(Path(QStringLiteral("streams.kv0")), 0, true);
        mTDocumentStorage s(loader);
        s.OpenExisting();
        for (int round = 0; round < 2; ++round) { // any order, any number of times
            s.OpenStream(QStringLiteral("@NalogSub000"));
            QCOMPARE(s.CurrentStream(), QStringLiteral("@NalogSub000"));
            QCOMPARE(s.ReadString(), QStringLiteral("second"));
            s.OpenStream(QStringLiteral("@Nalog"));
            QCOMPARE(s.ReadString(), QStringLiteral("first"));
        }
        try {
            s.OpenStream(QStringLiteral("@Missing"));
            QFAIL("no error");
        } catch (const mEOpenStream& e) {
            QCOMPARE(e.Code, quint16(210));
            QCOMPARE(e.Message(), QStringLiteral("Попытка открытия несуществующего потока"));
        }
    }

    // A stream is the first whole value holding the name, before the first zero byte: the same
    // characters inside another value, or followed by more characters, are not the stream.
    void streamSearchFindsWholeNames() {
        WriteFile(QStringLiteral("search.kv0"), Header() + "0010x@Target12" + "0009@Target12" +
                                                    "0007@Target" + "00013" + QByteArray(3, '\0') +
                                                    "0005@Late");
        mTFileLoader loader(Path(QStringLiteral("search.kv0")), 0, true);
        mTDocumentStorage s(loader);
        s.OpenExisting();
        s.OpenStream(QStringLiteral("@Target"));
        QCOMPARE(s.Position(), quint32(60 + 14 + 13 + 11));
        QCOMPARE(s.ReadInteger(), 3);
        s.OpenStream(QStringLiteral("@Target12"));
        QCOMPARE(s.Position(), quint32(60 + 14 + 13));
        QVERIFY_THROWS_EXCEPTION(mEOpenStream, s.OpenStream(QStringLiteral("@Late")));
        QVERIFY_THROWS_EXCEPTION(mEOpenStream, s.OpenStream(QStringLiteral("@Target1")));
        QVERIFY_THROWS_EXCEPTION(mEOpenStream, s.OpenStream(QStringLiteral("Target")));
    }

    void misuseRaisesTheRightError() {
        WriteFile(QStringLiteral("ro.kv0"), Header() + "0003abc");
        mTFileLoader loader(Path(QStringLiteral("ro.kv0")), 0, true);
        mTDocumentStorage s(loader);
        try {
            s.ReadString();
            QFAIL("no error");
        } catch (const mEObjectAccess& e) {
            QCOMPARE(e.Code, quint16(93));
        }
        s.OpenExisting();
        try {
            s.WriteString(QStringLiteral("x"));
            QFAIL("no error");
        } catch (const mEWriteStorage& e) {
            QCOMPARE(e.Code, quint16(150));
            QCOMPARE(e.Message(), QStringLiteral("Попытка записи в память только для чтения"));
        }
        try {
            s.OpenExisting();
            QFAIL("no error");
        } catch (const mEAlreadyCreated& e) {
            QCOMPARE(e.Code, quint16(69));
        }
    }

    void damagedFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::newRow("wrong signature") << QByteArray("XLSG") + Header().mid(4) << 68;
        QTest::newRow("short file") << QByteArray("DL") << 68;
        QTest::newRow("header cut short") << QByteArray("DLSG    ") << 60;
        QTest::newRow("length past the end") << Header() + "0009abc" << 91;
        QTest::newRow("length not digits") << Header() + "00x3abc" << 91;
        QTest::newRow("length field cut") << Header() + "00" << 91;
    }

    void damagedFilesAreRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        WriteFile(QStringLiteral("bad.kv0"), bytes);
        mTFileLoader loader(Path(QStringLiteral("bad.kv0")), 0, true);
        mTDocumentStorage s(loader);
        try {
            s.OpenExisting();
            s.ReadString();
            QFAIL("no error");
        } catch (const mEBadStorage& e) {
            QCOMPARE(int(e.Code), code);
            QCOMPARE(e.Message(),
                     QStringLiteral("Неправильный формат файла декларации, возможно он поврежден."));
        }
    }

    void badNumbersAreConversionErrors() {
        WriteFile(QStringLiteral("num.kv0"), Header() + "0002x1" + "0003abc" + "00109999999999");
        mTFileLoader loader(Path(QStringLiteral("num.kv0")), 0, true);
        mTDocumentStorage s(loader);
        s.OpenExisting();
        QVERIFY_THROWS_EXCEPTION(EConvertError, s.ReadInteger());
        QVERIFY_THROWS_EXCEPTION(EConvertError, s.ReadMoney());
        QVERIFY_THROWS_EXCEPTION(EConvertError, s.ReadInteger()); // out of range
    }

    void valuesLongerThanTheLengthFieldAreRefused() {
        mTFileLoader loader(Path(QStringLiteral("long.kv0")), 60 + 20000, false);
        mTDocumentStorage s(loader);
        s.CreateNew(QStringLiteral("Zizo2010"));
        QVERIFY(s.WriteString(QString(9999, QLatin1Char('x'))));
        QVERIFY_THROWS_EXCEPTION(mEBadStorage, s.WriteString(QString(10000, QLatin1Char('x'))));
    }

    void writesPastTheBufferAreRefused() {
        mTFileLoader loader(Path(QStringLiteral("small.kv0")), 62, false);
        mTDocumentStorage s(loader);
        s.CreateNew(QStringLiteral("Zizo2010"));
        QVERIFY_THROWS_EXCEPTION(mEMemoryAllocate, s.WriteString(QStringLiteral("abc")));
    }

    void loaderErrors() {
        WriteFile(QStringLiteral("zero.kv0"), {});
        try {
            mTFileLoader loader(Path(QStringLiteral("zero.kv0")), 0, true);
            QFAIL("no error");
        } catch (const mEMemoryAllocate& e) {
            QCOMPARE(e.Code, quint16(25));
        }
        try {
            mTFileLoader loader(Path(QStringLiteral("missing.kv0")), 0, true);
            QFAIL("no error");
        } catch (const mEBadStorage& e) {
            QCOMPARE(e.Code, quint16(20));
        }
        QVERIFY(!QFile::exists(Path(QStringLiteral("missing.kv0"))));
    }

    void aFileHeldByAnotherLoaderIsBusy() {
        WriteFile(QStringLiteral("busy.kv0"), Header());
        const QString path = Path(QStringLiteral("busy.kv0"));
        mTFileLoader holder(path, 0, true);
        for (bool readOnly : {true, false}) {
            try {
                mTFileLoader second(path, readOnly ? 0 : 100, readOnly);
                QFAIL("no error");
            } catch (const mEBadStorage& e) {
                QCOMPARE(e.Code, quint16(21));
                QCOMPARE(e.Message(),
                         QStringLiteral("Файл ") + path + QStringLiteral(" уже открыт в другой программе"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDocumentStorage)
#include "tst_documentstorage.moc"
