#pragma once

#include "records/RecordIO.h"

#include <array>

// A private-practice income record of the older layout; only files bring it, no screen edits it.
// PracticeAmounts[0] is the income, [1] the expenses deducted, [2..20] their breakdown.
class mTRepetitNew {
public:
    DUROVID_LIST_RECORD_INTERFACE

    QString PracticeName;
    std::array<Money, 21> PracticeAmounts{};
};
