#include "reference/OkvedChoice.h"

mTOkvedChoice::mTOkvedChoice(const mTOkvedClassifier& classifier) : classifier_(classifier) {
    lists_[0].items += classifier.Names(1);
}

void mTOkvedChoice::Choose(int level, int index) {
    if (level < 1 || level > mTOkvedClassifier::Levels) return;
    List& list = lists_[size_t(level - 1)];
    if (index < 0 || index >= list.items.size()) return;
    list.current = index;
    if (index == 0) {
        // "нет": the deeper lists empty out, the chosen code stays.
        if (list.items.size() > 1)
            for (int deeper = level; deeper < mTOkvedClassifier::Levels; ++deeper)
                lists_[size_t(deeper)] = List();
        return;
    }
    const OkvedEntry* entry = classifier_.Find(level, list.items[index]);
    if (!entry) return;
    kod_ = entry->Kod;
    shown_ = entry->Okved;
    for (int deeper = level + 1; deeper <= mTOkvedClassifier::Levels; ++deeper) {
        List& d = lists_[size_t(deeper - 1)];
        d = List();
        d.items += classifier_.Names(deeper, kod_);
    }
}
