#pragma once

#include "reference/OkvedClassifier.h"

#include <array>

// The state behind the activity-code picker: six drop-down lists, one per level, each starting with
// "нет"; choosing an entry narrows every deeper list to that entry's descendants. The picker's widgets
// show Items() and Current() and report choices through Choose().
class mTOkvedChoice {
public:
    static inline const QString None = QStringLiteral("нет");

    explicit mTOkvedChoice(const mTOkvedClassifier& classifier);

    // Items of the list of a level (1 to 6), "нет" first, and the item it shows.
    const QStringList& Items(int level) const { return lists_.at(size_t(level - 1)).items; }
    int Current(int level) const { return lists_.at(size_t(level - 1)).current; }

    // The list of the level has been set to the item at index.
    void Choose(int level, int index);

    // The Kod of the last entry picked, empty at first.
    QString ChosenKod() const { return kod_; }
    // What the code field shows: the OKVED of the last entry picked, "нет" at first.
    QString Shown() const { return shown_; }
    // "Да" accepts without asking only for a code of at least subclass depth ("01.1"). The code shown is
    // measured, not the Kod: the letters in front of a Kod are one for a section and two for a subsection.
    bool CodeLongEnough() const { return !kod_.isEmpty() && shown_.size() > 3; }

private:
    struct List {
        QStringList items{None};
        int current = 0;
    };
    const mTOkvedClassifier& classifier_;
    std::array<List, mTOkvedClassifier::Levels> lists_;
    QString kod_;
    QString shown_ = None;
};
