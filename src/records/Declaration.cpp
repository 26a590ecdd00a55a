#include "records/Declaration.h"

#include "records/ListLimits.h"
#include "storage/FileLoader.h"

#include <limits>
#include <new>

namespace {

// The first list beyond what the file can name or count, as the message that names it.
QString ListBeyondItsLimit(const mTDeclaration& d) {
    using ListLimits::List;
    const std::pair<List, int> lists[] = {
        {List::IncomeSources13, d.IncomeSources13.Count()},
        {List::IncomeSources13NR, d.IncomeSources13NR.Count()},
        {List::IncomeSources35, d.IncomeSources35.Count()},
        {List::IncomeSources30, d.IncomeSources30.Count()},
        {List::CurrencyIncomes, d.CurrencyIncomes.Count()},
        {List::BusinessIncomes, d.BusinessIncomes.Count()},
        {List::PracticeIncomes, d.PracticeIncomes.Count()},
        {List::TaxPayments, d.TaxPayments.Count()},
        {List::PensionContracts, d.SocialDeduction.PensionContractCount()},
    };
    for (const auto& [list, count] : lists)
        if (count > ListLimits::MaxCount(list)) return ListLimits::FullMessage(list, d.ReturnKind);
    for (const auto* sources : {&d.IncomeSources13, &d.IncomeSources13NR})
        for (const auto& source : *sources)
            if (source->LineCount() > ListLimits::MaxCount(List::IncomeLines))
                return ListLimits::FullMessage(List::IncomeLines, d.ReturnKind);
    return {};
}

// A declaration too big for the memory at hand is a storage failure with its message, not a crash.
template <class Body> void WithinMemory(Body&& body) {
    try {
        body();
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(StorageText::OutOfMemory, 29);
    }
}

// A record inside the root: saved, loaded, measured or dumped as a whole, with its own place codes.
template <class IO, class R, class... Args> void Record(IO& io, const char* key, R& record, Args... args) {
    if constexpr (IO::Kind == IoKind::Write) {
        record.SaveToStorage(io.Storage(), args...);
    } else if constexpr (IO::Kind == IoKind::Read) {
        record.LoadFromStorage(io.Storage(), args...);
    } else if constexpr (IO::Kind == IoKind::Size) {
        io.total += record.StoredSize(args...);
    } else {
        io.BeginObject(key);
        record.Dump(io);
        io.EndObject();
    }
}

// A list inside the root: its count (word), then each record with its index.
template <class IO, class T, class... Args>
void RecordsOf(IO& io, const char* key, mTRecordList<T>& list, Args... args) {
    quint16 count = quint16(list.Count());
    if constexpr (IO::Kind != IoKind::Dump) io.Word(key, count);
    io.BeginList(key);
    if constexpr (IO::Kind == IoKind::Read) list.Reserve(list.Count() + count);
    for (int i = 0; i < count; ++i) {
        if constexpr (IO::Kind == IoKind::Read) list.Add();
        Record(io, nullptr, *list.At(i), quint16(i), args...);
    }
    io.EndList();
}

} // namespace

mTDeclaration::mTDeclaration()
    : SignDate(DateValue::Today()), FarmStartDate(DateValue::FromYmd(2000, 1, 1)) {}

void mTDeclaration::SetIncomeKinds(quint8 kinds) {
    for (quint8 bit : {IncomeRussia, IncomeForeign, IncomeBusiness, IncomePractice}) {
        const bool had = IncomeKinds & bit;
        const bool wanted = kinds & bit;
        if (had == wanted) continue;
        IncomeKinds ^= bit;
        if (wanted) continue; // the kind's lists start empty
        switch (bit) {
        case IncomeRussia:
            IncomeSources13.Clear();
            IncomeSources13NR.Clear();
            IncomeSources35.Clear();
            IncomeSources30.Clear();
            break;
        case IncomeForeign:
            CurrencyIncomes.Clear();
            break;
        case IncomeBusiness:
            BusinessIncomes.Clear();
            break;
        case IncomePractice:
            PracticeIncomes.Clear();
            break;
        }
    }
}

void mTDeclaration::SetSheetCount(qint32 value) {
    if (AutoSheetCount == 0) SheetCount = value;
}

void mTDeclaration::AddToSheetCount(qint32 value) {
    if (AutoSheetCount == 1) SheetCount += value - ExpenseDocCount;
    ExpenseDocCount = value;
}

template <class IO> void mTDeclaration::Fields(IO& io) {
    constexpr bool dump = IO::Kind == IoKind::Dump;
    io.Stream(QStringLiteral("@DeclInfo"));
    io.Str("InspectionCode", InspectionCode);
    io.Str("InspectionName", InspectionName);
    io.Byte("IsPensioner", IsPensioner);
    io.Int("CorrectionNumber", CorrectionNumber);
    io.Date("SignDate", SignDate);
    io.Word("SignerKind", SignerKind);
    io.Word("PayerCategory", PayerCategory);
    io.Word("ReturnKind", ReturnKind);
    io.Word("IncomeKinds", IncomeKinds);
    if constexpr (IO::Kind == IoKind::Read) {
        const quint8 kinds = IncomeKinds;
        IncomeKinds = 0;
        SetIncomeKinds(kinds);
    }
    io.Byte("AutoSheetCount", AutoSheetCount);
    io.Int("SheetCount", SheetCount);
    io.Int("ExpenseDocCount", ExpenseDocCount);
    static const char* const counterNames[8] = {"Counter1", "Counter2", "Counter3", "Counter4",
                                                "Counter5", "Counter6", "Counter7", "Counter8"};
    for (int i = 0; i < 8; ++i)
        io.Int(counterNames[i], Counters[size_t(i)]);
    io.Str("RepresentativeDocument", RepresentativeDocument);
    io.Amount("EstimatedIncome", EstimatedIncome);
    io.Str("RepresentativeName", RepresentativeName);
    io.Str("RepresentativeOrg", RepresentativeOrg);
    io.Amount("FixedAdvancePayments", FixedAdvancePayments);
    Record(io, "Person", Person);

    if (io.Take(IncomeKinds & IncomeRussia)) {
        io.Stream(QStringLiteral("@DeclInquiry"));
        RecordsOf(io, "IncomeSources13", IncomeSources13, false);
        RecordsOf(io, "IncomeSources13NR", IncomeSources13NR, true);
        RecordsOf(io, "IncomeSources35", IncomeSources35, false);
        RecordsOf(io, "IncomeSources30", IncomeSources30, false);
    }
    if (io.Take(IncomeKinds & IncomeForeign)) {
        io.Stream(QStringLiteral("@DeclForeign"));
        RecordsOf(io, "CurrencyIncomes", CurrencyIncomes);
    }
    if (io.Take(IncomeKinds & IncomeBusiness)) {
        io.Stream(QStringLiteral("@DeclBusiness"));
        RecordsOf(io, "BusinessIncomes", BusinessIncomes);
        io.Amount("AdvancePaid", AdvancePaid);
        // The business block repeats two values of "@DeclInfo"; the copy read last is kept.
        if constexpr (!dump) io.Amount("EstimatedIncome", EstimatedIncome);
        io.Amount("BusinessReserve", BusinessReserve);
        io.Amount("AdvanceAccrued", AdvanceAccrued);
        if constexpr (!dump) io.Str("RepresentativeDocument", RepresentativeDocument);
        io.Byte("IsFarm", IsFarm);
        io.Date("FarmStartDate", FarmStartDate);
        io.Amount("FarmIncome", FarmIncome);
    }
    if (io.Take(IncomeKinds & IncomePractice)) {
        io.Stream(QStringLiteral("@DeclRepetit"));
        RecordsOf(io, "PracticeIncomes", PracticeIncomes);
        io.Amount("PracticeSum1", PracticeSum1);
        io.Amount("PracticeSum2", PracticeSum2);
    }
    if (io.Take(IncomeKinds != 0)) {
        Record(io, "StandardDeduction", StandardDeduction);
        Record(io, "SocialDeduction", SocialDeduction);
        Record(io, "PropertyDeduction", PropertyDeduction);
        Record(io, "SecuritiesDeduction", SecuritiesDeduction);
    }
    io.Stream(QStringLiteral("@Nalog"));
    RecordsOf(io, "TaxPayments", TaxPayments);
}

quint32 mTDeclaration::StoredSize() {
    StorageSizer io;
    Fields(io);
    // Every container of this program ends with three zero bytes, which also end the stream search.
    return quint32(
        std::min<quint64>(mTDocumentStorage::HeaderSize + io.total + 3, std::numeric_limits<quint32>::max()));
}

void mTDeclaration::SaveToFile(const QString& fileName, FileLock* lock) {
    WithinMemory([&] { Save(fileName, lock); });
}

quint32 mTDeclaration::SavableSize() {
    const auto refuse = [](const QString& message, quint16 code) {
        mEBadStorage e(StorageText::NotSaved + message, code);
        e.Place = 389;
        throw e;
    };
    const QString overLimit = ListBeyondItsLimit(*this);
    if (!overLimit.isEmpty()) refuse(overLimit, 28);
    const quint32 size = StoredSize();
    if (size > mTFileLoader::MaxFileSize)
        refuse(QStringLiteral("Файл декларации был бы больше %1 МБ.").arg(mTFileLoader::MaxFileSize >> 20),
               24);
    return size;
}

void mTDeclaration::Fill(mTFileLoader& loader, quint32 size) {
    mTDocumentStorage storage(loader);
    storage.CreateNew(CurrentSignature);
    StorageWriter io(storage);
    Fields(io);
    Q_ASSERT(storage.Position() + 3 == size);
    Q_UNUSED(size);
}

void mTDeclaration::Save(const QString& fileName, FileLock* lock) {
    const quint32 size = SavableSize();
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(fileName, size, false, lock);
    } catch (mEBadStorage& e) {
        e.Place = 389;
        throw;
    }
    Fill(*loader, size);
    loader->Commit(lock);
}

QByteArray mTDeclaration::SaveToBytes() {
    QByteArray bytes;
    WithinMemory([&] {
        const quint32 size = SavableSize();
        mTFileLoader loader(size);
        Fill(loader, size);
        bytes = loader.TakeBuffer();
    });
    return bytes;
}

void mTDeclaration::LoadFromFile(const QString& fileName, FileLock* lock) {
    WithinMemory([&] { Load(fileName, lock); });
}

void mTDeclaration::Load(const QString& fileName, FileLock* lock) {
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(fileName, 0, true, lock);
    } catch (mEBadStorage& e) {
        e.Place = 390;
        throw;
    }
    Read(*loader);
    if (lock) loader->KeepLock(*lock);
}

void mTDeclaration::LoadFromBytes(const QByteArray& bytes) {
    WithinMemory([&] {
        mTFileLoader loader(bytes);
        Read(loader);
    });
}

void mTDeclaration::Read(mTFileLoader& loader) {
    mTDocumentStorage storage(loader);
    try {
        storage.OpenExisting();
    } catch (mEBadStorage& e) {
        e.Place = 391;
        throw;
    } catch (const EConvertError&) {
        throw mEBadStorage(StorageText::DamagedFile, 392);
    }
    if (storage.Signature() != CurrentSignature) {
        storage.OpenStream(QStringLiteral("@DeclInfo"));
        Person.LoadFromStorage(storage);
    } else {
        StorageReader io(storage);
        Fields(io);
    }
}

QByteArray mTDeclaration::DumpJson() {
    JsonDumper json;
    json.BeginObject();
    Fields(json);
    json.EndObject();
    return json.Result();
}
