#include "records/NewDeclaration.h"
#include "records/RecoveryCopy.h"
#include "storage/FileLock.h"
#include "storage/StorageErrors.h"
#include "support/FullDisk.h"
#include "support/Samples.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The recovery copy: what it writes, how a copy left behind is found and taken, and what happens to
// copies that cannot be used.
class TestRecoveryCopy : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Folder() const { return dir.filePath(QStringLiteral("recovery")); }
    QStringList Files(const QString& sub = QString()) const {
        return QDir(QDir(Folder()).filePath(sub)).entryList(QDir::Files, QDir::Name);
    }
    // A copy written and then let go without being removed, as a killed program leaves it.
    QString LeaveCopy(const QString& file, const QString& inspection) {
        RecoveryCopy copy(Folder());
        auto d = CreateNewDeclaration();
        d->InspectionCode = inspection;
        if (!copy.Write(*d, file)) qWarning("%s", qPrintable(copy.ErrorString()));
        return copy.DeclarationPath();
    }

private slots:
    void init() { QDir(Folder()).removeRecursively(); }

    void writesALoadableCopyAndLeavesTheDeclarationAlone() {
        mTDeclaration d;
        Samples::FillEverything(d);
        const QByteArray before = d.DumpJson();
        RecoveryCopy copy(Folder());
        const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-1);
        QVERIFY2(copy.Write(d, QStringLiteral("relative.kv0")), qPrintable(copy.ErrorString()));
        QCOMPARE(d.DumpJson(), before);
        QCOMPARE(copy.DocumentFileName(), QDir::current().absoluteFilePath(QStringLiteral("relative.kv0")));
        QVERIFY(copy.Written() >= start);
        // The copy is what saving the declaration itself would have written.
        const QString saved = dir.filePath(QStringLiteral("saved.kv0"));
        d.SaveToFile(saved);
        mTDeclaration fromFile, fromCopy;
        fromFile.LoadFromFile(saved);
        copy.Load(fromCopy);
        QCOMPARE(fromCopy.DumpJson(), fromFile.DumpJson());
        QCOMPARE(Files().size(), 3);

        // Removed: nothing is left, and the next write makes the copy again.
        copy.Remove();
        QVERIFY(!copy.Exists());
        QCOMPARE(Files(), QStringList());
        QVERIFY(copy.Write(d, QString()) && copy.Finish());
        QCOMPARE(Files().size(), 3);
        QVERIFY(RecoveryCopy::TakeLeftOver(Folder()).empty());
    }

    void onlyCopiesNobodyHoldsAreTaken() {
        const QDir folder(Folder());
        // A running program's copy is never taken.
        RecoveryCopy running(Folder());
        auto d = CreateNewDeclaration();
        QVERIFY(running.Write(*d, QString()));
        // Two left behind, the later one first; what they belong to and when they were written.
        LeaveCopy(QStringLiteral("/home/u/older.kv0"), QStringLiteral("1111"));
        QTest::qWait(20);
        LeaveCopy(QString(), QStringLiteral("2222"));
        // Half-removed leftovers without a declaration are cleared away.
        QFile(folder.filePath(QStringLiteral("stale.lock"))).open(QIODevice::WriteOnly);
        QFile(folder.filePath(QStringLiteral("stale.json"))).open(QIODevice::WriteOnly);

        std::vector<RecoveryCopy> taken = RecoveryCopy::TakeLeftOver(Folder());
        QCOMPARE(taken.size(), size_t(2));
        QCOMPARE(taken[0].DocumentFileName(), QString());
        QCOMPARE(taken[1].DocumentFileName(), QStringLiteral("/home/u/older.kv0"));
        QVERIFY(taken[0].Written() > taken[1].Written());
        mTDeclaration loaded;
        taken[1].Load(loaded);
        QCOMPARE(loaded.InspectionCode, QStringLiteral("1111"));
        QVERIFY(!folder.exists(QStringLiteral("stale.lock")));
        QVERIFY(!folder.exists(QStringLiteral("stale.json")));

        // Taken copies are not taken a second time while held; let go, they are there again.
        QVERIFY(RecoveryCopy::TakeLeftOver(Folder()).empty());
        taken.clear();
        QCOMPARE(RecoveryCopy::TakeLeftOver(Folder()).size(), size_t(2));
    }

    void unusableCopies_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a container") << QByteArray(200, 'x');
        QTest::newRow("empty") << QByteArray();
        // A container of an earlier year would load as its taxpayer alone.
        QTest::newRow("earlier year")
            << QByteArray("DLSGKvir2009            0102FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                          "0009@DeclInfo000");
    }
    void unusableCopies() {
        QFETCH(QByteArray, bytes);
        QVERIFY(QDir().mkpath(Folder()));
        QFile foreign(QDir(Folder()).filePath(QStringLiteral("foreign.kv0")));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write(bytes);
        foreign.close();
        {
            std::vector<RecoveryCopy> taken = RecoveryCopy::TakeLeftOver(Folder());
            QCOMPARE(taken.size(), size_t(1));
            mTDeclaration d;
            QVERIFY_THROWS_EXCEPTION(mEPrivBase, taken[0].Load(d));
            taken[0].KeepAside();
        }
        // Kept aside where no start looks again, and nothing else is left over.
        QVERIFY(RecoveryCopy::TakeLeftOver(Folder()).empty());
        QCOMPARE(Files(), QStringList());
        QCOMPARE(Files(QLatin1String(RecoveryCopy::DamagedFolder)),
                 QStringList{QStringLiteral("foreign.kv0")});
    }

    void fullDiskKeepsTheOlderCopy() {
        FullDisk disk;
        DUROVID_NEEDS_FULL_DISK(disk);
        RecoveryCopy copy(disk.Path(QStringLiteral("recovery")));
        auto d = CreateNewDeclaration();
        d->InspectionCode = QStringLiteral("1111");
        QVERIFY(copy.Write(*d, QString()) && copy.Finish());
        disk.Fill();
        Samples::FillWithSources(*d, 50);
        d->InspectionCode = QStringLiteral("2222");
        // Taken at once; the disk refuses it in the background, and the next write says so.
        QVERIFY(copy.Write(*d, QString()));
        QVERIFY(!copy.Finish());
        QVERIFY(copy.ErrorString().startsWith(StorageText::WriteError));
        QVERIFY(!copy.Write(*d, QString()));
        QVERIFY(copy.ErrorString().startsWith(StorageText::WriteError));
        mTDeclaration loaded;
        copy.Load(loaded);
        QCOMPARE(loaded.InspectionCode, QStringLiteral("1111"));
    }

    // Restored, a copy may stand for its file only while that file is the one it was made from; a
    // description naming another file, or a file changed since, leaves the file alone.
    void holdsItsFileOnlyWhileUnchanged_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("held");
        QTest::newRow("unchanged") << "" << true;
        QTest::newRow("saved again since") << "resave" << false;
        QTest::newRow("same size and time, other bytes") << "bytes" << false;
        QTest::newRow("description names another file") << "forge" << false;
        QTest::newRow("removed since") << "remove" << false;
    }
    void holdsItsFileOnlyWhileUnchanged() {
        QFETCH(QString, change);
        QFETCH(bool, held);
        const QString file = dir.filePath(QStringLiteral("mine.kv0"));
        const QString other = dir.filePath(QStringLiteral("other.kv0"));
        // Another person's declaration: the same size, but other bytes.
        for (const QString& path : {file, other}) {
            auto d = CreateNewDeclaration();
            d->InspectionCode = path == file ? QStringLiteral("7701") : QStringLiteral("7705");
            d->SaveToFile(path);
        }
        const QString copyPath = LeaveCopy(file, QStringLiteral("2222"));
        QFile description(QString(copyPath).replace(QStringLiteral(".kv0"), QStringLiteral(".json")));
        if (change == QLatin1String("resave")) {
            auto d = CreateNewDeclaration();
            d->InspectionCode = QStringLiteral("7702");
            d->SaveToFile(file);
        } else if (change == QLatin1String("bytes")) {
            QFile f(file);
            const QDateTime modified = QFileInfo(file).lastModified();
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(f.size() - 4);
            f.write("zzzz");
            f.setFileTime(modified, QFileDevice::FileModificationTime);
        } else if (change == QLatin1String("forge")) {
            QVERIFY(description.open(QIODevice::ReadOnly));
            const QByteArray text = description.readAll().replace(file.toUtf8(), other.toUtf8());
            description.close();
            QVERIFY(description.open(QIODevice::WriteOnly | QIODevice::Truncate));
            description.write(text);
            description.close();
        } else if (change == QLatin1String("remove")) {
            QFile::remove(file);
        }
        const QByteArray before = TestFiles::Read(file), otherBefore = TestFiles::Read(other);

        std::vector<RecoveryCopy> taken = RecoveryCopy::TakeLeftOver(Folder());
        QCOMPARE(taken.size(), size_t(1));
        FileLock lock;
        const QString name = taken[0].HoldUnchangedDocument(lock);
        QCOMPARE(name, held ? file : QString());
        QCOMPARE(lock.IsHeld(), held);
        QCOMPARE(TestFiles::Read(file), before);
        QCOMPARE(TestFiles::Read(other), otherBefore);
    }

    // The copies hold a person's tax data: the folder and its files are the owner's alone, and a link
    // planted in it is never followed.
    void theFolderIsTheOwnersAlone() {
        LeaveCopy(QString(), QStringLiteral("1111"));
        // The hex digits of the user's permissions, the group's and the others'.
        QCOMPARE(QFileInfo(Folder()).permissions() & 0x0777, QFileDevice::Permissions(0x0700));
        for (const QString& name : Files())
            QCOMPARE(QFileInfo(QDir(Folder()).filePath(name)).permissions() & 0x0777,
                     QFileDevice::Permissions(0x0600));

        // A link in place of the folder of damaged copies goes itself; what it pointed to stays.
        QTemporaryDir outside;
        const QString victim = TestFiles::Write(outside, QStringLiteral("foreign.kv0"), "someone's file");
        QVERIFY(
            QFile::link(outside.path(), QDir(Folder()).filePath(QLatin1String(RecoveryCopy::DamagedFolder))));
        TestFiles::Write(dir, QStringLiteral("recovery/foreign.kv0"), QByteArray(200, 'x'));
        for (RecoveryCopy& copy : RecoveryCopy::TakeLeftOver(Folder()))
            if (copy.DeclarationPath().endsWith(QLatin1String("foreign.kv0"))) copy.KeepAside();
        QCOMPARE(TestFiles::Read(victim), QByteArray("someone's file"));
        QVERIFY(!QFileInfo(QDir(Folder()).filePath(QLatin1String(RecoveryCopy::DamagedFolder))).isSymLink());
        QCOMPARE(Files(QLatin1String(RecoveryCopy::DamagedFolder)),
                 QStringList{QStringLiteral("foreign.kv0")});

        // A link in place of the folder itself is neither written into nor searched.
        const QString linked = dir.filePath(QStringLiteral("linked"));
        QVERIFY(QFile::link(outside.path(), linked));
        RecoveryCopy copy(linked);
        auto d = CreateNewDeclaration();
        QVERIFY(!copy.Write(*d, QString()));
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{QStringLiteral("foreign.kv0")});
        TestFiles::Write(outside, QStringLiteral("planted.kv0"), QByteArray(200, 'x'));
        QVERIFY(RecoveryCopy::TakeLeftOver(linked).empty());
    }

    void fileLockTake() {
        const QString path = dir.filePath(QStringLiteral("held.kv0"));
        FileLock first, second;
        QVERIFY(!first.Take(path)); // no such file, and none is created without asking
        QVERIFY(!QFile::exists(path));
        QVERIFY(first.Take(path, true));
        QVERIFY(!second.Take(path));
        QVERIFY(!second.Take(dir.path(), true)); // a folder is no file to hold
        first.Release();
        QVERIFY(second.Take(path));
        QCOMPARE(second.FileName(), path);
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
