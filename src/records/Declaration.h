#pragma once

#include "records/BusinessNew.h"
#include "records/CBDeduct.h"
#include "records/ConstructionDeduct.h"
#include "records/CurrencyIncome.h"
#include "records/Nalog.h"
#include "records/PersonInformation.h"
#include "records/RecordList.h"
#include "records/RepetitNew.h"
#include "records/SocialDeduct.h"
#include "records/StandartDeduct.h"
#include "records/ThirteenPercent.h"
#include "records/ThirtyFivePercent.h"
#include "records/ThirtyPercent.h"

#include <array>

class FileLock;
class mTFileLoader;

// Kinds of return.
enum : quint8 { ReturnKind3NDFL = 0, ReturnKind3NDFLNonResident = 1, ReturnKind4NDFL = 2 };
// Bits of IncomeKinds.
enum : quint8 { IncomeRussia = 1, IncomeForeign = 2, IncomeBusiness = 4, IncomePractice = 8 };

// The whole declaration: the return's general data and every record, saved to and loaded from
// one container file.
class mTDeclaration {
public:
    static inline const QString CurrentSignature = QStringLiteral("Zizo2010");

    mTDeclaration();
    mTDeclaration(const mTDeclaration&) = delete;
    mTDeclaration& operator=(const mTDeclaration&) = delete;

    // Creates the lists of kinds newly set, frees the records of kinds cleared.
    void SetIncomeKinds(quint8 kinds);
    void SetSheetCount(qint32 value);
    void AddToSheetCount(qint32 value);

    // The exact size of the file; UINT32_MAX when it would be larger than that.
    quint32 StoredSize();
    // Replaces the file in one step; a failure leaves the previous file as it was. A declaration that
    // could not be loaded back (a list beyond ListLimits, a file beyond mTFileLoader::MaxFileSize) is
    // refused with mEBadStorage and a message naming the reason. With lock: a lock held on this file is
    // saved under, and afterwards lock holds the new file ("Сохранить как" moves it to the new name).
    void SaveToFile(const QString& fileName, FileLock* lock = nullptr);
    // The bytes SaveToFile would write, with the same refusals, for a copy written elsewhere.
    QByteArray SaveToBytes();
    // Loads into this freshly created root. Files of earlier years give the taxpayer only.
    // With lock: after a successful load the file stays locked in it, so that no other program can
    // open or overwrite it until the lock is released (a failed load leaves lock as it was).
    void LoadFromFile(const QString& fileName, FileLock* lock = nullptr);
    // Loads into this freshly created root the bytes SaveToBytes gave, with the same refusals as a file.
    void LoadFromBytes(const QByteArray& bytes);
    // The whole declaration as JSON, field names as in the code.
    QByteArray DumpJson();

    template <class IO> void Fields(IO& io);

    QString InspectionCode;
    QString InspectionName;
    quint8 IsPensioner = 0;
    qint32 CorrectionNumber = 0;
    TDateTime SignDate;
    quint8 SignerKind = 0;
    quint8 PayerCategory = 5;
    quint8 ReturnKind = ReturnKind3NDFL;
    quint8 IncomeKinds = 0;
    quint8 AutoSheetCount = 0;
    qint32 SheetCount = 0;
    qint32 ExpenseDocCount = 0;
    std::array<qint32, 8> Counters{}; // Counter1 … Counter8
    QString RepresentativeDocument;
    Money EstimatedIncome;
    QString RepresentativeName;
    QString RepresentativeOrg;
    Money FixedAdvancePayments;
    Money AdvancePaid;
    Money BusinessReserve;
    Money AdvanceAccrued;
    quint8 IsFarm = 0;
    TDateTime FarmStartDate;
    Money FarmIncome;
    Money PracticeSum1;
    Money PracticeSum2;

    mTRecordList<mTThirteenPercent> IncomeSources13;
    mTRecordList<mTThirteenPercent> IncomeSources13NR;
    mTRecordList<mTThirtyFivePercent> IncomeSources35;
    mTRecordList<mTThirtyPercent> IncomeSources30;
    mTRecordList<mTCurrencyIncome> CurrencyIncomes;
    mTRecordList<mTBusinessNew> BusinessIncomes;
    mTRecordList<mTRepetitNew> PracticeIncomes;
    mTRecordList<mTNalog> TaxPayments;
    mTPersonInformation Person;
    mTStandartDeduct StandardDeduction;
    mTSocialDeduct SocialDeduction;
    mTConstructionDeduct PropertyDeduction;
    mTCBDeduct SecuritiesDeduction;

private:
    // The file's size; refuses a declaration that could not be loaded back.
    quint32 SavableSize();
    void Fill(mTFileLoader& loader, quint32 size);
    void Save(const QString& fileName, FileLock* lock);
    void Load(const QString& fileName, FileLock* lock);
    void Read(mTFileLoader& loader);
};
