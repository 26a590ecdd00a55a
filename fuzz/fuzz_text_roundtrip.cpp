// Saves arbitrary texts in text fields all over a full declaration and loads it back: every text must
// come back exactly and nothing else may change, whatever the texts look like (stream names, length
// prefixes, digits). A text with a zero character must be refused, never saved.
#include "records/Declaration.h"
#include "storage/CodePage.h"
#include "storage/StorageErrors.h"
#include "tests/support/Samples.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

using Field = std::function<QString&(mTDeclaration&)>;

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        [](mTDeclaration& d) -> QString& { return d.InspectionName; },
        [](mTDeclaration& d) -> QString& { return d.RepresentativeName; },
        [](mTDeclaration& d) -> QString& { return d.Person.SurName; },
        [](mTDeclaration& d) -> QString& { return d.Person.INN; },
        [](mTDeclaration& d) -> QString& { return d.Person.City; },
        [](mTDeclaration& d) -> QString& { return d.Person.Street; },
        [](mTDeclaration& d) -> QString& { return d.Person.WorkPhone; },
        [](mTDeclaration& d) -> QString& { return d.IncomeSources13.At(0)->SourceName; },
        [](mTDeclaration& d) -> QString& { return d.IncomeSources13NR.At(1)->SourceINN; },
        [](mTDeclaration& d) -> QString& { return d.IncomeSources35.At(1)->SourceName; },
        [](mTDeclaration& d) -> QString& { return d.CurrencyIncomes.At(0)->CurrencyName; },
        [](mTDeclaration& d) -> QString& { return d.BusinessIncomes.At(1)->OKVED; },
        [](mTDeclaration& d) -> QString& { return d.PracticeIncomes.At(0)->PracticeName; },
        [](mTDeclaration& d) -> QString& { return d.TaxPayments.At(2)->PaymentNote; },
        [](mTDeclaration& d) -> QString& { return d.SocialDeduction.PensionContract(1)->FundName; },
        [](mTDeclaration& d) -> QString& { return d.PropertyDeduction.ObjFlat; },
    };
    return fields;
}

struct Setup {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("texts.kv0"));
    mTDeclaration source;
    Setup() { Samples::FillEverything(source); }
};

// Texts from the input: pieces separated by 0xFF bytes, read as windows-1251.
std::vector<QString> Texts(const uint8_t* data, size_t size) {
    std::vector<QString> texts;
    size_t start = 0;
    for (size_t i = 0; i <= size && texts.size() < Fields().size(); ++i) {
        if (i == size || data[i] == 0xFF) {
            const size_t length = std::min<size_t>(i - start, mTDocumentStorage::MaxValueLength);
            texts.push_back(
                CodePage::FromCp1251(reinterpret_cast<const char*>(data + start), qsizetype(length)));
            start = i + 1;
        }
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Setup setup;
    std::vector<QString> texts = Texts(data, size);
    texts.resize(Fields().size()); // the fields the input does not reach are empty
    bool hasZero = false;
    for (size_t i = 0; i < texts.size(); ++i) {
        Fields()[i](setup.source) = texts[i];
        hasZero = hasZero || texts[i].contains(QChar(0));
    }
    try {
        setup.source.SaveToFile(setup.path);
    } catch (const mEBadStorage&) {
        if (hasZero) return 0; // refused, as it must be
        __builtin_trap();
    }
    if (hasZero) __builtin_trap(); // saved a text that cannot be read back

    mTDeclaration loaded;
    loaded.LoadFromFile(setup.path);
    for (size_t i = 0; i < texts.size(); ++i)
        if (Fields()[i](loaded) != texts[i]) __builtin_trap();
    // Nothing else moved: saving what was loaded gives the same bytes.
    static const QString again = setup.dir.filePath(QStringLiteral("again.kv0"));
    loaded.SaveToFile(again);
    QFile first(setup.path), second(again);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly)) __builtin_trap();
    if (first.readAll() != second.readAll()) __builtin_trap();
    return 0;
}
