#include "records/ConstructionDeduct.h"

mTConstructionDeduct::mTConstructionDeduct() {
    DwellingRegDate = ActDate = FirstUseYear = DateValue::FromYmd(2003, 1, 1);
}

template <class IO> void mTConstructionDeduct::Fields(IO& io) {
    io.Stream(QStringLiteral("@ConstructionDeduct"));
    io.Byte("GrantProperty", GrantProperty);
    if (!io.Take(GrantProperty == 1)) return;
    io.Int("ObjectKind", ObjectKind);
    io.Int("OwnershipKind", OwnershipKind);
    io.Int("TaxpayerSign", TaxpayerSign);
    io.Str("ObjPostIndex", ObjPostIndex);
    io.Str("ObjRegionCode", ObjRegionCode);
    io.Str("ObjRegionName", ObjRegionName);
    io.Str("ObjDistrict", ObjDistrict);
    io.Str("ObjCity", ObjCity);
    io.Str("ObjLocality", ObjLocality);
    io.Str("ObjStreet", ObjStreet);
    io.Str("ObjHouse", ObjHouse);
    io.Str("ObjBuilding", ObjBuilding);
    io.Str("ObjFlat", ObjFlat);
    io.Date("DwellingRegDate", DwellingRegDate);
    io.Date("ActDate", ActDate);
    io.Date("FirstUseYear", FirstUseYear);
    io.Date("ApplicationDate", ApplicationDate);
    io.Amount("CarryOverCost", CarryOverCost);
    io.Amount("CarryOverInterest", CarryOverInterest);
    io.Amount("PriorDeclCost", PriorDeclCost);
    io.Amount("PriorDeclInterest", PriorDeclInterest);
    io.Amount("ShareDecimal", ShareDecimal);
    io.Amount("PriorAgentCost", PriorAgentCost);
    io.Amount("PriorAgentInterest", PriorAgentInterest);
    io.Amount("ObjectCost", ObjectCost);
    io.Amount("CreditInterest", CreditInterest);
    io.Amount("AgentCost", AgentCost);
    io.Amount("AgentInterest", AgentInterest);
    io.Int("ShareNumerator", ShareNumerator);
    io.Int("ShareDenominator", ShareDenominator);
    io.Byte("ByInvestment", ByInvestment);
    io.Date("LandRegDate", LandRegDate);
}

DUROVID_RECORD_STORAGE(mTConstructionDeduct, 385, 386)
