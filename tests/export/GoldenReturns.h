#pragma once

// The declarations behind the checked-in export documents. The computed values are set on the
// result objects here, not computed, so that the documents test the export alone.

#include "computation/SvodSum.h"
#include "records/Declaration.h"
#include "support/Samples.h"
#include "support/ValidDeclaration.h"

namespace GoldenReturns {

using Samples::M;

inline TDateTime D(int year, int month, int day) {
    return DateValue::FromYmd(year, month, day);
}

// The builder's valid taxpayer, with the tax office's name.
inline void Taxpayer(mTDeclaration& d) {
    ValidDeclaration(d).Inspection(QStringLiteral("7701"), QStringLiteral("ИФНС России № 1 по г. Москве"));
}

struct Line {
    qint32 incomeCode;
    const char* income;
    qint32 deductionCode;
    const char* deduction;
    quint16 month;
};

inline mTThirteenPercent& AddSource13(mTRecordList<mTThirteenPercent>& list, const QString& inn,
                                      const QString& kpp, const QString& okato, const QString& name,
                                      std::initializer_list<Line> lines, const char* taxable,
                                      const char* computed, const char* withheld) {
    mTThirteenPercent* s = list.At(list.Add());
    s->SourceINN = inn;
    s->SourceKPP = kpp;
    s->SourceOKATO = okato;
    s->SourceName = name;
    for (const Line& l : lines) {
        mTSourseIncome line;
        line.IncomeCode = l.incomeCode;
        line.IncomeAmount = M(l.income);
        line.DeductionCode = l.deductionCode;
        line.DeductionAmount = M(l.deduction);
        line.Month = l.month;
        s->AddLine(line);
    }
    s->TaxableIncome = M(taxable);
    s->TaxComputed = M(computed);
    s->TaxWithheld = M(withheld);
    return *s;
}

inline mTThirtyPercent& AddDividends(mTRecordList<mTThirtyPercent>& list, const QString& inn,
                                     const QString& kpp, const QString& name, const char* income,
                                     const char* computed, const char* withheld) {
    mTThirtyPercent* s = list.At(list.Add());
    s->IncomeCode = 1010;
    s->SourceINN = inn;
    s->SourceKPP = kpp;
    s->SourceOKATO = QStringLiteral("45293554000");
    s->SourceName = name;
    s->IncomeTotal = M(income);
    s->TaxableIncome = M(income);
    s->TaxComputed = M(computed);
    s->TaxWithheld = M(withheld);
    return *s;
}

inline void AddSource35(mTDeclaration& d, qint32 incomeCode, qint32 deductionCode, const QString& inn,
                        const QString& kpp, const QString& okato, const QString& name, const char* income,
                        const char* withheld) {
    mTThirtyFivePercent* s = d.IncomeSources35.At(d.IncomeSources35.Add());
    s->IncomeCode = incomeCode;
    s->DeductionCode = deductionCode;
    s->DeductionAmount = deductionCode ? M("4000") : Money();
    s->SourceINN = inn;
    s->SourceKPP = kpp;
    s->SourceOKATO = okato;
    s->SourceName = name;
    s->IncomeTotal = M(income);
    s->TaxWithheld = M(withheld);
}

inline kTSvodSumList6Row Payment(const char* kbk, const char* okato, const char* sign, const char* amount) {
    return {QString::fromLatin1(kbk), QString::fromLatin1(okato), QString::fromLatin1(sign), M(amount)};
}

inline kTSvodSumPensionItem Pension(qint32 kind, const QString& fund, const char* inn, const char* kpp,
                                    const QString& number, TDateTime date, const char* contribution,
                                    const char* agent) {
    kTSvodSumPensionItem item;
    item.ContractKind = kind;
    item.FundName = fund;
    item.FundINN = QString::fromLatin1(inn);
    item.FundKPP = QString::fromLatin1(kpp);
    item.ContractNumber = number;
    item.ContractDate = date;
    item.Contribution = M(contribution);
    item.AgentDeducted = M(agent);
    item.ToDeduct = item.Contribution - item.AgentDeducted;
    return item;
}

// A resident entrepreneur with every kind of income and every deduction.
inline void Resident(mTDeclaration& d, kTSvodSum& s) {
    Taxpayer(d);
    d.PayerCategory = 0;
    d.SetIncomeKinds(IncomeRussia | IncomeForeign | IncomeBusiness | IncomePractice);
    d.AdvancePaid = M("10000");
    d.AdvanceAccrued = M("12000");
    d.IsFarm = 1;
    d.FarmStartDate = D(2005, 6, 1);
    d.FarmIncome = M("120000.5");

    AddSource13(
        d.IncomeSources13, QStringLiteral("7707083893"), QStringLiteral("773601001"),
        QStringLiteral("45293554000"), QStringLiteral("ОАО «Сбербанк России»"),
        {{2000, "300000", 0, "0", 12}, {2010, "80000", 403, "15000", 6}, {2760, "10000", 503, "4000", 3}},
        "375000", "48750", "48750");
    AddSource13(d.IncomeSources13, QStringLiteral("771234567890"), QString(), QString(),
                QStringLiteral("ИП Петров Пётр Петрович"), {{2201, "40000", 405, "8000", 9}}, "32000", "4160",
                "0");
    AddSource13(d.IncomeSources13, QString(), QString(), QString(), QStringLiteral("Сидорова Анна Павловна"),
                {{1510, "1500000", 901, "1000000", 0}, {1530, "100000.75", 201, "80000", 0}}, "520000.75",
                "67600", "0");
    AddDividends(d.IncomeSources30, QStringLiteral("7736050003"), QStringLiteral("773601001"),
                 QStringLiteral("ОАО «Газпром»"), "10000.99", "900", "900");
    AddSource35(d, 3010, 0, QStringLiteral("7707083893"), QStringLiteral("773601001"),
                QStringLiteral("45293554000"), QStringLiteral("ОАО «Сбербанк России»"), "20000", "7000");
    AddSource35(d, 2740, 501, QStringLiteral("7728168971"), QStringLiteral("772801001"),
                QStringLiteral("45268595000"), QStringLiteral("ООО «Реклама»"), "10000", "2100");
    AddSource35(d, 2620, 0, QStringLiteral("7744000302"), QStringLiteral("775001001"),
                QStringLiteral("45263591000"), QStringLiteral("ЗАО «Ипотечный банк»"), "5000", "1750");

    mTBusinessNew* shop = d.BusinessIncomes.At(d.BusinessIncomes.Add());
    shop->ActivityKind = QStringLiteral("1");
    shop->OKVED = QStringLiteral("52.11");
    shop->HasDocumentedExpenses = 1;
    shop->Income = M("600000");
    shop->ExpensesTotal = M("400000");
    shop->ExpensesMaterial = M("150000");
    shop->ExpensesDepreciation = M("20000");
    shop->ExpensesLabour = M("130000");
    shop->ExpensesLabourContracts = M("50000");
    shop->ExpensesOther = M("50000");
    mTBusinessNew* practice = d.BusinessIncomes.At(d.BusinessIncomes.Add());
    practice->ActivityKind = QStringLiteral("4");
    practice->OKVED = QStringLiteral("74.14");
    practice->HasDocumentedExpenses = 0;
    practice->Income = M("100000");
    practice->NormativeExpenses = M("20000");

    d.StandardDeduction.GrantStandard = 1;
    d.SocialDeduction.GrantSocial = 1;
    mTConstructionDeduct& pd = d.PropertyDeduction;
    pd.GrantProperty = 1;
    pd.ObjectKind = 2;
    pd.OwnershipKind = 1;
    pd.TaxpayerSign = 2;
    pd.ObjPostIndex = QStringLiteral("300000");
    pd.ObjRegionCode = QStringLiteral("71");
    pd.ObjCity = QStringLiteral("Тула");
    pd.ObjStreet = QStringLiteral("Садовая");
    pd.ObjHouse = QStringLiteral("5");
    pd.ObjBuilding = QStringLiteral("а");
    pd.ObjFlat = QStringLiteral("3");
    pd.DwellingRegDate = D(2010, 6, 1);
    pd.ActDate = D(2010, 5, 20);
    pd.LandRegDate = D(2009, 9, 9);
    pd.FirstUseYear = D(2010, 1, 1);
    pd.ApplicationDate = D(2011, 2, 1);
    pd.ShareNumerator = 1;
    pd.ShareDenominator = 2;

    s.List1.IncomeTotal = M("3163001.74");
    s.List1.IncomeExempt = M("86000");
    s.List1.IncomeTaxable = M("3077001.74");
    s.List1.ExpensesDeductions = M("2577001.74");
    s.List1.TaxBase = M("500000");
    s.List1.TaxComputed = M("65000");
    s.List1.TaxWithheld = M("52910");
    s.List1.AdvancePaid = M("10000");
    s.List1.PaidOnNotices = M("1000");
    s.List1.ForeignTaxCredit = M("1500");
    s.List1.Payable = M("0");
    s.List1.Refundable = M("410");
    s.List3.IncomeTotal = M("35000");
    s.List3.IncomeExempt = M("4000");
    s.List3.TaxBase = M("26000");
    s.List3.TaxComputed = M("9100");
    s.List3.TaxWithheld = M("9100");
    s.List3.TaxWithheldExempt = M("1750");
    s.List3.Refundable = M("1750");
    s.List4.IncomeTotal = M("25000.99");
    s.List4.TaxBase = M("25000.99");
    s.List4.TaxComputed = M("2250");
    s.List4.TaxWithheld = M("900");
    s.List4.ForeignTaxCredit = M("1350");
    s.List6.Rows = {Payment("18210102010011000110", "45293554000", "2", "410"),
                    Payment("18210102010011000110", "45263591000", "2", "1750"),
                    Payment("18210102030011000110", "45286552000", "3", "0")};

    s.PrilA6.IncomeTotal = M("10000.99");
    s.PrilA6.TaxableTotal = M("10000.99");
    s.PrilA6.TaxComputedTotal = M("900");
    s.PrilA6.TaxWithheldTotal = M("900");
    s.PrilA13.IncomeTotal = M("2030000.75");
    s.PrilA13.TaxableTotal = M("927000.75");
    s.PrilA13.TaxComputedTotal = M("120510");
    s.PrilA13.TaxWithheldTotal = M("48750");
    s.PrilA35.IncomeTotal = M("30000");
    s.PrilA35.TaxableTotal = M("26000");
    s.PrilA35.TaxComputedTotal = M("9100");
    s.PrilA35.TaxWithheldTotal = M("9100");

    kTSvodSumPrilBRow usd;
    usd.CountryCode = QStringLiteral("840");
    usd.CurrencyCode = QStringLiteral("840");
    usd.SourceName = QStringLiteral("Bank of America");
    usd.IncomeDate = D(2010, 3, 15);
    usd.RateAtIncomeText = QStringLiteral("29.5012");
    usd.IncomeCurrencyText = QStringLiteral("500,5");
    usd.IncomeRoubles = M("14765.35");
    usd.TaxPaidDate = D(2010, 3, 16);
    usd.RateAtTaxText = QStringLiteral("29.5");
    usd.TaxCurrencyText = QStringLiteral("50");
    usd.TaxRoubles = M("1475");
    usd.TaxComputedRF = M("1329");
    usd.Credit = M("1329");
    s.PrilB9.Rows = {usd};
    s.PrilB9.IncomeRoublesTotal = M("14765.35");
    s.PrilB9.ForeignTaxRoublesTotal = M("1475");
    s.PrilB9.TaxComputedTotal = M("1329");
    s.PrilB9.CreditTotal = M("1329");
    kTSvodSumPrilBRow royalty;
    royalty.CountryCode = QStringLiteral("36");
    royalty.CurrencyCode = QStringLiteral("36");
    royalty.SourceName = QStringLiteral("Penguin Books Australia");
    royalty.IncomeDate = D(2010, 11, 1);
    royalty.RateAtIncomeText = QStringLiteral("30.1234");
    royalty.IncomeCurrencyText = QStringLiteral("1000");
    royalty.IncomeRoubles = M("30123.4");
    royalty.TaxComputedRF = M("3916");
    s.PrilB13.Rows = {royalty};
    s.PrilB13.IncomeRoublesTotal = M("30123.4");
    s.PrilB13.TaxComputedTotal = M("3916");

    s.PrilV1.IncomeTotal = M("700000");
    s.PrilV1.ProfessionalDeduction = M("420000");
    s.PrilV1.AdvancePaid = M("10000");
    s.PrilV1.AdvanceAccrued = M("12000");

    kTSvodSumPrilM& m = s.PrilM;
    m.BirthAidIncome = M("50000");
    m.BirthAidExempt = M("50000");
    m.EmployerAidIncome = M("10000");
    m.EmployerAidExempt = M("4000");
    m.DisabledAidIncome = M("3000");
    m.DisabledAidExempt = M("3000");
    m.GiftIncome = M("5000");
    m.GiftExempt = M("4000");
    m.PrizeIncome = M("2500");
    m.PrizeExempt = M("2500");
    m.MedicineIncome = M("1200.5");
    m.MedicineExempt = M("1200.5");
    m.SpecialAidIncome = M("15000");
    m.SpecialAidExempt = M("10000");
    kTSvodSumPrilMFarmRow farm;
    farm.SourceINN = QStringLiteral("7123456789");
    farm.SourceKPP = QStringLiteral("712301001");
    for (size_t i = 0; i < 12; ++i) {
        farm.PayTotal[i] = M("10000");
        farm.PayInKind[i] = M("2000");
        farm.MonthExempt[i] = M("2000");
        farm.CarriedIn[i] = Money::FromUnits(qint64(i) * 2000);
        farm.CarriedOut[i] = Money::FromUnits(qint64(i + 1) * 2000);
    }
    farm.RowExempt = M("24000");
    m.FarmEmployers = {farm};
    m.FarmPayExempt = M("24000");
    m.ExemptTotal = M("98700.5");

    kTSvodSumPrilM2Row prize{QStringLiteral("7728168971"),
                             QStringLiteral("772801001"),
                             QStringLiteral("ООО «Реклама»"),
                             M("10000"),
                             M("4000"),
                             1};
    s.PrilM2.Rows = {prize};
    s.PrilM2.ExemptTotal = M("4000");
    kTSvodSumPrilM3Row benefit{QStringLiteral("7744000302"),
                               QStringLiteral("775001001"),
                               QStringLiteral("45263591000"),
                               QStringLiteral("ЗАО «Ипотечный банк»"),
                               M("5000"),
                               M("1750"),
                               2};
    s.PrilM3.Rows = {benefit};
    s.PrilM3.TaxWithheldTotal = M("1750");

    s.PrilG.ContractIncome = M("80000");
    s.PrilG.ContractExpenses = M("15000");
    s.PrilG.RoyaltyIncomeNormative = M("40000");
    s.PrilG.RoyaltyExpensesNormative = M("8000");
    s.PrilG.ExpensesTotal = M("23000");
    s.PrilG_In.RoyaltyIncomeActual = M("30123.4");
    s.PrilG_In.RoyaltyExpensesActual = M("5000");
    s.PrilG_In.ShareSaleIncome = M("1000");
    s.PrilG_In.ConstructionRightsIncome = M("2000");
    s.PrilG_In.ConstructionRightsExpenses = M("2000");
    s.PrilG_In.ExpensesTotal = M("7000");

    kTSvodSumPrilE1& e1 = s.PrilE1;
    for (size_t i = 0; i < 12; ++i)
        e1.CumulativeIncome[i] = Money::FromUnits(qint64(i + 1) * 25000);
    e1.Months40000 = 1;
    e1.Months280000 = 11;
    e1.Deduction400 = M("400");
    e1.ChildDeduction = M("11000");
    e1.DisabledChildDeductionDouble = M("44000");
    e1.StandardTotal = M("55400");
    kTSvodSumPrilE2& e2 = s.PrilE2;
    e2.Charity = M("1500");
    e2.ChildEducationTotal = M("50000");
    e2.UnlimitedSubtotal = M("51500");
    e2.OwnEducation = M("60000");
    e2.Treatment = M("30000");
    e2.Insurance = M("12000");
    e2.PensionInsurance = M("6000");
    e2.PensionProvision = M("8000");
    e2.ExtraPension = M("2000.25");
    e2.LimitedSubtotal = M("118000");
    e2.SocialTotal = M("171500");
    s.PrilE3.ProvisionItems = {Pension(1, QStringLiteral("НПФ «Благосостояние»"), "7707099940", "770701001",
                                       QStringLiteral("Д-15/2009"), D(2009, 12, 31), "10000", "2000")};
    s.PrilE3.InsuranceItems = {Pension(2, QStringLiteral("ОАО «СОГАЗ»"), "7736035485", "997950001",
                                       QStringLiteral("ДПС № 7"), D(2010, 2, 1), "6000", "0")};
    s.PrilE3.ProvisionDeductTotal = M("8000");
    s.PrilE3.InsuranceDeductTotal = M("6000");
    s.PrilE3.ProvisionAgentTotal = M("2000");
    s.PrilE3.AgentTotal = M("2000");

    kTSvodSumPrilH1& h = s.PrilH1;
    h.HousingSaleIncome = M("1500000");
    h.HousingSaleDeduction = M("1000000");
    h.HousingLimitedIncome = M("1500000");
    h.HousingLimitedDeduction = M("1000000");
    h.HousingIncomeTotal = M("1500000");
    h.HousingDeductionTotal = M("1000000");
    h.OtherSaleIncome = M("400000");
    h.OtherSaleDeduction = M("250000");
    h.OtherDocIncome = M("90000");
    h.OtherDocExpenses = M("85000");
    h.OtherIncomeTotal = M("490000");
    h.OtherDeductionTotal = M("335000");
    h.RedemptionIncome = M("700000");
    h.RedemptionDeduction = M("700000");
    h.DeductionTotal = M("2035000");

    kTSvodSumPrilJ& j = s.PrilJ;
    j.SecOrgIncome = M("100000.75");
    j.SecOrgExpenses = M("80000");
    j.SecOrgBase = M("15000.75");
    j.FutOrgSecLossUsed = M("5000");
    j.SecUnorgIncome = M("20000");
    j.SecUnorgExpenses = M("25000");
    j.FutOrgSecIncome = M("10000");
    j.FutOrgSecExpenses = M("15000");
    j.FutOrgSecLoss = M("5000");
    j.FutOrgSecLossUsed = M("5000");
    j.CarriedSecLoss = M("5000");
    j.IncomeTotal = M("130000.75");
    j.TaxableTotal = M("15000.75");
    j.ExpensesApplied = M("115000");

    kTSvodSumPrilZ& z = s.PrilZ;
    z.CostActual = M("1000000");
    z.InterestActual = M("45000.5");
    z.PriorCostTotal = M("200000");
    z.PriorCostDecl = M("150000");
    z.PriorCostAgent = M("50000");
    z.CarryInCost = M("800000");
    z.TaxBaseBeforeProperty = M("300000");
    z.DeclCostDeduction = M("254999.5");
    z.DeclInterestDeduction = M("45000.5");
    z.CarryOutCost = M("545000.5");
}

// A non-resident with income at 13, 30 and 15 %, whose deduction flags must not show.
inline void NonResident(mTDeclaration& d, kTSvodSum& s) {
    Taxpayer(d);
    d.ReturnKind = ReturnKind3NDFLNonResident;
    d.PayerCategory = 5;
    d.CorrectionNumber = 1;
    d.SetIncomeKinds(IncomeRussia);
    mTPersonInformation& p = d.Person;
    p.SurName = QStringLiteral("Смит");
    p.FirstName = QStringLiteral("Джон");
    p.Patronymic = QStringLiteral("  ");
    p.DocTypeCode = 10;
    p.DocSerial = QStringLiteral("761234567");
    p.DocIssuedBy = QStringLiteral("UKPA");
    p.BirthPlace = QStringLiteral("  ");
    p.CountryCode = QStringLiteral("826");
    p.ForeignAddress = QStringLiteral("Лондон, Бейкер-стрит, 221б");
    p.StayAddress = 1;
    p.RegionCode = 78;
    p.City = QStringLiteral("Санкт-Петербург");
    p.Street = QStringLiteral("Невский пр.");
    p.Building = QString();
    p.OKATO = QStringLiteral("40298566000");

    AddSource13(d.IncomeSources13NR, QStringLiteral("7801234567"), QStringLiteral("780101001"),
                QStringLiteral("40298566000"), QStringLiteral("ООО «Нева Консалт»"),
                {{2000, "200000", 0, "0", 1}, {2010, "50000", 403, "10000", 2}}, "240000", "31200", "31200");
    AddSource13(d.IncomeSources13, QStringLiteral("7802345678"), QStringLiteral("780201001"), QString(),
                QStringLiteral("ЗАО «Балтика»"), {{2000, "100000", 0, "0", 5}}, "100000", "30000", "13000");
    AddDividends(d.IncomeSources30, QStringLiteral("7803456789"), QStringLiteral("780301001"),
                 QStringLiteral("ОАО «Северсталь»"), "1001", "150", "150");
    AddDividends(d.IncomeSources30, QStringLiteral("7803456789"), QStringLiteral("780301001"),
                 QStringLiteral("ОАО «Северсталь»"), "1010", "151", "151");
    d.StandardDeduction.GrantStandard = 1;
    d.SocialDeduction.GrantSocial = 1;
    d.PropertyDeduction.GrantProperty = 1;

    s.List1.IncomeTotal = M("250000");
    s.List1.ExpensesDeductions = M("10000");
    s.List1.IncomeTaxable = M("250000");
    s.List1.TaxBase = M("240000");
    s.List1.TaxComputed = M("31200");
    s.List1.TaxWithheld = M("31200");
    s.List1.FixedAdvancePaid = M("2000");
    s.List1.Refundable = M("2000");
    s.List2.IncomeTotal = M("100000");
    s.List2.IncomeTaxable = M("100000");
    s.List2.TaxBase = M("100000");
    s.List2.TaxComputed = M("30000");
    s.List2.TaxWithheld = M("13000");
    s.List2.Payable = M("17000");
    s.List5.IncomeTotal = M("2011");
    s.List5.TaxBase = M("2011");
    s.List5.TaxComputed = M("302");
    s.List5.TaxWithheld = M("301");
    s.List5.Payable = M("1");
    s.List6.Rows = {Payment("18210102010011000110", "40298566000", "2", "2000"),
                    Payment("18210102030011000110", "40298566000", "1", "17000"),
                    Payment("18210102030011000110", "40298566000", "1", "1")};
    s.PrilA13.IncomeTotal = M("250000");
    s.PrilA13.TaxableTotal = M("240000");
    s.PrilA13.TaxComputedTotal = M("31200");
    s.PrilA13.TaxWithheldTotal = M("31200");
    s.PrilA13.FixedAdvancePaid = M("2000");
    s.PrilA30.IncomeTotal = M("100000");
    s.PrilA30.TaxableTotal = M("100000");
    s.PrilA30.TaxComputedTotal = M("30000");
    s.PrilA30.TaxWithheldTotal = M("13000");
    s.PrilA15.IncomeTotal = M("2011");
    s.PrilA15.TaxableTotal = M("2011");
    s.PrilA15.TaxComputedTotal = M("302");
    s.PrilA15.TaxWithheldTotal = M("301");
    s.PrilG.ContractIncome = M("50000");
    s.PrilG.ContractExpenses = M("10000");
    s.PrilG.ExpensesTotal = M("10000");
    s.PrilE3.ProvisionItems = {Pension(2, QStringLiteral("НПФ «Нева»"), "7811111111", "781101001",
                                       QStringLiteral("П-3"), D(2010, 4, 12), "5000", "5000")};
    s.PrilE3.ProvisionAgentTotal = M("5000");
    s.PrilE3.AgentTotal = M("5000");
}

// An estimated-income return of an individual who is not an entrepreneur.
inline void EstimatedIncome(mTDeclaration& d, kTSvodSum&) {
    Taxpayer(d);
    d.ReturnKind = ReturnKind4NDFL;
    d.PayerCategory = 5;
    d.Person.Patronymic.clear();
    d.Person.HomePhone = QStringLiteral(" (495) 123-45-67 ");
    d.EstimatedIncome = M("150000");
}

// A resident without an INN: the identity document identifies the taxpayer.
inline void WithoutInn(mTDeclaration& d, kTSvodSum& s) {
    Taxpayer(d);
    d.PayerCategory = 5;
    mTPersonInformation& p = d.Person;
    p.INN.clear();
    p.BirthPlace.clear();
    p.CountryCode.clear();
    p.RegionCode = 7;
    p.City = QStringLiteral("Нальчик");
    p.PostIndex = QStringLiteral("   ");
    p.HomePhone.clear();
    p.OKATO = QStringLiteral("83401000000");
    d.SetIncomeKinds(IncomeRussia);
    AddSource13(d.IncomeSources13, QStringLiteral("0711012345"), QStringLiteral("072101001"),
                QStringLiteral("83401000000"), QStringLiteral("ГУП «Нальчикводоканал»"),
                {{2000, "15000", 0, "0", 1}, {2000, "15000", 0, "0", 2}, {2000, "15000", 0, "0", 3}}, "43800",
                "5694", "5850");
    d.StandardDeduction.GrantStandard = 1;
    s.List1.IncomeTotal = M("45000");
    s.List1.IncomeTaxable = M("45000");
    s.List1.ExpensesDeductions = M("1200");
    s.List1.TaxBase = M("43800");
    s.List1.TaxComputed = M("5694");
    s.List1.TaxWithheld = M("5850");
    s.List1.Refundable = M("156");
    s.List6.Rows = {Payment("18210102010011000110", "83401000000", "2", "156")};
    s.PrilA13.IncomeTotal = M("45000");
    s.PrilA13.TaxableTotal = M("43800");
    s.PrilA13.TaxComputedTotal = M("5694");
    s.PrilA13.TaxWithheldTotal = M("5850");
    s.PrilE1.CumulativeIncome = {M("15000"), M("30000"), M("45000"), M("45000"), M("45000"), M("45000"),
                                 M("45000"), M("45000"), M("45000"), M("45000"), M("45000"), M("45000")};
    s.PrilE1.Months40000 = 2;
    s.PrilE1.Months280000 = 3;
    s.PrilE1.Deduction400 = M("800");
    s.PrilE1.StandardTotal = M("800");
}

// A lawyer's return signed by a representative, with nothing to detail.
inline void Representative(mTDeclaration& d, kTSvodSum& s) {
    Taxpayer(d);
    d.PayerCategory = 3;
    d.SignerKind = 2;
    d.RepresentativeName = QStringLiteral(" сидоров Сидор сидорович младший ");
    d.RepresentativeDocument = QStringLiteral("Доверенность № 15 от 01.02.2011");
    d.RepresentativeOrg = QStringLiteral("ООО «Юрконсалт»");
    d.SetIncomeKinds(IncomeRussia);
    d.StandardDeduction.GrantStandard = 0;
    s.List6.Rows = {Payment("18210102020011000110", "45286552000", "3", "0")};
}

} // namespace GoldenReturns
