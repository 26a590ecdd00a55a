#pragma once

#include "records/RecordIO.h"

// The property deduction for buying or building housing.
class mTConstructionDeduct {
public:
    mTConstructionDeduct();
    DUROVID_RECORD_INTERFACE

    quint8 GrantProperty = 0;
    qint32 ObjectKind = 0;
    qint32 OwnershipKind = 0;
    qint32 TaxpayerSign = 0;
    QString ObjPostIndex, ObjRegionCode, ObjRegionName, ObjDistrict, ObjCity, ObjLocality, ObjStreet,
        ObjHouse, ObjBuilding, ObjFlat;
    TDateTime DwellingRegDate;
    TDateTime ActDate;
    TDateTime FirstUseYear;
    TDateTime ApplicationDate = 0;
    Money CarryOverCost;
    Money CarryOverInterest;
    Money PriorDeclCost;
    Money PriorDeclInterest;
    Money ShareDecimal;
    Money PriorAgentCost;
    Money PriorAgentInterest;
    Money ObjectCost;
    Money CreditInterest;
    Money AgentCost;
    Money AgentInterest;
    qint32 ShareNumerator = 0;
    qint32 ShareDenominator = 0;
    quint8 ByInvestment = 0;
    TDateTime LandRegDate = 0;
};
