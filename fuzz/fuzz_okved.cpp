// "Sp_OKVED2.xml" and the activity-code picker's lists built from it.
#include "fuzz/FuzzInputFile.h"
#include "reference/OkvedChoice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mTOkvedClassifier classifier;
    if (!classifier.Load(FuzzInputFile(data, size, QStringLiteral("Sp_OKVED2.xml")))) return 0;
    // Walk the lists the way a user would: the last item of every level, then back to "нет".
    mTOkvedChoice choice(classifier);
    for (int level = 1; level <= mTOkvedClassifier::Levels; ++level)
        choice.Choose(level, int(choice.Items(level).size()) - 1);
    (void)choice.CodeLongEnough();
    choice.Choose(1, 0);
    return 0;
}
