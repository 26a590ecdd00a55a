#pragma once

#include "records/RecordIO.h"

// Losses of earlier years on securities and on futures carried forward.
class mTCBDeduct {
public:
    DUROVID_RECORD_INTERFACE

    Money PriorLossSecurities;
    Money PriorLossFutures;
};
