#pragma once

#include "records/RecordIO.h"

// One payment of tax made on a tax notice.
class mTNalog {
public:
    DUROVID_LIST_RECORD_INTERFACE

    QString PaymentNote; // the rate and purpose shown beside the code, e.g. "13% физ.лица"
    QString PaymentKBK;  // 20-digit budget classification code
    Money PaymentAmount;
};
