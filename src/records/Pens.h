#pragma once

#include "records/RecordIO.h"

// One contract of non-state pension provision or voluntary pension insurance.
class mTPens {
public:
    DUROVID_LIST_RECORD_INTERFACE

    qint32 ContractKind = 0; // 1, 2: pension provision for oneself / a relative; 3, 4: pension insurance
    QString FundName;
    QString FundINN;
    QString FundKPP;
    QString ContractNumber;
    TDateTime ContractDate = 0;
    Money Contribution;
    Money ContributionToDeduct;
    Money AgentDeduction;
};
